// SPDX-License-Identifier: MIT
#include "design_table.h"

#include <cmath>

namespace Design {

namespace {

ControlDesign placed(const char *name, ControlKind kind, const char *caption, QRect box, int tab)
{
    ControlDesign control;
    control.name = QString::fromUtf8(name);
    control.kind = kind;
    control.caption = QString::fromUtf8(caption);
    control.box = box;
    control.tabIndex = tab;
    return control;
}

} // namespace

ControlDesign label(const char *name, const char *caption, QRect box, int tab, FontDesign font, QColor color)
{
    ControlDesign control = placed(name, ControlKind::Label, caption, box, tab);
    control.font = std::move(font);
    control.color = color;
    return control;
}

ControlDesign textBox(const char *name, const char *text, QRect box, int tab)
{
    return placed(name, ControlKind::TextBox, text, box, tab);
}

ControlDesign button(const char *name, const char *caption, QRect box, int tab, FontDesign font)
{
    ControlDesign control = placed(name, ControlKind::CommandButton, caption, box, tab);
    control.font = std::move(font);
    return control;
}

ControlDesign pictureBox(const char *name, QRect box, int tab)
{
    return placed(name, ControlKind::PictureBox, "", box, tab);
}

ControlDesign image(const char *name, QRect box)
{
    return placed(name, ControlKind::Image, "", box, -1);
}

ControlDesign line(const char *name, QLine ends, QColor color, int width)
{
    ControlDesign control;
    control.name = QString::fromUtf8(name);
    control.kind = ControlKind::Line;
    control.ends = ends;
    control.color = color;
    control.lineWidth = width;
    return control;
}

ControlDesign presentationBox(const char *name, QRect box, int tab, const char *objectClass, const char *document)
{
    ControlDesign control = placed(name, ControlKind::PresentationBox, "", box, tab);
    control.objectClass = QString::fromUtf8(objectClass);
    control.document = QString::fromUtf8(document);
    return control;
}

ControlDesign labelledBy(ControlDesign control, const char *label, const char *description)
{
    control.labelledBy = QString::fromUtf8(label);
    control.describedBy = QString::fromUtf8(description);
    return control;
}

ControlDesign spokenAs(ControlDesign control, const char *name)
{
    control.accessibleName = QString::fromUtf8(name);
    return control;
}

} // namespace Design

QRect twipsToPixels(QRect box)
{
    const auto snapped = [](int twips) { return int(std::lround(twipsToPixels(double(twips)))); };
    return QRect(snapped(box.left()), snapped(box.top()), snapped(box.width()), snapped(box.height()));
}

QSize designedSize(const FormDesign &design)
{
    return twipsToPixels(QRect(0, 0, design.clientWidth, design.clientHeight)).size();
}

QPointF twipsToPixels(QPoint point)
{
    return QPointF(twipsToPixels(double(point.x())), twipsToPixels(double(point.y())));
}
