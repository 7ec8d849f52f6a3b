// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

// Reads the program's own options before the application object exists, so that --help and --version need no
// display. Qt's own options (-platform, -style, ...) are passed over for QApplication to take. Returns the exit
// status when the program should end here, nothing when it should go on.
std::optional<int> handleCommandLine(int argc, char *argv[]);
