// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>

class QIODevice;
class QPagedPaintDevice;
class QPainter;
class QSize;
class QWidget;

// Printing and SVG files need QtPrintSupport and QtSvg, which nothing else uses: their code is a module of its own,
// opened the first time the figure is printed or saved as SVG, so that a start neither loads those libraries nor
// binds them. The printer is a QPrinter, handed over as its paint device.
namespace FigureOutput {

struct Functions {
    QPagedPaintDevice *(*newPrinter)(); // at high resolution
    void (*deletePrinter)(QPagedPaintDevice *printer);
    bool (*askPrint)(QWidget *parent, QPagedPaintDevice &printer); // Qt's print dialog; false when cancelled
    void (*setDocName)(QPagedPaintDevice &printer, const QString &name);
    QString (*outputFileName)(const QPagedPaintDevice &printer);
    void (*setOutputFileName)(QPagedPaintDevice &printer, const QString &name);
    int (*resolution)(const QPagedPaintDevice &printer);
    bool (*hasFailed)(const QPagedPaintDevice &printer);
    bool (*printsPdf)(const QPagedPaintDevice &printer);
    QString (*printerName)(const QPagedPaintDevice &printer);
    bool (*writeSvg)(QIODevice &device, const QSize &size, const QString &title, const QString &description,
                     const std::function<void(QPainter &)> &paint);
};

// The module's functions, opened at the first call from the program's folder; nullptr, and why, when it cannot be.
const Functions *functions(QString *whyNot);

} // namespace FigureOutput
