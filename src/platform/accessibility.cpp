// SPDX-License-Identifier: MIT
#include "accessibility.h"

#include "controls.h"
#include "form.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QVariant>

namespace {

// The description a control had before any announcement: the one its design gave it.
constexpr const char *OwnDescription = "astrolabeOwnDescription";

// An invisible child of a window whose only work is to be shown with the words to tell: a screen reader speaks a
// notification as it appears, wherever the focus is.
class Announcer : public QWidget
{
    Q_OBJECT
public:
    explicit Announcer(QWidget *window) : QWidget(window)
    {
        setObjectName(QStringLiteral("announcer"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(0, 0, 1, 1);
    }
};

class AnnouncerAccessible : public QAccessibleWidget
{
public:
    explicit AnnouncerAccessible(QWidget *widget) : QAccessibleWidget(widget, QAccessible::Notification) {}
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
    if (qobject_cast<Announcer *>(widget))
        return new AnnouncerAccessible(widget);
    return nullptr;
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

void announce(const QWidget &pressed, const QString &words)
{
    QWidget *window = pressed.window();
    auto *announcer = window->findChild<Announcer *>(QString(), Qt::FindDirectChildrenOnly);
    if (!announcer)
        announcer = new Announcer(window);
    // Shown again each time, so that the same words said twice are heard twice.
    announcer->hide();
    announcer->setAccessibleName(words);
    announcer->show();
}

QString lastAnnouncement(const QWidget &window)
{
    const auto *announcer = window.findChild<Announcer *>(QString(), Qt::FindDirectChildrenOnly);
    return announcer && announcer->isVisible() ? announcer->accessibleName() : QString();
}

void withdraw(QWidget &window)
{
    if (auto *announcer = window.findChild<Announcer *>(QString(), Qt::FindDirectChildrenOnly))
        announcer->hide();
}

} // namespace Accessibility

#include "accessibility.moc"
