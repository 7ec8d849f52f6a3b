// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QSize>

class QWidget;

// Holds every top-level window of the application (the two windows, the Help window, dialogs and message boxes) to
// the largest desktop: larger than the screens can show, a window only costs memory, as Qt keeps a backing image of
// its size. A window is never made smaller than it first was. Installs itself once; later calls do nothing.
void holdWindowsToScreens();

// The most of a window that can be seen at once: the largest desktop that the screens present make, in logical
// pixels; empty without screens.
QSize largestDesktop();

// Sizes the window to the size wanted, or less where the screen has no room for it, and places it within the screen
// of the window given (the primary screen without one), frame included.
void fitOnScreen(QWidget &window, QSize wanted, const QWidget *beside);

// A window that scrolls what does not fit: held to the largest desktop whatever its first size.
void holdToDesktopOnly(QWidget &window);

// Shows the window, raises it above the others and activates it; not modal.
void bringToFront(QWidget &window);
// The window's frame on the screen as the window system last told it: a window manager frames a window only after it
// is shown, and until then this is the inside alone.
QRect frameOf(const QWidget &window);
// Where a frame of that place and size goes to lie inside the area: moved as little as will do, and its upper-left
// corner, with the title bar, inside the area when the frame is the larger.
QPoint placedInside(const QRect &frame, const QRect &area);
// Moves the window so that its frame's upper-left corner is there. A window not framed yet is moved as if it had the
// frame of the other window given.
void moveFrameTo(QWidget &window, QPoint topLeft, const QWidget *framedLike = nullptr);
