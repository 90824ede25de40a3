// Placeholder bodies: this area is not built yet.
#include "ui/TZuvoform.h"

void TZuvoform::buildAnalysisPanel() {}
void TZuvoform::Button36Click() {}
