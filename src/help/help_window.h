// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QListWidget;
class QTextEdit;
class QWidget;

// The program's guide, built into it as a resource and shown in one Help window. Nothing of it is made before the
// first F1.
namespace Help {

// Where the program finds its guide.
QString guidePath();
// Tests point the guide elsewhere; an empty path restores the built-in one.
void setGuidePathForTesting(const QString &path);

// F1 in each window of the program, those loaded and those loaded later, opens the Help window or brings it to the
// front.
void installHelpKey();
// Opens the Help window beside the window it is asked from, the active window when none is given.
void showHelpWindow(const QWidget *opener = nullptr);
// The Help window once made, else nullptr: the list of the guide's sections beside the guide's text.
QWidget *helpWindow();
QTextEdit *guideText();
QListWidget *guideContents();
void closeHelpWindow();

} // namespace Help
