// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The solve button: from two of Sun, Moon and phase, the third. The handler clears the solar hour first, calls
// solve(), then writes resultText into resultField and formula into the formula field, or, in case E, hides the
// main window and opens the geometric view. solve() throws the Overflow RuntimeError before the handler writes
// anything when a field or the arithmetic goes beyond the double range.

enum class SolverCase { A, B, C, D, E };
enum class SolverField { Sun, Moon, Phase };

struct SolverOutcome
{
    SolverCase solverCase;
    SolverField resultField; // unused in case E
    QString resultText; // empty in case E
    QString formula; // empty in case E: the formula field keeps its text
};

inline constexpr char16_t phaseFormula[] = u" PhaseoftheMoon=(PositionoftheSun - PositionoftheMoon) * (28/360)";
inline constexpr char16_t sunFormula[] = u"PositionoftheSun = PositionoftheMoon  + (360/28)*PhaseoftheMoon";
inline constexpr char16_t moonFormula[] = u"PositionoftheMoon = PositionoftheSun - (360/28)*PhaseoftheMoon";

SolverOutcome solve(const QString &sunText, const QString &moonText, const QString &phaseText);
