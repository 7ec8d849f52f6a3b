// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

// What a screen reader meets beyond what Qt infers: windows of the forms layer are frames, the boxes that act on a
// press are buttons with a press action, and a procedure's result is told in words to the control the user is on.
namespace Accessibility {

// Installs the roles and actions above; idempotent.
void install();

// Tells a screen reader the result of what the user just did, without moving the focus. Screen readers speak a
// change of the focused control's description (a change elsewhere is silent), so the words go to the focused control
// of the pressed control's window, the pressed control itself when the focus is elsewhere. A control that has a
// description of its own keeps it after the words.
void announce(QWidget &pressed, const QString &words);
// The words of the last announcement are taken back, so that a result that no longer holds is not read later.
void withdraw();

} // namespace Accessibility
