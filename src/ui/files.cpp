// Placeholder bodies: this area is not built yet.
#include "ui/TZuvoform.h"

void TZuvoform::saveSystem() {}
void TZuvoform::Zapisz1Click() {}
void TZuvoform::Button33Click() {}
void TZuvoform::Otworz1Click() {}
SaveOffer TZuvoform::offerSave(const QString&) { return SaveOffer::NotAsked; }
bool TZuvoform::saveThroughDialog() { return false; }
