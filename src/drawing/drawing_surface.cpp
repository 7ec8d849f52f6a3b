// SPDX-License-Identifier: MIT
#include "drawing_surface.h"

#include <cmath>

void DrawingSurface::ensureSize(QSize logicalSize, qreal devicePixelRatio)
{
    if (!m_image.isNull()) {
        const QSize current = m_image.deviceIndependentSize().toSize();
        if (current.width() >= logicalSize.width() && current.height() >= logicalSize.height())
            return;
        logicalSize = logicalSize.expandedTo(current);
        devicePixelRatio = m_image.devicePixelRatio();
    }
    const QSize deviceSize(int(std::ceil(logicalSize.width() * devicePixelRatio)),
                           int(std::ceil(logicalSize.height() * devicePixelRatio)));
    QImage grown(deviceSize, QImage::Format_ARGB32_Premultiplied);
    grown.fill(Qt::transparent);
    grown.setDevicePixelRatio(devicePixelRatio);
    if (!m_image.isNull()) {
        QPainter painter(&grown);
        painter.drawImage(QPointF(0, 0), m_image);
    }
    m_image = std::move(grown);
}

void DrawingSurface::draw(const std::function<void(QPainter &)> &drawing)
{
    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    drawing(painter);
}

void DrawingSurface::clear()
{
    if (!m_image.isNull())
        m_image.fill(Qt::transparent);
}
