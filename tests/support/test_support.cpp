// SPDX-License-Identifier: MIT
#include "test_support.h"

#include "main_window/form1.h"
#include "platform/app.h"
#include "platform/forms.h"

#include <QCoreApplication>

namespace {
int endCount = 0;
} // namespace

MessageRecorder::MessageRecorder()
{
    setMessageSink([this](const UserMessage &message) { m_messages.push_back(message); });
}

MessageRecorder::~MessageRecorder()
{
    setMessageSink({});
}

int MessageRecorder::errorCount() const
{
    return int(std::count_if(m_messages.begin(), m_messages.end(),
                             [](const UserMessage &m) { return m.kind == MessageKind::Error; }));
}

std::vector<int> MessageRecorder::errorNumbers() const
{
    std::vector<int> numbers;
    for (const UserMessage &message : m_messages) {
        if (message.kind == MessageKind::Error)
            numbers.push_back(message.errorNumber);
    }
    return numbers;
}

void resetProgramState()
{
    Forms::unloadAll();
    App::setPathForTesting({});
    Forms::setStartupForm<Form1>();
    endCount = 0;
    Forms::setOnNoFormLoaded([] { ++endCount; });
    // Windows closed by a test are deleted later: let that happen now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int programEndCount()
{
    return endCount;
}

QString builtProgramFolder()
{
    return QCoreApplication::applicationDirPath();
}
