// SPDX-License-Identifier: MIT
// The yardstick for start-up: an empty Qt Widgets window of the main window's size, built with the same Qt and
// the same options.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(977, 705);
    window.show();
    return QApplication::exec();
}
