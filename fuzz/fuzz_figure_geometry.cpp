// SPDX-License-Identifier: MIT
// Any position for the view's lines: "#" and eight bytes give the double itself, any other input is a field text.
#include "fuzz_checks.h"
#include "figure_geometry.h"

#include <cstdint>
#include <cstring>

namespace {

// Beyond this the conversion to radians leaves the double range: (2 × 2.861e307) × 3.141593 overflows.
constexpr double radiansLimit = 2.86e307;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    double degrees = 0.0;
    QString input;
    if (size == 1 + sizeof(double) && data[0] == '#') {
        std::memcpy(&degrees, data + 1, sizeof degrees);
        input = QString::number(degrees, 'g', 17);
    } else {
        input = textOf(bytes);
        const std::optional<double> value = fieldValue(input);
        if (!value)
            return 0;
        degrees = *value;
    }

    FigurePoint end{};
    const bool drawn = finishesOrOverflows([&] { end = positionLineEnd(degrees); });
    if (!drawn) {
        if (std::isfinite(degrees) && std::fabs(degrees) < radiansLimit)
            fail("positionLineEnd faulted on an ordinary position", input);
        return 0;
    }
    if (!std::isfinite(degrees))
        fail("positionLineEnd drew a position that is not finite", input);
    if (!std::isfinite(end.x) || !std::isfinite(end.y))
        fail("the line ends at a point that is not finite", input);

    // The end lies on the ellipse 1000 × 5 / 12 across and 1000 up and down about the centre.
    const double across = (end.x - FigureCentre.x) / (1000.0 * 5.0 / 12.0);
    const double down = (end.y - FigureCentre.y) / 1000.0;
    if (std::fabs(across * across + down * down - 1.0) > 1e-9)
        fail("the line does not end on its ellipse", input);
    return 0;
}
