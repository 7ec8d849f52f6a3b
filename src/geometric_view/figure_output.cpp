// SPDX-License-Identifier: MIT
#include "figure_output.h"

#include <QCoreApplication>
#include <QLibrary>

namespace FigureOutput {

const Functions *functions(QString *whyNot)
{
    static const Functions *loaded = nullptr;
    static QString failure;
    if (!loaded && failure.isEmpty()) {
        // Beside the executable, as installed and as built; never unloaded, since Qt's print dialog and printer
        // plugins keep pointers into it.
        QLibrary module(QCoreApplication::applicationDirPath() + QStringLiteral("/astrolabe-figure-output.so"));
        module.setLoadHints(QLibrary::PreventUnloadHint);
        using Entry = const Functions *(*)();
        if (const auto entry = reinterpret_cast<Entry>(module.resolve("astrolabeFigureOutput")))
            loaded = entry();
        else
            failure = module.errorString();
    }
    if (!loaded && whyNot)
        *whyNot = failure;
    return loaded;
}

} // namespace FigureOutput
