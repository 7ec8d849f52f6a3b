// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

class QTranslator;

// The program speaks the first of the desktop's languages it has a catalogue for, with Qt's own dialogs in the
// same language; the English of the design is the source text and stays where no catalogue fits.
namespace Translation {

// The program's catalogue for the desktop's languages (QLocale::system().uiLanguages(), which honours LANGUAGE,
// LC_ALL and LANG), loaded at the first call, before the application exists as well as after.
QTranslator &catalogue();
// A text marked with QT_TRANSLATE_NOOP in the user's language, usable before the application exists.
QString text(const char *context, const char *source);

// Installs the program's catalogue and Qt's own for the first of the languages that is English or has a
// catalogue, in place of any installed before; returns that language ("it"), empty for the design's English.
QString install(const QStringList &languages);
// The same for the desktop's languages.
QString install();
// The language installed last, empty for English.
QString language();

} // namespace Translation
