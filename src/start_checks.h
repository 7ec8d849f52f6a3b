// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

// What the program checks before and while it starts Qt, so that a hostile start ends with one line and a status
// rather than a hang, a crash or an abort.

// Opens /dev/null on any of the standard descriptors 0-2 that is closed, so that nothing opened later (the X
// connection, a picture) takes that number and receives what is written to standard error.
void openMissingStandardDescriptors();

// Watches Qt's start for a display that cannot be opened: Qt ends the program then with an abort and advice to
// reinstall it; this says instead, in one line, that no display could be opened and why, and exits with status 1.
// Active from construction until destruction.
class DisplayFailureWatch
{
public:
    DisplayFailureWatch();
    ~DisplayFailureWatch();
    DisplayFailureWatch(const DisplayFailureWatch &) = delete;
    DisplayFailureWatch &operator=(const DisplayFailureWatch &) = delete;
};

// Once the application exists: a display of fewer colours than the program draws with (an 8-bit X display, where
// Qt's text cursor crashes) is refused with one line; returns the exit status then.
std::optional<int> refuseUnusableDisplay();
