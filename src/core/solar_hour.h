// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The solar hour of the Sun's position: 15 degrees to the hour, South reads 12. A whole hour is written as its
// number alone, any other position as hours, two spaces and the unrounded minutes ("14  30"). The hours are not
// brought into 0 to 23. Throws NumericOverflow for a Sun beyond the double range.
QString solarHourText(const QString &sunText);
