// SPDX-License-Identifier: MIT
#include "runtime_error.h"

#include <cmath>

RuntimeError::RuntimeError(int number, QString description, QString concerns)
    : std::runtime_error(description.toStdString()),
      m_number(number),
      m_description(std::move(description)),
      m_concerns(std::move(concerns))
{
}

QString RuntimeError::message() const
{
    QString text = QStringLiteral("Run-time error '%1':\n\n%2").arg(m_number).arg(m_description);
    if (!m_concerns.isEmpty())
        text += QStringLiteral("\n\n%1").arg(m_concerns);
    return text;
}

void raiseOverflow(const QString &concerns)
{
    throw RuntimeError(RuntimeError::Overflow, QStringLiteral("Overflow"), concerns);
}

void checkFloatingPoint(std::initializer_list<double> results)
{
    for (double value : results) {
        if (!std::isfinite(value))
            raiseOverflow();
    }
}
