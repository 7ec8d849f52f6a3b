// SPDX-License-Identifier: MIT
// What a careless or hostile user does: huge pastes, keys on buttons, odd pictures, figures on the view's cross.
#include "test_support.h"

#include "geometric_view/form3.h"
#include "main_window/form1.h"
#include "platform/app.h"
#include "platform/forms.h"
#include "core/runtime_error.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include <ctime>

using namespace Qt::StringLiterals;

namespace {

double processCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

} // namespace

class TestHostileInput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { quietOffscreenRaiseWarnings(); }
    void init() { resetProgramState(); }
    void cleanupTestCase() { resetProgramState(); }

    void pastes_data();
    void pastes();
    void fullFieldWithTheFocusIsCheap();
    void linesAlongTheCrossShow();
    void largePictureWithOddSides();
    void returnPressesTheFocusedButton_data();
    void returnPressesTheFocusedButton();
    void focusIsMarked_data();
    void overflowSaysWhatItConcerns();
    void focusIsMarked();
};

void TestHostileInput::pastes_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("selectAll");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("after");

    const QString mebibyte = u"30"_s + QString(1024 * 1024 - 2, u'x');
    const QString full = u"45"_s + QString(MaxFieldLength - 2, u' ');
    QTest::newRow("a mebibyte into an empty field") << u""_s << false << mebibyte << u""_s;
    QTest::newRow("one character past the limit after 90")
        << u"90"_s << false << QString(MaxFieldLength - 1, u'9') << u"90"_s;
    QTest::newRow("a mebibyte at the end of a full field") << full << false << mebibyte << full;
    QTest::newRow("the limit exactly, over a selection") << u"90"_s << true << full << full;
    QTest::newRow("a leading line break turns into a blank") << u""_s << false << u"\r\n45"_s << u" 45"_s;
    QTest::newRow("each kind of line break is one blank") << u"1"_s << false << u"\n2\r3\r\n4"_s << u"1 2 3 4"_s;
}

// A paste that would take a field past its limit is refused whole and at once, with a message giving the limit.
void TestHostileInput::pastes()
{
    QFETCH(QString, before);
    QFETCH(bool, selectAll);
    QFETCH(QString, pasted);
    QFETCH(QString, after);

    MessageRecorder recorder;
    Form1 &main = Forms::get<Form1>();
    main.Show();
    QLineEdit &sun = main.Text1();
    sun.setText(before);
    sun.setFocus();
    if (selectAll)
        sun.selectAll();
    QGuiApplication::clipboard()->setText(pasted);

    QElapsedTimer timer;
    timer.start();
    QTest::keySequence(&sun, QKeySequence::Paste);
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));

    QCOMPARE(sun.text(), after);
    const bool refused = after == before && !pasted.isEmpty();
    QCOMPARE(recorder.messages().size(), size_t(refused ? 1 : 0));
    if (refused)
        QVERIFY2(recorder.messages().front().text.contains(u"4,096"_s), qPrintable(recorder.messages().front().text));
}

// A field filled to its limit and holding the focus costs next to nothing while the cursor blinks.
void TestHostileInput::fullFieldWithTheFocusIsCheap()
{
    MessageRecorder recorder;
    Form1 &main = Forms::get<Form1>();
    main.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QGuiApplication::clipboard()->setText(u"30"_s + QString(16 * 1024 * 1024, u'x'));
    main.Text1().setFocus();
    QTest::keySequence(&main.Text1(), QKeySequence::Paste);
    QGuiApplication::clipboard()->setText(u"30"_s + QString(MaxFieldLength - 2, u'x'));
    QTest::keySequence(&main.Text1(), QKeySequence::Paste);
    QCOMPARE(main.Text1().text().size(), MaxFieldLength);

    const double start = processCpuSeconds();
    QTest::qWait(1000);
    const double spent = processCpuSeconds() - start;
    // An idle program spends a few milliseconds; a field of megabytes spends most of the second.
    QVERIFY2(spent < 0.25, qPrintable(QString::number(spent)));
}

