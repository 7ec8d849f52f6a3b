// SPDX-License-Identifier: MIT
#pragma once

#include <QKeySequence>
#include <QList>

// The keys of a window's actions, the desktop's standard ones first.

// Each key once, empty ones left out: the same sequence on two shortcuts, or twice on one, makes it ambiguous, and
// Qt then answers neither.
QList<QKeySequence> distinctKeys(const QList<QKeySequence> &keys);

// The desktop's Close keys and Ctrl+W, which the guide names, on every desktop (the offscreen platform's Close is
// Ctrl+F4 alone).
QList<QKeySequence> closeKeys();

// The desktop's Zoom In keys and Ctrl+=, the same key as Ctrl+plus without Shift on most keyboards.
QList<QKeySequence> zoomInKeys();
