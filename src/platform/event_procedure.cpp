// SPDX-License-Identifier: MIT
#include "event_procedure.h"

#include "core/runtime_error.h"

#include <QApplication>
#include <QMessageBox>

namespace {

MessageSink &messageSink()
{
    static MessageSink sink;
    return sink;
}

void showMessageBox(const UserMessage &message)
{
    QMessageBox box(message.kind == MessageKind::Error ? QMessageBox::Critical : QMessageBox::Information,
                    message.title, message.text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

} // namespace

void setMessageSink(MessageSink sink)
{
    messageSink() = std::move(sink);
}

void showUserMessage(const UserMessage &message)
{
    if (messageSink())
        messageSink()(message);
    else
        showMessageBox(message);
}

void runEventProcedure(const QString &procedureName, const std::function<void()> &procedure, const QString &control)
{
    const QString title = QCoreApplication::applicationName().isEmpty()
                              ? QStringLiteral("Dorlasco's astrolabe simulator")
                              : QCoreApplication::applicationName();
    try {
        procedure();
    } catch (const RuntimeError &error) {
        showUserMessage(
            {MessageKind::Error, title, error.message(procedureName, control), error.number(), procedureName});
    } catch (const std::exception &error) {
        // A fault of the program itself: still a message, never a crash.
        showUserMessage({MessageKind::Error, title,
                         QStringLiteral("Run-time error '%1':\n\nInvalid procedure call\n\n%2")
                             .arg(int(RuntimeError::InvalidProcedureCall))
                             .arg(QString::fromLocal8Bit(error.what())),
                         RuntimeError::InvalidProcedureCall, procedureName});
    }
}
