// SPDX-License-Identifier: MIT
#include "event_procedure.h"

#include "accessibility.h"
#include "app.h"
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
    const auto show = [&](const RuntimeError &error) {
        if (QWidget *window = QApplication::activeWindow())
            Accessibility::withdraw(*window);
        showUserMessage({MessageKind::Error, App::Title(), error.message(procedureName, control), error.number(),
                         procedureName});
    };
    try {
        procedure();
    } catch (const RuntimeError &error) {
        show(error);
    } catch (const std::exception &error) {
        // A fault of the program itself: still a message, never a crash.
        show(RuntimeError(RuntimeError::InvalidProcedureCall, QStringLiteral("Invalid procedure call"),
                          QString::fromLocal8Bit(error.what())));
    }
}
