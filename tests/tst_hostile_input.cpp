// SPDX-License-Identifier: MIT
// What a careless or hostile user does: huge pastes, keys on buttons, odd pictures, figures on the view's cross.
#include "test_support.h"

#include "field_values.h"
#include "form3.h"
#include "form1.h"
#include "app.h"
#include "forms.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include <ctime>

using namespace Qt::StringLiterals;

class TestHostileInput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { quietOffscreenRaiseWarnings(); }
    void init()
    {
        resetProgramState();
        Forms::get<Form1>().bringToFront();
    }
    void cleanupTestCase() { resetProgramState(); }

    void pastes_data();
    void pastes();
    void fullFieldWithTheFocusIsCheap();
    void linesAlongTheCrossShow();
    void largePictureWithOddSides();
    void returnPressesTheFocusedButton();
};

void TestHostileInput::pastes_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("after");

    const QString mebibyte = u"30"_s + QString(1024 * 1024 - 2, u'x');
    const QString full = u"45"_s + QString(MaxFieldLength - 2, u' ');
    QTest::newRow("a mebibyte into an empty field") << u""_s << mebibyte << u""_s;
    QTest::newRow("one past the limit after 90") << u"90"_s << QString(MaxFieldLength - 1, u'9') << u"90"_s;
    QTest::newRow("a mebibyte at the end of a full field") << full << mebibyte << full;
    QTest::newRow("the limit exactly") << u""_s << full << full;
    QTest::newRow("a leading line break turns into a blank") << u""_s << u"\r\n45"_s << u" 45"_s;
    QTest::newRow("each kind of line break is one blank") << u"1"_s << u"\n2\r3\r\n4"_s << u"1 2 3 4"_s;
}

// A paste that would take a field past its limit is refused whole, with a message giving the limit.
void TestHostileInput::pastes()
{
    QFETCH(QString, before);
    QFETCH(QString, pasted);
    QFETCH(QString, after);
    MessageRecorder recorder;
    QLineEdit &sun = Forms::get<Form1>().Text1();
    sun.setText(before);
    sun.setFocus();
    sun.end(false); // the user clicks after the text
    QGuiApplication::clipboard()->setText(pasted);
    QTest::keySequence(&sun, QKeySequence::Paste);
    QCOMPARE(sun.text(), after);
    QCOMPARE(recorder.messages().size(), size_t(after == before));
    for (const UserMessage &message : recorder.messages())
        QVERIFY2(message.text.contains(u"4,096"_s), qPrintable(message.text));
}

// A field filled as far as it goes, with the focus, costs next to nothing while the cursor blinks.
void TestHostileInput::fullFieldWithTheFocusIsCheap()
{
    MessageRecorder recorder;
    Form1 &main = Forms::get<Form1>();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    main.Text1().setFocus();
    for (const qsizetype length : {qsizetype(16 * 1024 * 1024), qsizetype(MaxFieldLength)}) {
        QGuiApplication::clipboard()->setText(u"30"_s + QString(length - 2, u'x'));
        QTest::keySequence(&main.Text1(), QKeySequence::Paste);
    }
    QCOMPARE(main.Text1().text().size(), MaxFieldLength);
    const std::clock_t start = std::clock();
    QTest::qWait(1000);
    // Idle, a few milliseconds; a field of megabytes takes most of the second.
    const double spent = double(std::clock() - start) / CLOCKS_PER_SEC;
    QVERIFY2(spent < 0.25, qPrintable(QString::number(spent)));
}

// The Sun's line at 0 runs up Line4 and the Moon's line at 90 right along Line3: both show on the screen.
void TestHostileInput::linesAlongTheCrossShow()
{
    Form1 &main = Forms::get<Form1>();
    main.Text1().setText(u"0"_s);
    main.Text2().setText(u"90"_s);
    QTest::mouseClick(&main.button(u"Command3"), Qt::LeftButton);
    Form3 &view = Forms::get<Form3>();
    QTest::mouseClick(&view.button(u"Command2"), Qt::LeftButton);
    QTest::mouseClick(&view.button(u"Command1"), Qt::LeftButton);

    const QImage shown = view.grab().toImage();
    // The centre is at (152, 96) pixels; the Sun's line runs up to y 29, the Moon's right to x 235. Dash-dot: more
    // than half of each stretch is drawn, within a pixel of the cross.
    int sunPixels = 0, moonPixels = 0;
    for (int along = 0; along < 60; ++along) {
        for (int across = -1; across <= 1; ++across) {
            sunPixels += shown.pixel(152 + across, 90 - along) == qRgb(255, 0, 0);
            moonPixels += shown.pixel(160 + along, 96 + across) == qRgb(0, 128, 0);
        }
    }
    QVERIFY2(sunPixels > 30 && moonPixels > 30, qPrintable(u"%1 %2"_s.arg(sunPixels).arg(moonPixels)));
}

// A valid JPEG whose full decode passes Qt's allocation limit loads, reduced while it is decoded, odd sides or not.
void TestHostileInput::largePictureWithOddSides()
{
    QTemporaryDir folder;
    QImage picture(5793, 5793, QImage::Format_RGB888);
    picture.fill(Qt::darkCyan);
    QVERIFY(std::exchange(picture, {}).save(folder.filePath(u"placna01.jpg"_s), "JPEG", 50));

    MessageRecorder recorder;
    Form1 &main = Forms::get<Form1>();
    App::setPathForTesting(folder.path());
    QTest::mouseClick(&main.windowedControl(u"Picture1"), Qt::LeftButton);
    QCOMPARE(recorder.messages().size(), size_t(0));
    QImage expected(8, 8, QImage::Format_RGB32);
    expected.fill(Qt::darkCyan);
    QVERIFY(meanDifference(main.grab(QRect(200, 130, 8, 8)).toImage(), expected) < 3);
}

// Return and keypad Enter press the focused button, as Space does; keys click the focused picture box.
void TestHostileInput::returnPressesTheFocusedButton()
{
    Form1 &main = Forms::get<Form1>();
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

QTEST_MAIN(TestHostileInput)
#include "tst_hostile_input.moc"
