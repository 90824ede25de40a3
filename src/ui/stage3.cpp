// Placeholder bodies: this area is not built yet.
#include "ui/TZuvoform.h"

void TZuvoform::buildStage3() {}
void TZuvoform::Button18Click() {}
void TZuvoform::Button17Click() {}
void TZuvoform::RadioButton1Click() {}
void TZuvoform::RadioButton2Click() {}
void TZuvoform::UpDown1Click() {}
void TZuvoform::UpDown2Click() {}
