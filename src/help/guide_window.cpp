// SPDX-License-Identifier: MIT
#include "guide_window.h"

#include "app.h"
#include "guide_text.h"
#include "standard_keys.h"
#include "window_bounds.h"

#include <QAction>
#include <QHBoxLayout>
#include <QListWidget>

#include <algorithm>

namespace {

constexpr int ContentsWidth = 230;
// The guide's size as written for, when the screen has room for it.
constexpr QSize DesignedSize(ContentsWidth + 860, 760);
constexpr qreal MinimumGuidePoints = 6;
constexpr qreal MaximumGuidePoints = 40;
constexpr qreal ZoomStep = 2;

} // namespace

GuideWindow::GuideWindow(const QString &html, const QString &folder)
{
    setObjectName(QStringLiteral("helpWindow"));
    //: The Help window's title; %1 is the program's name.
    setWindowTitle(tr("Guide to %1").arg(App::TranslatedTitle()));
    setWindowIcon(App::Icon());
    // The windows' design font is small for reading at length.
    QFont font = this->font();
    font.setPointSizeF(10);
    setFont(font);
    m_normalPoints = font.pointSizeF();

    m_contents = new QListWidget(this);
    m_contents->setObjectName(QStringLiteral("guideContents"));
    m_contents->setAccessibleName(tr("Contents"));
    m_contents->setAccessibleDescription(tr("The guide's sections: choose one to read it."));
    m_contents->setFixedWidth(ContentsWidth);
    m_contents->setWordWrap(true);
    m_contents->setSpacing(2);

    m_text = new GuideText(html, folder, this);
    // One item for each section, with the heading's words; the item keeps where the heading starts.
    for (const GuideText::Section &section : m_text->sections()) {
        auto *item = new QListWidgetItem(section.heading, m_contents);
        item->setData(Qt::UserRole, section.position);
    }

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_contents);
    layout->addWidget(m_text, 1);
    QWidget::setTabOrder(m_contents, m_text);

    // A selection from the keyboard, the mouse or a screen reader, which selects without making the item current.
    connect(m_contents, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem *> chosen = m_contents->selectedItems();
        if (!chosen.isEmpty())
            m_text->showSection(chosen.front()->data(Qt::UserRole).toInt());
    });
    // Return or a double click on a section also takes the keyboard to its text.
    connect(m_contents, &QListWidget::itemActivated, this, [this](const QListWidgetItem *item) {
        m_text->showSection(item->data(Qt::UserRole).toInt());
        m_text->setFocus(Qt::OtherFocusReason);
    });

    addReadingActions();
    resize(DesignedSize);
    // The keyboard starts in the list, so a screen reader first says where the guide's sections are.
    m_contents->setFocus(Qt::OtherFocusReason);
}

// Escape and the desktop's Close keys close the guide (Ctrl+W, which the guide names, on every desktop); Ctrl+plus,
// Ctrl+minus and Ctrl+0 make its text larger, smaller, as at first.
void GuideWindow::addReadingActions()
{
    const auto add = [this](const QString &text, const QList<QKeySequence> &keys, auto act) {
        auto *action = new QAction(text, this);
        action->setShortcuts(distinctKeys(keys));
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, act);
        addAction(action);
    };
    add(tr("&Close"), QList<QKeySequence>{Qt::Key_Escape} + closeKeys(), [this] { close(); });
    add(tr("Zoom &In"), zoomInKeys(), [this] { zoomTo(this->font().pointSizeF() + ZoomStep); });
    add(tr("Zoom &Out"), QKeySequence::keyBindings(QKeySequence::ZoomOut),
        [this] { zoomTo(this->font().pointSizeF() - ZoomStep); });
    add(tr("&Actual Size"), {Qt::CTRL | Qt::Key_0}, [this] { zoomTo(m_normalPoints); });
}

void GuideWindow::zoomTo(qreal points)
{
    QFont font = this->font();
    font.setPointSizeF(std::clamp(points, MinimumGuidePoints, MaximumGuidePoints));
    setFont(font);
}

void GuideWindow::placeBeside(const QWidget *opener)
{
    fitOnScreen(*this, DesignedSize, opener);
}
