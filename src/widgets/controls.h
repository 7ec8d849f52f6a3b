// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractButton>
#include <QFrame>
#include <QPushButton>

// The keyboard focus is marked on the buttons and boxes by a frame this wide, in a colour that stands out from the
// window by at least this contrast ratio: visible on a projector.
inline constexpr int FocusMarkWidth = 2;
inline constexpr double MinimumFocusContrast = 3.0;
// The contrast ratio of two colours, 1 (the same) to 21 (black on white).
double contrastRatio(const QColor &a, const QColor &b);
// The palette's highlight colour when it stands out enough from the window, else its text colour, else black or white.
QColor focusMarkColour(const QPalette &palette);

// A button whose caption is centred and wrapped at blanks when it is wider than the button; what does not fit is
// clipped.
class CaptionButton : public QPushButton
{
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
    // Return and keypad Enter press the button that has the focus, as Space does.
    void keyPressEvent(QKeyEvent *event) override;
};

// A framed box that acts when pressed: a click, Space, Return or Enter press it, as they press a button, so the
// focus it takes is good for something, and a screen reader knows it as a button.
class FramedBox : public QAbstractButton
{
    Q_OBJECT
public:
    FramedBox(QFrame::Shape shape, QFrame::Shadow shadow, int lineWidth, QWidget *parent);

protected:
    // Inside the frame.
    QRect contentsRect() const { return rect().adjusted(m_lineWidth, m_lineWidth, -m_lineWidth, -m_lineWidth); }
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QFrame::Shape m_shape;
    QFrame::Shadow m_shadow;
    int m_lineWidth;
};

// A plain sunken box that takes clicks.
class PictureBox : public FramedBox
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr) : FramedBox(QFrame::Panel, QFrame::Sunken, 2, parent) {}
};
