// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

// What a screen reader meets beyond what Qt infers: windows of the forms layer are frames, the boxes that act on a
// press are buttons with a press action, and a procedure's result is told in words to the control the user is on.
namespace Accessibility {

// Installs the roles and actions above; idempotent.
void install();

// Tells a screen reader the result of what the user just did, wherever the focus is, without moving it: the words
// appear as a notification of the pressed control's window, which a screen reader speaks as it appears.
void announce(const QWidget &pressed, const QString &words);
// The words of the window's last announcement, empty once withdrawn.
QString lastAnnouncement(const QWidget &window);
// Takes the window's last announcement back, so that a result that no longer holds is not read later.
void withdraw(QWidget &window);

} // namespace Accessibility
