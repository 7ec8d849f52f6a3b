// SPDX-License-Identifier: MIT
#include "text_box.h"

#include "translation.h"

#include "event_procedure.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QMimeData>

#include <utility>

TextBox::TextBox(const QString &text, QWidget *parent) : QLineEdit(text, parent)
{
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
    showUserMessage({MessageKind::Information, window()->windowTitle(),
                     tr("The text is too long for this field: it would hold %1 characters, and a field holds at "
                        "most %2.\n\nThe field keeps its text.",
                        nullptr, int(length))
                         .arg(locale.toString(length), locale.toString(maxLength()))});
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
