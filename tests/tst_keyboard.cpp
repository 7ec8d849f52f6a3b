// SPDX-License-Identifier: MIT
// The windows from the keyboard alone: the Tab order of each window both ways, Return and Enter in the fields and on
// the buttons, and a focus mark that stands out whatever the desktop's colours.
#include "form1.h"
#include "controls.h"
#include "forms.h"
#include "test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { quietOffscreenRaiseWarnings(); }
    void init() { resetProgramState(); }
    void cleanup() { resetProgramState(); }

    void tabWalk_data();
    void tabWalk();
    void returnInAQuantityFieldSolves_data();
    void returnInAQuantityFieldSolves();
    void returnPressesTheFocusedButton();
    void focusMarkStandsOut_data();
    void focusMarkStandsOut();
};

void TestKeyboard::tabWalk_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("presses"); // of Tab; below zero, of Shift+Tab
    QTest::addColumn<QString>("control");

    const QStringList mainWindow = {u"Text1"_s,    u"Text2"_s,    u"Text3"_s, u"Text4"_s, u"Command1"_s,
                                    u"Command2"_s, u"Picture1"_s, u"OLE1"_s,  u"Text5"_s, u"Command4"_s,
                                    u"Command3"_s, u"Text6"_s,    u"Text7"_s, u"Text8"_s, u"Text9"_s};
    const QStringList view = {u"Text1"_s, u"Text3"_s, u"Text4"_s, u"Command1"_s, u"Command2"_s, u"Command3"_s};
    for (const auto &[window, stops] : {std::pair{u"Form1"_s, mainWindow}, std::pair{u"Form3"_s, view}}) {
        const int count = int(stops.size());
        // The focus starts in the first field; one press more than there are stops closes the chain, either way.
        for (int presses = -count; presses <= count; ++presses) {
            const QString &stop = stops.at((presses + count) % count);
            QTest::addRow("%s after %d %s: %s", qPrintable(window), std::abs(presses),
                          presses < 0 ? "Shift+Tab" : "Tab", qPrintable(stop))
                << window << presses << stop;
        }
    }
}

void TestKeyboard::tabWalk()
{
    QFETCH(QString, window);
    QFETCH(int, presses);
    QFETCH(QString, control);

    Form &form = openWindow(window, ShownUntil::Active);
    for (int i = 0; i < std::abs(presses); ++i)
        QTest::keyClick(QApplication::focusWidget(), presses < 0 ? Qt::Key_Backtab : Qt::Key_Tab);

    QWidget *focused = QApplication::focusWidget();
    QVERIFY(focused);
    QCOMPARE(focused->window(), static_cast<QWidget *>(&form));
    QCOMPARE(focused->objectName(), control);
}

void TestKeyboard::returnInAQuantityFieldSolves_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("key");
    QTest::newRow("Sun, Return") << u"Text1"_s << int(Qt::Key_Return);
    QTest::newRow("Moon, keypad Enter") << u"Text2"_s << int(Qt::Key_Enter);
    QTest::newRow("phase, Return") << u"Text3"_s << int(Qt::Key_Return);
    QTest::newRow("formula, Return: nothing") << u"Text4"_s << int(Qt::Key_Return);
}

void TestKeyboard::returnInAQuantityFieldSolves()
{
    QFETCH(QString, field);
    QFETCH(int, key);
    Form1 &main = openWindow<Form1>(ShownUntil::Active);
    main.Text1().setText(u"30"_s);
    main.Text3().setText(u"5"_s);
    QLineEdit &box = main.textBox(field);
    box.setFocus();
    QTest::keyClick(&box, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    const bool solves = field != u"Text4";
    QCOMPARE(main.Text2().text(), solves ? u"325"_s : QString());
    // The focus stays where the user typed.
    QCOMPARE(QApplication::focusWidget(), &box);
}

// Return and keypad Enter press the focused button, as Space does; keys click the focused picture box.
void TestKeyboard::returnPressesTheFocusedButton()
{
    Form1 &main = openWindow<Form1>();
    main.Text1().setText(u"30"_s);
    main.button(u"Command4").setFocus();
    QTest::keyClick(&main.button(u"Command4"), Qt::Key_Return);
    QCOMPARE(main.Text5().text(), u"14"_s);
    main.Text5().clear();
    QTest::keyClick(&main.button(u"Command4"), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(main.Text5().text(), u"14"_s);

    // The small picture box takes the focus too, and a key reloads the picture as a click does.
    QWidget &pictureBox = main.windowedControl(u"Picture1");
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
        const qint64 before = main.pictureCacheKey(u"Image1");
        QTest::keyClick(&pictureBox, key);
        QVERIFY2(main.pictureCacheKey(u"Image1") != before, qPrintable(QKeySequence(key).toString()));
    }
}

void TestKeyboard::focusMarkStandsOut_data()
{
    QTest::addColumn<QColor>("window");
    QTest::addColumn<QColor>("highlight");
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("mark");
    QTest::newRow("light, blue highlight")
        << QColor(0xefefef) << QColor(0x308cc6) << QColor(Qt::black) << QColor(0x308cc6);
    QTest::newRow("light, pale highlight")
        << QColor(0xefefef) << QColor(0xc0d8f0) << QColor(Qt::black) << QColor(Qt::black);
    QTest::newRow("dark, pale highlight")
        << QColor(0x202020) << QColor(0xc0d8f0) << QColor(Qt::white) << QColor(0xc0d8f0);
    QTest::newRow("nothing stands out") << QColor(0x808080) << QColor(0x8a8a8a) << QColor(0x7a7a7a)
                                        << QColor(Qt::black);
}

// A focus mark at least 2 pixels wide, at least 3:1 against the window, whatever the desktop's colours.
void TestKeyboard::focusMarkStandsOut()
{
    QFETCH(QColor, window);
    QFETCH(QColor, highlight);
    QFETCH(QColor, text);
    QFETCH(QColor, mark);
    QPalette palette;
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::WindowText, text);
    QCOMPARE(focusMarkColour(palette), mark);
    QVERIFY(contrastRatio(mark, window) >= 3.0);

    Form &main = openWindow(u"Form1", ShownUntil::Active);
    QWidget &button = main.windowedControl(u"Command1");
    button.setPalette(palette);
    button.setFocus();
    const QImage image = button.grab().toImage();
    for (const QPoint inside :
         {QPoint(1, image.height() / 2), QPoint(2, image.height() / 2), QPoint(image.width() / 2, image.height() - 3)})
        QCOMPARE(image.pixelColor(inside), mark);
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
