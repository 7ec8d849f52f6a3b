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
class QLineEdit;

// A window built from its design table. Labels, text boxes, buttons, picture and presentation boxes are real
// widgets; lines and images are painted by the window itself, beneath them, together with what the program has
// drawn, which covers lines and images and lies under the widgets. Each window class has one instance, kept by Forms.
class Form : public QWidget
{
    Q_OBJECT
public:
    explicit Form(FormDesign design);
    ~Form() override;

    const FormDesign &design() const { return m_design; }
    const QString &name() const { return m_design.name; }

    // Visible, in front, not modal.
    void Show();
    // Out of sight but still loaded: its texts stay.
    void Hide();

    // The named control; a name the window does not have raises a runtime error.
    QLineEdit &textBox(QStringView controlName) const;
    QAbstractButton &button(QStringView controlName) const;
    QWidget &windowedControl(QStringView controlName) const;

    // The picture of an image control, stretched to its box when painted.
    void setPicture(QStringView imageName, const QImage &picture);
    // Reads a picture file into an image control (LoadPicture's errors), decoded no larger than the box needs.
    void loadPicture(QStringView imageName, const QString &path);
    void setImageVisible(QStringView imageName, bool visible);
    bool imageHasPicture(QStringView imageName) const;
    qint64 pictureCacheKey(QStringView imageName) const;

    // Drawing on the window's surface, in its drawing units. Coordinates arrive in single precision.
    void setDrawStyle(int style);
    int drawStyle() const { return m_drawStyle; }
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
    void resizeEvent(QResizeEvent *event) override;

private:
    friend class Forms;
    void runFormLoad();

    struct PaintedControl {
        const ControlDesign *design;
        QRect rect; // logical pixels
        qint64 pictureKey = 0; // images only: the cache key of the picture set, 0 for none
        QPixmap scaledPicture; // the picture at the box's device size, made when set; only this is kept
        bool visible = true;
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

    FormDesign m_design;
    std::vector<PaintedControl> m_painted;
    std::vector<std::pair<QString, QWidget *>> m_windowed; // labels too, in screen order
    DrawingSurface m_surface;
    DrawingRecord m_record;
    int m_drawStyle = 0;
};

QFont fontFromDesign(const FontDesign &font);
