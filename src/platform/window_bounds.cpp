// SPDX-License-Identifier: MIT
#include "window_bounds.h"

#include <QApplication>
#include <QScreen>
#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

constexpr char firstSizeProperty[] = "astrolabeFirstSize";

// The largest size a top-level window of that first size may take, or an empty size when no screen is known.
QSize windowBound(QSize firstSize)
{
    const QSize desktop = largestDesktop();
    return desktop.isEmpty() ? QSize() : desktop.expandedTo(firstSize);
}

void bound(QWidget &window)
{
    QVariant first = window.property(firstSizeProperty);
    if (!first.isValid()) {
        first = window.size();
        window.setProperty(firstSizeProperty, first);
    }
    if (const QSize largest = windowBound(first.toSize()); !largest.isEmpty())
        window.setMaximumSize(largest.expandedTo(window.minimumSize()));
}

class WindowBounds : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Polish && event->type() != QEvent::Resize)
            return false;
        auto *window = qobject_cast<QWidget *>(watched);
        if (!window || !window->isWindow())
            return false;
        if (event->type() == QEvent::Polish) {
            bound(*window);
            return false;
        }
        // Without a window manager nothing holds a window to its maximum size: the oversized resize is replaced by
        // one within bounds.
        // The widget's own size: the event may carry the window's size from before.
        const QSize size = window->size();
        if (const QSize bounded = size.boundedTo(window->maximumSize()); bounded != size) {
            window->resize(bounded);
            return true;
        }
        return false;
    }
};

} // namespace

QSize largestDesktop()
{
    QSize largest;
    for (const QScreen *screen : QGuiApplication::screens())
        largest = largest.expandedTo(screen->virtualSize());
    return largest;
}

static QMargins frameMargins(const QWidget &window)
{
    const QRect inside = window.geometry();
    const QRect frame = window.frameGeometry();
    return {inside.left() - frame.left(), inside.top() - frame.top(), frame.right() - inside.right(),
            frame.bottom() - inside.bottom()};
}

void fitOnScreen(QWidget &window, QSize wanted, const QWidget *beside)
{
    const QScreen *screen = beside ? beside->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    // Until a window is first shown its frame is not known; the window beside it has the frame it will have.
    QMargins frame = frameMargins(window);
    if (frame.isNull() && beside)
        frame = frameMargins(*beside->window());
    const QSize size = wanted.boundedTo(room.size().shrunkBy(frame)).expandedTo(window.minimumSize());
    window.resize(size);
    QRect framed(QPoint(), size.grownBy(frame));
    framed.moveCenter(room.center());
    // A window larger than the screen even at its smallest shows its upper-left corner, with the title bar.
    framed.moveTopLeft(QPoint(std::max(framed.left(), room.left()), std::max(framed.top(), room.top())));
    window.move(framed.topLeft());
}

void holdToDesktopOnly(QWidget &window)
{
    window.setProperty(firstSizeProperty, QSize(0, 0));
    bound(window);
}

void holdWindowsToScreens()
{
    static WindowBounds *filter = nullptr;
    if (filter || !qApp)
        return;
    filter = new WindowBounds(qApp);
    qApp->installEventFilter(filter);
    const auto boundAll = [] {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->property(firstSizeProperty).isValid())
                bound(*window);
        }
    };
    QObject::connect(qApp, &QGuiApplication::screenAdded, filter, boundAll);
    QObject::connect(qApp, &QGuiApplication::screenRemoved, filter, boundAll);
}

void bringToFront(QWidget &window)
{
    window.show();
    window.raise();
    window.activateWindow();
}

QPoint placedInside(const QRect &frame, const QRect &area)
{
    return QPoint(std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width())),
                  std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height())));
}

QRect frameOf(const QWidget &window)
{
    // The widget's own frame is the one of its last move or resize, which a window manager's framing need not bring.
    const QWindow *handle = window.windowHandle();
    return handle ? handle->frameGeometry() : window.frameGeometry();
}

void moveFrameTo(QWidget &window, QPoint topLeft, const QWidget *framedLike)
{
    QWindow *handle = window.windowHandle();
    if (!handle) {
        window.move(topLeft);
        return;
    }
    // The inside is moved, below and right of the frame: under X11 a position that includes the frame is taken for
    // the inside's while the window is not framed, and the window manager then puts the title bar above it.
    QMargins frame = handle->frameMargins();
    if (frame.isNull() && framedLike && framedLike->windowHandle())
        frame = framedLike->windowHandle()->frameMargins();
    handle->setPosition(topLeft + QPoint(frame.left(), frame.top()));
}
