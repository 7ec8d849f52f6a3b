// SPDX-License-Identifier: MIT
#include "field_values.h"

#include "runtime_error.h"
#include "number_rules.h"

#include "accessibility.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QRegularExpression>
#include <QToolTip>

#include <vector>

void raiseNamingValues(std::initializer_list<const QLineEdit *> boxes)
{
    std::vector<const QLineEdit *> unusable;
    for (const QLineEdit *box : boxes) {
        try {
            readNumber(box->text());
        } catch (const NumericOverflow &) {
            unusable = {box};
            break;
        }
        if (!box->text().isEmpty())
            unusable.push_back(box);
    }
    std::vector<std::pair<QString, QString>> values;
    for (const QLineEdit *box : unusable) {
        // The field as the user sees it, by its caption; the control's name only where it has none.
        const QString name = box->accessibleName().isEmpty() ? box->window()->objectName() + u'.' + box->objectName()
                                                             : box->accessibleName();
        values.emplace_back(name, box->text());
    }
    throw RuntimeError::overflow(unusableValues(values));
}

QString tellDecimalComma(std::initializer_list<const QLineEdit *> boxes, QWidget &pressed, const QString &result)
{
    // The number as the solver reads it, then a comma and a digit: a decimal written the Italian way.
    static const QRegularExpression commaDecimal(QStringLiteral("^[ \\t]*([+-]?[0-9]+),([0-9]+)"));
    for (const QLineEdit *box : boxes) {
        const QRegularExpressionMatch match = commaDecimal.match(box->text());
        if (!match.hasMatch())
            continue;
        const QString read = match.captured(1);
        //: Told when a field's number was followed by a comma: %1 is the field's caption, %2 the number read,
        //: %3 what follows it, such as ",5", %4 the same number written with a full stop, such as 30.5. Shown
        //: as a tooltip at the field and told to a screen reader after the result.
        const QString note =
            QCoreApplication::translate("FieldValues", "In \"%1\" only %2 was read: %3 was not. Write decimals "
                                                       "with a full stop, such as %4.")
                .arg(box->accessibleName(), read, u',' + match.captured(2), read + u'.' + match.captured(2));
        QToolTip::showText(box->mapToGlobal(QPoint(0, box->height())), note, const_cast<QLineEdit *>(box));
        //: Told to a screen reader: %1 is the result, such as "Moon 325", %2 the note about the decimal comma.
        Accessibility::announce(pressed, QCoreApplication::translate("FieldValues", "%1. %2").arg(result, note));
        return note;
    }
    return {};
}
