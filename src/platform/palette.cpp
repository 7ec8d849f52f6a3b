// SPDX-License-Identifier: MIT
#include "palette.h"

#include "runtime_error.h"

QColor QBColor(int n)
{
    static const QRgb palette[16] = {
        qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
        qRgb(128, 0, 0),     qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),
        qRgb(255, 0, 0),     qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 255, 255),
    };
    if (n < 0 || n > 15)
        throw RuntimeError(RuntimeError::InvalidProcedureCall, QStringLiteral("Invalid procedure call or argument"),
                           QStringLiteral("QBColor(%1)").arg(n));
    return QColor(palette[n]);
}
