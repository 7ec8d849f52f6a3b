// SPDX-License-Identifier: MIT
#pragma once

#include "core/runtime_error.h"

#include <initializer_list>

class QLineEdit;

// Rethrows an Overflow that names no value with the boxes whose values could not be used: the one whose number is
// beyond the double range, or, when each reads but the arithmetic on them overflowed, every box that holds a text.
[[noreturn]] void raiseNamingValues(const RuntimeError &error, std::initializer_list<const QLineEdit *> boxes);

// Runs arithmetic on the numbers in these boxes; an overflow it raises says which values it could not use.
template <typename Compute>
decltype(auto) usingValuesOf(std::initializer_list<const QLineEdit *> boxes, Compute &&compute)
{
    try {
        return compute();
    } catch (const RuntimeError &error) {
        raiseNamingValues(error, boxes);
    }
}
