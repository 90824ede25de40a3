// Placeholder bodies: this area is not built yet.
#include "ui/TZuvoform.h"

void TZuvoform::buildStage2() {}
void TZuvoform::prepareStage2() {}
void TZuvoform::Button14Click() {}
void TZuvoform::Button15Click() {}
void TZuvoform::Button16Click() {}
void TZuvoform::Timer5Timer() {}
