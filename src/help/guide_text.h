// SPDX-License-Identifier: MIT
#pragma once

#include <QTextEdit>

#include <vector>

// The guide's text: read with a caret from the keyboard, line by line, its links reached with Tab and followed with
// Return or a click, each picture's text alternative written below it in words. A read-only QTextEdit rather than a
// QTextBrowser, which Qt shows to a screen reader as a label, where no screen reader follows the caret.
class GuideText : public QTextEdit
{
    Q_OBJECT

public:
    // The guide's page; its pictures are found in the folder beside it.
    GuideText(const QString &html, const QString &folder, QWidget *parent = nullptr);

    struct Section {
        QString heading;
        int position; // where the heading starts in the document
    };
    std::vector<Section> sections() const;
    // Puts the caret on the section's heading and the heading at the top of the text, as far as the text goes.
    void showSection(int position);

protected:
    // Tab and Shift+Tab go to the next or the previous link from the caret; past the last or the first, on to the
    // contents.
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    QVariant loadResource(int type, const QUrl &name) override;

private:
    struct Link {
        int start;
        int end;
        QString href;
    };
    std::vector<Link> links() const;
    // The link that the selection covers exactly, if any.
    const Link *selectedLink(const std::vector<Link> &all) const;
    void follow(const QString &href);

    QString m_folder;
};
