// SPDX-License-Identifier: MIT
// The module that holds what needs QtPrintSupport and QtSvg; the program opens it on first use.
#include "figure_output.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSvgGenerator>

namespace {

QPrinter &printerOf(QPagedPaintDevice &device)
{
    return static_cast<QPrinter &>(device);
}

const QPrinter &printerOf(const QPagedPaintDevice &device)
{
    return static_cast<const QPrinter &>(device);
}

bool writeSvg(QIODevice &device, const QSize &size, const QString &title, const QString &description,
              const std::function<void(QPainter &)> &paint)
{
    QSvgGenerator svg;
    svg.setOutputDevice(&device);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(title);
    svg.setDescription(description);
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    paint(painter);
    return painter.end();
}

constexpr FigureOutput::Functions functions = {
    [] { return static_cast<QPagedPaintDevice *>(new QPrinter(QPrinter::HighResolution)); },
    [](QPagedPaintDevice *printer) { delete static_cast<QPrinter *>(printer); },
    [](QWidget *parent, QPagedPaintDevice &printer) {
        QPrintDialog dialog(&printerOf(printer), parent);
        return dialog.exec() == QDialog::Accepted;
    },
    [](QPagedPaintDevice &printer, const QString &name) { printerOf(printer).setDocName(name); },
    [](const QPagedPaintDevice &printer) { return printerOf(printer).outputFileName(); },
    [](QPagedPaintDevice &printer, const QString &name) { printerOf(printer).setOutputFileName(name); },
    [](const QPagedPaintDevice &printer) { return printerOf(printer).resolution(); },
    [](const QPagedPaintDevice &printer) { return printerOf(printer).printerState() == QPrinter::Error; },
    [](const QPagedPaintDevice &printer) { return printerOf(printer).outputFormat() == QPrinter::PdfFormat; },
    [](const QPagedPaintDevice &printer) { return printerOf(printer).printerName(); },
    writeSvg,
};

} // namespace

extern "C" Q_DECL_EXPORT const FigureOutput::Functions *astrolabeFigureOutput()
{
    return &functions;
}
