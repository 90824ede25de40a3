#include "model/structure.h"

namespace zuvo {

StructureCounts computeStructureCounts(const Forecast& forecast) {
    StructureCounts counts;
    for (const PositionForecast& position : forecast) {
        if (position.p1 == 100) ++counts.certain1;
        if (position.p0 == 100) ++counts.certain0;
        if (position.p2 == 100) ++counts.certain2;
        if (position.p1 > 0) ++counts.possible1;
        if (position.p0 > 0) ++counts.possible0;
        if (position.p2 > 0) ++counts.possible2;
        const int open =
            (position.p1 > 0 ? 1 : 0) + (position.p0 > 0 ? 1 : 0) + (position.p2 > 0 ? 1 : 0);
        if (open == 2) ++counts.twoWay;
        if (open == 3) ++counts.threeWay;
    }
    counts.favourites = counts.certain1 + counts.certain0 + counts.certain2;
    // At most 3^13 = 1594323, well inside 32 bits.
    counts.combinationCount = 1;
    for (int i = 0; i < counts.twoWay; ++i) counts.combinationCount *= 2;
    for (int i = 0; i < counts.threeWay; ++i) counts.combinationCount *= 3;
    return counts;
}

std::string forecastRefusal(const Forecast& forecast, const VisitedFlags& visited,
                            bool guaranteed) {
    for (uint8_t flag : visited) {
        if (flag == 0) {
            return "Niektóre, lub wszystkie pozycje zostały pominięte. Przejście do Etapu 2  - "
                   "nie jest możliwe !!!";
        }
    }
    if (guaranteed) return "";
    int certain = 0;
    for (const PositionForecast& position : forecast) certain += position.certain;

    if (certain == 7 || certain == 8) {
        return "Z " + std::to_string(certain) +
               " faworytami nie ma potrzeby przeprowadzania żadnych obliczeń . Zagraj systemem "
               "pełnym lub gwarantowanym skróconym ";
    }
    if (certain >= 9 && certain <= 11) {
        return "Przy " + std::to_string(certain) +
               " pewniakach nie potrzebujesz żadnych obliczeń. Zagraj systemem pełnym - "
               "trzynastka murowana !";
    }
    if (certain >= 12) {
        return "Tak dużej pewności siebie nie spotyka się nawet u zawodowego gracza . Podaj "
               "rozsądniejsze dane abym mógł zaproponować Ci coś naprawdę wyjątkowego !";
    }
    return "";
}

}  // namespace zuvo
