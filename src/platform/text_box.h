// SPDX-License-Identifier: MIT
#pragma once

#include "core/runtime_error.h"

#include <QClipboard>
#include <QLineEdit>

#include <initializer_list>

// A single-line text box that refuses, whole and with a message, any paste, drop or typed text that would take it
// past MaxFieldLength, and turns the line breaks of a pasted text into blanks, so that what it shows is what is read.
class TextBox : public QLineEdit
{
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

    // The text as a single line: each line break becomes one blank.
    static QString singleLine(QString text);

    // Inserts the text at the cursor, over the selection, unless it would make the box too long.
    void insertChecked(const QString &text);
    void pasteChecked(QClipboard::Mode mode = QClipboard::Clipboard);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    bool fits(qsizetype insertedLength);
};

// Rethrows an Overflow that names no value with the boxes whose values could not be used: the one whose number is
// beyond the double range, or, when each reads but the arithmetic on them overflowed, every box that holds a text.
[[noreturn]] void raiseNamingValues(const RuntimeError &error, std::initializer_list<const QLineEdit *> boxes);

// Runs arithmetic on the numbers in these boxes; an overflow it raises says which values it could not use.
template <typename Compute>
decltype(auto) usingValuesOf(std::initializer_list<const QLineEdit *> boxes, Compute &&compute)
{
    try {
        return compute();
    } catch (const RuntimeError &error) {
        raiseNamingValues(error, boxes);
    }
}
