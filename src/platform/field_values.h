// SPDX-License-Identifier: MIT
#pragma once

#include "numeric_overflow.h"

#include <initializer_list>

class QLineEdit;

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
