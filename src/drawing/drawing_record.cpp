// SPDX-License-Identifier: MIT
#include "drawing_record.h"

#include "twips.h"

#include <QHashFunctions>

#include <cmath>

size_t DrawingOperationHash::operator()(const DrawingOperation &o) const noexcept
{
    return qHashMulti(0, int(o.kind), int(o.style), o.colour, o.x1, o.y1, o.x2, o.y2, o.radius, o.start.has_value(),
                      o.start.value_or(0.0f), o.end.has_value(), o.end.value_or(0.0f));
}

void DrawingRecord::append(const DrawingOperation &operation)
{
    if (auto found = m_index.find(operation); found != m_index.end()) {
        m_operations.splice(m_operations.end(), m_operations, found->second);
        return;
    }
    m_operations.push_back(operation);
    m_index.emplace(operation, std::prev(m_operations.end()));
}

void DrawingRecord::clear()
{
    m_index.clear();
    m_operations.clear();
}

void DrawingRecord::replay(QPainter &painter, qreal scale) const
{
    for (const DrawingOperation &operation : m_operations)
        draw(painter, operation, scale);
}

QPointF DrawingRecord::toPixels(double x, double y) const
{
    return QPointF(twipsToPixels(x * m_unitTwipsX), twipsToPixels(y * m_unitTwipsY));
}

QRectF DrawingRecord::bounds(const DrawingOperation &o) const
{
    if (o.kind == DrawingOperation::Kind::Line)
        return QRectF(toPixels(o.x1, o.y1), toPixels(o.x2, o.y2)).normalized();
    const QPointF centre = toPixels(o.x1, o.y1);
    const double r = toPixels(std::abs(double(o.radius)), 0).x();
    return QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
}

void DrawingRecord::draw(QPainter &painter, const DrawingOperation &o, qreal scale) const
{
    painter.setPen(linePen(QColor::fromRgb(o.colour), scale, o.style));
    if (o.kind == DrawingOperation::Kind::Line) {
        painter.drawLine(toPixels(o.x1, o.y1) * scale, toPixels(o.x2, o.y2) * scale);
        return;
    }

    const QPointF centre = toPixels(o.x1, o.y1) * scale;
    const double r = toPixels(std::abs(double(o.radius)), 0).x() * scale;
    const QRectF box(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
    painter.setBrush(Qt::NoBrush);
    if (!o.start && !o.end) {
        painter.drawEllipse(box);
        return;
    }
    const double from = std::abs(double(o.start.value_or(0.0f)));
    const double to = std::abs(double(o.end.value_or(float(2 * M_PI))));
    double span = to - from;
    if (span <= 0)
        span += 2 * M_PI;
    if (from == to)
        span = 2 * M_PI;
    // Qt measures arcs in sixteenths of a degree, counter-clockwise from three o'clock, as the caller does.
    const auto sixteenths = [](double radians) { return int(std::lround(radians * 180.0 / M_PI * 16.0)); };
    painter.drawArc(box, sixteenths(from), sixteenths(span));
    const auto radiusTo = [&](double angle) {
        painter.drawLine(centre, centre + QPointF(r * std::cos(angle), -r * std::sin(angle)));
    };
    if (o.start && *o.start < 0)
        radiusTo(from);
    if (o.end && *o.end < 0)
        radiusTo(to);
}

QPen linePen(const QColor &colour, qreal width, Qt::PenStyle style)
{
    QPen pen(colour, width, style);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}
