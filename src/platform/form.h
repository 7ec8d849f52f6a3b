// SPDX-License-Identifier: MIT
#pragma once

#include "design_table.h"
#include "drawing_record.h"
#include "drawing_surface.h"

#include <QPixmap>
#include <QWidget>

#include <functional>
#include <optional>

class QAbstractButton;
class QAction;
class QLineEdit;
class QScrollBar;

// A window built from its design table. Labels, text boxes, buttons, picture and presentation boxes are real
// widgets; lines and images are painted by the window itself, beneath them, together with what the program has
// drawn, which covers lines and images and lies under the widgets. Each window class has one instance, kept by Forms.
class Form : public QWidget
{
    Q_OBJECT
public:
    explicit Form(FormDesign design);

    const FormDesign &design() const { return m_design; }
    const QString &name() const { return m_design.name; }

    // Shows the window, raises it above the others and activates it; not modal.
    void bringToFront();
    // Shown at least once since it was loaded; a window loaded only by another window's procedure has not been.
    bool hasBeenSeen() const { return m_seen; }

    // The named control; a name the window does not have raises a runtime error.
    QLineEdit &textBox(QStringView controlName) const;
    QAbstractButton &button(QStringView controlName) const;
    QWidget &windowedControl(QStringView controlName) const;

    // The picture of an image control, stretched to its box when painted.
    void setPicture(QStringView imageName, const QImage &picture);
    // Reads a picture file into an image control (LoadPicture's errors), decoded no larger than the box needs.
    void loadPicture(QStringView imageName, const QString &path);
    bool imageHasPicture(QStringView imageName) const;
    qint64 pictureCacheKey(QStringView imageName) const;

    // Drawing on the window's surface, in its drawing units. Coordinates arrive in single precision.
    void setDrawStyle(int style);
    void Line(float x1, float y1, float x2, float y2, const QColor &color);
    // The radius is in horizontal units, so the circle is round on the screen. With angles (radians), the arc
    // runs counter-clockwise from start to end; a negative angle also draws the radius to that point, and equal
    // angles draw the whole circle.
    void Circle(float x, float y, float radius, std::optional<float> start = {}, std::optional<float> end = {});
    const DrawingSurface &surface() const { return m_surface; }
    // What was drawn, to be drawn again at any size.
    const DrawingRecord &drawing() const { return m_record; }
    // Erases every figure: the surface is as before the first drawing.
    void clearDrawing();
    // A point in the window's drawing units, in logical pixels.
    QPointF unitsToPixels(double x, double y) const;

    // The whole window drawn larger, controls, fonts, pictures and figures together, in percent: 100 (as designed)
    // to 300 in steps of 25. The window grows with it as far as the screen has room; the rest scrolls.
    static constexpr int NormalZoom = 100, MaximumZoom = 300, ZoomStep = 25;
    int zoom() const { return m_zoom; }
    void setZoom(int percent);
    // Larger, smaller, as designed: Ctrl+plus (or Ctrl+=), Ctrl+minus, Ctrl+0.
    const QList<QAction *> &zoomActions() const { return m_zoomActions; }
    // How far the content is scrolled, in logical pixels; nothing until it needs more room than the window has.
    QPoint scrollOffset() const { return m_offset; }

protected:
    virtual void Form_Load() {}
    // Runs the handler through the event wrapper whenever the named button or picture box is clicked; messages name
    // it after the window and the control, as "Form1.Command1_Click".
    template <class F>
    void onClick(QStringView controlName, void (F::*handler)())
    {
        connectClick(controlName, [form = static_cast<F *>(this), handler] { (form->*handler)(); });
    }

    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class Forms;
    void runFormLoad();

    struct PaintedControl {
        const ControlDesign *design;
        QRect rect; // logical pixels
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

    void connectClick(QStringView controlName, std::function<void()> handler);
    QWidget *createWindowedControl(const ControlDesign &control);
    QWidget *createLabel(const ControlDesign &control);
    void keepLabelsUnderWindowedControls();
    PaintedControl &paintedControl(QStringView controlName, ControlKind kind);
    const PaintedControl *findPaintedControl(QStringView controlName) const;
    void paintControl(QPainter &painter, const PaintedControl &control) const;
    void prepareSurface();
    void draw(DrawingOperation operation);
    void addZoomActions();
    // A rectangle of the window as designed, where it lies at the zoom on the content.
    QRect zoomed(QRect designed) const;
    QSize contentSize() const;
    // The most room the window may take on its screen, frame aside.
    QSize roomOnScreen() const;
    // A window grown by the zoom moves back inside its screen, as far as it fits.
    void keepOnScreen();
    QPixmap scaledPixmap(const QImage &picture, QSize logicalSize) const;
    void scalePicture(PaintedControl &image);
    QRect onWindow(QRect designed) const { return zoomed(designed).translated(-m_offset); }
    qreal zoomFactor() const { return m_zoom / qreal(NormalZoom); }
    // Scroll bars where the content needs more room than the window has, then every control in its place.
    void layOut();
    void scrollTo(QPoint offset);
    void placeControls();
    void redrawSurface();
    void scrollIntoView(QWidget *widget);

    FormDesign m_design;
    std::vector<PaintedControl> m_painted;
    std::vector<std::pair<QString, QWidget *>> m_windowed; // labels too, in screen order
    std::vector<PlacedWidget> m_placed;
    QList<QAction *> m_zoomActions;
    int m_zoom = NormalZoom;
    QPoint m_offset;
    QScrollBar *m_horizontalBar = nullptr; // made when first needed
    QScrollBar *m_verticalBar = nullptr;
    DrawingSurface m_surface;
    DrawingRecord m_record;
    int m_drawStyle = 0;
    bool m_seen = false;
};

QFont fontFromDesign(const FontDesign &font);
