// SPDX-License-Identifier: MIT
#include "controls.h"

#include "app.h"
#include "event_procedure.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStandardPaths>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QUrl>

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

// The file name at the end of a path written with either kind of separator.
QString documentFileName(const QString &path)
{
    const qsizetype cut = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
    return path.mid(cut + 1);
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

PresentationBox::PresentationBox(const QString &objectClass, const QString &sourcePath, QWidget *parent)
    : FramedBox(QFrame::Box, QFrame::Plain, 1, parent), m_objectClass(objectClass), m_sourcePath(sourcePath)
{
    connect(this, &QAbstractButton::clicked, this, &PresentationBox::openDocument);
    setToolTip(tr("Linked presentation (%1):\n%2\nThe presentation is not included with this program. "
                  "Double-click to open it if you have a copy in your data folder:\n%3")
                   .arg(m_objectClass, m_sourcePath, userDocumentFolder()));
}

QString PresentationBox::userDocumentFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString PresentationBox::findDocument() const
{
    // Only by its file name: the design's path is a Windows path, which read here would name a file of that odd name
    // in whatever folder the program was started from. The program's own folder is the package's, which a user
    // cannot write; the data folders are where a user, or a site, can put a copy.
    const QString name = documentFileName(m_sourcePath);
    const QString besideProgram = App::Path() + u'/' + name;
    if (QFileInfo(besideProgram).isFile())
        return besideProgram;
    return QStandardPaths::locate(QStandardPaths::AppDataLocation, name);
}

void PresentationBox::openDocument()
{
    const QString document = findDocument();
    if (document.isEmpty()) {
        QString text =
            tr("The presentation \"%1\" is not included with this program.").arg(documentFileName(m_sourcePath));
        if (!m_alternative.isEmpty())
            text += u' ' + m_alternative;
        text += QStringLiteral("\n\n")
                + tr("To view the presentation, put a copy of the file in this folder:\n%1").arg(userDocumentFolder());
        showUserMessage({MessageKind::Information, tr("Presentation not present"), text});
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(document).absoluteFilePath()))) {
        showUserMessage({MessageKind::Information, tr("Presentation"),
                         tr("No application on this desktop opens the presentation:\n%1").arg(document)});
    }
}

void PresentationBox::paintEvent(QPaintEvent *event)
{
    FramedBox::paintEvent(event);
    QPainter painter(this);
    painter.setLayoutDirection(layoutDirection());
    const QRect area = contentsRect().adjusted(4, 4, -4, -4);
    painter.setClipRect(area);
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    const QRect heading =
        painter.boundingRect(area, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, tr("Presentation"));
    painter.drawText(area, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, tr("Presentation"));
    painter.setFont(font());
    const QRect rest = area.adjusted(0, heading.height() + 4, 0, 0);
    painter.drawText(rest, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                     tr("%1\n\n(not included)").arg(documentFileName(m_sourcePath)));
}

void PresentationBox::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
}

void PresentationBox::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
}

void PresentationBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        click();
}
