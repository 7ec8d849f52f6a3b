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

class PresentationBox : public FramedBox
{
    Q_OBJECT
public:
    PresentationBox(const QString &objectClass, const QString &sourcePath, QWidget *parent = nullptr);

    const QString &sourcePath() const { return m_sourcePath; }
    // What the user may read instead when the document is not there, told with that news; set by the window.
    void setAlternative(const QString &text) { m_alternative = text; }
    // A file of the linked document's name beside the program or in the user's or the system's data folders for the
    // program, or nothing.
    QString findDocument() const;
    // The data folder of the user's own, where a copy of the document can go; it may not exist yet.
    static QString userDocumentFolder();
    // Opens the document, or tells the user that it is not present.
    void openDocument();

protected:
    void paintEvent(QPaintEvent *event) override;
    // The mouse opens the document with a double-click, as the design's linked object does; a single click only
    // takes the focus.
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QString m_objectClass;
    QString m_sourcePath;
    QString m_alternative;
};
