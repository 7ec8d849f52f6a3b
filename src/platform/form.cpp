// SPDX-License-Identifier: MIT
#include "form.h"

#include "accessibility.h"
#include "app.h"
#include "controls.h"
#include "event_procedure.h"
#include "form_builder.h"
#include "forms.h"
#include "picture_file.h"
#include "runtime_error.h"
#include "standard_keys.h"
#include "window_bounds.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace {

void installDesignFont()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    // The layout was drawn for MS Sans Serif; Liberation Sans has close metrics and is installed with the program.
    QFont::insertSubstitutions(
        QStringLiteral("MS Sans Serif"),
        {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    // The design face everywhere, message boxes and tooltips included: the desktop's own face would be one more
    // font file to open and one more font to rasterize at start.
    QApplication::setFont(fontFromDesign(FontDesign{}));
}

Qt::PenStyle penStyle(int drawStyle)
{
    static constexpr Qt::PenStyle styles[] = {Qt::SolidLine,      Qt::DashLine, Qt::DotLine,  Qt::DashDotLine,
                                              Qt::DashDotDotLine, Qt::NoPen,    Qt::SolidLine};
    return styles[drawStyle];
}

[[noreturn]] void raiseNoSuchControl(const QString &form, QStringView control)
{
    throw RuntimeError(RuntimeError::ObjectRequired,
                       QStringLiteral(QT_TRANSLATE_NOOP("RuntimeError", "Object required")),
                       form + u'.' + control.toString());
}

} // namespace

Form::Form(FormDesign design) : m_design(std::move(design))
{
    installDesignFont();
    Accessibility::install();
    setObjectName(m_design.name);
    setWindowTitle(shownText(m_design, m_design.caption));
    setWindowIcon(App::Icon());
    setFont(fontFromDesign(FontDesign{}));
    // The layout is fixed design data, left to right whatever the application's direction (Qt's -reverse).
    setLayoutDirection(Qt::LeftToRight);

    m_area = new QScrollArea(this);
    m_area->setFrameShape(QFrame::NoFrame);
    m_area->setFocusPolicy(Qt::NoFocus);
    // The canvas fills the window when the window is the larger, so what is drawn there stays in sight.
    m_area->setWidgetResizable(true);
    m_canvas = new FormCanvas(m_design, this);
    m_area->setWidget(m_canvas);
    if (QWidget *first = m_canvas->firstInTabOrder())
        first->setFocus();
    for (const auto &[name, widget] : m_canvas->widgets())
        widget->installEventFilter(this);

    m_frameWait.setInterval(50);
    connect(&m_frameWait, &QTimer::timeout, this, [this] {
        if (!isVisible() || !m_watchedHandle || ++m_frameChecks >= 40)
            m_frameWait.stop();
        else if (!m_watchedHandle->frameMargins().isNull()) {
            m_frameWait.stop();
            framed();
        }
    });

    resize(designedSize(m_design));
    // Larger than the screens can show, a window would only cost memory: Qt keeps a backing image of its size. What
    // does not fit scrolls, so the window may be made smaller than its content.
    holdWindowsToScreens();
    holdToDesktopOnly(*this);
    addZoomActions();
    // On a small screen, or with large text or scaling, the window takes the room there is and scrolls.
    if (const QSize room = roomOnScreen(); !room.isEmpty())
        resize(size().boundedTo(room));
    fitScrollArea();
}

void Form::bringToFront()
{
    ::bringToFront(*this);
}

QWidget &Form::windowedControl(QStringView controlName) const
{
    if (QWidget *widget = m_canvas->widget(controlName))
        return *widget;
    raiseNoSuchControl(m_design.name, controlName);
}

QLineEdit &Form::textBox(QStringView controlName) const
{
    if (auto *box = qobject_cast<QLineEdit *>(&windowedControl(controlName)))
        return *box;
    raiseNoSuchControl(m_design.name, controlName);
}

QAbstractButton &Form::button(QStringView controlName) const
{
    if (auto *button = qobject_cast<QAbstractButton *>(&windowedControl(controlName)))
        return *button;
    raiseNoSuchControl(m_design.name, controlName);
}

void Form::setPicture(QStringView imageName, const QImage &picture)
{
    if (!m_canvas->setPicture(imageName, picture))
        raiseNoSuchControl(m_design.name, imageName);
}

