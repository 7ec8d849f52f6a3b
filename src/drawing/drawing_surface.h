// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPainter>

#include <functional>

// What has been drawn on a window: an image kept at the screen's device-pixel ratio that the window paints beneath
// its controls, so figures survive being covered and uncovered. It grows with the window's content, which the zoom
// bounds, and keeps what is drawn until it is cleared.
class DrawingSurface
{
public:
    bool isNull() const { return m_image.isNull(); }
    const QImage &image() const { return m_image; }

    // Makes the surface at least this many logical pixels, keeping what is drawn.
    void ensureSize(QSize logicalSize, qreal devicePixelRatio);

    // Erases what is drawn, keeping the size.
    void clear();

    // Draws in logical pixels, without antialiasing, so one-pixel patterns stay crisp.
    void draw(const std::function<void(QPainter &)> &drawing);

private:
    QImage m_image;
};
