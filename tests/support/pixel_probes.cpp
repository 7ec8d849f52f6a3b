// SPDX-License-Identifier: MIT
#include "pixel_probes.h"

#include <QtMath>

#include <cmath>

QPoint pixelAt(QPointF p)
{
    return QPoint(int(std::floor(p.x())), int(std::floor(p.y())));
}

QPointF onCircle(QPointF centre, double radius, double degrees)
{
    const double a = qDegreesToRadians(degrees);
    return centre + QPointF(radius * std::cos(a), -radius * std::sin(a));
}

bool pixelNear(const QImage &image, QPointF point, const PixelTest &test, int reach)
{
    const QPoint p = pixelAt(point);
    for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
            const QPoint q = p + QPoint(dx, dy);
            if (image.rect().contains(q) && test(image.pixel(q)))
                return true;
        }
    }
    return false;
}

double circleCoverage(const QImage &image, QPointF centre, double radius, const PixelTest &test)
{
    int covered = 0;
    for (int degrees = 0; degrees < 360; ++degrees)
        covered += pixelNear(image, onCircle(centre, radius, degrees), test) ? 1 : 0;
    return covered / 360.0;
}
