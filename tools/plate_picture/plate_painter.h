// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

// The brass plate shown in the main window: South up, East on the left, 28 days of the Moon's month and 24 hours
// around the rim.
QImage paintPlate(int side);
