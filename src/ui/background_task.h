#pragma once
// Work that may take longer than a moment runs on a worker thread while the window keeps
// answering; past half a second a progress box with "Anuluj" shows.
#include <QString>
#include <functional>
#include <stop_token>

class QWidget;

// Runs `work` on a worker thread and returns once it ended. "Anuluj" requests a stop through the
// token; returns false when it was pressed (the work should then leave its results untouched).
bool runWhileAnswering(QWidget* parent, const QString& title, const QString& text,
                       const std::function<void(std::stop_token)>& work);
