// SPDX-License-Identifier: MIT
#include "form3.h"

#include "field_values.h"

// The geometric view as its designer laid it out, in twips; it draws in view units of 3 twips across and 1 down.
FormDesign Form3::designTable()
{
    // The table's builders, not the window's accessors of the same names.
    using Design::button, Design::label, Design::labelledBy, Design::line, Design::spokenAs, Design::textBox;

    FormDesign form;
    form.name = QStringLiteral("Form3");
    //: The title of the drawing window, a name the window was given in its design.
    form.caption = QStringLiteral(QT_TRANSLATE_NOOP("Form3", "Form3a"));
    form.clientWidth = 4680;
    form.clientHeight = 3195;
    form.maxFieldLength = MaxFieldLength;
    form.unitTwipsX = 3;
    form.unitTwipsY = 1;
    form.controls = {
        line("Line3", {360, 1440, 4200, 1440}),
        line("Line4", {2280, 120, 2280, 3000}),
        labelledBy(textBox("Text1", "Text1", {3600, 2400, 855, 285}, 0), "Label1"),
        labelledBy(textBox("Text3", "Text3", {240, 2400, 855, 285}, 1), "Label2"),
        spokenAs(textBox("Text4", "Text4", {3720, 840, 855, 285}, 2), QT_TRANSLATE_NOOP("Form3", "Phase of the Moon")),
        label("Label1", QT_TRANSLATE_NOOP("Form3", "Position of Sun"), {2760, 2520, 615, 375}, 3),
        label("Label2", QT_TRANSLATE_NOOP("Form3", "Position of Moon"), {1200, 2520, 615, 495}, 4),
        button("Command1", QT_TRANSLATE_NOOP("Form3", "Moon's line"), {0, 1920, 735, 375}, 5),
        button("Command2", QT_TRANSLATE_NOOP("Form3", "Sun's line"), {4080, 1800, 615, 495}, 6),
        button("Command3", QT_TRANSLATE_NOOP("Form3", "Moon's Phase"), {3960, 0, 735, 735}, 7),
    };
    return form;
}
