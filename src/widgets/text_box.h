// SPDX-License-Identifier: MIT
#pragma once

#include <QClipboard>
#include <QLineEdit>

// A single-line text box that refuses, whole and with a message to tell the user, any paste, drop or typed text that
// would take it past its maximum length, and turns the line breaks of a pasted text into blanks, so that what it shows
// is what is read. Its border and focus mark stand out by 3:1 at least.
class TextBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit TextBox(const QString &text, QWidget *parent = nullptr);

    // The text as a single line: each line break becomes one blank.
    static QString singleLine(QString text);

    // Inserts the text at the cursor, over the selection, unless it would make the box too long.
    void insertChecked(const QString &text);
    void pasteChecked(QClipboard::Mode mode = QClipboard::Clipboard);

signals:
    // A text was refused whole; the message says why, for the user.
    void textRefused(const QString &message);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    bool fits(qsizetype insertedLength);

    bool m_userEdit = false;
};
