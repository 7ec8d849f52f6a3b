// SPDX-License-Identifier: MIT
#include "text_box.h"

#include "controls.h"
#include "translation.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QPainter>

#include <utility>

namespace {

// The colour, made darker (or lighter, on a dark window) step by step until it stands out from the background by the
// contrast given: the style's own border colour, as little changed as will do.
QColor standingOut(QColor colour, const QColor &background, double contrast)
{
    const bool darker = background.lightnessF() > 0.5;
    for (int step = 0; step < 40 && contrastRatio(colour, background) < contrast; ++step)
        colour = darker ? colour.darker(110) : colour.lighter(110);
    if (contrastRatio(colour, background) < contrast)
        colour = darker ? QColor(Qt::black) : QColor(Qt::white);
    return colour;
}

// The focus mark: the window's focus colour where it also stands out from the inside of the box, where the mark goes.
QColor boxFocusColour(const QPalette &palette)
{
    const QColor base = palette.color(QPalette::Base);
    const QColor mark = focusMarkColour(palette);
    if (contrastRatio(mark, base) >= MinimumFocusContrast)
        return mark;
    return standingOut(palette.color(QPalette::Text), base, MinimumFocusContrast);
}

// The style's box, with a border and a focus mark that each stand out by 3:1 at least: from the window around the
// box, and the focus from what the same pixels show without it. Drawn as part of the box's frame, in the box's own
// paint, so that a blink of the cursor costs no painter of its own.
class BoxFrameStyle : public QProxyStyle
{
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        if (element != PE_FrameLineEdit)
            return;
        const QPalette &palette = option->palette;
        if (palette.cacheKey() != m_paletteKey) {
            m_paletteKey = palette.cacheKey();
            // The style's border, a grey of 2:1 on a light window, deepened.
            m_border = standingOut(palette.color(QPalette::Mid), palette.color(QPalette::Window), MinimumFocusContrast);
            m_focus = boxFocusColour(palette);
        }
        const bool focused = option->state & State_HasFocus;
        // Bands filled, not rectangles stroked: a blink of the cursor repaints a few pixels of them, and filling
        // clips at once where stroking would first outline the whole box.
        const QRect clip = painter->hasClipping() ? painter->clipBoundingRect().toAlignedRect() : option->rect;
        const auto ring = [painter, &clip](const QRect &outer, int width, const QColor &colour) {
            for (const QRect &band : {QRect(outer.left(), outer.top(), outer.width(), width),
                                      QRect(outer.left(), outer.bottom() + 1 - width, outer.width(), width),
                                      QRect(outer.left(), outer.top(), width, outer.height()),
                                      QRect(outer.right() + 1 - width, outer.top(), width, outer.height())}) {
                if (band.intersects(clip))
                    painter->fillRect(band, colour);
            }
        };
        ring(option->rect, 1, focused ? m_focus : m_border);
        // Inside the border, where the box's own colour was: two pixels all round.
        if (focused)
            ring(option->rect.adjusted(1, 1, -1, -1), FocusMarkWidth, m_focus);
    }

private:
    mutable qint64 m_paletteKey = 0;
    mutable QColor m_border;
    mutable QColor m_focus;
};

QStyle *boxFrameStyle()
{
    static QPointer<BoxFrameStyle> style;
    if (!style) {
        style = new BoxFrameStyle;
        style->setParent(qApp);
    }
    return style;
}

} // namespace

TextBox::TextBox(const QString &text, QWidget *parent) : QLineEdit(text, parent)
{
    setStyle(boxFrameStyle());
    // Text the program writes is shown from its beginning, as a freshly written box shows it: a long result such as
    // "13  2.00000000000001" shows its hours, not its last digits. The user's own typing keeps its cursor; Qt tells
    // of it (textEdited) before it tells of every change (textChanged).
    setCursorPosition(0);
    connect(this, &QLineEdit::textEdited, this, [this] { m_userEdit = true; });
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (!std::exchange(m_userEdit, false))
            setCursorPosition(0);
    });
}

QString TextBox::singleLine(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    for (QChar &c : text) {
        if (c == u'\r' || c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = u' ';
    }
    return text;
}

bool TextBox::fits(qsizetype insertedLength)
{
    const qsizetype length = text().size() - selectedText().size() + insertedLength;
    if (length <= maxLength())
        return true;
    // Qt would cut the text to the limit character by character, and a field of megabytes costs processor time
    // at every blink of the cursor: nothing so long is taken in.
    // Numbers grouped as the interface's language writes them: "4,097" in English, "4.097" in Italian.
    const QLocale locale =
        Translation::language().isEmpty() ? QLocale(QLocale::English) : QLocale(Translation::language());
    //: %1 is the length the text would have, %2 the longest a field holds (4,096); the form follows %1.
    emit textRefused(tr("The text is too long for this field: it would hold %1 characters, and a field holds at "
                        "most %2.\n\nThe field keeps its text.",
                        nullptr, int(length))
                         .arg(locale.toString(length), locale.toString(maxLength())));
    return false;
}

void TextBox::insertChecked(const QString &text)
{
    const QString line = singleLine(text);
    if (!fits(line.size()))
        return;
    // The user's paste or drop: the cursor stays after what was put in.
    m_userEdit = true;
    insert(line);
    m_userEdit = false;
}

void TextBox::pasteChecked(QClipboard::Mode mode)
{
    if (isReadOnly())
        return;
    const QString clip = QGuiApplication::clipboard()->text(mode);
    if (!clip.isEmpty() || hasSelectedText())
        insertChecked(clip);
}

void TextBox::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste)) {
        pasteChecked();
        event->accept();
        return;
    }
    const QString typed = event->text();
    if (!isReadOnly() && !typed.isEmpty() && typed.front().isPrint() && !fits(typed.size())) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TextBox::inputMethodEvent(QInputMethodEvent *event)
{
    if (!event->commitString().isEmpty() && !fits(event->commitString().size())) {
        event->accept();
        return;
    }
    QLineEdit::inputMethodEvent(event);
}

void TextBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        pasteChecked(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TextBox::dropEvent(QDropEvent *event)
{
    if (!event->mimeData()->hasText()) {
        QLineEdit::dropEvent(event);
        return;
    }
    const QString line = singleLine(event->mimeData()->text());
    // A drop inside the box's own selection moves text: the selection leaves as the drop comes in.
    if (!fits(line.size() - (event->source() == this ? selectedText().size() : 0))) {
        event->ignore();
        return;
    }
    QMimeData single;
    single.setText(line);
    QDropEvent singleLineDrop(event->position(), event->possibleActions(), &single, event->buttons(),
                              event->modifiers(), event->type());
    singleLineDrop.setDropAction(event->dropAction());
    QLineEdit::dropEvent(&singleLineDrop);
    event->setDropAction(singleLineDrop.dropAction());
    event->setAccepted(singleLineDrop.isAccepted());
}

void TextBox::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    // Qt connects its Paste entry by the slot's name.
    for (QAction *action : menu->actions()) {
        if (disconnect(action, SIGNAL(triggered()), this, SLOT(paste()))
            || disconnect(action, &QAction::triggered, this, &QLineEdit::paste))
            connect(action, &QAction::triggered, this, [this] { pasteChecked(); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}
