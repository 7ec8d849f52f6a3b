// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <initializer_list>
#include <stdexcept>

// A failed call on a window, a control or a picture, or a floating-point fault. Throwing one stops the event
// procedure at once; what it wrote before stays. The wrapper that runs every event procedure shows it to the user.
class RuntimeError : public std::runtime_error
{
public:
    enum Number {
        InvalidProcedureCall = 5,
        Overflow = 6,
        FileNotFound = 53,
        PathFileAccessError = 75,
        ObjectRequired = 424,
        InvalidPicture = 481,
    };

    RuntimeError(int number, QString description, QString concerns = {});

    int number() const { return m_number; }
    const QString &description() const { return m_description; }
    // What the error is about: a file's full path, a control's name. May be empty.
    const QString &concerns() const { return m_concerns; }

    // The message the user reads: number, text and what it concerns.
    QString message() const;

private:
    int m_number;
    QString m_description;
    QString m_concerns;
};

// The numeric fault raised when a block of arithmetic overflowed, divided by zero or made an invalid operation.
[[noreturn]] void raiseOverflow(const QString &concerns = {});

// Called after each block of floating-point arithmetic: every value of the block must be finite. Inputs always
// are, so an infinity or a NaN can only come from an overflow, a division by zero or an invalid operation.
void checkFloatingPoint(std::initializer_list<double> results);
