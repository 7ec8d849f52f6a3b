// SPDX-License-Identifier: MIT
#pragma once

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

// A plain framed box that takes clicks and the keyboard focus; Space, Return and Enter click it as they press a
// button, so the focus it takes is good for something.
class PictureBox : public QFrame
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

// A box that stands for a linked document. It names the document, says that it is not part of the program, and
// opens it with the desktop's application on a double-click (or Enter) when a file of that name can be found.
class PresentationBox : public QFrame
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
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString m_objectClass;
    QString m_sourcePath;
    QString m_alternative;
};

// The file name at the end of a path written with either kind of separator.
QString documentFileName(const QString &path);
