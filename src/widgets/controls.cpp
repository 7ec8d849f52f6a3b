// SPDX-License-Identifier: MIT
#include "controls.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include <cmath>

double contrastRatio(const QColor &a, const QColor &b)
{
    // Relative luminance of sRGB colours, as the usual accessibility guidelines define it.
    const auto luminance = [](const QColor &colour) {
        const auto linear = [](double channel) {
            return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor focusMarkColour(const QPalette &palette)
{
    const QColor window = palette.color(QPalette::Window);
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::WindowText}) {
        if (contrastRatio(palette.color(role), window) >= MinimumFocusContrast)
            return palette.color(role);
    }
    return window.lightnessF() > 0.5 ? QColor(Qt::black) : QColor(Qt::white);
}

namespace {

// Return or Enter, from the main keys or the keypad, with no other modifier: the keys that press a focused control.
bool isReturnKey(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    return (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) && modifiers == Qt::NoModifier;
}

// The mark of the keyboard focus, FocusMarkWidth pixels wide along the inside of the given area.
void drawFocusMark(const QWidget *widget, QPainter &painter, const QRect &area)
{
    painter.save();
    QPen pen(focusMarkColour(widget->palette()), FocusMarkWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const qreal inset = FocusMarkWidth / 2.0;
    painter.drawRect(QRectF(area).adjusted(inset, inset, -inset, -inset));
    painter.restore();
}

} // namespace

void CaptionButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    // A painter takes the application's direction, not the widget's: the caption reads left to right as designed.
    painter.setLayoutDirection(layoutDirection());
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QRect textArea = rect().adjusted(3, 2, -3, -2);
    painter.setClipRect(textArea);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(textArea, Qt::AlignCenter | Qt::TextWordWrap, caption);
    if (hasFocus()) {
        painter.setClipping(false);
        drawFocusMark(this, painter, rect().adjusted(1, 1, -1, -1));
    }
}

void CaptionButton::keyPressEvent(QKeyEvent *event)
{
    if (!isReturnKey(*event)) {
        QPushButton::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!event->isAutoRepeat())
        click();
}

FramedBox::FramedBox(QFrame::Shape shape, QFrame::Shadow shadow, int lineWidth, QWidget *parent)
    : QAbstractButton(parent), m_shape(shape), m_shadow(shadow), m_lineWidth(lineWidth)
{
    setFocusPolicy(Qt::StrongFocus);
}

void FramedBox::paintEvent(QPaintEvent *)
{
    // The frame as a QFrame of that shape draws it.
    QPainter painter(this);
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.rect = rect();
    frame.frameShape = m_shape;
    frame.lineWidth = m_lineWidth;
    frame.midLineWidth = 0;
    if (m_shadow == QFrame::Sunken)
        frame.state |= QStyle::State_Sunken;
    else if (m_shadow == QFrame::Raised)
        frame.state |= QStyle::State_Raised;
    style()->drawControl(QStyle::CE_ShapedFrame, &frame, &painter, this);
    if (hasFocus())
        drawFocusMark(this, painter, contentsRect().adjusted(1, 1, -1, -1));
}

void FramedBox::keyPressEvent(QKeyEvent *event)
{
    if (!isReturnKey(*event)) {
        QAbstractButton::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!event->isAutoRepeat())
        click();
}
