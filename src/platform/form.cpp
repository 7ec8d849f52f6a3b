// SPDX-License-Identifier: MIT
#include "form.h"

#include "accessibility.h"
#include "app.h"
#include "controls.h"
#include "event_procedure.h"
#include "forms.h"
#include "picture_file.h"
#include "text_box.h"
#include "window_bounds.h"
#include "runtime_error.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>

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

// The pen of every line the forms layer draws: line controls and figures alike end where they are told to.
QPen linePen(const QColor &color, int width, Qt::PenStyle style = Qt::SolidLine)
{
    QPen pen(color, width, style);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

Qt::PenStyle penStyle(int drawStyle)
{
    static constexpr Qt::PenStyle styles[] = {Qt::SolidLine,      Qt::DashLine, Qt::DotLine,  Qt::DashDotLine,
                                              Qt::DashDotDotLine, Qt::NoPen,    Qt::SolidLine};
    return styles[drawStyle];
}

// Until a window is first shown it has no native window, and Qt answers with the largest ratio of all screens; the
// screen it opens on is the better guess for what is drawn and scaled while it loads.
qreal deviceRatioOf(const QWidget &window)
{
    if (!window.windowHandle()) {
        if (const QScreen *screen = window.screen())
            return screen->devicePixelRatio();
    }
    return window.devicePixelRatioF();
}

// A label's caption as a screen reader should say it: the designer's runs of blanks are only layout.
QString spokenCaption(const FormDesign &form, const QString &labelName)
{
    for (const ControlDesign &control : form.controls) {
        if (control.name == labelName)
            return control.caption.simplified();
    }
    Q_ASSERT_X(false, "spokenCaption", "the design table names a label it does not have");
    return {};
}

[[noreturn]] void raiseNoSuchControl(const QString &form, QStringView control)
{
    throw RuntimeError(RuntimeError::ObjectRequired, QStringLiteral("Object required"),
                       form + u'.' + control.toString());
}

} // namespace

