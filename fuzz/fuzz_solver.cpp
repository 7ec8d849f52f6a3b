// SPDX-License-Identifier: MIT
// Any three texts, one a line, as the Sun, Moon and phase fields: the solver and the solar hour.
#include "fuzz_checks.h"
#include "solar_hour.h"
#include "solver.h"

#include <QStringList>

#include <array>
#include <cstdint>

namespace {

// Beyond this magnitude the solver's arithmetic may leave the double range; below it, it may not.
constexpr double ordinaryLimit = 1e305;

bool ordinary(const std::optional<double> &value)
{
    return value && std::fabs(*value) < ordinaryLimit;
}

// The third text takes the rest, further line breaks included.
std::array<QString, 3> splitFields(QByteArrayView bytes)
{
    std::array<QString, 3> fields;
    for (int field = 0; field < 2; ++field) {
        const qsizetype end = bytes.indexOf('\n');
        if (end < 0) {
            fields[field] = textOf(bytes);
            return fields;
        }
        fields[field] = textOf(bytes.first(end));
        bytes = bytes.sliced(end + 1);
    }
    fields[2] = textOf(bytes);
    return fields;
}

void checkSolver(const QString &sun, const QString &moon, const QString &phase)
{
    const QString input = QStringList{sun, moon, phase}.join(u'|');
    const std::optional<double> s = fieldValue(sun);
    const std::optional<double> m = fieldValue(moon);
    const std::optional<double> p = fieldValue(phase);

    const bool sunFilled = !sun.isEmpty();
    const bool moonFilled = !moon.isEmpty();
    const bool phaseFilled = !phase.isEmpty();
    Solution expected = Solution::TooFewValues;
    if (sunFilled && moonFilled)
        expected = s && m && *s > 0.0 && *s < *m ? Solution::PhaseToATenth : Solution::WholePhase;
    else if (moonFilled && phaseFilled)
        expected = Solution::Sun;
    else if (sunFilled && phaseFilled)
        expected = Solution::Moon;
    const bool readsPhase = expected == Solution::Sun || expected == Solution::Moon;

    SolverOutcome outcome;
    if (!finishesOrOverflows([&] { outcome = solve(sun, moon, phase); })) {
        // A fault needs a field beyond the double range or a number near its edge.
        if (ordinary(s) && ordinary(m) && (!readsPhase || ordinary(p)))
            fail("solve faulted on ordinary numbers", input);
        return;
    }
    // The Sun and Moon are read whatever the case, the phase only when it is used.
    if (!s || !m || (readsPhase && !p))
        fail("solve went on past a field beyond the double range", input);
    if (outcome.solution != expected)
        fail("solve chose the wrong case", input);

    if (expected == Solution::TooFewValues) {
        if (!outcome.resultText.isEmpty() || !outcome.formula.isEmpty())
            fail("too few values wrote something", input);
        return;
    }

    const SolverField field = expected == Solution::Sun    ? SolverField::Sun
                              : expected == Solution::Moon ? SolverField::Moon
                                                           : SolverField::Phase;
    const char16_t *formula = field == SolverField::Sun    ? sunFormula
                              : field == SolverField::Moon ? moonFormula
                                                           : phaseFormula;
    if (outcome.resultField != field || outcome.formula != QString::fromUtf16(formula))
        fail("solve writes the wrong field or formula", input);

    // The result can be the input of the next press.
    const std::optional<double> result = fieldValue(outcome.resultText);
    if (!result)
        fail("the result does not read back", input + QStringLiteral(" -> ") + outcome.resultText);
    if (numberText(*result) != outcome.resultText)
        fail("the result is not written by numberText", input + QStringLiteral(" -> ") + outcome.resultText);
    if (expected == Solution::PhaseToATenth) {
        const double tenths = *result * 10.0;
        if (std::fabs(*result) < 1e13 && std::fabs(tenths - std::round(tenths)) > 1e-6)
            fail("the phase to a tenth has more than tenths", input + QStringLiteral(" -> ") + outcome.resultText);
    } else if (*result != std::floor(*result)) {
        fail("a whole result has a fraction", input + QStringLiteral(" -> ") + outcome.resultText);
    }
    if (expected == Solution::WholePhase && *result < 0.0)
        fail("the whole phase is negative", input + QStringLiteral(" -> ") + outcome.resultText);

    // Cases A and B ignore the phase they are given.
    if (expected == Solution::PhaseToATenth || expected == Solution::WholePhase) {
        const SolverOutcome other = solve(sun, moon, phaseFilled ? QString() : QStringLiteral("1"));
        if (other.solution != expected || other.resultText != outcome.resultText)
            fail("the given phase changed what Sun and Moon give", input);
    }
}

void checkSolarHour(const QString &sun)
{
    const std::optional<double> s = fieldValue(sun);
    QString text;
    // The divisions by 15 cannot fault: only a Sun beyond the double range stops the press.
    if (finishesOrOverflows([&] { text = solarHourText(sun); }) != s.has_value())
        fail("the solar hour faulted on a finite Sun, or went on past an overflow", sun);
    if (!s)
        return;

    const QStringList parts = text.split(QStringLiteral("  "));
    if (parts.size() > 2 || parts.contains(QString()))
        fail("the solar hour is neither an hour nor hours and minutes", sun + QStringLiteral(" -> ") + text);
    std::array<double, 2> values{};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const std::optional<double> value = fieldValue(parts[i]);
        if (!value || numberText(*value) != parts[i])
            fail("the solar hour is not written by numberText", sun + QStringLiteral(" -> ") + text);
        values[i] = *value;
    }
    if (values[0] != std::floor(values[0]))
        fail("the hours have a fraction", sun + QStringLiteral(" -> ") + text);
    // The minutes are the unrounded fraction of an hour times 60; they are never written as 60.
    if (parts.size() == 2 && !(values[1] >= 0.0 && values[1] < 60.0))
        fail("the minutes are outside 0 to under 60", sun + QStringLiteral(" -> ") + text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto [sun, moon, phase] = splitFields(QByteArrayView(data, qsizetype(size)));
    checkSolver(sun, moon, phase);
    checkSolarHour(sun);
    return 0;
}
