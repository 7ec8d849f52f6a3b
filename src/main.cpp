// SPDX-License-Identifier: MIT
#include "command_line.h"
#include "help_window.h"
#include "form1.h"
#include "form3.h"
#include "app.h"
#include "forms.h"
#include "window_bounds.h"
#include "start_checks.h"
#include "translation.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    openMissingStandardDescriptors();
    if (const auto status = handleCommandLine(argc, argv))
        return *status;

    std::optional<DisplayFailureWatch> watch(std::in_place);
    QApplication app(argc, argv);
    watch.reset();
    // The desktop's language, for the program's texts and Qt's own dialogs alike.
    Translation::install();
    if (const auto status = refuseUnusableDisplay())
        return *status;
    holdWindowsToScreens();
    QApplication::setApplicationName(App::Title());
    QApplication::setDesktopFileName(QStringLiteral("io.github.dorlasco.AstrolabeSimulator"));
    // Hidden windows stay loaded; the program ends when the last window is unloaded, not when the last is hidden.
    QApplication::setQuitOnLastWindowClosed(false);
    Forms::declare<Form1>(QStringLiteral("Form1"));
    Forms::declare<Form3>(QStringLiteral("Form3"));
    Forms::setStartupForm<Form1>();
    Forms::setOnNoFormLoaded([] { QCoreApplication::quit(); });
    // F1 in any window opens the guide; the Help window itself is made only then.
    Help::installHelpKey();

    Forms::show<Form1>();
    const int status = QApplication::exec();
    Forms::unloadAll();
    Help::closeHelpWindow();
    return status;
}
