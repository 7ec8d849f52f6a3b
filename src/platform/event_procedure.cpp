// SPDX-License-Identifier: MIT
#include "event_procedure.h"

#include "accessibility.h"
#include "app.h"
#include "numeric_overflow.h"
#include "runtime_error.h"

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
    box.setDetailedText(message.details);
    box.exec();
}

// An error told in words a student understands: what happened, what was kept, what to do. The value or the file it
// concerns is named as the error names it.
QString plainWords(const RuntimeError &error)
{
    QString happened;
    QString next;
    switch (error.number()) {
    case RuntimeError::Overflow:
        happened = QCoreApplication::translate(
            "Message", "A number is too large to work with, or the arithmetic on it went beyond what the program "
                       "can count.");
        // The solver has already emptied the solar-hour field, and a figure button its own box: only the answer
        // is certain not to have been written.
        next = QCoreApplication::translate(
            "Message", "No answer was written: the field it would have gone to keeps its text. Type a smaller number "
                       "and press the button again.");
        break;
    case RuntimeError::FileNotFound:
        happened = QCoreApplication::translate("Message", "The picture could not be loaded: the file is not there.");
        next = QCoreApplication::translate(
            "Message", "The picture already shown stays. Put a copy of the file in its place and try again.");
        break;
    case RuntimeError::PathFileAccessError:
    case RuntimeError::InvalidPicture:
        happened = QCoreApplication::translate("Message", "The picture could not be loaded.");
        next = QCoreApplication::translate(
            "Message", "The picture already shown stays. Put a good copy of the file in its place and try again.");
        break;
    default:
        happened = QCoreApplication::translate("Message", "Something went wrong inside the program.");
        next = QCoreApplication::translate(
            "Message", "Nothing was changed, and the program goes on. If it happens again, please report it with the "
                       "details.");
    }
    QString text = happened;
    if (!error.concerns().isEmpty())
        text += QStringLiteral("\n\n") + error.concerns();
    return text + QStringLiteral("\n\n") + next;
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
        showUserMessage({MessageKind::Error, App::TranslatedTitle(), plainWords(error), error.number(), procedureName,
                         error.message(procedureName, control)});
    };
    try {
        procedure();
    } catch (const RuntimeError &error) {
        show(error);
    } catch (const NumericOverflow &) {
        show(RuntimeError::overflow());
    } catch (const std::exception &error) {
        // A fault of the program itself: still a message, never a crash.
        show(RuntimeError(RuntimeError::InvalidProcedureCall,
                          QStringLiteral(QT_TRANSLATE_NOOP("RuntimeError", "Invalid procedure call")),
                          QString::fromLocal8Bit(error.what())));
    }
}
