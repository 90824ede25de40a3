// Placeholder: the help dialog is not built yet.
#include "ui/help_dialog.h"

void showHelpDialog(QWidget*, const QString&) {}