void Form::loadPicture(QStringView imageName, const QString &path)
{
    const QSize box = m_canvas->imageDeviceSize(imageName);
    if (box.isEmpty())
        raiseNoSuchControl(m_design.name, imageName);
    setPicture(imageName, LoadPicture(path, box));
}

void Form::connectClick(QStringView controlName, std::function<void()> handler)
{
    auto *button = qobject_cast<QAbstractButton *>(&windowedControl(controlName));
    if (!button)
        raiseNoSuchControl(m_design.name, controlName);
    const QString procedureName = m_design.name + u'.' + controlName.toString() + QStringLiteral("_Click");
    // The button's caption names it in a message; a picture box has none.
    const QString whose = button->text().simplified();
    connect(button, &QAbstractButton::clicked, this,
            [procedureName, handler = std::move(handler), whose] { runEventProcedure(procedureName, handler, whose); });
}

void Form::runFormLoad()
{
    runEventProcedure(m_design.name + QStringLiteral(".Form_Load"), [this] { Form_Load(); });
}

void Form::setDrawStyle(int style)
{
    if (style < 0 || style > 6)
        throw RuntimeError(RuntimeError::InvalidProcedureCall,
                           QStringLiteral(QT_TRANSLATE_NOOP("RuntimeError", "Invalid property value")),
                           m_design.name + QStringLiteral(".DrawStyle"));
    m_drawStyle = style;
}

void Form::Line(float x1, float y1, float x2, float y2, const QColor &color)
{
    DrawingOperation line;
    line.kind = DrawingOperation::Kind::Line;
    line.x1 = x1, line.y1 = y1, line.x2 = x2, line.y2 = y2;
    line.colour = color.rgba();
    draw(line);
}

void Form::Circle(float x, float y, float radius, std::optional<float> start, std::optional<float> end)
{
    DrawingOperation circle;
    circle.kind = DrawingOperation::Kind::Circle;
    circle.x1 = x, circle.y1 = y, circle.radius = radius, circle.start = start, circle.end = end;
    circle.colour = palette().color(QPalette::WindowText).rgba();
    draw(circle);
}

void Form::draw(DrawingOperation operation)
{
    operation.style = penStyle(m_drawStyle);
    m_canvas->draw(operation);
}

void Form::paintFigure(QPainter &painter, qreal scale) const
{
    const QColor text = palette().color(QPalette::WindowText);
    for (const ControlDesign &control : m_design.controls) {
        if (control.kind == ControlKind::Line)
            paintLineControl(painter, control, text, scale);
    }
    drawing().replay(painter, scale);
}

void Form::closeEvent(QCloseEvent *event)
{
    event->accept();
    Forms::unload(this);
}

void Form::showEvent(QShowEvent *event)
{
    m_seen = true;
    // A window manager frames a window after it is shown, by its first exposure or a little later.
    m_awaitingFrame = true;
    if (QWindow *handle = windowHandle(); handle && handle != m_watchedHandle) {
        handle->installEventFilter(this);
        m_watchedHandle = handle;
    }
    QWidget::showEvent(event);
}

void Form::framed()
{
    keepOnScreen();
}

void Form::awaitFrame()
{
    framed();
    // A window manager may frame the window a little after its first exposure; without one it never is.
    m_frameChecks = 0;
    if (m_watchedHandle->frameMargins().isNull())
        m_frameWait.start();
}

void Form::resizeEvent(QResizeEvent *event)
{
    fitScrollArea();
    QWidget::resizeEvent(event);
}

void Form::fitScrollArea()
{
    m_area->setGeometry(rect());
    // The scroll area shows and hides its bars in a queued call; done at once, the window is whole as soon as it is
    // resized or zoomed, and the next paint or focus move already sees the bars it will have.
    QCoreApplication::sendPostedEvents(m_area, QEvent::MetaCall);
}

bool Form::eventFilter(QObject *watched, QEvent *event)
{
    if (m_watchedHandle && watched == m_watchedHandle) {
        if (event->type() == QEvent::Expose && m_awaitingFrame && m_watchedHandle->isExposed()) {
            m_awaitingFrame = false;
            awaitFrame();
        }
        return QWidget::eventFilter(watched, event);
    }
    // The keyboard's focus brings its control into sight; a click leaves the window where the user has it.
    if (event->type() == QEvent::FocusIn && static_cast<QFocusEvent *>(event)->reason() != Qt::MouseFocusReason)
        bringIntoSight(*static_cast<QWidget *>(watched));
    return QWidget::eventFilter(watched, event);
}

