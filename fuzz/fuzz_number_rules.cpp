// SPDX-License-Identifier: MIT
// Any bytes as the text of a field.
#include "fuzz_checks.h"

#include <QRegularExpression>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

bool identical(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The leading number found by a regular expression and converted by the C library, which rounds correctly: a
// second reading to compare with. Nothing when it is beyond the double range.
std::optional<double> referenceReading(const QString &text)
{
    static const QRegularExpression leadingNumber(
        QStringLiteral("^[ \\t]*([+-]?(?:[0-9]+\\.?[0-9]*|\\.[0-9]+)(?:[eE][+-]?[0-9]+)?)"));
    const QRegularExpressionMatch match = leadingNumber.match(text);
    if (!match.hasMatch())
        return 0.0;
    const std::string number = match.captured(1).toStdString();
    const double value = std::strtod(number.c_str(), nullptr);
    if (std::isinf(value))
        return std::nullopt;
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    const QString text = textOf(bytes);

    if (isEmptyField(text) != text.isEmpty())
        fail("isEmptyField is not the empty text", text);

    const std::optional<double> value = fieldValue(text);
    // What follows the leading number is ignored, and a letter can extend no number.
    const std::optional<double> withTail = fieldValue(text + u'x');
    if (value.has_value() != withTail.has_value() || (value && !identical(*value, *withTail)))
        fail("a letter after the text changed its number", text);
    const std::optional<double> reference = referenceReading(text);
    if (value.has_value() != reference.has_value() || (value && !identical(*value, *reference)))
        fail("readNumber differs from the C library's reading", text);
    if (value)
        checkReadsBack(*value);

    // Any eight bytes are also a double to write into a field: a finite one reads back, the others fault.
    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        if (std::isfinite(raw)) {
            checkReadsBack(raw);
        } else {
            QString written;
            if (finishesOrOverflows([&] { written = numberText(raw); }))
                fail("numberText wrote a value that is not finite", written);
        }
    }
    return 0;
}
