// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QListWidget;
class QTextBrowser;
class QWidget;

// The program's guide, built into it as a resource and shown in one Help window. Nothing of it is made before the
// first F1.
namespace Help {

// Where the program finds its guide.
QString guidePath();
// Tests point the guide elsewhere; an empty path restores the built-in one.
void setGuidePathForTesting(const QString &path);

// F1 in any window of the program opens the Help window, or brings it to the front.
void installHelpKey();
void showHelpWindow();
// The Help window once made, else nullptr: the list of the guide's sections beside the guide's text.
QWidget *helpWindow();
QTextBrowser *guideText();
QListWidget *guideContents();
void closeHelpWindow();

} // namespace Help