// The Sun's line at 0 runs up Line4 and the Moon's line at 90 right along Line3: both show on the screen.
void TestHostileInput::linesAlongTheCrossShow()
{
    Form1 &main = Forms::get<Form1>();
    main.Show();
    main.Text1().setText(u"0"_s);
    main.Text2().setText(u"90"_s);
    QTest::mouseClick(&main.button(u"Command3"), Qt::LeftButton);
    Form3 &view = Forms::get<Form3>();
    QTest::mouseClick(&view.button(u"Command2"), Qt::LeftButton);
    QTest::mouseClick(&view.button(u"Command1"), Qt::LeftButton);

    const QImage shown = view.grab().toImage();
    // In pixels: the centre at (152, 96), the Sun's line up to y 29, the Moon's right to x 235.
    int sunPixels = 0;
    int moonPixels = 0;
    for (int along = 0; along < 60; ++along) {
        for (int across = -1; across <= 1; ++across) {
            sunPixels += shown.pixel(152 + across, 90 - along) == qRgb(255, 0, 0) ? 1 : 0;
            moonPixels += shown.pixel(160 + along, 96 + across) == qRgb(0, 128, 0) ? 1 : 0;
        }
    }
    // Dash-dot: more than half of each stretch is drawn.
    QVERIFY2(sunPixels > 30, qPrintable(QString::number(sunPixels)));
    QVERIFY2(moonPixels > 30, qPrintable(QString::number(moonPixels)));
}

// A valid JPEG whose full decode passes Qt's allocation limit loads, reduced while it is decoded, odd sides or not.
void TestHostileInput::largePictureWithOddSides()
{
    QTemporaryDir folder;
    QImage picture(5793, 5793, QImage::Format_RGB888);
    picture.fill(Qt::darkCyan);
    QVERIFY(picture.save(folder.filePath(u"placna01.jpg"_s), "JPEG", 50));
    picture = {};

    MessageRecorder recorder;
    Form1 &main = Forms::get<Form1>();
    main.Show();
    const qint64 before = main.pictureCacheKey(u"Image1");
    App::setPathForTesting(folder.path());
    QTest::mouseClick(&main.windowedControl(u"Picture1"), Qt::LeftButton);
    for (const UserMessage &message : recorder.messages())
        QFAIL(qPrintable(message.text));
    QVERIFY(main.pictureCacheKey(u"Image1") != before);
    const QImage shown = main.grab(QRect(200, 130, 8, 8)).toImage();
    QImage expected(shown.size(), shown.format());
    expected.fill(Qt::darkCyan);
    QVERIFY(meanDifference(shown, expected) < 3);
}

void TestHostileInput::returnPressesTheFocusedButton_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("Return") << Qt::Key_Return << Qt::KeyboardModifiers();
    QTest::newRow("keypad Enter") << Qt::Key_Enter << Qt::KeyboardModifiers(Qt::KeypadModifier);
}

void TestHostileInput::returnPressesTheFocusedButton()
{
    QFETCH(Qt::Key, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    Form1 &main = Forms::get<Form1>();
    main.Show();
    main.Text1().setText(u"30"_s);
    QAbstractButton &solarHour = main.button(u"Command4");
    solarHour.setFocus();
    QTest::keyClick(&solarHour, key, modifiers);
    QCOMPARE(main.Text5().text(), u"14"_s);
}

// Tab stops that show nothing would leave the user lost: the box with the focus is drawn differently.
void TestHostileInput::focusIsMarked_data()
{
    QTest::addColumn<QString>("control");
    QTest::newRow("the small picture box") << u"Picture1"_s;
    QTest::newRow("the presentation box") << u"OLE1"_s;
}

void TestHostileInput::focusIsMarked()
{
    QFETCH(QString, control);
    Form1 &main = Forms::get<Form1>();
    main.Show();
    QApplication::setActiveWindow(&main);
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QWidget &box = main.windowedControl(control);
    const QImage without = box.grab().toImage();
    box.setFocus(Qt::TabFocusReason);
    QVERIFY(box.hasFocus());
    QVERIFY(box.grab().toImage() != without);
}

// The overflow names the button that stopped and the start of the value it could not use.
void TestHostileInput::overflowSaysWhatItConcerns()
{
    MessageRecorder recorder;
    Form1 &main = Forms::get<Form1>();
    main.Show();
    main.Text1().setText(u"1e400"_s + QString(100, u'0'));
    QTest::mouseClick(&main.button(u"Command4"), Qt::LeftButton);
    QCOMPARE(recorder.errorNumbers(), std::vector<int>{RuntimeError::Overflow});
    const QString text = recorder.messages().front().text;
    for (const QString &part : {u"Overflow"_s, u"Form1.Command4_Click"_s, u"\"Read solar hour\""_s,
                                u"Form1.Text1 (Position of the Sun in degrees), \"1e400000"_s})
        QVERIFY2(text.contains(part), qPrintable(text));
    QVERIFY2(text.size() < 300, qPrintable(text));
}

QTEST_MAIN(TestHostileInput)
#include "tst_hostile_input.moc"
