// SPDX-License-Identifier: MIT
#include "number_rules.h"

#include "numeric_overflow.h"

#include <charconv>
#include <cmath>
#include <algorithm>
#include <string>

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

} // namespace

double readNumber(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;

    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }

    // The significant digits go into an ASCII buffer for std::from_chars, which ignores the locale. 768 significant
    // digits decide the nearest double; beyond them only whether any further digit is non-zero matters, so the
    // rest is folded into one sticky digit and a field of a million digits stays a short read.
    constexpr std::size_t keptDigits = 800;
    std::string digits;
    bool droppedNonZero = false;
    auto keep = [&](QChar digit) {
        if (digits.size() < keptDigits)
            digits += char(digit.unicode());
        else if (digit != u'0')
            droppedNonZero = true;
    };
    bool anyDigit = false;
    long long wholeDigits = 0; // significant digits before the point
    long long leadingFractionZeros = 0; // zeros right after the point before the first significant digit
    bool significantSeen = false;
    while (i < n && isDigit(text[i])) {
        anyDigit = true;
        if (text[i] != u'0' || significantSeen) {
            significantSeen = true;
            keep(text[i]);
            ++wholeDigits;
        }
        ++i;
    }
    if (i < n && text[i] == u'.') {
        ++i;
        while (i < n && isDigit(text[i])) {
            anyDigit = true;
            if (!significantSeen && text[i] == u'0') {
                ++leadingFractionZeros;
            } else {
                significantSeen = true;
                keep(text[i]);
            }
            ++i;
        }
    }
    if (!anyDigit)
        return 0.0;
    if (!significantSeen)
        return negative ? -0.0 : 0.0;

    // An exponent counts only when at least one digit follows the e and its sign: "12east" reads 12.
    long long exponent = 0;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        bool negativeExponent = false;
        if (j < n && (text[j] == u'+' || text[j] == u'-')) {
            negativeExponent = text[j] == u'-';
            ++j;
        }
        if (j < n && isDigit(text[j])) {
            while (j < n && isDigit(text[j])) {
                if (exponent < 1'000'000'000)
                    exponent = exponent * 10 + (text[j].unicode() - u'0');
                ++j;
            }
            if (negativeExponent)
                exponent = -exponent;
        }
    }

    // The decimal exponent of the first significant digit tells an overflow from an underflow.
    const long long magnitude = (wholeDigits > 0 ? wholeDigits - 1 : -(leadingFractionZeros + 1)) + exponent;
    if (magnitude > 400)
        raiseOverflow();
    if (magnitude < -400)
        return negative ? -0.0 : 0.0;

    // Scientific form: the first significant digit, the point, the others, the sticky digit, the exponent.
    std::string mantissa;
    mantissa.reserve(digits.size() + 8);
    mantissa += digits.front();
    if (digits.size() > 1) {
        mantissa += '.';
        mantissa.append(digits, 1);
        if (droppedNonZero)
            mantissa += '1';
    }
    mantissa += 'e';
    mantissa += std::to_string(magnitude);

    double value = 0.0;
    const auto [end, error] = std::from_chars(mantissa.data(), mantissa.data() + mantissa.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (magnitude > 0)
            raiseOverflow();
        value = 0.0;
    }
    if (!std::isfinite(value))
        raiseOverflow();
    return negative ? -value : value;
}

bool isEmptyField(QStringView text)
{
    return text.isEmpty();
}

QString numberText(double value)
{
    if (!std::isfinite(value))
        raiseOverflow();
    if (value == 0.0)
        return QStringLiteral("0");
    // At 15 digits the largest doubles round up to 1.79769313486232E+308, beyond the double range, and that text
    // would overflow when read back: they are written as the largest 15-digit number within the range.
    constexpr double largestWritable = 1.79769313486231e308;
    if (std::fabs(value) > largestWritable)
        value = std::copysign(largestWritable, value);

    // Round to 15 significant digits first; the exponent of the rounded value decides the form. std::to_chars
    // writes a full stop whatever the locale.
    char scientific[64];
    const auto scientificEnd =
        std::to_chars(scientific, scientific + sizeof scientific, value, std::chars_format::scientific, 14).ptr;
    const char *ePos = std::find(scientific, scientificEnd, 'e');
    int exponent = 0;
    std::from_chars(ePos + (ePos[1] == '+' ? 2 : 1), scientificEnd, exponent);

    auto trimFraction = [](std::string digits) {
        if (digits.find('.') != std::string::npos) {
            while (digits.back() == '0')
                digits.pop_back();
            if (digits.back() == '.')
                digits.pop_back();
        }
        return digits;
    };

    if (exponent >= 15 || exponent < -5) {
        std::string text = trimFraction(std::string(static_cast<const char *>(scientific), ePos));
        const std::string exponentDigits = std::to_string(std::abs(exponent));
        text += exponent < 0 ? "E-" : "E+";
        if (exponentDigits.size() < 2)
            text += '0';
        text += exponentDigits;
        return QString::fromLatin1(text);
    }

    char fixed[64];
    const auto fixedEnd =
        std::to_chars(fixed, fixed + sizeof fixed, value, std::chars_format::fixed, 14 - exponent).ptr;
    std::string text = trimFraction(std::string(fixed, fixedEnd));
    if (text == "-0")
        text = "0";
    return QString::fromLatin1(text);
}

double wholeFloor(double value)
{
    return std::floor(value);
}

double absolute(double value)
{
    return std::fabs(value);
}
