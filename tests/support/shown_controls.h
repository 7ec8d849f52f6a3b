// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <QStringView>

#include <vector>

class QWidget;

// A control of a window that is a widget, as the user sees it at 100% when the window opens with the main window's
// fields empty: its place in logical pixels, its text, and for the main window its face and colour. The images and
// the lines are painted beneath the widgets, not widgets themselves.
struct ShownControl {
    const char *name;
    QRect rect;
    const char *text;
    QColor colour = {}; // invalid: the window's own
    double points = 8.25;
    bool bold = false;
    bool italic = false;
};

// Every such control of the window of that name, "Form1" or "Form3".
const std::vector<ShownControl> &shownControls(QStringView window);

// What a shown control reads: a box's text, a button's caption, a label's words; nothing for another widget.
QString shownText(const QWidget *control);