void Form::bringIntoSight(const QWidget &control)
{
    // The whole control, where the scroll area's own ensureWidgetVisible would show only a text box's cursor.
    const QRect place(control.mapTo(m_canvas, QPoint(0, 0)), control.size());
    const QSize view = m_area->viewport()->size();
    const auto reach = [](QScrollBar *bar, int start, int length, int visible) {
        int from = bar->value();
        if (start + length > from + visible)
            from = start + length - visible;
        bar->setValue(std::min(from, start));
    };
    reach(m_area->horizontalScrollBar(), place.x(), place.width(), view.width());
    reach(m_area->verticalScrollBar(), place.y(), place.height(), view.height());
}

void Form::addZoomActions()
{
    const auto add = [this](const QString &text, QList<QKeySequence> keys, auto zoomTo) {
        auto *action = new QAction(text, this);
        action->setShortcuts(keys);
        action->setShortcutVisibleInContextMenu(true);
        connect(action, &QAction::triggered, this, zoomTo);
        addAction(action);
        m_zoomActions.append(action);
    };
    add(tr("Zoom &In"), zoomInKeys(), [this] { zoomAndTell(zoom() + ZoomStep); });
    add(tr("Zoom &Out"), distinctKeys(QKeySequence::keyBindings(QKeySequence::ZoomOut)),
        [this] { zoomAndTell(zoom() - ZoomStep); });
    add(tr("&Actual Size"), {QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { zoomAndTell(NormalZoom); });
}

void Form::zoomAndTell(int percent)
{
    setZoom(percent);
    //: Told to a screen reader after Ctrl+plus, Ctrl+minus or Ctrl+0; %1 is the window's zoom in percent, as 150.
    Accessibility::announce(*this, tr("Zoom %1%").arg(zoom()));
}

QPoint Form::scrollOffset() const
{
    return QPoint(m_area->horizontalScrollBar()->value(), m_area->verticalScrollBar()->value());
}

void Form::setZoom(int percent)
{
    percent = std::clamp(percent, int(NormalZoom), int(MaximumZoom));
    percent -= (percent - NormalZoom) % ZoomStep;
    if (percent == zoom())
        return;
    // What was at the window's upper-left corner stays there, as far as the scroll allows.
    const QPoint corner = (QPointF(scrollOffset()) * percent / zoom()).toPoint();
    m_canvas->setZoom(percent);
    QSize wanted = m_canvas->contentSize();
    if (const QSize room = roomOnScreen(); !room.isEmpty())
        wanted = wanted.boundedTo(room);
    resize(wanted);
    fitScrollArea();
    keepOnScreen();
    const int step = int(std::lround(20 * percent / qreal(NormalZoom)));
    for (QScrollBar *bar : {m_area->horizontalScrollBar(), m_area->verticalScrollBar()})
        bar->setSingleStep(step);
    m_area->horizontalScrollBar()->setValue(corner.x());
    m_area->verticalScrollBar()->setValue(corner.y());
    // Whoever zooms from the keyboard keeps sight of the control they were typing into.
    if (QWidget *focused = focusWidget(); focused && m_canvas->isAncestorOf(focused))
        bringIntoSight(*focused);
}

QSize Form::roomOnScreen() const
{
    QSize room = largestDesktop();
    if (const QScreen *own = screen(); own && !room.isEmpty())
        room = room.boundedTo(own->availableGeometry().size());
    if (isVisible())
        room -= frameOf(*this).size() - size();
    return room;
}

void Form::keepOnScreen()
{
    const QScreen *own = screen();
    if (!isVisible() || !own)
        return;
    const QRect available = own->availableGeometry();
    // What the smaller window cannot show scrolls.
    if (const QSize room = roomOnScreen(); !room.isEmpty() && size().boundedTo(room) != size())
        resize(size().boundedTo(room));
    const QRect frame = frameOf(*this);
    if (const QPoint place = placedInside(frame, available); place != frame.topLeft())
        moveFrameTo(*this, place);
}
