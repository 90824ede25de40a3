// What a built system gives, in the words of the caption over the generated list.
#include <QString>

#include "model/cover/filter.h"
#include "model/cover/known.h"
#include "ui/conditions_dialog.h"
#include "ui/guarantee_panel.h"
#include "ui/widget_utils.h"

namespace cover = zuvo::cover;

// `reach`: how far the farthest combination to cover lies from its nearest column, as checked
// over all of them. A preferred system that does not reach the chosen guarantee everywhere says
// its chance and the hits every combination gets, never a guarantee it does not give.
QString GuaranteePanel::caption(std::size_t columns, int reach, double chance) const {
    const cover::Space space = play_.space();
    const QString size = ui::columnsText(columns);
    const int hits = 13 - radius();
    if (conditions_.none()) {
        if (reach <= 0)
            return QStringLiteral("System pełny: %1 (13 z 13, wszystkie kombinacje).").arg(size);
        if (reach <= radius())
            return QStringLiteral(
                       "System gwarancyjny %1 z 13: %2 zamiast %3 (sprawdzono "
                       "wszystkie kombinacje).")
                .arg(hits)
                .arg(size)
                .arg(space.size());
        return QStringLiteral(
                   "System preferencyjny: %1 zamiast %2. Szansa na co najmniej %3: "
                   "%4; każda kombinacja daje co najmniej %5 (sprawdzono wszystkie "
                   "kombinacje).")
            .arg(size)
            .arg(space.size())
            .arg(ui::hitsText(hits), ui::percentWithUnit(chance, 1), ui::hitsText(13 - reach));
    }
    const QString where = ui::conditionsText(conditions_);
    const std::uint64_t meeting = cover::countConditions(play_, conditions_).admitted;
    if (reach <= radius()) {
        // The best size known holds for every combination: beside it, what the conditions save.
        const std::uint64_t whole = cover::expectedGlobalSize(space.three, space.two, radius());
        return QStringLiteral(
                   "System gwarancyjny %1 z 13 przy warunkach %2: %3 zamiast %4 "
                   "(sprawdzono wszystkie kombinacje spełniające warunki; bez warunków "
                   "%5).")
            .arg(hits)
            .arg(where, size)
            .arg(meeting)
            .arg(ui::columnsText(whole));
    }
    return QStringLiteral(
               "System preferencyjny przy warunkach %1: %2 zamiast %3. Szansa na co "
               "najmniej %4 i wynik w warunkach: %5; każda kombinacja w warunkach daje "
               "co najmniej %6 (sprawdzono wszystkie).")
        .arg(where, size)
        .arg(meeting)
        .arg(ui::hitsText(hits), ui::percentWithUnit(chance, 1), ui::hitsText(13 - reach));
}
