#pragma once
// Everything outside the program (boxes, dialogs, printer, media, help, beep, clock) goes through
// this interface, so that the window can be driven headless with a fake.
#include <QRect>
#include <QString>
#include <cstdint>
#include <functional>

class QPainter;
class QWidget;

enum class QuestionKind { Warning, Confirmation };

class Platform {
  public:
    virtual ~Platform() = default;

    // Modal box with an OK button.
    virtual void message(QWidget* parent, const QString& text) = 0;
    // Modal Yes / No box; true only for Yes.
    virtual bool question(QWidget* parent, const QString& text, QuestionKind kind) = 0;

    // `filter` in Qt's form ("Plik textowy (*.txt)"); an empty result means cancelled. The save
    // dialog adds `defaultSuffix` to a bare name and asks before overwriting.
    virtual QString openFileName(QWidget* parent, const QString& filter,
                                 const QString& defaultSuffix) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& filter,
                                 const QString& defaultSuffix) = 0;

    // One page on the default printer as a job of its own, painted in 300-dpi device units from
    // the top left of the printable area. False with `error` set when the job failed.
    virtual bool printPage(const std::function<void(QPainter&)>& paint, QString& error) = 0;

    // Plays `file` inside `surface` within `area`; false with `error` when it cannot be opened.
    virtual bool playVideo(QWidget* surface, const QString& file, const QRect& area,
                           QString& error) = 0;
    virtual void stopVideo() = 0;
    // Starts the sound and returns at once.
    virtual bool playSound(const QString& file, QString& error) = 0;

    // The topics dialog (contents, index, search) of the help collection.
    virtual void showHelp(QWidget* parent, const QString& helpFile) = 0;

    virtual void beep() = 0;
    // Milliseconds since midnight UTC.
    virtual uint32_t utcMillisecondsOfDay() = 0;
};
