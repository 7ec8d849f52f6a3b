// SPDX-License-Identifier: MIT
#include "guide_text.h"

#include <QAbstractTextDocumentLayout>
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

GuideText::GuideText(const QString &html, const QString &folder, QWidget *parent) : QTextBrowser(parent)
{
    setObjectName(QStringLiteral("guideText"));
    // Pictures are found beside the page; no link leaves the guide.
    setSearchPaths({folder});
    setOpenExternalLinks(false);
    // A caret that the arrow keys move through the text, where a screen reader reads each line it reaches.
    setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    setHtml(html);
    showTextAlternatives(*document());

    // A link is followed by moving the caret to where it leads, so that a screen reader reads on from there.
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl &link) {
        if (const int position = anchorPosition(*document(), link.fragment()); position >= 0)
            showSection(position);
    });
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
