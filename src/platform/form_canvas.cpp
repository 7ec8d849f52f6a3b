// SPDX-License-Identifier: MIT
#include "form_canvas.h"

#include "form_builder.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include <cmath>
#include <optional>

void paintLineControl(QPainter &painter, const ControlDesign &line, const QColor &defaultColour, qreal scale)
{
    painter.setPen(linePen(line.color.isValid() ? line.color : defaultColour, line.lineWidth * scale));
    painter.drawLine(twipsToPixels(line.ends.p1()) * scale, twipsToPixels(line.ends.p2()) * scale);
}

FormCanvas::FormCanvas(const FormDesign &design, QWidget *parent)
    : QWidget(parent), m_design(design), m_record(design.unitTwipsX, design.unitTwipsY)
{
    setAttribute(Qt::WA_StaticContents);
    BuiltControls built = buildControls(m_design, *this);
    m_widgets = std::move(built.widgets);
    m_firstInTabOrder = built.firstInTabOrder;
    for (const ControlDesign *control : built.painted)
        m_painted.push_back({control, twipsToPixels(control->box)});
    for (const auto &[name, widget] : m_widgets)
        m_placed.push_back({widget, widget->geometry(), widget->font()});
    setMinimumSize(contentSize());
    resize(contentSize());
}

QWidget *FormCanvas::widget(QStringView controlName) const
{
    for (const auto &[name, widget] : m_widgets) {
        if (name == controlName)
            return widget;
    }
    return nullptr;
}

QRect FormCanvas::zoomed(QRect designed) const
{
    if (m_zoom == NormalZoom)
        return designed;
    const auto scaled = [this](int pixels) { return int(std::lround(pixels * zoomFactor())); };
    const int left = scaled(designed.left()), top = scaled(designed.top());
    return QRect(left, top, scaled(designed.left() + designed.width()) - left,
                 scaled(designed.top() + designed.height()) - top);
}

QSize FormCanvas::contentSize() const
{
    return zoomed(QRect(QPoint(0, 0), designedSize(m_design))).size();
}

// Until a window is first shown it has no native window, and Qt answers with the largest ratio of all screens; the
// screen it opens on is the better guess for what is drawn and scaled while it loads.
qreal FormCanvas::deviceRatio() const
{
    const QWidget *own = window();
    if (!own->windowHandle()) {
        if (const QScreen *screen = own->screen())
            return screen->devicePixelRatio();
    }
    return own->devicePixelRatioF();
}

void FormCanvas::setZoom(int percent)
{
    if (percent == m_zoom)
        return;
    m_zoom = percent;
    for (PlacedWidget &placed : m_placed) {
        QFont font = placed.font;
        if (m_zoom != NormalZoom)
            font.setPointSizeF(font.pointSizeF() * zoomFactor());
        placed.widget->setFont(font);
        placed.widget->setGeometry(zoomed(placed.rect));
    }
    for (PaintedControl &control : m_painted) {
        if (control.design->kind == ControlKind::Image && !control.picture.isNull())
            scalePicture(control);
    }
    setMinimumSize(contentSize());
    resize(size().expandedTo(contentSize()));
    redrawSurface();
    update();
}

const FormCanvas::PaintedControl *FormCanvas::image(QStringView name) const
{
    for (const PaintedControl &control : m_painted) {
        if (control.design->name == name && control.design->kind == ControlKind::Image)
            return &control;
    }
    return nullptr;
}

