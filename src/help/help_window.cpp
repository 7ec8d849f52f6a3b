// SPDX-License-Identifier: MIT
#include "help_window.h"

#include "platform/app.h"
#include "platform/event_procedure.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPointer>
#include <QTextBrowser>

namespace {

const QString builtInGuide = QStringLiteral(":/help/guide/index.html");

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
                     QCoreApplication::translate("Help", "The guide cannot be shown: %1\n\n%2")
                         .arg(reason, path)});
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
