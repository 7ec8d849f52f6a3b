// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QLine>
#include <QRect>
#include <QString>

#include <vector>

#include "twips.h"

// A window's layout as data: every control with its place in twips, as the window's designer laid it out. The
// forms layer turns a table into a window; nothing else places controls. Both windows write their tables with the
// builders below, one per kind of control.

enum class ControlKind {
    TextBox, // windowed: a single-line editable box
    CommandButton, // windowed: centred caption, wrapped at blanks
    PictureBox, // windowed: a plain box that takes clicks
    PresentationBox, // windowed: a linked document the box names and opens
    Label, // a caption wrapped at blanks within its box; it names the control it belongs to
    Image, // painted beneath the widgets: a picture stretched to fill its box
    Line, // painted beneath the widgets: from one end point to the other
};

struct FontDesign {
    QString face = QStringLiteral("MS Sans Serif");
    double points = 8.25;
    bool bold = false;
    bool italic = false;
};

struct ControlDesign {
    QString name = {};
    ControlKind kind = ControlKind::Label;
    QString caption = {}; // caption or initial text
    QRect box = {}; // twips; every kind but the line
    QLine ends = {}; // twips; the line's two end points
    int tabIndex = -1; // -1 for controls without a place in the keyboard order
    FontDesign font = {};
    QColor color = {}; // text or line colour; invalid means the system's default
    int lineWidth = 1; // lines only, in pixels
    QString objectClass = {}; // presentation box: the class of the linked object
    QString document = {}; // presentation box: the linked document's path
    // What a screen reader says for a windowed control: the caption of the label it belongs to (a button speaks
    // its own caption), or a short name of its own when no label names it; and the label that describes it.
    QString labelledBy = {};
    QString accessibleName = {};
    QString describedBy = {};
};

struct FormDesign {
    QString name = {};
    QString caption;
    int clientWidth = 0; // twips
    int clientHeight = 0; // twips
    std::vector<ControlDesign> controls;
    // The longest text each text box of the window takes; 0 leaves Qt's limit. A longer paste is refused whole.
    int maxFieldLength = 0;
    // The drawing scale: twips per drawing unit across and down.
    double unitTwipsX = 1.0;
    double unitTwipsY = 1.0;
};

namespace Design {

ControlDesign label(const char *name, const char *caption, QRect box, int tab, FontDesign font = {}, QColor color = {});
ControlDesign textBox(const char *name, const char *text, QRect box, int tab);
ControlDesign button(const char *name, const char *caption, QRect box, int tab, FontDesign font = {});
ControlDesign pictureBox(const char *name, QRect box, int tab);
ControlDesign image(const char *name, QRect box);
ControlDesign line(const char *name, QLine ends, QColor color = {}, int width = 1);
ControlDesign presentationBox(const char *name, QRect box, int tab, const char *objectClass, const char *document);

// The label a windowed control belongs to, and the label that describes it.
ControlDesign labelledBy(ControlDesign control, const char *label, const char *description = nullptr);
// A name of its own for a screen reader, where no label names the control.
ControlDesign spokenAs(ControlDesign control, const char *name);

} // namespace Design

// Boxes snap to whole logical pixels; line ends keep their fraction.
QRect twipsToPixels(QRect box);
QPointF twipsToPixels(QPoint point);
// The window's client area as designed, in logical pixels.
QSize designedSize(const FormDesign &design);
