// SPDX-License-Identifier: MIT
#include "figure_export.h"

#include "figure_output.h"
#include "form3.h"

#include "event_procedure.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeDatabase>
#include <QPrinter>

#include <memory>
#include <utility>

// The drawing window's keys and context menu, and the dialogs they open.
namespace FigureExport {
namespace {

Dialogs &dialogs()
{
    static Dialogs installed;
    return installed;
}

QString askSaveFileName(QWidget *parent)
{
    if (dialogs().saveFileName)
        return dialogs().saveFileName(parent);
    //: The title of the save dialog.
    QFileDialog dialog(parent, QCoreApplication::translate("FigureExport", "Save the figure"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDirectory(saveDialogFolder());
    // The formats' names come from the desktop's MIME database, in the user's language.
    dialog.setMimeTypeFilters(
        {QStringLiteral("image/png"), QStringLiteral("image/svg+xml"), QStringLiteral("application/pdf")});
    dialog.setDefaultSuffix(QStringLiteral("png"));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog] {
        const QMimeType type = QMimeDatabase().mimeTypeForName(dialog.selectedMimeTypeFilter());
        if (type.isValid())
            dialog.setDefaultSuffix(type.preferredSuffix());
    });
    //: The name the save dialog proposes; it keeps the .png.
    dialog.selectFile(QCoreApplication::translate("FigureExport", "figure.png"));
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

bool askPrint(QWidget *parent, QPrinter &printer, const FigureOutput::Functions &output)
{
    if (dialogs().print)
        return dialogs().print(parent, printer);
    return output.askPrint(parent, printer);
}

// Copy in a box that has no selection is the window's: it copies the figure. A box with selected text copies that
// text itself.
class WindowKeys : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        auto *box = qobject_cast<QLineEdit *>(watched);
        if (!key->matches(QKeySequence::Copy) || !box || box->hasSelectedText())
            return false;
        event->ignore();
        return true;
    }
};

} // namespace

void setDialogs(Dialogs replacement)
{
    dialogs() = std::move(replacement);
    forgetSaveFolder();
}

void addActions(Form3 &view)
{
    const auto add = [&view](const QString &text, const QKeySequence &keys, const QString &procedure,
                             void (*run)(Form3 &)) {
        auto *action = new QAction(text, &view);
        action->setShortcut(keys);
        action->setShortcutVisibleInContextMenu(true);
        QObject::connect(action, &QAction::triggered, &view, [&view, procedure, run] {
            runEventProcedure(view.name() + u'.' + procedure, [&] { run(view); });
        });
        view.addAction(action);
        return action;
    };
    add(QCoreApplication::translate("FigureExport", "&Print…"), QKeySequence::Print, QStringLiteral("Print"),
        [](Form3 &view) {
            //: %1 is why the printing module could not be loaded.
            const FigureOutput::Functions *printing =
                output(QCoreApplication::translate("FigureExport", "The figure could not be printed: %1."));
            if (!printing)
                return;
            const std::unique_ptr<QPagedPaintDevice, void (*)(QPagedPaintDevice *)> device(printing->newPrinter(),
                                                                                           printing->deletePrinter);
            auto &printer = static_cast<QPrinter &>(*device);
            if (askPrint(&view, printer, *printing))
                printTo(view, printer);
        });
    add(QCoreApplication::translate("FigureExport", "&Save As…"), QKeySequence::Save, QStringLiteral("Save"),
        [](Form3 &view) {
            if (const QString path = askSaveFileName(&view); !path.isEmpty())
                saveTo(view, path);
        });
    add(QCoreApplication::translate("FigureExport", "&Copy"), QKeySequence::Copy, QStringLiteral("Copy"),
        [](Form3 &view) { copyToClipboard(view); });
    auto *separator = new QAction(&view);
    separator->setSeparator(true);
    view.addAction(separator);
    add(QCoreApplication::translate("FigureExport", "C&lear figures"), QKeySequence(Qt::CTRL | Qt::Key_Delete),
        QStringLiteral("Clear"), [](Form3 &view) { view.clearFigures(); });
    // The window's zoom, last in the menu.
    for (QAction *zoom : view.zoomActions())
        view.removeAction(zoom);
    auto *beforeZoom = new QAction(&view);
    beforeZoom->setSeparator(true);
    view.addAction(beforeZoom);
    view.addActions(view.zoomActions());
    view.setContextMenuPolicy(Qt::ActionsContextMenu);

    auto *keys = new WindowKeys(&view);
    for (QLineEdit *box : view.findChildren<QLineEdit *>())
        box->installEventFilter(keys);
}

} // namespace FigureExport
