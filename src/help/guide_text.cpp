// SPDX-License-Identifier: MIT
#include "guide_text.h"

#include "accessibility.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>

namespace {

constexpr int SectionHeading = 2;

// Each picture's text alternative is written below it, so that it is read as words, by a screen reader too.
void showTextAlternatives(QTextDocument &document)
{
    std::vector<std::pair<int, QString>> captions; // after the picture's position, in reverse order
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextImageFormat image = fragment.charFormat().toImageFormat();
            const QString words = image.isValid() ? image.stringProperty(QTextFormat::ImageAltText) : QString();
            if (!words.isEmpty())
                captions.emplace_back(fragment.position() + fragment.length(), words);
        }
    }
    std::reverse(captions.begin(), captions.end());
    QTextCharFormat italic;
    italic.setFontItalic(true);
    for (const auto &[position, words] : captions) {
        QTextCursor cursor(&document);
        cursor.setPosition(position);
        cursor.insertText(QString(QChar::LineSeparator), QTextCharFormat());
        //: Below each picture of the guide, its description; %1 is the description.
        cursor.insertText(GuideText::tr("Picture: %1.").arg(words), italic);
    }
}

// Where the anchor of that name lies in the document, or -1.
int anchorPosition(const QTextDocument &document, const QString &name)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isAnchor() && format.anchorNames().contains(name))
                return it.fragment().position();
        }
    }
    return -1;
}

} // namespace

GuideText::GuideText(const QString &html, const QString &folder, QWidget *parent) : QTextEdit(parent), m_folder(folder)
{
    setObjectName(QStringLiteral("guideText"));
    setReadOnly(true);
    // A caret that the arrow keys move through the text, where a screen reader reads each line it reaches.
    setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    setHtml(html);
    showTextAlternatives(*document());
}

// Pictures are found beside the page, and nothing elsewhere.
QVariant GuideText::loadResource(int type, const QUrl &name)
{
    if (type != QTextDocument::ImageResource || name.isRelative() == false)
        return {};
    QFile file(m_folder + u'/' + name.path());
    return file.open(QIODevice::ReadOnly) ? QVariant(file.readAll()) : QVariant();
}

// A link is followed by moving the caret to where it leads, so that a screen reader reads on from there; no link
// leaves the guide.
void GuideText::follow(const QString &href)
{
    const int position = anchorPosition(*document(), QUrl(href).fragment());
    if (position < 0)
        return;
    showSection(position);
    // A screen reader reads a caret that a key moved line by line, but says nothing of one that a link moved: it is
    // told where the link went.
    Accessibility::announce(*this, document()->findBlock(position).text().trimmed());
}

void GuideText::mouseReleaseEvent(QMouseEvent *event)
{
    const QString href = anchorAt(event->position().toPoint());
    const bool click = event->button() == Qt::LeftButton && !textCursor().hasSelection();
    QTextEdit::mouseReleaseEvent(event);
    if (click && !href.isEmpty())
        follow(href);
}

void GuideText::mouseMoveEvent(QMouseEvent *event)
{
    QTextEdit::mouseMoveEvent(event);
    viewport()->setCursor(anchorAt(event->position().toPoint()).isEmpty() ? Qt::IBeamCursor : Qt::PointingHandCursor);
}

std::vector<GuideText::Link> GuideText::links() const
{
    std::vector<Link> found;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QString href = fragment.charFormat().anchorHref();
            if (href.isEmpty())
                continue;
            const int end = fragment.position() + fragment.length();
            // A link in two styles is two fragments, one link.
            if (!found.empty() && found.back().end == fragment.position() && found.back().href == href)
                found.back().end = end;
            else
                found.push_back({fragment.position(), end, href});
        }
    }
    return found;
}

const GuideText::Link *GuideText::selectedLink(const std::vector<Link> &all) const
{
    const QTextCursor cursor = textCursor();
    for (const Link &link : all) {
        if (link.start == cursor.selectionStart() && link.end == cursor.selectionEnd())
            return &link;
    }
    return nullptr;
}

// A browser's link focus starts from the top or the bottom of the page each time; here it starts from the caret,
// where the reader is.
bool GuideText::focusNextPrevChild(bool next)
{
    const std::vector<Link> all = links();
    const QTextCursor cursor = textCursor();
    const Link *chosen = nullptr;
    if (next) {
        const auto after =
            std::find_if(all.begin(), all.end(), [&](const Link &link) { return link.start >= cursor.selectionEnd(); });
        chosen = after == all.end() ? nullptr : &*after;
    } else {
        const auto before = std::find_if(all.rbegin(), all.rend(),
                                         [&](const Link &link) { return link.end <= cursor.selectionStart(); });
        chosen = before == all.rend() ? nullptr : &*before;
    }
    if (!chosen) {
        QTextCursor caret = cursor;
        caret.clearSelection();
        setTextCursor(caret);
        return QTextEdit::focusNextPrevChild(next);
    }
    QTextCursor selection(document());
    selection.setPosition(chosen->start);
    selection.setPosition(chosen->end, QTextCursor::KeepAnchor);
    setTextCursor(selection);
    ensureCursorVisible();
    return true;
}

void GuideText::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        const std::vector<Link> all = links();
        if (const Link *link = selectedLink(all)) {
            follow(link->href);
            return;
        }
    }
    QTextEdit::keyPressEvent(event);
}

std::vector<GuideText::Section> GuideText::sections() const
{
    std::vector<Section> found;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == SectionHeading)
            found.push_back({block.text().trimmed(), block.position()});
    }
    return found;
}

void GuideText::showSection(int position)
{
    const QTextBlock heading = document()->findBlock(position);
    setTextCursor(QTextCursor(heading));
    const QRectF where = document()->documentLayout()->blockBoundingRect(heading);
    verticalScrollBar()->setValue(qRound(where.top()));
}
