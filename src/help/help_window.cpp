// SPDX-License-Identifier: MIT
#include "help_window.h"

#include "app.h"
#include "event_procedure.h"
#include "forms.h"
#include "guide_text.h"
#include "guide_window.h"
#include "translation.h"
#include "window_bounds.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPointer>

namespace {

const QString builtInGuide = QStringLiteral(":/help/guide/index.html");
constexpr char HelpActionName[] = "helpAction";

QString &guideOverride()
{
    static QString path;
    return path;
}

QPointer<GuideWindow> &window()
{
    static QPointer<GuideWindow> help;
    return help;
}

void reportUnreadableGuide(const QString &path, const QString &reason)
{
    //: %1 says what is wrong with the guide's file, %2 is the file's name.
    showUserMessage({MessageKind::Error, App::TranslatedTitle(),
                     QCoreApplication::translate("Help", "The guide cannot be shown: %1\n\n%2").arg(reason, path)});
}

// The Help window with the guide in it; null when the guide cannot be read.
GuideWindow *makeHelpWindow()
{
    const QString path = Help::guidePath();
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
    return new GuideWindow(QString::fromUtf8(html), QFileInfo(path).absolutePath());
}

// F1 as the window's own action: a message box waiting for an answer is the active window then, and keeps the key.
void addHelpKey(QWidget &form)
{
    if (form.findChild<QAction *>(QLatin1String(HelpActionName), Qt::FindDirectChildrenOnly))
        return;
    auto *action = new QAction(QCoreApplication::translate("Help", "&Guide"), &form);
    action->setObjectName(QLatin1String(HelpActionName));
    action->setShortcuts(QKeySequence::HelpContents);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setAutoRepeat(false);
    QObject::connect(action, &QAction::triggered, &form, [&form] { Help::showHelpWindow(&form); });
    form.addAction(action);
}

} // namespace

namespace Help {

QString guidePath()
{
    if (!guideOverride().isEmpty())
        return guideOverride();
    // The guide in the interface's language, index_it.html beside index.html; the English one otherwise.
    if (const QString language = Translation::language(); !language.isEmpty()) {
        const QString translated = QStringLiteral(":/help/guide/index_%1.html").arg(language);
        if (QFile::exists(translated))
            return translated;
    }
    return builtInGuide;
}

void setGuidePathForTesting(const QString &path)
{
    guideOverride() = path;
}

void installHelpKey()
{
    for (Form *form : Forms::loaded())
        addHelpKey(*form);
    Forms::setOnFormCreated([](Form &form) { addHelpKey(form); });
}

void showHelpWindow(const QWidget *opener)
{
    if (!window()) {
        window() = makeHelpWindow();
        if (window())
            window()->placeBeside(opener ? opener : QApplication::activeWindow());
    }
    if (GuideWindow *help = window())
        bringToFront(*help);
}

QWidget *helpWindow()
{
    return window();
}

QTextEdit *guideText()
{
    return window() ? window()->text() : nullptr;
}

QListWidget *guideContents()
{
    return window() ? window()->contents() : nullptr;
}

void closeHelpWindow()
{
    delete window();
}

} // namespace Help
