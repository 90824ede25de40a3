// Placeholder bodies: this area is not built yet.
#include "ui/TZuvoform.h"

void TZuvoform::Button30Click() {}
void TZuvoform::RadioGroup1Click() {}
void TZuvoform::UpDown3Click() {}
void TZuvoform::UpDown4Click() {}
void TZuvoform::Button31Click() {}
void TZuvoform::Button34Click() {}
void TZuvoform::Button35Click() {}
bool TZuvoform::loadCalibrationFiles() { return false; }