bool FormCanvas::setPicture(QStringView imageName, const QImage &picture)
{
    auto *image = const_cast<PaintedControl *>(this->image(imageName));
    if (!image)
        return false;
    image->pictureKey = picture.cacheKey();
    // Scaled once here and at each zoom rather than at every repaint. The picture is kept for the zoom, but no
    // larger than the largest zoom needs.
    const QSize largest = image->rect.size() * (MaximumZoom / NormalZoom) * deviceRatio();
    image->picture = picture.width() > largest.width() || picture.height() > largest.height()
                         ? picture.scaled(largest, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                         : picture;
    image->normalPicture = scaledPixmap(picture, image->rect.size());
    scalePicture(*image);
    update(zoomed(image->rect));
    return true;
}

QSize FormCanvas::imageDeviceSize(QStringView imageName) const
{
    const PaintedControl *image = this->image(imageName);
    return image ? image->rect.size() * deviceRatio() : QSize();
}

qint64 FormCanvas::pictureCacheKey(QStringView imageName) const
{
    const PaintedControl *image = this->image(imageName);
    return image ? image->pictureKey : 0;
}

QPixmap FormCanvas::scaledPixmap(const QImage &picture, QSize logicalSize) const
{
    const qreal ratio = deviceRatio();
    QPixmap scaled =
        QPixmap::fromImage(picture.scaled(logicalSize * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    scaled.setDevicePixelRatio(ratio);
    return scaled;
}

void FormCanvas::scalePicture(PaintedControl &image)
{
    image.scaledPicture =
        m_zoom == NormalZoom ? image.normalPicture : scaledPixmap(image.picture, zoomed(image.rect).size());
}

void FormCanvas::draw(const DrawingOperation &operation)
{
    m_surface.ensureSize(size(), deviceRatio());
    m_record.append(operation);
    const qreal scale = zoomFactor();
    m_surface.draw([&](QPainter &painter) { m_record.draw(painter, operation, scale); });
    const QRectF bounds = m_record.bounds(operation);
    const int margin = 2 * int(std::ceil(scale));
    update(QRectF(bounds.topLeft() * scale, bounds.size() * scale)
               .toAlignedRect()
               .adjusted(-margin, -margin, margin, margin));
}

void FormCanvas::redrawSurface()
{
    if (m_surface.isNull())
        return;
    m_surface.ensureSize(size(), deviceRatio());
    m_surface.clear();
    m_surface.draw([&](QPainter &painter) { m_record.replay(painter, zoomFactor()); });
}

void FormCanvas::clearDrawing()
{
    m_record.clear();
    m_surface.clear();
    update();
}

void FormCanvas::resizeEvent(QResizeEvent *event)
{
    if (!m_surface.isNull())
        m_surface.ensureSize(size(), deviceRatio());
    QWidget::resizeEvent(event);
}

void FormCanvas::paintEvent(QPaintEvent *event)
{
    // Lines and images lie beneath what is drawn, so a figure drawn along a line control stays in sight; labels,
    // like the windowed controls, are child widgets and cover it. Only what meets the repainted region is drawn, and
    // a painter is begun only for that: a blinking cursor repaints a few pixels, over nothing of the canvas's own.
    // The paint system already clips the painter to the region.
    std::optional<QPainter> painter;
    const auto paint = [&]() -> QPainter & {
        if (!painter) {
            painter.emplace(this);
            // A painter takes the application's direction (Qt's -reverse), not the window's: the design stays as
            // drawn.
            painter->setLayoutDirection(layoutDirection());
        }
        return *painter;
    };
    const QColor text = palette().color(QPalette::WindowText);
    const qreal scale = zoomFactor();
    for (const PaintedControl &control : m_painted) {
        if (control.design->kind == ControlKind::Line) {
            const qreal reach = control.design->lineWidth * scale / 2 + 1;
            const QRectF line = QRectF(twipsToPixels(control.design->ends.p1()) * scale,
                                       twipsToPixels(control.design->ends.p2()) * scale)
                                    .normalized()
                                    .adjusted(-reach, -reach, reach, reach);
            if (event->region().intersects(line.toAlignedRect()))
                paintLineControl(paint(), *control.design, text, scale);
        } else if (!control.scaledPicture.isNull()) {
            const QRect picture =
                QRectF(zoomed(control.rect).topLeft(), control.scaledPicture.deviceIndependentSize()).toAlignedRect();
            if (event->region().intersects(picture))
                paint().drawPixmap(picture.topLeft(), control.scaledPicture);
        }
    }
    if (!m_surface.isNull())
        paint().drawImage(QPointF(0, 0), m_surface.image());
}
