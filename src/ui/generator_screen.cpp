// Placeholder bodies: this area is not built yet.
#include "ui/TZuvoform.h"

void TZuvoform::buildGeneratorScreen() {}
void TZuvoform::Button20Enter() {}
void TZuvoform::Button20Click() {}
void TZuvoform::Timer1Timer() {}
void TZuvoform::Timer2Timer() {}
void TZuvoform::finishRun() {}
void TZuvoform::Button19Click() {}
void TZuvoform::resetGeneratorScreen() {}
void TZuvoform::ListBox1Click() {}
