// SPDX-License-Identifier: MIT
#pragma once

#include "platform/event_procedure.h"

#include <QString>
#include <QStringList>

#include <vector>

// Records what the program would show in message boxes, so nothing modal blocks a test. Restores the message box
// when it goes.
class MessageRecorder
{
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;

    const std::vector<UserMessage> &messages() const { return m_messages; }
    int errorCount() const;
    // The error numbers recorded, in order.
    std::vector<int> errorNumbers() const;
    void clear() { m_messages.clear(); }

private:
    std::vector<UserMessage> m_messages;
};

// A clean program state between tests: every window unloaded, the program folder back at the test's own folder
// (where the build puts the plate picture), and the end of the program recorded instead of quitting.
void resetProgramState();
// How many times the program would have ended since the last reset.
int programEndCount();

// The folder with the plate picture that the build made.
QString builtProgramFolder();