QFont fontFromDesign(const FontDesign &design)
{
    QFont font(design.face);
    font.setPointSizeF(design.points);
    font.setBold(design.bold);
    font.setItalic(design.italic);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

Form::Form(FormDesign design) : m_design(std::move(design)), m_record(m_design.unitTwipsX, m_design.unitTwipsY)
{
    installDesignFont();
    Accessibility::install();
    setObjectName(m_design.name);
    setWindowTitle(m_design.caption);
    setWindowIcon(App::Icon());
    setAttribute(Qt::WA_StaticContents);
    setFont(fontFromDesign(FontDesign{}));
    // The layout is fixed design data, left to right whatever the application's direction (Qt's -reverse).
    setLayoutDirection(Qt::LeftToRight);
    resize(designedSize(m_design));
    // Larger than the screens can show, a window would only cost memory: Qt keeps a backing image of its size. What
    // does not fit scrolls, so the window may be made smaller than its content.
    holdWindowsToScreens();
    holdToDesktopOnly(*this);

    // Labels and windowed controls are child widgets, made in the order a reader meets them on the screen (top to
    // bottom, then left to right), which is also the order a screen reader walks them in. Images and lines are
    // painted by the window, beneath what is drawn.
    std::vector<const ControlDesign *> widgets;
    for (const ControlDesign &control : m_design.controls) {
        if (control.kind == ControlKind::Image || control.kind == ControlKind::Line)
            m_painted.push_back({&control, twipsToPixels(control.box)});
        else
            widgets.push_back(&control);
    }
    std::stable_sort(widgets.begin(), widgets.end(), [](const ControlDesign *a, const ControlDesign *b) {
        return std::pair(a->box.top(), a->box.left()) < std::pair(b->box.top(), b->box.left());
    });

    std::vector<std::pair<int, QWidget *>> tabOrder;
    for (const ControlDesign *control : widgets) {
        QWidget *widget = control->kind == ControlKind::Label ? createLabel(*control) : createWindowedControl(*control);
        m_windowed.emplace_back(control->name, widget);
        if (control->tabIndex >= 0 && widget->focusPolicy() & Qt::TabFocus)
            tabOrder.emplace_back(control->tabIndex, widget);
    }
    keepLabelsUnderWindowedControls();
    for (const ControlDesign &control : m_design.controls) {
        if (!control.labelledBy.isEmpty() && control.kind == ControlKind::TextBox) {
            auto *label = qobject_cast<QLabel *>(&windowedControl(control.labelledBy));
            if (label && !label->buddy())
                label->setBuddy(&windowedControl(control.name));
        }
    }

    std::stable_sort(tabOrder.begin(), tabOrder.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    for (size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    if (!tabOrder.empty())
        tabOrder.front().second->setFocus();

    for (const auto &[name, widget] : m_windowed) {
        m_placed.push_back({widget, widget->geometry(), widget->font()});
        widget->installEventFilter(this);
    }
    addZoomActions();
    // On a small screen, or with large text or scaling, the window takes the room there is and scrolls.
    if (const QSize room = roomOnScreen(); !room.isEmpty())
        resize(size().boundedTo(room));
    layOut();
}

QWidget *Form::createLabel(const ControlDesign &control)
{
    auto *label = new QLabel(control.caption, this);
    label->setObjectName(control.name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setGeometry(twipsToPixels(control.box));
    label->setFont(fontFromDesign(control.font));
    if (control.color.isValid()) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, control.color);
        label->setPalette(palette);
    }
    if (const QString spoken = control.caption.simplified(); spoken != control.caption)
        label->setAccessibleName(spoken);
    return label;
}

// A label that a windowed control covers in part stays beneath it, as the design draws it.
void Form::keepLabelsUnderWindowedControls()
{
    for (auto it = m_windowed.begin(); it != m_windowed.end(); ++it) {
        QWidget *label = it->second;
        if (!qobject_cast<QLabel *>(label))
            continue;
        for (auto earlier = m_windowed.begin(); earlier != it; ++earlier) {
            QWidget *control = earlier->second;
            if (!qobject_cast<QLabel *>(control) && control->geometry().intersects(label->geometry())) {
                label->stackUnder(control);
                break;
            }
        }
    }
}

QWidget *Form::createWindowedControl(const ControlDesign &control)
{
    QWidget *widget = nullptr;
    switch (control.kind) {
    case ControlKind::TextBox: {
        auto *box = new TextBox(control.caption, this);
        if (m_design.maxFieldLength > 0)
            box->setMaxLength(m_design.maxFieldLength);
        widget = box;
        break;
    }
    case ControlKind::CommandButton: {
        auto *button = new CaptionButton(control.caption, this);
        button->setAutoDefault(false);
        widget = button;
        break;
    }
    case ControlKind::PictureBox:
        widget = new PictureBox(this);
        break;
    case ControlKind::PresentationBox:
        widget = new PresentationBox(control.objectClass, control.document, this);
        break;
    default:
        Q_UNREACHABLE();
    }
    widget->setObjectName(control.name);
    if (!control.accessibleName.isEmpty())
        widget->setAccessibleName(control.accessibleName);
    else if (!control.labelledBy.isEmpty())
        widget->setAccessibleName(spokenCaption(m_design, control.labelledBy));
    else if (control.kind == ControlKind::CommandButton)
        widget->setAccessibleName(control.caption.simplified());
    if (!control.describedBy.isEmpty())
        widget->setAccessibleDescription(spokenCaption(m_design, control.describedBy));
    widget->setGeometry(twipsToPixels(control.box));
    widget->setFont(fontFromDesign(control.font));
    if (control.color.isValid()) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Text, control.color);
        palette.setColor(QPalette::ButtonText, control.color);
        palette.setColor(QPalette::WindowText, control.color);
        widget->setPalette(palette);
    }
    return widget;
}

void Form::bringToFront()
{
    show();
    raise();
    activateWindow();
}

