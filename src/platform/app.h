// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

namespace App {
// The program's name: the main window's caption, the application's name and the title of its messages.
QString Title();
// The astrolabe icon: the installed one from the icon theme, else the copy built into the program.
QIcon Icon();
// The folder that holds the executable, without a separator at its end (links on the PATH resolved).
QString Path();
// Tests point the program folder elsewhere; an empty path restores the executable's folder.
void setPathForTesting(const QString &path);
} // namespace App

// Reads a picture file; a missing, unreadable, damaged or too large file raises a runtime error that names it. With
// a size to fill, a JPEG is halved while it is decoded, as often as it stays at least that large (up to an eighth);
// the caller scales what remains.
QImage LoadPicture(const QString &path, QSize toFill = {});

// The colour of entry n (0 to 15) of the 16-colour palette.
QColor QBColor(int n);
