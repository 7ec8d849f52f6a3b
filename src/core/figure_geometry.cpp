// SPDX-License-Identifier: MIT
#include "figure_geometry.h"

#include "numeric_overflow.h"

#include <cmath>

FigurePoint positionLineEnd(double degrees)
{
    const double radians = ((degrees * 2) * DesignPi) / 360;
    const double s = std::sin(radians);
    const double c = -std::cos(radians);
    checkFloatingPoint({radians, s, c});
    const double x = FigureCentre.x + ((1000 * s) * 5) / 12;
    const double y = FigureCentre.y + 1000 * c;
    checkFloatingPoint({x, y});
    return {x, y};
}

float phaseRingAngle(int day)
{
    return float((day * RingFullTurn) / DaysInRing);
}
