// SPDX-License-Identifier: MIT
#include "solver.h"

#include "number_rules.h"
#include "numeric_overflow.h"

namespace {

// Phase rounded down to a tenth. The three factors stay separate operations: folding them into one constant
// changes results that fall on a tenth.
SolverOutcome phaseToATenth(double sun, double moon)
{
    const double a = 360.0 - moon;
    const double b = a + sun;
    const double tenfold = b * 10.0;
    const double scaled = tenfold * 28.0;
    const double tenths = scaled / 360.0;
    const double floored = wholeFloor(tenths);
    const double phase = floored / 10.0;
    checkFloatingPoint({a, b, tenfold, scaled, tenths, floored, phase});
    return {Solution::PhaseToATenth, SolverField::Phase, numberText(phase), QString::fromUtf16(phaseFormula)};
}

// The magnitude is taken before rounding down, so Sun and Moon may come in either order.
SolverOutcome wholePhase(double sun, double moon)
{
    const double daysPerDegree = 28.0 / 360.0;
    const double difference = sun - moon;
    const double days = difference * daysPerDegree;
    const double phase = wholeFloor(absolute(days));
    checkFloatingPoint({difference, days, phase});
    return {Solution::WholePhase, SolverField::Phase, numberText(phase), QString::fromUtf16(phaseFormula)};
}

SolverOutcome sunPosition(double moon, double phase)
{
    const double degreesPerDay = 360.0 / 28.0;
    const double moonToSun = degreesPerDay * phase;
    const double sun = wholeFloor(moon + moonToSun);
    checkFloatingPoint({moonToSun, sun});
    return {Solution::Sun, SolverField::Sun, numberText(sun), QString::fromUtf16(sunFormula)};
}

// A negative Moon gets one turn added, never more: far below -360 it stays negative.
SolverOutcome moonPosition(double sun, double phase)
{
    const double degreesPerDay = 360.0 / 28.0;
    const double moonToSun = degreesPerDay * phase;
    const double floored = wholeFloor(sun - moonToSun);
    const double moon = floored >= 0.0 ? floored : floored + 360.0;
    checkFloatingPoint({moonToSun, floored, moon});
    return {Solution::Moon, SolverField::Moon, numberText(moon), QString::fromUtf16(moonFormula)};
}

} // namespace

SolverOutcome solve(const QString &sunText, const QString &moonText, const QString &phaseText)
{
    const bool sunFilled = !isEmptyField(sunText);
    const bool moonFilled = !isEmptyField(moonText);
    const bool phaseFilled = !isEmptyField(phaseText);

    // The test for the phase to a tenth reads Sun and Moon as numbers whatever is filled, so a number beyond the
    // double range in either field stops the press even when something else would be computed.
    const double sun = readNumber(sunText);
    const double moon = readNumber(moonText);
    const bool sunBelowMoon = sun > 0.0 && sunFilled && moonFilled && sun < moon;

    if (sunBelowMoon)
        return phaseToATenth(sun, moon);
    if (sunFilled && moonFilled)
        return wholePhase(sun, moon);
    if (moonFilled && phaseFilled)
        return sunPosition(moon, readNumber(phaseText));
    if (sunFilled && phaseFilled)
        return moonPosition(sun, readNumber(phaseText));
    return {Solution::TooFewValues, SolverField::Phase, {}, {}};
}
