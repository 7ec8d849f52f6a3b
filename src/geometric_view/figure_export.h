// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QRectF>
#include <QString>

#include <functional>

class Form3;
class QPainter;
class QPrinter;
class QWidget;

// The drawing window's figure off the screen: printed, saved as PNG, SVG or PDF, or copied to the clipboard, always
// with the three quantities under it, as the window's boxes show them. The figure is drawn again from what the
// window recorded, so it is as sharp on a page as on the screen.
namespace FigureOutput {
struct Functions;
}

namespace FigureExport {

// "Sun 30, Moon 325, phase 5", from the window's three boxes.
QString quantities(const Form3 &view);

// The figure with the quantities beneath it, centred in the area and as large as fits.
void paintSheet(QPainter &painter, const Form3 &view, const QRectF &area);
// The same on white, twice the window's size.
QImage sheetImage(const Form3 &view);

// Each of these tells the user what went wrong and returns false when it fails. A file printed or saved to appears
// whole or not at all, and a file it replaces stays whole until then; a name that is, or leads to, anything but a
// regular file (a device, a named pipe, a folder) is refused before anything is opened.
bool printTo(const Form3 &view, QPrinter &printer);
// The format follows the name's extension: .png, .svg or .pdf.
bool saveTo(const Form3 &view, const QString &path);
// Where the save dialog opens: the user's pictures folder (or home) at first, then the folder of the last save.
QString saveDialogFolder();
void copyToClipboard(const Form3 &view);

// The window's keys and its context menu: print, save, copy and clear the figures, then the window's zoom.
void addActions(Form3 &view);

// The dialogs the keys open. Tests answer them instead; an empty function restores the real dialog. Either way the
// next save dialog opens in the pictures folder again.
struct Dialogs {
    std::function<QString(QWidget *parent)> saveFileName = {}; // empty when cancelled
    std::function<bool(QWidget *parent, QPrinter &printer)> print = {}; // false when cancelled
};
void setDialogs(Dialogs dialogs);
// The next save dialog opens in the pictures folder again, not where the last save went.
void forgetSaveFolder();

// The module that prints and writes SVG, opened at the first call; when it cannot be, the user is told the message
// given, its last argument (%1 or %2) replaced by why not, and nothing is returned.
const FigureOutput::Functions *output(const QString &failed);

} // namespace FigureExport
