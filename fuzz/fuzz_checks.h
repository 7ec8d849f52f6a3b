// SPDX-License-Identifier: MIT
#pragma once

#include "number_rules.h"
#include "numeric_overflow.h"

#include <QByteArrayView>
#include <QString>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

// A promise broken: say which and abort, so that libFuzzer keeps the input.
[[noreturn]] inline void fail(const char *what, const QString &detail = {})
{
    std::fprintf(stderr, "\nBROKEN: %s [%s]\n", what, detail.toUtf8().constData());
    std::abort();
}

inline QString textOf(QByteArrayView bytes)
{
    return QString::fromUtf8(bytes);
}

// Runs the call; true when it finished, false when it raised the numeric fault. Any other exception escapes, which
// libFuzzer reports as a crash. The regression tests use this one too.
template <class Call>
bool finishesOrOverflows(Call &&call)
{
    try {
        call();
        return true;
    } catch (const NumericOverflow &) {
        return false;
    }
}

// The value of a field, or nothing when the field raises the numeric fault.
inline std::optional<double> fieldValue(const QString &text)
{
    double value = 0.0;
    if (!finishesOrOverflows([&] { value = readNumber(text); }))
        return std::nullopt;
    if (!std::isfinite(value))
        fail("readNumber gave a value that is not finite", text);
    return value;
}

// A finite value written by numberText reads back as the same value within 15 significant digits, and writing
// what was read gives the same text again.
inline void checkReadsBack(double value)
{
    const QString text = numberText(value);
    const std::optional<double> back = fieldValue(text);
    if (!back)
        fail("numberText wrote a text that overflows when read", text);
    if (numberText(*back) == text)
        return;
    const double relativeError = std::fabs(*back - value) / std::fabs(value);
    if (!(relativeError <= 1e-14))
        fail("numberText does not read back", text);
}
