// SPDX-License-Identifier: MIT
#include "form3.h"

#include "figure_export.h"

#include "accessibility.h"
#include "field_values.h"
#include "forms.h"
#include "palette.h"
#include "standard_keys.h"
#include "window_bounds.h"

#include "figure_geometry.h"
#include "number_rules.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QScreen>

#include <utility>

namespace {

constexpr int DashDot = 3;

// The main window's Sun, Moon and phase fields, which the view copies and its buttons read; the view only names
// the window, so it is loaded if it is not, as any window named is.
QLineEdit &mainWindowField(QStringView field)
{
    return Forms::get(u"Form1").textBox(field);
}

} // namespace

Form3::Form3() : Form(designTable())
{
    describeDrawing();
    onClick(u"Command1", &Form3::Command1_Click);
    onClick(u"Command2", &Form3::Command2_Click);
    onClick(u"Command3", &Form3::Command3_Click);
    FigureExport::addActions(*this);
    // Last in the context menu, after the zoom.
    auto *beforeClose = new QAction(this);
    beforeClose->setSeparator(true);
    addAction(beforeClose);
    auto *closing = new QAction(tr("&Close"), this);
    closing->setObjectName(QStringLiteral("closeAction"));
    closing->setShortcuts(closeKeys());
    closing->setShortcutVisibleInContextMenu(true);
    connect(closing, &QAction::triggered, this, &QWidget::close);
    addAction(closing);
    // The boxes take typing, but nothing reads it: say so where the user looks.
    const QString readsMainWindow = tr("The figure buttons read the main window's fields, never this box.");
    const std::pair<QLineEdit *, QString> notes[] = {
        {&Text1(), tr("The Sun's position last drawn.")},
        {&Text3(), tr("The Moon's position last drawn.")},
        {&Text4(), tr("The phase of the Moon in the main window when this window opened.")},
    };
    for (const auto &[box, shows] : notes) {
        //: A box's tooltip of two sentences: %1 what the box shows, %2 that the buttons do not read it.
        const QString note = tr("%1 %2").arg(shows, readsMainWindow);
        box->setToolTip(note);
        box->setAccessibleDescription(note);
    }
}

void Form3::showEvent(QShowEvent *event)
{
    // Placed before it is first shown, where a window manager puts it at once, and again by its real frame once it
    // has one.
    m_placing = !std::exchange(m_placed, true);
    if (m_placing)
        placeBesideMainWindow();
    Form::showEvent(event);
}

void Form3::framed()
{
    if (m_placing) {
        placeBesideMainWindow();
        m_placing = frameOf(*this).size() == size();
    }
    Form::framed();
}

void Form3::placeBesideMainWindow()
{
    // The view first appears to the right of the main window, so the plate and the figure can be compared; on a
    // narrow screen it keeps inside the screen and overlaps the main window's edge instead.
    if (!Forms::isLoaded(u"Form1") || !Forms::get(u"Form1").isVisible())
        return;
    const Form &mainWindow = Forms::get(u"Form1");
    const QRect main = frameOf(mainWindow);
    const QScreen *screen = mainWindow.screen();
    if (!screen)
        return;
    // Until the view is framed, the frame it will have is the main window's.
    QSize frame = frameOf(*this).size();
    if (frame == size())
        frame += main.size() - mainWindow.size();
    const QRect available = screen->availableGeometry();
    constexpr int gap = 8;
    const QRect beside(QPoint(main.right() + 1 + gap, main.top()), frame);
    moveFrameTo(*this, placedInside(beside, available), &mainWindow);
}

void Form3::Form_Load()
{
    setDrawStyle(DashDot);
    // Raw copies: nothing is converted, trimmed or checked.
    Text1().setText(mainWindowField(u"Text1").text());
    Text3().setText(mainWindowField(u"Text2").text());
    Text4().setText(mainWindowField(u"Text3").text());
    drawBaseFigure();
}

