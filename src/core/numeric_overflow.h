// SPDX-License-Identifier: MIT
#pragma once

#include <initializer_list>
#include <stdexcept>

// The arithmetic's one fault: a block of it overflowed, divided by zero or made an invalid operation. The layer that
// shows messages tells the user which values could not be used.
class NumericOverflow : public std::overflow_error
{
public:
    NumericOverflow() : std::overflow_error("Overflow") {}
};

// Stops the arithmetic with the numeric fault.
[[noreturn]] void raiseOverflow();

// Called after each block of floating-point arithmetic: every value of the block must be finite. Inputs always
// are, so an infinity or a NaN can only come from an overflow, a division by zero or an invalid operation.
void checkFloatingPoint(std::initializer_list<double> results);
