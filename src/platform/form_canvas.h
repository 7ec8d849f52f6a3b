// SPDX-License-Identifier: MIT
#pragma once

#include "design_table.h"
#include "drawing_record.h"
#include "drawing_surface.h"

#include <QPixmap>
#include <QWidget>

// What a window shows, at its zoom: the controls of its design table as child widgets, and beneath them the lines,
// the images and what the program has drawn, painted by the canvas itself. Drawn figures are kept in an image, as
// Qt's Scribble example keeps its drawing, rather than replayed at every paint as a QPicture would be: a window
// uncovered or scrolled costs one copy of pixels, and the figures stay exactly as they were drawn. The window
// around it scrolls it where it is larger than the window.
class FormCanvas : public QWidget
{
    Q_OBJECT
public:
    FormCanvas(const FormDesign &design, QWidget *parent);

    static constexpr int NormalZoom = 100, MaximumZoom = 300;
    // Controls, fonts, pictures and figures together, in percent; the canvas is never smaller than its content.
    void setZoom(int percent);
    int zoom() const { return m_zoom; }
    QSize contentSize() const;

    // The widget of that design name, or nothing.
    QWidget *widget(QStringView controlName) const;
    const std::vector<std::pair<QString, QWidget *>> &widgets() const { return m_widgets; }
    QWidget *firstInTabOrder() const { return m_firstInTabOrder; }

    // The picture of an image control, stretched to its box; false when the window has no image of that name.
    bool setPicture(QStringView imageName, const QImage &picture);
    // The box of an image control, in device pixels as designed; empty when there is none of that name.
    QSize imageDeviceSize(QStringView imageName) const;
    // The cache key of the picture last set on the image, 0 for none.
    qint64 pictureCacheKey(QStringView imageName) const;

    // Drawing in the window's drawing units, kept in the record and on the surface.
    void draw(const DrawingOperation &operation);
    void clearDrawing();
    const DrawingSurface &surface() const { return m_surface; }
    const DrawingRecord &drawing() const { return m_record; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    struct PaintedControl {
        const ControlDesign *design;
        QRect rect; // logical pixels, as designed
        qint64 pictureKey = 0; // images only: the cache key of the picture set, 0 for none
        QPixmap scaledPicture = {}; // the picture at the box's device size at the zoom, made when set and at each zoom
        QPixmap normalPicture = {}; // the same as designed, made when set
        QImage picture = {}; // the picture set, no larger than the box needs at the largest zoom
    };
    // A child widget's place and font as designed, which the zoom scales.
    struct PlacedWidget {
        QWidget *widget;
        QRect rect;
        QFont font;
    };

    const PaintedControl *image(QStringView name) const;
    qreal zoomFactor() const { return m_zoom / qreal(NormalZoom); }
    // A rectangle of the window as designed, where it lies at the zoom.
    QRect zoomed(QRect designed) const;
    qreal deviceRatio() const;
    QPixmap scaledPixmap(const QImage &picture, QSize logicalSize) const;
    void scalePicture(PaintedControl &image);
    void redrawSurface();

    const FormDesign &m_design;
    std::vector<std::pair<QString, QWidget *>> m_widgets; // labels too, in screen order
    QWidget *m_firstInTabOrder;
    std::vector<PaintedControl> m_painted;
    std::vector<PlacedWidget> m_placed;
    int m_zoom = NormalZoom;
    DrawingSurface m_surface;
    DrawingRecord m_record;
};

// A line control of a design at a scale of its logical pixels, with the pen of every line drawn.
void paintLineControl(QPainter &painter, const ControlDesign &line, const QColor &defaultColour, qreal scale);
