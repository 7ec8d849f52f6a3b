// SPDX-License-Identifier: MIT
#include "shown_controls.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

namespace {

const QColor Blue(0, 0, 255);
const QColor Red(255, 0, 0);
const QColor Green(0, 255, 0);

} // namespace

// clang-format off
const std::vector<ShownControl> &shownControls(QStringView window)
{
    static const std::vector<ShownControl> mainWindow = {
        {"Text1", {72, 504, 217, 33}, ""},
        {"Text2", {344, 504, 193, 33}, ""},
        {"Text3", {592, 504, 249, 33}, ""},
        {"Text4", {64, 600, 385, 41}, ""},
        {"Text5", {200, 544, 89, 19}, ""},
        {"Text6", {800, 256, 73, 21}, ""},
        {"Text7", {800, 280, 73, 21}, ""},
        {"Text8", {600, 256, 97, 21}, ""},
        {"Text9", {600, 280, 97, 21}, ""},
        {"Command1", {536, 416, 353, 49},
         "Enter of two of these data and you will have,  as result, the  third data.", {}, 9.75},
        {"Command2", {336, 672, 33, 25}, "Turn the astrolabe to point the Sun  or the Moon"},
        {"Command3", {632, 592, 201, 85}, "See geometrical solution in astrolabe", {}, 13.5},
        {"Command4", {72, 544, 121, 17}, "Read solar hour"},
        {"Picture1", {280, 672, 28, 28}, ""},
        {"OLE1", {8, 80, 105, 113}, ""},
        {"Label1", {304, 8, 57, 25}, "South", Blue, 13.5},
        {"Label2", {16, 208, 41, 25}, "East", Blue, 13.5},
        {"Label3", {544, 208, 57, 33}, "West", Blue, 13.5},
        {"Label4", {304, 424, 73, 33}, "North", Blue, 13.5},
        {"Label5", {408, 160, 185, 25}, "Position  of the Sun", Red, 13.5, true},
        {"Label6", {504, 32, 489, 41}, "Dorlasco's Astrolabe simulator", Blue, 24, true},
        {"Label7", {504, 88, 457, 25}, "It teachs in a simple way how  to use Dorlasco's astrolabe", Blue, 12, false,
         true},
        {"Label8", {536, 352, 417, 57},
         "Connect the Position of the Sun, the Position of the Moon, the Phase of the Moon", Blue, 13.5},
        {"Label9", {32, 256, 121, 137},
         "Position of the Moon and of Sun in degrees: positive clock  wise,     zero south"},
        {"Label10", {536, 592, 361, 73}, ""},
        {"Label11", {80, 480, 185, 17}, "Position of the Sun in degrees"},
        {"Label12", {344, 480, 193, 25}, "Position of the Moon in degrees"},
        {"Label13", {600, 480, 225, 25}, "Phase of the Moon (integer between 1 and 28 )"},
        {"Label14", {64, 656, 137, 17}, "Algebric formula used"},
        {"Label15", {8, 32, 233, 41},
         "Click here to see a 15' PowerPointPresentation in Italian language ( suggested).", Blue},
        {"Label16", {216, 552, 113, 17}, "solar hour"},
        {"Label17", {592, 544, 249, 17}, "Day of the Moon's month: after the new Moon"},
        {"Label18", {8, 56, 185, 25}, "Not present in the email version", Red},
        {"Label19", {600, 304, 105, 33}, "green line :       position of the Moon", Green},
        {"Label20", {816, 304, 113, 33}, "red line:              position of the Sun", Red},
        {"Label21", {552, 256, 41, 17}, "sin"},
        {"Label22", {552, 288, 33, 17}, "cos"},
    };
    static const std::vector<ShownControl> view = {
        {"Text1", {240, 160, 57, 19}, ""},
        {"Text3", {16, 160, 57, 19}, ""},
        {"Text4", {248, 56, 57, 19}, ""},
        {"Label1", {184, 168, 41, 25}, "Position of Sun"},
        {"Label2", {80, 168, 41, 33}, "Position of Moon"},
        {"Command1", {0, 128, 49, 25}, "Moon's line"},
        {"Command2", {272, 120, 41, 33}, "Sun's line"},
        {"Command3", {264, 0, 49, 49}, "Moon's Phase"},
    };
    return window == u"Form1" ? mainWindow : view;
}
// clang-format on

QString shownText(const QWidget *control)
{
    if (auto *box = qobject_cast<const QLineEdit *>(control))
        return box->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    if (auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    return {};
}
