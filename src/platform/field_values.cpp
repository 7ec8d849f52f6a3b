// SPDX-License-Identifier: MIT
#include "field_values.h"

#include "runtime_error.h"
#include "number_rules.h"

#include <QLineEdit>

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
        const QString name = box->accessibleName().isEmpty()
                                 ? box->window()->objectName() + u'.' + box->objectName()
                                 : QStringLiteral("the field \"%1\"").arg(box->accessibleName());
        values.emplace_back(name, box->text());
    }
    throw RuntimeError::overflow(unusableValues(values));
}
