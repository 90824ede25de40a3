#pragma once
// Forecasts for the model tests, built the way a stored position looks.
#include "model/forecast.h"

namespace zuvo::testing {

inline PositionForecast pos(int p1, int p0, int p2) {
    return PositionForecast{p1, p0, p2, (p1 == 100 || p0 == 100 || p2 == 100) ? 1 : 0};
}

// Every position the same.
inline Forecast filled(const PositionForecast& p) {
    Forecast f;
    f.fill(p);
    return f;
}

}  // namespace zuvo::testing
