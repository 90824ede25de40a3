// Placeholder bodies: this area is not built yet.
#include "ui/TZuvoform.h"

void TZuvoform::buildStage1() {}
void TZuvoform::selectPosition(int) {}
void TZuvoform::storePosition(int) {}
void TZuvoform::ScrollBar1Change() {}
void TZuvoform::ScrollBar2Change() {}
void TZuvoform::Button22Click() {}
