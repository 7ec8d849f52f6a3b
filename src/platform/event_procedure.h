// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>

class RuntimeError;

// Every event procedure runs through runEventProcedure: a runtime error stops the procedure where it was raised,
// the user reads what happened, and the program goes on. The control, when given, says whose event it was.
void runEventProcedure(const QString &procedureName, const std::function<void()> &procedure,
                       const QString &control = {});

enum class MessageKind { Error, Information };

struct UserMessage {
    MessageKind kind;
    QString title;
    QString text;
    int errorNumber = 0; // for errors
    QString procedure = {}; // the event procedure the error stopped
    QString details = {}; // for errors: the error's number and text and the procedure, behind "Show Details…"
};

// Shows a message to the user: a modal message box unless a test has put a recorder in its place.
void showUserMessage(const UserMessage &message);

using MessageSink = std::function<void(const UserMessage &)>;
// Replaces the message box (tests record instead of blocking); an empty sink restores the message box.
void setMessageSink(MessageSink sink);
