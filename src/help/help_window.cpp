// SPDX-License-Identifier: MIT
#include "help_window.h"

#include "app.h"
#include "event_procedure.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPointer>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace {

const QString builtInGuide = QStringLiteral(":/help/guide/index.html");
constexpr qreal MinimumGuidePoints = 6;
constexpr qreal MaximumGuidePoints = 40;

QString &guideOverride()
{
    static QString path;
    return path;
}

QPointer<QWidget> &window()
{
    static QPointer<QWidget> help;
    return help;
}

constexpr int ContentsWidth = 230;
constexpr int SectionHeading = 2;

class HelpKeyFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier)
            return QObject::eventFilter(watched, event);
        // A message box waiting for an answer keeps the keyboard to itself.
        if (QApplication::activeModalWidget())
            return QObject::eventFilter(watched, event);
        if (!key->isAutoRepeat())
            Help::showHelpWindow();
        return true;
    }
};

void reportUnreadableGuide(const QString &path, const QString &reason)
{
    showUserMessage({MessageKind::Error, App::Title(),
                     QCoreApplication::translate("Help", "The guide cannot be shown: %1\n\n%2").arg(reason, path)});
}

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
        cursor.insertText(QCoreApplication::translate("Help", "Picture: %1.").arg(words), italic);
    }
}

// Escape and Ctrl+W close the guide; Ctrl+plus, Ctrl+minus and Ctrl+0 make its text larger, smaller, as at first.
void addReadingKeys(QWidget &help)
{
    const auto key = [&help](const QKeySequence &sequence, auto action) {
        auto *shortcut = new QShortcut(sequence, &help);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, &help, action);
    };
    key(QKeySequence(Qt::Key_Escape), [&help] { help.close(); });
    key(QKeySequence::Close, [&help] { help.close(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_W), [&help] { help.close(); });
    const qreal normal = help.font().pointSizeF();
    const auto zoomTo = [&help](qreal points) {
        QFont font = help.font();
        font.setPointSizeF(std::clamp(points, MinimumGuidePoints, MaximumGuidePoints));
        help.setFont(font);
    };
    key(QKeySequence::ZoomIn, [&help, zoomTo] { zoomTo(help.font().pointSizeF() + 2); });
    key(QKeySequence(Qt::CTRL | Qt::Key_Equal), [&help, zoomTo] { zoomTo(help.font().pointSizeF() + 2); });
    key(QKeySequence::ZoomOut, [&help, zoomTo] { zoomTo(help.font().pointSizeF() - 2); });
    key(QKeySequence(Qt::CTRL | Qt::Key_0), [zoomTo, normal] { zoomTo(normal); });
}

// The guide's sections, one item each with the heading's words; the item keeps where the heading starts.
void listSections(QListWidget &contents, const QTextDocument &document)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() != SectionHeading)
            continue;
        auto *item = new QListWidgetItem(block.text().trimmed(), &contents);
        item->setData(Qt::UserRole, block.position());
    }
}

// A section chosen in the list is brought to the top of the text, with the cursor on its heading, where a screen
// reader goes on reading.
void showSection(QTextBrowser &text, const QListWidgetItem *item)
{
    if (!item)
        return;
    const QTextBlock heading = text.document()->findBlock(item->data(Qt::UserRole).toInt());
    text.setTextCursor(QTextCursor(heading));
    const QRectF where = text.document()->documentLayout()->blockBoundingRect(heading);
    text.verticalScrollBar()->setValue(qRound(where.top()));
}

} // namespace

namespace Help {

QString guidePath()
{
    return guideOverride().isEmpty() ? builtInGuide : guideOverride();
}

void setGuidePathForTesting(const QString &path)
{
    guideOverride() = path;
}

void installHelpKey()
{
    qApp->installEventFilter(new HelpKeyFilter(qApp));
}

// The Help window with the guide in it, made at the first call; null when the guide cannot be read.
static QWidget *makeHelpWindow()
{
    const QString path = guidePath();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reportUnreadableGuide(path, file.exists() ? file.errorString()
                                                  : QCoreApplication::translate("Help", "the file is missing."));
        return nullptr;
    }
    const QByteArray html = file.readAll();
    if (html.isEmpty()) {
        reportUnreadableGuide(path, QCoreApplication::translate("Help", "the file is empty."));
        return nullptr;
    }

    auto *help = new QWidget;
    help->setObjectName(QStringLiteral("helpWindow"));
    help->setWindowTitle(QCoreApplication::translate("Help", "Guide to %1").arg(App::Title()));
    // The windows' design font is small for reading at length.
    QFont font = help->font();
    font.setPointSizeF(10);
    help->setFont(font);

    auto *contents = new QListWidget(help);
    contents->setObjectName(QStringLiteral("guideContents"));
    contents->setAccessibleName(QCoreApplication::translate("Help", "Contents"));
    contents->setAccessibleDescription(
        QCoreApplication::translate("Help", "The guide's sections: choose one to read it."));
    contents->setFixedWidth(ContentsWidth);
    contents->setWordWrap(true);
    contents->setSpacing(2);

    auto *text = new QTextBrowser(help);
    text->setObjectName(QStringLiteral("guideText"));
    // Pictures are found beside the page; no link leaves the guide.
    text->setSearchPaths({QFileInfo(path).absolutePath()});
    text->setOpenExternalLinks(false);
    text->setHtml(QString::fromUtf8(html));
    showTextAlternatives(*text->document());
    listSections(*contents, *text->document());

    auto *layout = new QHBoxLayout(help);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(contents);
    layout->addWidget(text, 1);
    QWidget::setTabOrder(contents, text);

    // A selection from the keyboard, the mouse or a screen reader, which selects without making the item current.
    QObject::connect(contents, &QListWidget::itemSelectionChanged, text, [contents, text] {
        const QList<QListWidgetItem *> chosen = contents->selectedItems();
        showSection(*text, chosen.isEmpty() ? nullptr : chosen.front());
    });
    // Return or a double click on a section also takes the keyboard to its text.
    QObject::connect(contents, &QListWidget::itemActivated, text, [text](const QListWidgetItem *item) {
        showSection(*text, item);
        text->setFocus(Qt::OtherFocusReason);
    });

    addReadingKeys(*help);
    help->resize(ContentsWidth + 860, 760);
    // The keyboard starts in the list, so a screen reader first says where the guide's sections are.
    contents->setFocus(Qt::OtherFocusReason);
    return help;
}

void showHelpWindow()
{
    if (!window())
        window() = makeHelpWindow();
    if (QWidget *help = window()) {
        help->show();
        help->raise();
        help->activateWindow();
    }
}

QWidget *helpWindow()
{
    return window();
}

QTextBrowser *guideText()
{
    return window() ? window()->findChild<QTextBrowser *>(QStringLiteral("guideText")) : nullptr;
}

QListWidget *guideContents()
{
    return window() ? window()->findChild<QListWidget *>(QStringLiteral("guideContents")) : nullptr;
}

void closeHelpWindow()
{
    delete window();
}

} // namespace Help
