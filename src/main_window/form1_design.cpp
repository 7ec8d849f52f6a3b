// SPDX-License-Identifier: MIT
#include "form1.h"

namespace {

const QColor Blue(0, 0, 255);
const QColor Red(255, 0, 0);
const QColor Green(0, 255, 0);

const FontDesign Normal{};
const FontDesign Large{QStringLiteral("MS Sans Serif"), 13.5};
const FontDesign LargeBold{QStringLiteral("MS Sans Serif"), 13.5, true};
const FontDesign Title{QStringLiteral("MS Sans Serif"), 24, true};
const FontDesign Subtitle{QStringLiteral("MS Sans Serif"), 12, false, true};
const FontDesign Button{QStringLiteral("MS Sans Serif"), 9.75};

using K = ControlKind;

ControlDesign line(const char *name, int x1, int y1, int x2, int y2, QColor color, int width)
{
    ControlDesign control{QString::fromLatin1(name), K::Line};
    control.left = x1;
    control.top = y1;
    control.width = x2;
    control.height = y2;
    control.color = color;
    control.lineWidth = width;
    return control;
}

ControlDesign control(const char *name, K kind, const char *caption, int left, int top, int width, int height,
                      int tab, FontDesign font = Normal, QColor color = {})
{
    return ControlDesign{QString::fromUtf8(name), kind, QString::fromUtf8(caption), left, top, width, height,
                         tab, font, color};
}

// Who speaks for a windowed control: the label it belongs to, or a name of its own, and a label that describes it.
ControlDesign labelled(ControlDesign control, const char *label, const char *description = nullptr)
{
    control.labelledBy = QString::fromLatin1(label);
    control.describedBy = QString::fromLatin1(description);
    return control;
}

ControlDesign named(ControlDesign control, const char *name)
{
    control.accessibleName = QString::fromUtf8(name);
    return control;
}

} // namespace

// The main window as its designer laid it out, in twips, controls in the order they are painted.
FormDesign Form1::layout()
{
    FormDesign form;
    form.name = QStringLiteral("Form1");
    form.caption = QStringLiteral("Dorlasco's astrolabe simulator");
    form.clientWidth = 14655;
    form.clientHeight = 10575;

    ControlDesign presentation =
        control("OLE1", K::PresentationBox, "C:\\cd\\cd\\Ipotesi sulla Dorlasco della Necropoli 270902f.ppt", 120,
                1200, 1575, 1695, 21);
    presentation.objectClass = QStringLiteral("PowerPoint.Show.8");

    form.controls = {
        // The compass: plate picture inside the blue cross.
        control("Image1", K::Image, "", 2760, 1680, 3135, 3135, -1),
        line("Line3", 960, 3240, 7920, 3240, Blue, 3),
        line("Line4", 4320, 240, 4320, 6480, Blue, 3),
        line("Line5", 4320, 3240, 8880, 2880, Red, 1),
        control("Label1", K::Label, "South", 4560, 120, 855, 375, 0, Large, Blue),
        control("Label2", K::Label, "East", 240, 3120, 615, 375, 1, Large, Blue),
        control("Label3", K::Label, "West", 8160, 3120, 855, 495, 2, Large, Blue),
        control("Label4", K::Label, "North", 4560, 6360, 1095, 495, 3, Large, Blue),
        control("Label5", K::Label, "Position  of the Sun", 6120, 2400, 2775, 375, 4, LargeBold, Red),
        control("Label9", K::Label,
                "Position of the Moon and of Sun in degrees: positive clock  wise,     zero south", 480, 3840, 1815,
                2055, 20),

        // Title and the presentation.
        control("Label6", K::Label, "Dorlasco's Astrolabe simulator", 7560, 480, 7335, 615, 5, Title, Blue),
        control("Label7", K::Label, "It teachs in a simple way how  to use Dorlasco's astrolabe", 7560, 1320, 6855,
                375, 6, Subtitle, Blue),
        control("Label15", K::Label,
                "Click here to see a 15' PowerPointPresentation in Italian language ( suggested).", 120, 480, 3495,
                615, 22, Normal, Blue),
        control("Label18", K::Label, "Not present in the email version", 120, 840, 2775, 375, 27, Normal, Red),
        labelled(presentation, "Label15", "Label18"),

        // The legend of the geometric view's lines.
        control("Label21", K::Label, "sin", 8280, 3840, 615, 255, 35),
        control("Label22", K::Label, "cos", 8280, 4320, 495, 255, 36),
        labelled(control("Text8", K::TextBox, "Text8", 9000, 3840, 1455, 315, 33), "Label21", "Label19"),
        labelled(control("Text9", K::TextBox, "Text9", 9000, 4200, 1455, 315, 34), "Label22", "Label19"),
        labelled(control("Text6", K::TextBox, "Text6", 12000, 3840, 1095, 315, 31), "Label21", "Label20"),
        labelled(control("Text7", K::TextBox, "Text7", 12000, 4200, 1095, 315, 32), "Label22", "Label20"),
        control("Label19", K::Label, "green line :       position of the Moon", 9000, 4560, 1575, 495, 28, Normal,
                Green),
        control("Label20", K::Label, "red line:              position of the Sun", 12240, 4560, 1695, 495, 29,
                Normal, Red),
        line("Line2", 11880, 3240, 12840, 2520, {}, 1),

        // The three quantities and the solver.
        control("Label8", K::Label,
                "Connect the Position of the Sun, the Position of the Moon, the Phase of the Moon", 8040, 5280, 6255,
                855, 7, Large, Blue),
        control("Command1", K::CommandButton,
                "Enter of two of these data and you will have,  as result, the  third data.", 8040, 6240, 5295, 735,
                17, Button),
        control("Label11", K::Label, "Position of the Sun in degrees", 1200, 7200, 2775, 255, 13),
        control("Label12", K::Label, "Position of the Moon in degrees", 5160, 7200, 2895, 375, 14),
        control("Label13", K::Label, "Phase of the Moon (integer between 1 and 28 )", 9000, 7200, 3375, 375, 15),
        labelled(control("Text1", K::TextBox, "", 1080, 7560, 3255, 495, 8), "Label11", "Label9"),
        labelled(control("Text2", K::TextBox, "", 5160, 7560, 2895, 495, 9), "Label12", "Label9"),
        labelled(control("Text3", K::TextBox, "", 8880, 7560, 3735, 495, 10), "Label13", "Label17"),
        control("Label17", K::Label, "Day of the Moon's month: after the new Moon", 8880, 8160, 3735, 255, 26),

        // Solar hour, formula, and the buttons below.
        control("Command4", K::CommandButton, "Read solar hour", 1080, 8160, 1815, 255, 25),
        labelled(control("Text5", K::TextBox, "", 3000, 8160, 1335, 285, 23), "Label16"),
        control("Label16", K::Label, "solar hour", 3240, 8280, 1695, 255, 24),
        control("Label10", K::Label, "", 8040, 8880, 5415, 1095, 12),
        control("Command3", K::CommandButton, "See geometrical solution in astrolabe", 9480, 8880, 3015, 1275, 30,
                Large),
        labelled(control("Text4", K::TextBox, "", 960, 9000, 5775, 615, 11), "Label14"),
        control("Label14", K::Label, "Algebric formula used", 960, 9840, 2055, 255, 16),
        named(control("Picture1", K::PictureBox, "", 4200, 10080, 420, 420, 19), "Reload the plate picture"),
        control("Command2", K::CommandButton, "Turn the astrolabe to point the Sun  or the Moon", 5040, 10080, 495,
                375, 18),
    };
    return form;
}
