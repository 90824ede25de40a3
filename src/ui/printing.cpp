// Placeholder bodies: this area is not built yet.
#include "ui/TZuvoform.h"

void TZuvoform::buildPrintPanel() {}
void TZuvoform::Button24Click() {}
void TZuvoform::Button26Click() {}
void TZuvoform::Button32Click() {}
void TZuvoform::Button25Click() {}
void TZuvoform::Timer6Timer() {}
void TZuvoform::Button29Click() {}
