// SPDX-License-Identifier: MIT
#pragma once

#include "numeric_overflow.h"

#include <initializer_list>

class QLineEdit;
class QString;
class QWidget;

// The longest text a field of the windows takes. Far more than any number needs, and short enough that a full
// field with the focus costs no more processor time than an empty one (a field of 64 Ki characters already takes
// 1.5% of a core at each blink of the cursor). A longer paste is refused whole, never cut.
inline constexpr int MaxFieldLength = 4096;

// Raises the Overflow runtime error with the boxes whose values could not be used: the one whose number is beyond
// the double range, or, when each reads but the arithmetic on them overflowed, every box that holds a text.
[[noreturn]] void raiseNamingValues(std::initializer_list<const QLineEdit *> boxes);

// Runs arithmetic on the numbers in these boxes; an overflow it raises says which values it could not use.
template <typename Compute>
decltype(auto) usingValuesOf(std::initializer_list<const QLineEdit *> boxes, Compute &&compute)
{
    try {
        return compute();
    } catch (const NumericOverflow &) {
        raiseNamingValues(boxes);
    }
}

// A field's number is read up to its first character that is not part of a number, in every language: "30,5"
// reads as 30. When one of these boxes, whose values were just used, holds a number followed by a comma and a
// digit, the user is told what was read and how to write decimals: a note shown at the field for a while and told
// to a screen reader with the pressed control's result (result, then the note). Returns the words told, empty when
// no box needed them; the result, the fields and the layout stay as they are.
QString tellDecimalComma(std::initializer_list<const QLineEdit *> boxes, QWidget &pressed, const QString &result);
