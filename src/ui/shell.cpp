// Placeholder bodies: this area is not built yet.
#include "ui/TZuvoform.h"

void TZuvoform::buildShell() {}
void TZuvoform::buildIntro() {}
void TZuvoform::FormCreate() {}
void TZuvoform::FormCloseQuery(bool&) {}
void TZuvoform::Timer3Timer() {}
void TZuvoform::Timer4Timer() {}
void TZuvoform::Button27Click() {}
void TZuvoform::Symulacja1Click() {}
void TZuvoform::Globalny1Click() {}
void TZuvoform::Preferencyjny1Click() {}
void TZuvoform::Wyjcie1Click() {}
void TZuvoform::Timer7Timer() {}
void TZuvoform::Opissystemu1Click() {}
void TZuvoform::runFarewell(bool) {}
