// SPDX-License-Identifier: MIT
#include "form_builder.h"

#include "controls.h"
#include "event_procedure.h"
#include "presentation_box.h"
#include "text_box.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QHash>
#include <QLabel>

#include <algorithm>

namespace {

// A label's caption as a screen reader should say it: the designer's runs of blanks are only layout.
QString spokenCaption(const FormDesign &form, const QString &labelName)
{
    for (const ControlDesign &control : form.controls) {
        if (control.name == labelName)
            return shownText(form, control.caption).simplified();
    }
    Q_ASSERT_X(false, "spokenCaption", "the design table names a label it does not have");
    return {};
}

void setTextColour(QWidget &widget, const QColor &colour)
{
    if (!colour.isValid())
        return;
    QPalette palette = widget.palette();
    for (const QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
        palette.setColor(role, colour);
    widget.setPalette(palette);
}

QWidget *createLabel(const FormDesign &design, const ControlDesign &control, QWidget &parent)
{
    const QString caption = shownText(design, control.caption);
    auto *label = new QLabel(caption, &parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    if (const QString spoken = caption.simplified(); spoken != caption)
        label->setAccessibleName(spoken);
    return label;
}

QWidget *createWindowedControl(const FormDesign &design, const ControlDesign &control, QWidget &parent)
{
    QWidget *widget = nullptr;
    switch (control.kind) {
    case ControlKind::TextBox: {
        auto *box = new TextBox(control.caption, &parent);
        if (design.maxFieldLength > 0)
            box->setMaxLength(design.maxFieldLength);
        QObject::connect(box, &TextBox::textRefused, box, [box](const QString &message) {
            showUserMessage({MessageKind::Information, box->window()->windowTitle(), message});
        });
        widget = box;
        break;
    }
    case ControlKind::CommandButton: {
        auto *button = new CaptionButton(shownText(design, control.caption), &parent);
        button->setAutoDefault(false);
        widget = button;
        break;
    }
    case ControlKind::PictureBox:
        widget = new PictureBox(&parent);
        break;
    case ControlKind::PresentationBox:
        widget = new PresentationBox(control.objectClass, control.document, &parent);
        break;
    default:
        Q_UNREACHABLE();
    }
    if (!control.accessibleName.isEmpty())
        widget->setAccessibleName(shownText(design, control.accessibleName));
    else if (!control.labelledBy.isEmpty())
        widget->setAccessibleName(spokenCaption(design, control.labelledBy));
    else if (control.kind == ControlKind::CommandButton)
        widget->setAccessibleName(shownText(design, control.caption).simplified());
    if (!control.describedBy.isEmpty())
        widget->setAccessibleDescription(spokenCaption(design, control.describedBy));
    return widget;
}

// A label that a windowed control covers in part stays beneath it, as the design draws it.
void keepLabelsUnderWindowedControls(const BuiltControls &built)
{
    for (auto it = built.widgets.begin(); it != built.widgets.end(); ++it) {
        QWidget *label = it->second;
        if (!qobject_cast<QLabel *>(label))
            continue;
        for (auto earlier = built.widgets.begin(); earlier != it; ++earlier) {
            QWidget *control = earlier->second;
            if (!qobject_cast<QLabel *>(control) && control->geometry().intersects(label->geometry())) {
                label->stackUnder(control);
                break;
            }
        }
    }
}

QWidget *widgetNamed(const BuiltControls &built, const QString &name)
{
    for (const auto &[widgetName, widget] : built.widgets) {
        if (widgetName == name)
            return widget;
    }
    return nullptr;
}

// The installed face a design's face stands for, looked up once for each face. A font asked for by a face that is not
// installed would have Qt ask fontconfig for the fallbacks of every style before it tries the substitutes. The names
// are looked for among the installed families: QFontDatabase::hasFamily() asks fontconfig for aliases as well, which
// costs as much as a fallback.
QString installedFace(const QString &face)
{
    static QHash<QString, QString> installed;
    if (const auto known = installed.constFind(face); known != installed.cend())
        return *known;
    const QStringList families = QFontDatabase::families();
    const auto isInstalled = [&families](const QString &name) { return families.contains(name, Qt::CaseInsensitive); };
    QString found = face;
    if (!isInstalled(face)) {
        const QStringList substitutes = QFont::substitutes(face);
        if (const auto present = std::find_if(substitutes.cbegin(), substitutes.cend(), isInstalled);
            present != substitutes.cend())
            found = *present;
    }
    installed.insert(face, found);
    return found;
}

} // namespace

QString shownText(const FormDesign &design, const QString &text)
{
    if (text.isEmpty())
        return text;
    return QCoreApplication::translate(design.name.toUtf8().constData(), text.toUtf8().constData());
}

QFont fontFromDesign(const FontDesign &design)
{
    QFont font(installedFace(design.face));
    font.setPointSizeF(design.points);
    font.setBold(design.bold);
    font.setItalic(design.italic);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

BuiltControls buildControls(const FormDesign &design, QWidget &parent)
{
    BuiltControls built;
    std::vector<const ControlDesign *> widgets;
    for (const ControlDesign &control : design.controls) {
        if (control.kind == ControlKind::Image || control.kind == ControlKind::Line)
            built.painted.push_back(&control);
        else
            widgets.push_back(&control);
    }
    std::stable_sort(widgets.begin(), widgets.end(), [](const ControlDesign *a, const ControlDesign *b) {
        return std::pair(a->box.top(), a->box.left()) < std::pair(b->box.top(), b->box.left());
    });

    std::vector<std::pair<int, QWidget *>> tabOrder;
    for (const ControlDesign *control : widgets) {
        QWidget *widget = control->kind == ControlKind::Label ? createLabel(design, *control, parent)
                                                              : createWindowedControl(design, *control, parent);
        widget->setObjectName(control->name);
        widget->setGeometry(twipsToPixels(control->box));
        widget->setFont(fontFromDesign(control->font));
        setTextColour(*widget, control->color);
        built.widgets.emplace_back(control->name, widget);
        if (control->tabIndex >= 0 && widget->focusPolicy() & Qt::TabFocus)
            tabOrder.emplace_back(control->tabIndex, widget);
    }
    keepLabelsUnderWindowedControls(built);
    for (const ControlDesign &control : design.controls) {
        if (control.labelledBy.isEmpty() || control.kind != ControlKind::TextBox)
            continue;
        auto *label = qobject_cast<QLabel *>(widgetNamed(built, control.labelledBy));
        if (label && !label->buddy())
            label->setBuddy(widgetNamed(built, control.name));
    }

    std::stable_sort(tabOrder.begin(), tabOrder.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    for (size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    if (!tabOrder.empty())
        built.firstInTabOrder = tabOrder.front().second;
    return built;
}
