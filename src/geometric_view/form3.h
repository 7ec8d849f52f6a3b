// SPDX-License-Identifier: MIT
#pragma once

#include "form.h"

#include <QStringList>

class QLineEdit;

// The geometric view: a circle with its two axes, onto which the buttons draw the Moon's line, the Sun's line and
// the ring of the 28 days of the Moon's month. Beside the figure it shows copies of the main window's quantities.
class Form3 : public Form
{
    Q_OBJECT
public:
    Form3();

    static FormDesign designTable();

    QLineEdit &Text1() const { return textBox(u"Text1"); } // Sun
    QLineEdit &Text3() const { return textBox(u"Text3"); } // Moon
    QLineEdit &Text4() const { return textBox(u"Text4"); } // phase

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    // Leaves the circle and its axes as the window drew them when it loaded; the pen pattern stays.
    void clearFigures();

protected:
    void Form_Load() override;
    void showEvent(QShowEvent *event) override;
    // First placed beside the main window by the frames of both, wholly on the screen.
    void framed() override;

private:
    void drawBaseFigure();
    void drawPositionLine(double degrees, const QColor &color);
    void drawLineFrom(const QLineEdit &mainField, QLineEdit &shownIn, const QColor &color, QStringView pressed,
                      const QString &figure);
    void placeBesideMainWindow();
    void describeDrawing(QStringView pressed = {}, const QString &figure = {});

    bool m_placed = false;
    bool m_placing = false; // beside the main window, until the view's frame is known
    QStringList m_figures; // in words, in the order first drawn
};
