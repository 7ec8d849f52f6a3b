// SPDX-License-Identifier: MIT
// Every top-level window is held to the largest desktop: larger than the screens can show, a window only costs
// memory, as Qt keeps a backing image of its size.
#include "test_support.h"

#include "help_window.h"
#include "forms.h"
#include "window_bounds.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QWindow>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

class TestWindowBounds : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        quietOffscreenRaiseWarnings();
        Help::installHelpKey();
        // As the program does at its start.
        holdWindowsToScreens();
    }
    void cleanup()
    {
        Help::closeHelpWindow();
        resetProgramState();
    }

    void everyWindowHeldToTheScreens_data();
    void everyWindowHeldToTheScreens();
};

void TestWindowBounds::everyWindowHeldToTheScreens_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QSize>("firstSize"); // for a plain window; empty for the others

    for (const char *window : {"Form1", "Form3", "Help", "message box"})
        QTest::newRow(window) << QString::fromLatin1(window) << QSize();
    // On a screen of 2560 x 1600.
    QTest::newRow("a window larger than the screens from the start") << u"plain"_s << QSize(3000, 1000);
    QTest::newRow("a small window") << u"plain"_s << QSize(200, 100);
}

// Resized far beyond the screens from outside (a window manager would refuse, but none need be there), a window
// stays within the largest desktop; one larger than the screens from the start keeps its own size.
void TestWindowBounds::everyWindowHeldToTheScreens()
{
    QFETCH(QString, window);
    QFETCH(QSize, firstSize);
    std::unique_ptr<QWidget> own;
    QWidget *shown = nullptr;
    if (window == u"Help") {
        QTest::keyClick(&openWindow(u"Form1"), Qt::Key_F1);
        shown = Help::helpWindow();
    } else if (window == u"message box") {
        own = std::make_unique<QMessageBox>(QMessageBox::Information, u"Title"_s, u"Text"_s);
    } else if (window == u"plain") {
        own = std::make_unique<QWidget>();
        own->resize(firstSize);
    } else {
        shown = &openWindow(window);
    }
    if (own) {
        own->show();
        shown = own.get();
    }
    QVERIFY(shown && shown->windowHandle());
    const QSize desktop = QGuiApplication::primaryScreen()->virtualSize();
    QCOMPARE(desktop, QSize(2560, 1600));
    const QSize limit = desktop.expandedTo(firstSize);

    shown->windowHandle()->resize(30000, 30000);
    QCoreApplication::processEvents();
    QVERIFY2(shown->width() <= limit.width() && shown->height() <= limit.height(),
             qPrintable(u"%1 × %2"_s.arg(shown->width()).arg(shown->height())));
    shown->resize(30000, 30000);
    QVERIFY2(shown->width() <= limit.width() && shown->height() <= limit.height(),
             qPrintable(u"%1 × %2"_s.arg(shown->width()).arg(shown->height())));
    if (window == u"plain")
        QCOMPARE(shown->size(), limit);
}

QTEST_MAIN(TestWindowBounds)
#include "tst_window_bounds.moc"
