// SPDX-License-Identifier: MIT
#pragma once

#include "design_table.h"
#include "form_canvas.h"

#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <QWidget>

#include <functional>
#include <optional>

class QAbstractButton;
class QAction;
class QLineEdit;
class QScrollArea;

// A window built from its design table, with the design's operations on it: its controls by name, Line and Circle
// on its surface, pictures, and its Form_Load. What it shows is a canvas (the controls, with the lines, images and
// drawing beneath them) in a scroll area that scrolls it wherever the window is smaller than the zoomed content.
// Each window class has one instance, kept by Forms.
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
    // The widget that holds the controls at their places, inside the scroll area.
    QWidget &content() const { return *m_canvas; }

    // The picture of an image control, stretched to its box when painted.
    void setPicture(QStringView imageName, const QImage &picture);
    // Reads a picture file into an image control (LoadPicture's errors), decoded no larger than the box needs.
    void loadPicture(QStringView imageName, const QString &path);
    bool imageHasPicture(QStringView imageName) const { return pictureCacheKey(imageName) != 0; }
    qint64 pictureCacheKey(QStringView imageName) const { return m_canvas->pictureCacheKey(imageName); }

    // Drawing on the window's surface, in its drawing units. Coordinates arrive in single precision.
    void setDrawStyle(int style);
    void Line(float x1, float y1, float x2, float y2, const QColor &color);
    // The radius is in horizontal units, so the circle is round on the screen. With angles (radians), the arc
    // runs counter-clockwise from start to end; a negative angle also draws the radius to that point, and equal
    // angles draw the whole circle.
    void Circle(float x, float y, float radius, std::optional<float> start = {}, std::optional<float> end = {});
    const DrawingSurface &surface() const { return m_canvas->surface(); }
    // What was drawn, to be drawn again at any size.
    const DrawingRecord &drawing() const { return m_canvas->drawing(); }
    // Erases every figure: the surface is as before the first drawing.
    void clearDrawing() { m_canvas->clearDrawing(); }
    // The line controls and what was drawn, at a scale of the window's logical pixels, as on the screen.
    void paintFigure(QPainter &painter, qreal scale) const;

    // The whole window drawn larger, controls, fonts, pictures and figures together, in percent: 100 (as designed)
    // to 300 in steps of 25. The window grows with it as far as the screen has room; the rest scrolls.
    static constexpr int NormalZoom = FormCanvas::NormalZoom, MaximumZoom = FormCanvas::MaximumZoom, ZoomStep = 25;
    int zoom() const { return m_canvas->zoom(); }
    void setZoom(int percent);
    // Larger, smaller, as designed: Ctrl+plus (or Ctrl+=), Ctrl+minus, Ctrl+0; each tells a screen reader the zoom
    // it leaves, "Zoom 150%", even where the window can go no further.
    const QList<QAction *> &zoomActions() const { return m_zoomActions; }
    // How far the content is scrolled, in logical pixels; nothing until it needs more room than the window has.
    QPoint scrollOffset() const;

protected:
    virtual void Form_Load() {}
    // Runs the handler through the event wrapper whenever the named button or picture box is clicked; messages name
    // it after the window and the control, as "Form1.Command1_Click".
    template <class F>
    void onClick(QStringView controlName, void (F::*handler)())
    {
        connectClick(controlName, [form = static_cast<F *>(this), handler] { (form->*handler)(); });
    }

    // Each time the window is shown, once it is framed (at once without a window manager, and again once one has
    // framed it): its frame comes wholly onto its screen, so its title bar can be reached.
    virtual void framed();
    // Moves the window, frame included, inside its screen, made smaller where the screen has no room for it.
    void keepOnScreen();

    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class Forms;
    void runFormLoad();
    void connectClick(QStringView controlName, std::function<void()> handler);
    void draw(DrawingOperation operation);
    void addZoomActions();
    // The scroll area fills the window, its bars as the canvas needs them.
    void fitScrollArea();
    void bringIntoSight(const QWidget &control);
    // The most room the window may take on its screen, frame aside.
    QSize roomOnScreen() const;
    void zoomAndTell(int percent);
    void awaitFrame();

    FormDesign m_design;
    QScrollArea *m_area;
    FormCanvas *m_canvas;
    QList<QAction *> m_zoomActions;
    int m_drawStyle = 0;
    bool m_seen = false;
    // Shown, and not yet framed since.
    bool m_awaitingFrame = false;
    QPointer<QWindow> m_watchedHandle;
    QTimer m_frameWait;
    int m_frameChecks = 0;
};
