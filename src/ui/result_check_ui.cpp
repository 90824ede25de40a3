// Placeholder bodies: this area is not built yet.
#include "ui/TZuvoform.h"

bool TZuvoform::Edit1KeyPress(QChar) { return false; }
void TZuvoform::Button23Click() {}
void TZuvoform::Timer8Timer() {}
