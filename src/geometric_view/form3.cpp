// SPDX-License-Identifier: MIT
#include "form3.h"

#include "core/figure_geometry.h"
#include "main_window/form1.h"
#include "core/number_rules.h"
#include "platform/app.h"
#include "platform/forms.h"
#include "platform/text_box.h"

#include <QLineEdit>
#include <QScreen>

namespace {

constexpr int DashDot = 3;

} // namespace

FormDesign Form3::layout()
{
    using K = ControlKind;
    auto control = [](const char *name, K kind, const char *caption, int left, int top, int width, int height,
                      int tab) {
        return ControlDesign{QString::fromUtf8(name), kind, QString::fromUtf8(caption), left, top, width, height, tab};
    };
    // The label a box belongs to, or a name of its own for a screen reader.
    auto spoken = [](ControlDesign box, QStringView label, QStringView name) {
        box.labelledBy = label.toString();
        box.accessibleName = name.toString();
        return box;
    };
    auto line = [](const char *name, int x1, int y1, int x2, int y2) {
        return ControlDesign{QString::fromLatin1(name), K::Line, {}, x1, y1, x2, y2};
    };

    FormDesign form;
    form.name = QStringLiteral("Form3");
    form.caption = QStringLiteral("Form3a");
    form.clientWidth = 4680;
    form.clientHeight = 3195;
    form.unitTwipsX = 3;
    form.unitTwipsY = 1;
    form.controls = {
        line("Line3", 360, 1440, 4200, 1440),
        line("Line4", 2280, 120, 2280, 3000),
        spoken(control("Text1", K::TextBox, "Text1", 3600, 2400, 855, 285, 0), u"Label1", {}),
        spoken(control("Text3", K::TextBox, "Text3", 240, 2400, 855, 285, 1), u"Label2", {}),
        spoken(control("Text4", K::TextBox, "Text4", 3720, 840, 855, 285, 2), {}, u"Phase of the Moon"),
        control("Label1", K::Label, "Position of Sun", 2760, 2520, 615, 375, 3),
        control("Label2", K::Label, "Position of Moon", 1200, 2520, 615, 495, 4),
        control("Command1", K::CommandButton, "Moon's line", 0, 1920, 735, 375, 5),
        control("Command2", K::CommandButton, "Sun's line", 4080, 1800, 615, 495, 6),
        control("Command3", K::CommandButton, "Moon's Phase", 3960, 0, 735, 735, 7),
    };
    return form;
}

Form3::Form3() : Form(layout())
{
    onClick(u"Command1", QStringLiteral("Form3.Command1_Click"), [this] { Command1_Click(); });
    onClick(u"Command2", QStringLiteral("Form3.Command2_Click"), [this] { Command2_Click(); });
    onClick(u"Command3", QStringLiteral("Form3.Command3_Click"), [this] { Command3_Click(); });
}

void Form3::showEvent(QShowEvent *event)
{
    if (!m_placed) {
        m_placed = true;
        placeBesideMainWindow();
    }
    Form::showEvent(event);
}

void Form3::placeBesideMainWindow()
{
    // The view first appears to the right of the main window, so the plate and the figure can be compared; on a
    // narrow screen it keeps inside the screen and overlaps the main window's edge instead.
    if (!Forms::isLoaded<Form1>() || !Forms::get<Form1>().isVisible())
        return;
    const QRect main = Forms::get<Form1>().frameGeometry();
    const QScreen *screen = Forms::get<Form1>().screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    constexpr int gap = 8;
    int x = main.right() + 1 + gap;
    x = std::max(available.left(), std::min(x, available.right() + 1 - frameGeometry().width()));
    const int y = std::max(available.top(), main.top());
    move(x, y);
}

void Form3::Form_Load()
{
    setDrawStyle(DashDot);
    // Raw copies: nothing is converted, trimmed or checked.
    Text1().setText(Forms::get<Form1>().Text1().text());
    Text3().setText(Forms::get<Form1>().Text2().text());
    Text4().setText(Forms::get<Form1>().Text3().text());
    Circle(float(FigureCentre.x), float(FigureCentre.y), float(BaseCircleRadius));
    Line(100, 1440, 1500, 1440, QBColor(4));
    Line(760, 100, 760, 3300, QBColor(4));
}

void Form3::drawPositionLine(double degrees, const QColor &color)
{
    const FigurePoint end = positionLineEnd(degrees);
    Line(float(FigureCentre.x), float(FigureCentre.y), float(end.x), float(end.y), color);
}

void Form3::Command1_Click()
{
    const QLineEdit &moonField = Forms::get<Form1>().Text2();
    usingValuesOf({&moonField}, [&] {
        const double moon = readNumber(moonField.text());
        Text3().setText(numberText(moon));
        drawPositionLine(moon, QBColor(2));
    });
}

void Form3::Command2_Click()
{
    const QLineEdit &sunField = Forms::get<Form1>().Text1();
    usingValuesOf({&sunField}, [&] {
        const double sun = readNumber(sunField.text());
        Text1().setText(numberText(sun));
        drawPositionLine(sun, QBColor(12));
    });
}

void Form3::Command3_Click()
{
    const QLineEdit &sunField = Forms::get<Form1>().Text1();
    const QLineEdit &moonField = Forms::get<Form1>().Text2();
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
}
