// SPDX-License-Identifier: MIT
#include "form1.h"

#include "app.h"
#include "field_values.h"

namespace {

const QColor Blue(0, 0, 255);
const QColor Red(255, 0, 0);
const QColor Green(0, 255, 0);

const FontDesign Normal{};
const FontDesign Large{QStringLiteral("MS Sans Serif"), 13.5};
const FontDesign LargeBold{QStringLiteral("MS Sans Serif"), 13.5, true};
const FontDesign Title{QStringLiteral("MS Sans Serif"), 24, true};
const FontDesign Subtitle{QStringLiteral("MS Sans Serif"), 12, false, true};
const FontDesign ButtonFont{QStringLiteral("MS Sans Serif"), 9.75};

} // namespace

// The main window as its designer laid it out, in twips, controls in the order they are painted.
FormDesign Form1::designTable()
{
    // The table's builders, not the window's accessors of the same names.
    using Design::button, Design::image, Design::label, Design::labelledBy, Design::line, Design::pictureBox,
        Design::presentationBox, Design::spokenAs, Design::textBox;

    FormDesign form;
    form.name = QStringLiteral("Form1");
    form.caption = App::TranslatedTitle();
    form.clientWidth = 14655;
    form.clientHeight = 10575;
    form.maxFieldLength = MaxFieldLength;

    form.controls = {
        // The compass: plate picture inside the blue cross.
        image("Image1", {2760, 1680, 3135, 3135}),
        line("Line3", {960, 3240, 7920, 3240}, Blue, 3),
        line("Line4", {4320, 240, 4320, 6480}, Blue, 3),
        line("Line5", {4320, 3240, 8880, 2880}, Red, 1),
        label("Label1", QT_TRANSLATE_NOOP("Form1", "South"), {4560, 120, 855, 375}, 0, Large, Blue),
        label("Label2", QT_TRANSLATE_NOOP("Form1", "East"), {240, 3120, 615, 375}, 1, Large, Blue),
        label("Label3", QT_TRANSLATE_NOOP("Form1", "West"), {8160, 3120, 855, 495}, 2, Large, Blue),
        label("Label4", QT_TRANSLATE_NOOP("Form1", "North"), {4560, 6360, 1095, 495}, 3, Large, Blue),
        label("Label5", QT_TRANSLATE_NOOP("Form1", "Position  of the Sun"), {6120, 2400, 2775, 375}, 4, LargeBold, Red),
        label("Label9",
              QT_TRANSLATE_NOOP("Form1",
                                "Position of the Moon and of Sun in degrees: positive clock  wise,     zero south"),
              {480, 3840, 1815, 2055}, 20),

        // Title and the presentation.
        label("Label6", QT_TRANSLATE_NOOP("Form1", "Dorlasco's Astrolabe simulator"), {7560, 480, 7335, 615}, 5, Title,
              Blue),
        label("Label7", QT_TRANSLATE_NOOP("Form1", "It teachs in a simple way how  to use Dorlasco's astrolabe"),
              {7560, 1320, 6855, 375}, 6, Subtitle, Blue),
        label("Label15",
              QT_TRANSLATE_NOOP("Form1",
                                "Click here to see a 15' PowerPointPresentation in Italian language ( suggested)."),
              {120, 480, 3495, 615}, 22, Normal, Blue),
        label("Label18", QT_TRANSLATE_NOOP("Form1", "Not present in the email version"), {120, 840, 2775, 375}, 27,
              Normal, Red),
        labelledBy(presentationBox("OLE1", {120, 1200, 1575, 1695}, 21, "PowerPoint.Show.8",
                                   "C:\\cd\\cd\\Ipotesi sulla Dorlasco della Necropoli 270902f.ppt"),
                   "Label15", "Label18"),

        // The legend of the geometric view's lines.
        label("Label21", QT_TRANSLATE_NOOP("Form1", "sin"), {8280, 3840, 615, 255}, 35),
        label("Label22", QT_TRANSLATE_NOOP("Form1", "cos"), {8280, 4320, 495, 255}, 36),
        labelledBy(textBox("Text8", "Text8", {9000, 3840, 1455, 315}, 33), "Label21", "Label19"),
        labelledBy(textBox("Text9", "Text9", {9000, 4200, 1455, 315}, 34), "Label22", "Label19"),
        labelledBy(textBox("Text6", "Text6", {12000, 3840, 1095, 315}, 31), "Label21", "Label20"),
        labelledBy(textBox("Text7", "Text7", {12000, 4200, 1095, 315}, 32), "Label22", "Label20"),
        label("Label19", QT_TRANSLATE_NOOP("Form1", "green line :       position of the Moon"), {9000, 4560, 1575, 495},
              28, Normal, Green),
        label("Label20", QT_TRANSLATE_NOOP("Form1", "red line:              position of the Sun"),
              {12240, 4560, 1695, 495}, 29, Normal, Red),
        line("Line2", {11880, 3240, 12840, 2520}),

        // The three quantities and the solver.
        label("Label8",
              QT_TRANSLATE_NOOP("Form1",
                                "Connect the Position of the Sun, the Position of the Moon, the Phase of the Moon"),
              {8040, 5280, 6255, 855}, 7, Large, Blue),
        button("Command1",
               QT_TRANSLATE_NOOP("Form1", "Enter of two of these data and you will have,  as result, the  third data."),
               {8040, 6240, 5295, 735}, 17, ButtonFont),
        label("Label11", QT_TRANSLATE_NOOP("Form1", "Position of the Sun in degrees"), {1200, 7200, 2775, 255}, 13),
        label("Label12", QT_TRANSLATE_NOOP("Form1", "Position of the Moon in degrees"), {5160, 7200, 2895, 375}, 14),
        label("Label13", QT_TRANSLATE_NOOP("Form1", "Phase of the Moon (integer between 1 and 28 )"),
              {9000, 7200, 3375, 375}, 15),
        labelledBy(textBox("Text1", "", {1080, 7560, 3255, 495}, 8), "Label11", "Label9"),
        labelledBy(textBox("Text2", "", {5160, 7560, 2895, 495}, 9), "Label12", "Label9"),
        labelledBy(textBox("Text3", "", {8880, 7560, 3735, 495}, 10), "Label13", "Label17"),
        label("Label17", QT_TRANSLATE_NOOP("Form1", "Day of the Moon's month: after the new Moon"),
              {8880, 8160, 3735, 255}, 26),

        // Solar hour, formula, and the buttons below.
        button("Command4", QT_TRANSLATE_NOOP("Form1", "Read solar hour"), {1080, 8160, 1815, 255}, 25),
        labelledBy(textBox("Text5", "", {3000, 8160, 1335, 285}, 23), "Label16"),
        label("Label16", QT_TRANSLATE_NOOP("Form1", "solar hour"), {3240, 8280, 1695, 255}, 24),
        label("Label10", "", {8040, 8880, 5415, 1095}, 12),
        button("Command3", QT_TRANSLATE_NOOP("Form1", "See geometrical solution in astrolabe"),
               {9480, 8880, 3015, 1275}, 30, Large),
        labelledBy(textBox("Text4", "", {960, 9000, 5775, 615}, 11), "Label14"),
        label("Label14", QT_TRANSLATE_NOOP("Form1", "Algebric formula used"), {960, 9840, 2055, 255}, 16),
        spokenAs(pictureBox("Picture1", {4200, 10080, 420, 420}, 19),
                 QT_TRANSLATE_NOOP("Form1", "Reload the plate picture")),
        button("Command2", QT_TRANSLATE_NOOP("Form1", "Turn the astrolabe to point the Sun  or the Moon"),
               {5040, 10080, 495, 375}, 18),
    };
    return form;
}