QWidget &Form::windowedControl(QStringView controlName) const
{
    for (const auto &[name, widget] : m_windowed) {
        if (name == controlName)
            return *widget;
    }
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

const Form::PaintedControl *Form::findPaintedControl(QStringView controlName) const
{
    for (const PaintedControl &control : m_painted) {
        if (control.design->name == controlName)
            return &control;
    }
    return nullptr;
}

Form::PaintedControl &Form::paintedControl(QStringView controlName, ControlKind kind)
{
    auto *control = const_cast<PaintedControl *>(findPaintedControl(controlName));
    if (!control || control->design->kind != kind)
        raiseNoSuchControl(m_design.name, controlName);
    return *control;
}

void Form::setPicture(QStringView imageName, const QImage &picture)
{
    PaintedControl &image = paintedControl(imageName, ControlKind::Image);
    image.pictureKey = picture.cacheKey();
    // Scaled once here and at each zoom rather than at every repaint. The picture is kept for the zoom, but no
    // larger than the largest zoom needs.
    const QSize largest = image.rect.size() * (MaximumZoom / NormalZoom) * deviceRatioOf(*this);
    image.picture = picture.width() > largest.width() || picture.height() > largest.height()
                        ? picture.scaled(largest, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                        : picture;
    image.normalPicture = scaledPixmap(picture, image.rect.size());
    scalePicture(image);
    update(onWindow(image.rect));
}

QPixmap Form::scaledPixmap(const QImage &picture, QSize logicalSize) const
{
    const qreal ratio = deviceRatioOf(*this);
    QPixmap scaled =
        QPixmap::fromImage(picture.scaled(logicalSize * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    scaled.setDevicePixelRatio(ratio);
    return scaled;
}

void Form::scalePicture(PaintedControl &image)
{
    image.scaledPicture =
        m_zoom == NormalZoom ? image.normalPicture : scaledPixmap(image.picture, zoomed(image.rect).size());
}

void Form::loadPicture(QStringView imageName, const QString &path)
{
    const QSize box = paintedControl(imageName, ControlKind::Image).rect.size();
    setPicture(imageName, LoadPicture(path, box * deviceRatioOf(*this)));
}

bool Form::imageHasPicture(QStringView imageName) const
{
    const PaintedControl *image = findPaintedControl(imageName);
    return image && image->pictureKey != 0;
}

qint64 Form::pictureCacheKey(QStringView imageName) const
{
    const PaintedControl *image = findPaintedControl(imageName);
    return image ? image->pictureKey : 0;
}

void Form::connectClick(QStringView controlName, std::function<void()> handler)
{
    QWidget &control = windowedControl(controlName);
    const QString procedureName = m_design.name + u'.' + controlName.toString() + QStringLiteral("_Click");
    auto *button = qobject_cast<QAbstractButton *>(&control);
    const QString whose = button ? QStringLiteral("the button \"%1\"").arg(button->text().simplified()) : QString();
    auto run = [procedureName, handler = std::move(handler), whose] {
        runEventProcedure(procedureName, handler, whose);
    };
    if (button)
        connect(button, &QAbstractButton::clicked, this, run);
    else if (auto *box = qobject_cast<PictureBox *>(&control))
        connect(box, &PictureBox::clicked, this, run);
    else
        raiseNoSuchControl(m_design.name, controlName);
}

void Form::runFormLoad()
{
    runEventProcedure(m_design.name + QStringLiteral(".Form_Load"), [this] { Form_Load(); });
}

QPointF Form::unitsToPixels(double x, double y) const
{
    return m_record.toPixels(x, y);
}

void Form::setDrawStyle(int style)
{
    if (style < 0 || style > 6)
        throw RuntimeError(RuntimeError::InvalidProcedureCall, QStringLiteral("Invalid property value"),
                           m_design.name + QStringLiteral(".DrawStyle"));
    m_drawStyle = style;
}

void Form::prepareSurface()
{
    m_surface.ensureSize(size(), deviceRatioOf(*this));
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
    prepareSurface();
    operation.style = penStyle(m_drawStyle);
    m_record.append(operation);
    const qreal scale = zoomFactor();
    m_surface.draw([&](QPainter &painter) {
        if (!m_offset.isNull())
            painter.translate(-m_offset);
        m_record.draw(painter, operation, scale);
    });
    const QRectF bounds = m_record.bounds(operation);
    const int margin = 2 * int(std::ceil(scale));
    update(QRectF(bounds.topLeft() * scale, bounds.size() * scale)
               .translated(-m_offset)
               .toAlignedRect()
               .adjusted(-margin, -margin, margin, margin));
}

void Form::redrawSurface()
{
    if (m_surface.isNull())
        return;
    prepareSurface();
    m_surface.clear();
    m_surface.draw([&](QPainter &painter) {
        painter.translate(-m_offset);
        m_record.replay(painter, zoomFactor());
    });
}

void Form::clearDrawing()
{
    m_record.clear();
    m_surface.clear();
    update();
}

void Form::paintControl(QPainter &painter, const PaintedControl &control) const
{
    const ControlDesign &design = *control.design;
    switch (design.kind) {
    case ControlKind::Image:
        if (!control.scaledPicture.isNull())
            painter.drawPixmap(onWindow(control.rect).topLeft(), control.scaledPicture);
        break;
    case ControlKind::Line: {
        painter.setPen(
            linePen(design.color.isValid() ? design.color : palette().color(QPalette::WindowText), design.lineWidth));
        const bool asDesigned = m_zoom == NormalZoom && m_offset.isNull();
        if (!asDesigned) {
            painter.save();
            painter.translate(-m_offset);
            painter.scale(zoomFactor(), zoomFactor());
        }
        painter.drawLine(twipsToPixels(design.ends.p1()), twipsToPixels(design.ends.p2()));
        if (!asDesigned)
            painter.restore();
        break;
    }
    default:
        break;
    }
}

void Form::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    // A painter takes the application's direction (Qt's -reverse), not the window's: labels stay as designed.
    painter.setLayoutDirection(layoutDirection());
    painter.setClipRegion(event->region());
    // Lines and images lie beneath what is drawn, so a figure drawn along a line control stays in sight; labels,
    // like the windowed controls, are child widgets and cover it.
    for (const PaintedControl &control : m_painted)
        paintControl(painter, control);
    if (!m_surface.isNull())
        painter.drawImage(QPointF(0, 0), m_surface.image());
}

void Form::closeEvent(QCloseEvent *event)
{
    event->accept();
    Forms::unload(this);
}

void Form::showEvent(QShowEvent *event)
{
    m_seen = true;
    QWidget::showEvent(event);
}

void Form::resizeEvent(QResizeEvent *event)
{
    if (!m_surface.isNull())
        prepareSurface();
    layOut();
    QWidget::resizeEvent(event);
}

bool Form::eventFilter(QObject *watched, QEvent *event)
{
    // The keyboard's focus brings its control into sight; a click leaves the window where the user has it.
    if (event->type() == QEvent::FocusIn && static_cast<QFocusEvent *>(event)->reason() != Qt::MouseFocusReason)
        scrollIntoView(static_cast<QWidget *>(watched));
    return QWidget::eventFilter(watched, event);
}

void Form::wheelEvent(QWheelEvent *event)
{
    // The wheel scrolls the window wherever it points, as a scroll area's does.
    for (QScrollBar *bar : {m_verticalBar, m_horizontalBar}) {
        if (bar && bar->isVisible()) {
            QCoreApplication::sendEvent(bar, event);
            return;
        }
    }
    QWidget::wheelEvent(event);
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
    add(tr("Zoom &In"), QKeySequence::keyBindings(QKeySequence::ZoomIn) << QKeySequence(Qt::CTRL | Qt::Key_Equal),
        [this] { setZoom(m_zoom + ZoomStep); });
    add(tr("Zoom &Out"), QKeySequence::keyBindings(QKeySequence::ZoomOut), [this] { setZoom(m_zoom - ZoomStep); });
    add(tr("&Actual Size"), {QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { setZoom(NormalZoom); });
}

void Form::setZoom(int percent)
{
    percent = std::clamp(percent, NormalZoom, MaximumZoom);
    percent -= (percent - NormalZoom) % ZoomStep;
    if (percent == m_zoom)
        return;
    // What was at the window's upper-left corner stays there, as far as the scroll allows.
    const QPointF corner = QPointF(m_offset) * percent / m_zoom;
    m_zoom = percent;
    for (PlacedWidget &placed : m_placed) {
        QFont font = placed.font;
        if (m_zoom != NormalZoom)
            font.setPointSizeF(font.pointSizeF() * zoomFactor());
        placed.widget->setFont(font);
    }
    for (PaintedControl &control : m_painted) {
        if (control.design->kind == ControlKind::Image && !control.picture.isNull())
            scalePicture(control);
    }
    m_offset = corner.toPoint();
    QSize wanted = contentSize();
    if (const QSize room = roomOnScreen(); !room.isEmpty())
        wanted = wanted.boundedTo(room);
    resize(wanted);
    keepOnScreen();
    layOut();
    placeControls();
    redrawSurface();
    update();
    // Whoever zooms from the keyboard keeps sight of the control they were typing into.
    if (QWidget *focused = focusWidget(); focused && focused != this)
        scrollIntoView(focused);
}

QRect Form::zoomed(QRect designed) const
{
    if (m_zoom == NormalZoom)
        return designed;
    const auto scaled = [this](int pixels) { return int(std::lround(pixels * zoomFactor())); };
    const int left = scaled(designed.left()), top = scaled(designed.top());
    return QRect(left, top, scaled(designed.left() + designed.width()) - left,
                 scaled(designed.top() + designed.height()) - top);
}

QSize Form::contentSize() const
{
    return zoomed(QRect(QPoint(0, 0), designedSize(m_design))).size();
}

QSize Form::roomOnScreen() const
{
    QSize room = largestDesktop();
    if (const QScreen *own = screen(); own && !room.isEmpty())
        room = room.boundedTo(own->availableGeometry().size());
    if (isVisible())
        room -= frameGeometry().size() - size();
    return room;
}

void Form::keepOnScreen()
{
    const QScreen *own = screen();
    if (!isVisible() || !own)
        return;
    const QRect available = own->availableGeometry();
    const QRect frame = frameGeometry();
    const int x = std::max(available.left(), std::min(frame.left(), available.right() + 1 - frame.width()));
    const int y = std::max(available.top(), std::min(frame.top(), available.bottom() + 1 - frame.height()));
    if (QPoint(x, y) != frame.topLeft())
        move(x, y);
}

void Form::layOut()
{
    const QSize content = contentSize();
    QSize view = size();
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    bool across = content.width() > view.width();
    bool down = content.height() > view.height();
    across = across || (down && content.width() > view.width() - extent);
    down = down || (across && content.height() > view.height() - extent);
    if (across)
        view.rheight() -= extent;
    if (down)
        view.rwidth() -= extent;
    if ((across || down) && !m_horizontalBar) {
        // Made only when needed, after every control, so they lie above them and the controls keep their order
        // for a screen reader.
        m_horizontalBar = new QScrollBar(Qt::Horizontal, this);
        m_verticalBar = new QScrollBar(Qt::Vertical, this);
        for (QScrollBar *bar : {m_horizontalBar, m_verticalBar}) {
            bar->setFocusPolicy(Qt::NoFocus);
            connect(bar, &QScrollBar::valueChanged, this,
                    [this] { scrollTo(QPoint(m_horizontalBar->value(), m_verticalBar->value())); });
        }
    }
    if (m_horizontalBar) {
        const int step = int(std::lround(20 * zoomFactor()));
        m_horizontalBar->setGeometry(0, height() - extent, view.width(), extent);
        m_verticalBar->setGeometry(width() - extent, 0, extent, view.height());
        const QSignalBlocker blockAcross(m_horizontalBar), blockDown(m_verticalBar);
        m_horizontalBar->setRange(0, across ? content.width() - view.width() : 0);
        m_verticalBar->setRange(0, down ? content.height() - view.height() : 0);
        m_horizontalBar->setPageStep(view.width());
        m_verticalBar->setPageStep(view.height());
        m_horizontalBar->setSingleStep(step);
        m_verticalBar->setSingleStep(step);
        m_horizontalBar->setVisible(across);
        m_verticalBar->setVisible(down);
    }
    scrollTo(m_offset);
}

void Form::scrollTo(QPoint offset)
{
    if (m_horizontalBar) {
        offset.setX(std::clamp(offset.x(), 0, m_horizontalBar->maximum()));
        offset.setY(std::clamp(offset.y(), 0, m_verticalBar->maximum()));
        const QSignalBlocker blockAcross(m_horizontalBar), blockDown(m_verticalBar);
        m_horizontalBar->setValue(offset.x());
        m_verticalBar->setValue(offset.y());
    } else {
        offset = {};
    }
    if (offset == m_offset)
        return;
    m_offset = offset;
    placeControls();
    redrawSurface();
    update();
}

void Form::placeControls()
{
    for (const PlacedWidget &placed : m_placed)
        placed.widget->setGeometry(onWindow(placed.rect));
}

void Form::scrollIntoView(QWidget *widget)
{
    if (!m_horizontalBar)
        return;
    const QRect place(widget->mapTo(this, QPoint(0, 0)) + m_offset, widget->size());
    const QSize view(m_verticalBar->isVisible() ? m_verticalBar->x() : width(),
                     m_horizontalBar->isVisible() ? m_horizontalBar->y() : height());
    QPoint offset = m_offset;
    const auto reach = [](int &from, int start, int length, int visible) {
        if (start + length > from + visible)
            from = start + length - visible;
        if (start < from)
            from = start;
    };
    reach(offset.rx(), place.x(), place.width(), view.width());
    reach(offset.ry(), place.y(), place.height(), view.height());
    scrollTo(offset);
}
