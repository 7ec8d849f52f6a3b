// SPDX-License-Identifier: MIT
#include "accessibility.h"

#include "controls.h"
#include "form.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QPointer>
#include <QVariant>

namespace {

// The description a control had before any announcement: the one its design gave it.
constexpr const char *OwnDescription = "astrolabeOwnDescription";

// A box that does something when pressed, to a screen reader a button with a press action.
class PressableBox : public QAccessibleWidget
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    QStringList actionNames() const override
    {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &action) override
    {
        if (action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        if (auto *picture = qobject_cast<PictureBox *>(widget()))
            emit picture->clicked();
        else if (auto *presentation = qobject_cast<PresentationBox *>(widget()))
            presentation->openDocument();
    }
};

QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    // Asked once per class from the most derived up: the first answer holds.
    if (className != QLatin1StringView(object->metaObject()->className()))
        return nullptr;
    if (qobject_cast<Form *>(widget) && widget->isWindow())
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (qobject_cast<PictureBox *>(widget) || qobject_cast<PresentationBox *>(widget))
        return new PressableBox(widget, QAccessible::Button);
    return nullptr;
}

void setDescription(QWidget &control, const QString &description)
{
    // Cleared first, so the same words said twice are still a change.
    control.setAccessibleDescription(QString());
    control.setAccessibleDescription(description);
}

QPointer<QWidget> &lastAnnounced()
{
    static QPointer<QWidget> control;
    return control;
}

} // namespace

namespace Accessibility {

void install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(accessibleFor);
}

void announce(QWidget &pressed, const QString &words)
{
    QWidget *focus = QApplication::focusWidget();
    QWidget &control = focus && focus->window() == pressed.window() ? *focus : pressed;
    if (!control.property(OwnDescription).isValid())
        control.setProperty(OwnDescription, control.accessibleDescription());
    if (lastAnnounced() != &control)
        withdraw();
    const QString own = control.property(OwnDescription).toString();
    setDescription(control, own.isEmpty() ? words : words + QStringLiteral(". ") + own);
    lastAnnounced() = &control;
}

void withdraw()
{
    QWidget *control = lastAnnounced();
    if (!control)
        return;
    lastAnnounced() = nullptr;
    control->setAccessibleDescription(control->property(OwnDescription).toString());
}

} // namespace Accessibility
