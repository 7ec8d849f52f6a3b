// SPDX-License-Identifier: MIT
#include "figure_export.h"

#include "form3.h"
#include "accessibility.h"
#include "app.h"
#include "event_procedure.h"
#include "figure_output.h"
#include "regular_file.h"
#include "replacing_file.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMimeDatabase>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QStandardPaths>

#include <memory>
#include <utility>

namespace FigureExport {
namespace {

// The band under the figure that holds the quantities, and their size, in the window's logical pixels.
constexpr qreal QuantitiesBand = 24;
constexpr qreal QuantitiesPixels = 14;
// Files and the clipboard get the figure at twice the window's size.
constexpr qreal FileScale = 2;

// Where the last save went, for the next save dialog of this run.
QString &lastSaveFolder()
{
    static QString folder;
    return folder;
}

QSizeF figureSize(const Form3 &view)
{
    return designedSize(view.design());
}

QSizeF sheetSize(const Form3 &view)
{
    return figureSize(view) + QSizeF(0, QuantitiesBand);
}

void reportFailure(const QString &what)
{
    showUserMessage({MessageKind::Error, App::TranslatedTitle(), what});
}

// A save or a print that worked, said to a screen reader: the dialog has closed, and nothing else shows it.
void tellDone(const Form3 &view, const QString &words)
{
    Accessibility::announce(view, words);
}

bool writeSvg(const Form3 &view, QIODevice &device, const FigureOutput::Functions &output)
{
    const QSize size = (sheetSize(view) * FileScale).toSize();
    return output.writeSvg(device, size, view.windowTitle(), quantities(view), [&](QPainter &painter) {
        painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
        paintSheet(painter, view, QRectF(QPointF(0, 0), size));
    });
}

bool writePdf(const Form3 &view, QIODevice &device)
{
    QPdfWriter pdf(&device);
    pdf.setTitle(view.windowTitle());
    pdf.setCreator(App::Title());
    // A page the size of the figure at twice the window's size, 96 pixels to the inch, so it drops into a document.
    pdf.setPageSize(QPageSize(sheetSize(view) * FileScale * 72.0 / 96.0, QPageSize::Point));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    paintSheet(painter, view, QRectF(QPointF(0, 0), pdf.pageLayout().paintRectPixels(pdf.resolution()).size()));
    return painter.end();
}

// What the printer wrote ends as a whole PDF does, with the offset of its cross-reference table, and that table is
// where the offset says. The printer reports no failed write: a full disk leaves a file cut short, or one that lost
// bytes on the way, and either fails this.
bool isWholePdf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 64)
        return false;
    file.seek(file.size() - 64);
    const QByteArray tail = file.read(64);
    const qsizetype start = tail.lastIndexOf("startxref\n");
    if (start < 0 || !tail.endsWith("\n%%EOF\n"))
        return false;
    bool isNumber = false;
    const qint64 table = tail.mid(start + 10, tail.size() - start - 10 - 7).toLongLong(&isNumber);
    return isNumber && table > 0 && file.seek(table) && file.read(5) == "xref\n";
}

// QFileDevice::flush() writes one block of its buffer at a time, and fails without a reason when the disk takes a
// block only in part: flushed until nothing waits, with one more try at what is left, which says why it cannot go.
bool flushAll(QSaveFile &file)
{
    bool retried = false;
    while (file.bytesToWrite() > 0) {
        if (!file.flush() && std::exchange(retried, true))
            return false;
    }
    return file.error() == QFileDevice::NoError;
}

} // namespace

const FigureOutput::Functions *output(const QString &failed)
{
    QString whyNot;
    const FigureOutput::Functions *functions = FigureOutput::functions(&whyNot);
    if (!functions)
        reportFailure(QString(failed).arg(whyNot));
    return functions;
}

QString quantities(const Form3 &view)
{
    // An empty box is said to be so: "Moon , phase" would read as a slip on a worksheet.
    const auto shown = [](const QLineEdit &box) {
        return box.text().isEmpty() ? //: Stands for an empty box in "Sun %1, Moon %2, phase %3".
                   QCoreApplication::translate("FigureExport", "(empty)")
                                    : box.text();
    };
    //: Printed under the figure and copied with it: the three boxes of the drawing window.
    return QCoreApplication::translate("FigureExport", "Sun %1, Moon %2, phase %3")
        .arg(shown(view.Text1()), shown(view.Text3()), shown(view.Text4()));
}

void paintSheet(QPainter &painter, const Form3 &view, const QRectF &area)
{
    const QSizeF figure = figureSize(view);
    const QSizeF sheet = sheetSize(view);
    const qreal scale = std::min(area.width() / sheet.width(), area.height() / sheet.height());
    painter.save();
    painter.translate(area.center() - QPointF(sheet.width(), sheet.height()) * scale / 2);
    painter.setRenderHint(QPainter::Antialiasing, false);

    painter.save();
    painter.setClipRect(QRectF(QPointF(0, 0), figure * scale));
    // The cross of the window's line controls, beneath the figure as on the screen.
    view.paintFigure(painter, scale);
    painter.restore();

    QFont font = view.font();
    font.setPixelSize(std::max(1, int(std::lround(QuantitiesPixels * scale))));
    painter.setFont(font);
    painter.setPen(view.palette().color(QPalette::WindowText));
    const QRectF band(0, figure.height() * scale, figure.width() * scale, QuantitiesBand * scale);
    painter.drawText(band, Qt::AlignCenter,
                     painter.fontMetrics().elidedText(quantities(view), Qt::ElideRight, int(band.width())));
    painter.restore();
}

