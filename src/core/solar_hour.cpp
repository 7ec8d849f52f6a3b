// SPDX-License-Identifier: MIT
#include "solar_hour.h"

#include "number_rules.h"
#include "numeric_overflow.h"

namespace {

QString hoursAndMinutes(double hours, double minutes)
{
    return numberText(hours) + QStringLiteral("  ") + numberText(minutes);
}

} // namespace

QString solarHourText(const QString &sunText)
{
    double hour = readNumber(sunText) / 15.0;
    checkFloatingPoint({hour});
    const double wholeHours = wholeFloor(readNumber(sunText) / 15.0);
    checkFloatingPoint({wholeHours});
    double fraction = hour - wholeHours;
    // A hair below a whole hour the fraction comes out at exactly 1 (the Sun at -1e-20), or so near it that its
    // minutes are written as 60 (-1e-15): that is the next whole hour. Minutes are never written as 60.
    if (fraction == 1.0 || numberText(fraction * 60.0) == u"60") {
        hour = wholeHours + 1.0;
        fraction = 0.0;
    }

    if (hour < 0.0 && fraction == 0.0)
        return numberText(12.0 + hour);
    // Before noon the hours are floored after adding 12, unlike the other rows that add to the whole hours.
    if (hour < 0.0 && fraction != 0.0)
        return hoursAndMinutes(wholeFloor(12.0 + hour), fraction * 60.0);
    if (hour < 12.0 && fraction == 0.0)
        return numberText(12.0 + hour);
    if (hour < 12.0 && fraction != 0.0)
        return hoursAndMinutes(12.0 + wholeHours, fraction * 60.0);

    // The Sun at North is tested on its own; the afternoon rows follow as a chain of their own, and at exactly
    // 12 neither of them holds.
    QString text;
    if (hour == 12.0)
        text = numberText(0.0);
    if (hour > 12.0 && fraction == 0.0)
        text = numberText(hour - 12.0);
    else if (hour > 12.0 && fraction != 0.0)
        text = hoursAndMinutes(wholeHours - 12.0, fraction * 60.0);
    return text;
}
