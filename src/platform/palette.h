// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>

// The colour of entry n (0 to 15) of the 16-colour palette; any other n raises a runtime error.
QColor QBColor(int n);