void Form3::drawBaseFigure()
{
    Circle(float(FigureCentre.x), float(FigureCentre.y), float(BaseCircleRadius));
    for (const FigurePoint *axis : {HorizontalAxis, VerticalAxis})
        Line(float(axis[0].x), float(axis[0].y), float(axis[1].x), float(axis[1].y), QBColor(4));
}

void Form3::clearFigures()
{
    clearDrawing();
    drawBaseFigure();
    // A screen reader hears the figure as it now is, not the lines just wiped away.
    m_figures.clear();
    describeDrawing();
}

void Form3::drawPositionLine(double degrees, const QColor &color)
{
    const FigurePoint end = positionLineEnd(degrees);
    Line(float(FigureCentre.x), float(FigureCentre.y), float(end.x), float(end.y), color);
}

// What the figure shows, in words, for a screen reader: the view's description, and what was just drawn told to
// the button that drew it.
void Form3::describeDrawing(QStringView pressed, const QString &figure)
{
    if (!figure.isEmpty() && !m_figures.contains(figure))
        m_figures.append(figure);
    QString description = tr("The astrolabe's geometric solution: a circle with its two axes.");
    description += u' ';
    QString figures;
    for (const QString &drawn : std::as_const(m_figures)) {
        //: Joins two figures in a list of what is drawn: %1 the list so far, %2 the next figure.
        figures = figures.isEmpty() ? drawn : tr("%1; %2").arg(figures, drawn);
    }
    if (m_figures.isEmpty()) {
        description += tr("Nothing drawn yet.");
    } else {
        //: The end of the drawing's description for a screen reader: %1 lists the figures, such as "the Sun's
        //: line at 30 degrees, red; the ring of the 28 days of the Moon's month".
        description += tr("Drawn: %1.").arg(figures);
    }
    setAccessibleDescription(description);
    //: Spoken to a screen reader when a button has drawn a figure: %1 is the figure, such as "the Moon's line at
    //: 325 degrees, green".
    if (!pressed.isEmpty())
        Accessibility::announce(button(pressed), tr("Drawn: %1").arg(figure));
}

// A line button: reads its position from the main window's field, shows the number read in the view's own box, then
// draws the line and says what it drew.
void Form3::drawLineFrom(const QLineEdit &mainField, QLineEdit &shownIn, const QColor &color, QStringView pressed,
                         const QString &figure)
{
    usingValuesOf({&mainField}, [&] {
        const double position = readNumber(mainField.text());
        shownIn.setText(numberText(position));
        drawPositionLine(position, color);
        describeDrawing(pressed, figure.arg(numberText(position)));
    });
}

void Form3::Command1_Click()
{
    //: A figure, in the drawing's description and in "Drawn: %1": %1 is the position in degrees.
    drawLineFrom(mainWindowField(u"Text2"), Text3(), QBColor(2), u"Command1",
                 tr("the Moon's line at %1 degrees, green"));
}

void Form3::Command2_Click()
{
    //: A figure, in the drawing's description and in "Drawn: %1": %1 is the position in degrees.
    drawLineFrom(mainWindowField(u"Text1"), Text1(), QBColor(12), u"Command2", tr("the Sun's line at %1 degrees, red"));
}

void Form3::Command3_Click()
{
    const QLineEdit &sunField = mainWindowField(u"Text1");
    const QLineEdit &moonField = mainWindowField(u"Text2");
    usingValuesOf({&sunField, &moonField}, [&] {
        const double sun = readNumber(sunField.text());
        Text1().setText(numberText(sun));
        const double moon = readNumber(moonField.text());
        Text3().setText(numberText(moon));
    });
    for (int day = 1; day <= DaysInRing; ++day) {
        const float angle = phaseRingAngle(day);
        Circle(float(FigureCentre.x), float(FigureCentre.y), float(PhaseRingRadius), angle, -angle);
    }
    //: A figure, in the drawing's description and in "Drawn: %1": %1 is 28.
    describeDrawing(u"Command3", tr("the ring of the %1 days of the Moon's month").arg(DaysInRing));
}
