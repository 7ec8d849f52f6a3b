// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPointF>

#include <functional>

// What a pixel must be for a probe to count it.
using PixelTest = std::function<bool(QRgb)>;
inline bool isPainted(QRgb pixel)
{
    return qAlpha(pixel) != 0;
}
inline PixelTest isColour(QRgb colour)
{
    return [colour](QRgb pixel) { return pixel == colour; };
}

// The pixel that holds a point given in pixels.
QPoint pixelAt(QPointF p);
// The point at that angle on the circle, counter-clockwise from pointing right, as the screen shows it.
QPointF onCircle(QPointF centre, double radius, double degrees);
// Whether a pixel within reach pixels (across and down) of the point passes the test.
bool pixelNear(const QImage &image, QPointF point, const PixelTest &test, int reach = 1);
// The share of whole degrees round the centre at which a pixel near the circle of that radius passes the test.
double circleCoverage(const QImage &image, QPointF centre, double radius, const PixelTest &test);
