// SPDX-License-Identifier: MIT
#include "runtime_error.h"

#include <QCoreApplication>
#include <QStringList>

#include <iterator>

RuntimeError::RuntimeError(int number, QString description, QString concerns)
    : std::runtime_error(description.toStdString()), m_number(number), m_description(std::move(description)),
      m_concerns(std::move(concerns))
{}

RuntimeError RuntimeError::overflow(QString concerns)
{
    return RuntimeError(Overflow, QStringLiteral(QT_TRANSLATE_NOOP("RuntimeError", "Overflow")), std::move(concerns));
}

QString RuntimeError::message(const QString &procedure, const QString &control) const
{
    // The description is kept in English, the error's own name; the details show it in the user's language.
    const QString description = QCoreApplication::translate("RuntimeError", m_description.toUtf8().constData());
    //: The first lines of a message's details: %1 is the error's number, %2 its name, such as "Overflow".
    QString text =
        QCoreApplication::translate("RuntimeError", "Run-time error '%1':\n\n%2").arg(m_number).arg(description);
    if (!m_concerns.isEmpty())
        text += QStringLiteral("\n\n") + m_concerns;
    if (!procedure.isEmpty() && control.isEmpty()) {
        //: The last line of a message's details: %1 is the procedure, such as Form1.Form_Load, a name in the code.
        text += QStringLiteral("\n\n") + QCoreApplication::translate("RuntimeError", "Stopped in %1.").arg(procedure);
    } else if (!procedure.isEmpty()) {
        //: The last line of a message's details: %1 is the procedure, such as Form1.Command1_Click, a name in the
        //: code; %2 is the caption of the button that was pressed.
        text +=
            QStringLiteral("\n\n")
            + QCoreApplication::translate("RuntimeError", "Stopped in %1 (the button \"%2\").").arg(procedure, control);
    }
    return text;
}

QString unusableValues(const std::vector<std::pair<QString, QString>> &namesAndTexts)
{
    // Enough of a text to recognise it; a field may hold thousands of characters.
    constexpr qsizetype shown = 24;
    // One sentence for each count of fields, so that a language can order and inflect it as a whole.
    //: %1 is a field's caption, %2 the start of what it holds. One sentence of a message.
    static const char *const sentences[] = {
        QT_TRANSLATE_NOOP("RuntimeError", "The value of the field \"%1\", \"%2\" could not be used."),
        //: %1 and %3 are fields' captions, %2 and %4 the start of what each holds.
        QT_TRANSLATE_NOOP("RuntimeError",
                          "The values of the field \"%1\", \"%2\" and the field \"%3\", \"%4\" could not be used."),
        //: %1, %3 and %5 are fields' captions, %2, %4 and %6 the start of what each holds.
        QT_TRANSLATE_NOOP("RuntimeError", "The values of the field \"%1\", \"%2\" and the field \"%3\", \"%4\" and "
                                          "the field \"%5\", \"%6\" could not be used."),
    };
    if (namesAndTexts.empty() || namesAndTexts.size() > std::size(sentences))
        return {};
    QStringList arguments;
    for (const auto &[name, value] : namesAndTexts)
        arguments << name << (value.size() > shown ? value.left(shown) + QChar(0x2026) : value);
    // All at once: a value that holds "%3" stays as it was typed.
    const QString text = QCoreApplication::translate("RuntimeError", sentences[namesAndTexts.size() - 1]);
    switch (arguments.size()) {
    case 2:
        return text.arg(arguments[0], arguments[1]);
    case 4:
        return text.arg(arguments[0], arguments[1], arguments[2], arguments[3]);
    default:
        return text.arg(arguments[0], arguments[1], arguments[2], arguments[3], arguments[4], arguments[5]);
    }
}
