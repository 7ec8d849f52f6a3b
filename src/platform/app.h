// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QIcon>
#include <QString>

namespace App {
// The program's name: the main window's caption, the application's name and the title of its messages.
QString Title();
// The program's name in the user's language: the main window's title and the title of its messages.
QString TranslatedTitle();
// The astrolabe icon, from the pictures of it built into the program at the sizes task bars ask for.
QIcon Icon();
// The folder that holds the executable, without a separator at its end (links on the PATH resolved).
QString Path();
// Tests point the program folder elsewhere; an empty path restores the executable's folder.
void setPathForTesting(const QString &path);
// The bytes to open for a path: one inside the program folder names that folder as the file system does, whatever
// bytes its name holds.
QByteArray nativeFileName(const QString &path);
} // namespace App
