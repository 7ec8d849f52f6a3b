// SPDX-License-Identifier: MIT
#include "help_window.h"

#include "platform/app.h"
#include "platform/event_procedure.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPointer>
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

QPointer<QTextBrowser> &window()
{
    static QPointer<QTextBrowser> help;
    return help;
}

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
void addReadingKeys(QTextBrowser &help)
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
QTextBrowser *makeHelpWindow()
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

    auto *help = new QTextBrowser;
    help->setObjectName(QStringLiteral("helpWindow"));
    help->setWindowTitle(QCoreApplication::translate("Help", "Guide to %1").arg(App::Title()));
    // Pictures are found beside the page; no link leaves the guide.
    help->setSearchPaths({QFileInfo(path).absolutePath()});
    help->setOpenExternalLinks(false);
    // The windows' design font is small for reading at length.
    QFont font = help->font();
    font.setPointSizeF(10);
    help->setFont(font);
    help->setHtml(QString::fromUtf8(html));
    showTextAlternatives(*help->document());
    addReadingKeys(*help);
    help->resize(860, 760);
    return help;
}

void showHelpWindow()
{
    if (!window())
        window() = makeHelpWindow();
    if (QTextBrowser *help = window()) {
        help->show();
        help->raise();
        help->activateWindow();
    }
}

QTextBrowser *helpWindow()
{
    return window();
}

void closeHelpWindow()
{
    delete window();
}

} // namespace Help
