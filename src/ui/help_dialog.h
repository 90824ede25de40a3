#pragma once
// The help topics dialog: contents, index and search of a Qt Help collection.
#include <QString>

class QWidget;

// Shows the dialog modelessly; a collection that cannot be opened is reported in a message.
void showHelpDialog(QWidget* parent, const QString& collectionFile);
