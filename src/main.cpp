// SPDX-License-Identifier: MIT
#include "main_window/form1.h"
#include "platform/app.h"
#include "platform/forms.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(App::Title());
    QApplication::setDesktopFileName(QStringLiteral("io.github.dorlasco.AstrolabeSimulator"));
    // Hidden windows stay loaded; the program ends when the last window is unloaded, not when the last is hidden.
    QApplication::setQuitOnLastWindowClosed(false);
    Forms::setStartupForm<Form1>();
    Forms::setOnNoFormLoaded([] { QCoreApplication::quit(); });

    Forms::show<Form1>();
    const int status = QApplication::exec();
    Forms::unloadAll();
    return status;
}
