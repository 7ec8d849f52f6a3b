// SPDX-License-Identifier: MIT
#pragma once

#include "design_table.h"

#include <QFont>
#include <QString>

#include <utility>
#include <vector>

class QWidget;

// A window's controls as its design table lays them out: labels and windowed controls become child widgets of the
// parent, made in the order a reader meets them on the screen (top to bottom, then left to right), which is also the
// order a screen reader walks them in; images and lines stay design data, painted beneath them.
struct BuiltControls {
    std::vector<std::pair<QString, QWidget *>> widgets; // by design name, in screen order
    std::vector<const ControlDesign *> painted; // images and lines, in the design's order
    QWidget *firstInTabOrder = nullptr; // where the keyboard's focus starts, if anywhere
};

// Makes the widgets with their captions, fonts, colours, spoken names, buddies and keyboard order. The design must
// outlive what is built.
BuiltControls buildControls(const FormDesign &design, QWidget &parent);

QFont fontFromDesign(const FontDesign &font);

// A caption or spoken name of the design in the user's language, the window's design name being the context its
// table marks the texts with (QT_TRANSLATE_NOOP("Form1", ...)); the design's English where no catalogue has it.
QString shownText(const FormDesign &design, const QString &text);