QImage sheetImage(const Form3 &view)
{
    QImage image((sheetSize(view) * FileScale).toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintSheet(painter, view, image.rect());
    return image;
}

bool printTo(const Form3 &view, QPrinter &printer)
{
    const FigureOutput::Functions *printing =
        output(QCoreApplication::translate("FigureExport", "The figure could not be printed: %1."));
    if (!printing)
        return false;
    printing->setDocName(printer, view.windowTitle());
    const QString target = printing->outputFileName(printer);
    const auto failed = [&](const QString &reason) {
        //: %1 is the file printed to; %2 is why it failed, such as "No space left on device".
        reportFailure(QCoreApplication::translate("FigureExport", "The figure could not be printed to \"%1\": %2.")
                          .arg(target, reason));
        return false;
    };
    enum class Painted { NotStarted, Failed, Done };
    const auto paint = [&] {
        QPainter painter;
        if (!painter.begin(&printer))
            return Painted::NotStarted;
        paintSheet(painter, view,
                   QRectF(QPointF(0, 0), printer.pageLayout().paintRectPixels(printing->resolution(printer)).size()));
        return painter.end() && !printing->hasFailed(printer) ? Painted::Done : Painted::Failed;
    };
    if (target.isEmpty()) {
        const Painted painted = paint();
        if (painted == Painted::NotStarted)
            reportFailure(QCoreApplication::translate("FigureExport",
                                                      "The figure could not be printed: the printer did not start."));
        else if (painted == Painted::Failed)
            reportFailure(QCoreApplication::translate(
                "FigureExport", "The figure could not be printed: the printer reported an error."));
        else
            //: Told to a screen reader; %1 is the printer's name.
            tellDone(view, QCoreApplication::translate("FigureExport", "The figure was sent to the printer %1.")
                               .arg(printing->printerName(printer)));
        return painted == Painted::Done;
    }

    // A pipe would hold the window until a reader came, a device would be written to: only a regular file, or none.
    if (const QString refused = refusedSaveTarget(QFile::encodeName(target)); !refused.isEmpty())
        return failed(refused);
    ReplacingFile file(target);
    if (!file.create())
        return failed(file.errorString());
    printing->setOutputFileName(printer, file.temporaryName());
    const Painted painted = paint();
    printing->setOutputFileName(printer, target);
    if (painted != Painted::Done) {
        //: %1 is the file printed to.
        reportFailure(
            QCoreApplication::translate("FigureExport", "The figure could not be printed to \"%1\".").arg(target));
        return false;
    }
    if (printing->printsPdf(printer) && !isWholePdf(file.temporaryName())) {
        //: %1 is a size in bytes, such as "4 KiB".
        return failed(
            QCoreApplication::translate("FigureExport", "the printed file came out cut short, with %1 free on its disk")
                .arg(readableSize(std::max<qint64>(0, file.freeBytes()))));
    }
    if (!file.commit())
        return failed(file.errorString());
    //: Told to a screen reader; %1 is the name of the file printed to, without its folder.
    tellDone(view, QCoreApplication::translate("FigureExport", "The figure was printed to the file \"%1\".")
                       .arg(QFileInfo(target).fileName()));
    return true;
}

bool saveTo(const Form3 &view, const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    const auto failed = [&](const QString &reason) {
        //: %1 is the file saved to; %2 is why it failed, such as "No space left on device".
        reportFailure(QCoreApplication::translate("FigureExport", "The figure could not be saved to \"%1\": %2.")
                          .arg(path, reason));
        return false;
    };
    if (suffix != u"png" && suffix != u"svg" && suffix != u"pdf")
        return failed(QCoreApplication::translate("FigureExport", "the name must end in .png, .svg or .pdf"));
    const FigureOutput::Functions *svg = nullptr;
    if (suffix == u"svg"
        && !(
            svg = output(
                QCoreApplication::translate("FigureExport", "The figure could not be saved to \"%1\": %2.").arg(path))))
        return false;
    // QSaveFile renames its file over whatever lies at the name: a device would be replaced, not written to.
    if (const QString refused = refusedSaveTarget(QFile::encodeName(path)); !refused.isEmpty())
        return failed(refused);

    // Written beside the target under another name and renamed at the end: the target is whole or untouched.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed(file.errorString());
    bool written = false;
    if (suffix == u"png")
        written = sheetImage(view).save(&file, "PNG");
    else if (suffix == u"svg")
        written = writeSvg(view, file, *svg);
    else
        written = writePdf(view, file);
    // The last bytes of a small file wait in QSaveFile's buffer, and commit() does not report a failure to write
    // them: flushed and checked here, before anything is renamed.
    if (!written || !flushAll(file)) {
        const QString reason = file.error() != QFileDevice::NoError
                                   ? file.errorString()
                                   : QCoreApplication::translate("FigureExport", "the drawing could not be written");
        file.cancelWriting();
        return failed(reason);
    }
    if (!file.commit())
        return failed(file.errorString());
    lastSaveFolder() = QFileInfo(path).absolutePath();
    //: Told to a screen reader; %1 is the name of the file saved, without its folder.
    tellDone(
        view,
        QCoreApplication::translate("FigureExport", "The figure was saved as \"%1\".").arg(QFileInfo(path).fileName()));
    return true;
}

QString saveDialogFolder()
{
    if (!lastSaveFolder().isEmpty())
        return lastSaveFolder();
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}

void copyToClipboard(const Form3 &view)
{
    auto *data = new QMimeData;
    data->setImageData(sheetImage(view));
    data->setText(quantities(view));
    QGuiApplication::clipboard()->setMimeData(data);
}

void forgetSaveFolder()
{
    lastSaveFolder().clear();
}

} // namespace FigureExport
