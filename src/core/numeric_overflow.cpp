// SPDX-License-Identifier: MIT
#include "numeric_overflow.h"

#include <cmath>

void raiseOverflow()
{
    throw NumericOverflow();
}

void checkFloatingPoint(std::initializer_list<double> results)
{
    for (double value : results) {
        if (!std::isfinite(value))
            raiseOverflow();
    }
}
