// SPDX-License-Identifier: MIT
#include "runtime_error.h"

#include <QStringList>

RuntimeError::RuntimeError(int number, QString description, QString concerns)
    : std::runtime_error(description.toStdString()), m_number(number), m_description(std::move(description)),
      m_concerns(std::move(concerns))
{}

RuntimeError RuntimeError::overflow(QString concerns)
{
    return RuntimeError(Overflow, QStringLiteral("Overflow"), std::move(concerns));
}

QString RuntimeError::message(const QString &procedure, const QString &control) const
{
    QString text = QStringLiteral("Run-time error '%1':\n\n%2").arg(m_number).arg(m_description);
    if (!m_concerns.isEmpty())
        text += QStringLiteral("\n\n%1").arg(m_concerns);
    if (!procedure.isEmpty()) {
        text += QStringLiteral("\n\nStopped in %1").arg(procedure);
        if (!control.isEmpty())
            text += QStringLiteral(" (%1)").arg(control);
        text += u'.';
    }
    return text;
}

QString unusableValues(const std::vector<std::pair<QString, QString>> &namesAndTexts)
{
    // Enough of a text to recognise it; a field may hold thousands of characters.
    constexpr qsizetype shown = 24;
    QStringList values;
    for (const auto &[name, text] : namesAndTexts) {
        const QString start = text.size() > shown ? text.left(shown) + QChar(0x2026) : text;
        values << QStringLiteral("%1, \"%2\"").arg(name, start);
    }
    return (values.size() == 1 ? QStringLiteral("The value of %1 could not be used.")
                               : QStringLiteral("The values of %1 could not be used."))
        .arg(values.join(QStringLiteral(" and ")));
}
