// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The solve button: from two of Sun, Moon and phase, the third. The handler clears the solar hour first, calls
// solve(), then writes resultText into resultField and formula into the formula field, or, with too few values,
// hides the main window and opens the geometric view. solve() throws NumericOverflow before the handler
// writes anything when a field or the arithmetic goes beyond the double range.

// What a press computes: the phase to a tenth (the Sun above 0 and below the Moon), the whole phase (Sun and Moon
// otherwise), the Sun (from Moon and phase), the Moon (from Sun and phase), or nothing when fewer than two are given.
enum class Solution { PhaseToATenth, WholePhase, Sun, Moon, TooFewValues };
enum class SolverField { Sun, Moon, Phase };

struct SolverOutcome {
    Solution solution;
    SolverField resultField; // unused with too few values
    QString resultText; // empty with too few values
    QString formula; // empty with too few values: the formula field keeps its text
};

inline constexpr char16_t phaseFormula[] = u" PhaseoftheMoon=(PositionoftheSun - PositionoftheMoon) * (28/360)";
inline constexpr char16_t sunFormula[] = u"PositionoftheSun = PositionoftheMoon  + (360/28)*PhaseoftheMoon";
inline constexpr char16_t moonFormula[] = u"PositionoftheMoon = PositionoftheSun - (360/28)*PhaseoftheMoon";

SolverOutcome solve(const QString &sunText, const QString &moonText, const QString &phaseText);
