// SPDX-License-Identifier: MIT
// What an event procedure does with a value it cannot use, in every handler that reads one: the procedure stops, the
// user reads in plain words what could not be used, the fields that the procedure had not yet written keep their text,
// and the program goes on.
#include "test_support.h"

#include "form3.h"
#include "form1.h"
#include "solver.h"
#include "forms.h"
#include "runtime_error.h"

#include <QLineEdit>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QString Max = u"1.7976931348623157e308"_s;
// Written as the largest 15-digit number that reads back within the range.
const QString MaxText = u"1.79769313486231E+308"_s;
const QString Phase = QString::fromUtf16(phaseFormula);
const QString Sun = QString::fromUtf16(sunFormula);
const QString Moon = QString::fromUtf16(moonFormula);

int inputsTried = 0;
int inputsFaulted = 0;

// The main window on screen with the three quantities, and texts in every other field, so that any stray write
// shows.
Form1 &showMainWindow(const QString &sun, const QString &moon, const QString &phase)
{
    Form1 &main = openWindow<Form1>();
    setMainFields(sun, moon, phase);
    main.Text4().setText(u"old formula"_s);
    main.Text5().setText(u"old hour"_s);
    for (int n = 6; n <= 9; ++n)
        main.textBox(u"Text%1"_s.arg(n)).setText(u"kept %1"_s.arg(n));
    return main;
}

// Every field as before, except those the procedure wrote, which hold what it wrote.
void compareFields(const FieldTexts &before, const QStringList &written)
{
    FieldTexts expected = before;
    for (const QString &write : written) {
        const qsizetype equals = write.indexOf(u'=');
        QVERIFY2(expected.count(write.left(equals)), qPrintable(write));
        expected[write.left(equals)] = write.mid(equals + 1);
    }
    compareFieldTexts(expected);
}

} // namespace

class TestEventProcedure : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { quietOffscreenRaiseWarnings(); }
    void init() { resetProgramState(); }
    void cleanup() { resetProgramState(); }
    void cleanupTestCase();
    void valuesThatCannotBeUsed_data();
    void valuesThatCannotBeUsed();
};

void TestEventProcedure::cleanupTestCase()
{
    qDebug().noquote() << u"event procedures: %1 values tried in the handlers, %2 raised the overflow"_s
                              .arg(inputsTried)
                              .arg(inputsFaulted);
}

void TestEventProcedure::valuesThatCannotBeUsed_data()
{
    QTest::addColumn<QString>("button"); // "Form1.Command1"
    QTest::addColumn<QString>("sun");
    QTest::addColumn<QString>("moon");
    QTest::addColumn<QString>("phase");
    QTest::addColumn<int>("error"); // 0: none
    QTest::addColumn<QStringList>("written");

    auto row = [](const char *name, const char *button, const QString &sun, const QString &moon, const QString &phase,
                  int error, const QStringList &written) {
        QTest::newRow(name) << QString::fromLatin1(button) << sun << moon << phase << error << written;
    };
    const int Overflow = RuntimeError::Overflow;

    // The solver clears the solar hour first, then faults before writing anything else.
    auto solverRow = [&](const char *name, const QString &sun, const QString &moon, const QString &phase, int error,
                         const QStringList &written) { row(name, "Form1.Command1", sun, moon, phase, error, written); };
    auto solverFault = [&](const char *name, const QString &sun, const QString &moon, const QString &phase) {
        solverRow(name, sun, moon, phase, Overflow, {u"Form1.Text5="_s});
    };
    auto solved = [](const QString &field, const QString &text, const QString &formula) {
        return QStringList{u"Form1.Text5="_s, u"Form1.%1=%2"_s.arg(field, text), u"Form1.Text4="_s + formula};
    };
    solverFault("phase to a tenth: Moon at the largest double", u"1"_s, Max, u""_s);
    solverFault("whole phase: 1e308 and -1e308", u"1e308"_s, u"-1e308"_s, u""_s);
    solverFault("whole phase: 1e308 and -1e308, a phase given", u"1e308"_s, u"-1e308"_s, u"5"_s);
    solverFault("whole phase: -max and max", u"-"_s + Max, Max, u""_s);
    solverFault("whole phase: Sun 1e400", u"1e400"_s, u"90"_s, u""_s);
    solverFault("whole phase: Moon -1e400", u"90"_s, u"-1e400"_s, u""_s);
    solverRow("whole phase: 1e308 twice", u"1e308"_s, u"1e308"_s, u""_s, 0, solved(u"Text3"_s, u"0"_s, Phase));
    solverRow("whole phase: Sun 1e-400 reads 0", u"1e-400"_s, u"90"_s, u""_s, 0, solved(u"Text3"_s, u"7"_s, Phase));
    solverRow("phase to a tenth: Sun +.5", u"+.5"_s, u"90"_s, u""_s, 0, solved(u"Text3"_s, u"21"_s, Phase));
    solverRow("whole phase: Sun -0 is not above 0", u"-0"_s, u"90"_s, u""_s, 0, solved(u"Text3"_s, u"7"_s, Phase));
    solverRow("whole phase: Sun a lone point", u"."_s, u"90"_s, u""_s, 0, solved(u"Text3"_s, u"7"_s, Phase));
    solverRow("whole phase: Sun a lone minus", u"-"_s, u"90"_s, u""_s, 0, solved(u"Text3"_s, u"7"_s, Phase));
    solverRow("phase to a tenth: Sun after a tab", u"\t30"_s, u"120"_s, u""_s, 0, solved(u"Text3"_s, u"21"_s, Phase));
    solverRow("whole phase: Sun after a no-break space reads 0", u"\u00a030"_s, u"120"_s, u""_s, 0,
              solved(u"Text3"_s, u"9"_s, Phase));
    solverRow("whole phase: Sun after an ideographic space reads 0", u"\u300030"_s, u"120"_s, u""_s, 0,
              solved(u"Text3"_s, u"9"_s, Phase));
    solverRow("whole phase: Sun in Arabic-Indic digits reads 0", u"\u0663\u0660"_s, u"120"_s, u""_s, 0,
              solved(u"Text3"_s, u"9"_s, Phase));
    solverRow("whole phase: Sun in full-width digits reads 0", u"\uff13\uff10"_s, u"120"_s, u""_s, 0,
              solved(u"Text3"_s, u"9"_s, Phase));
    solverRow("whole phase: Sun letters", u"abc"_s, u"90"_s, u""_s, 0, solved(u"Text3"_s, u"7"_s, Phase));
    solverFault("Sun solved: 1e308 and phase 1e308", u""_s, u"1e308"_s, u"1e308"_s);
    solverFault("Sun solved: -1e308 and phase -1e308", u""_s, u"-1e308"_s, u"-1e308"_s);
    solverFault("Sun solved: phase 1e400", u""_s, u"10"_s, u"1e400"_s);
    solverRow("Sun solved: Moon at the largest double", u""_s, Max, u"28"_s, 0, solved(u"Text1"_s, MaxText, Sun));
    solverRow("Sun solved: phase +.5", u""_s, u"10"_s, u"+.5"_s, 0, solved(u"Text1"_s, u"16"_s, Sun));
    solverRow("Sun solved: phase a lone point", u""_s, u"10"_s, u"."_s, 0, solved(u"Text1"_s, u"10"_s, Sun));
    solverRow("Sun solved: phase -0", u""_s, u"10"_s, u"-0"_s, 0, solved(u"Text1"_s, u"10"_s, Sun));
    solverRow("Sun solved: phase in Arabic-Indic digits", u""_s, u"10"_s, u"\u0661"_s, 0,
              solved(u"Text1"_s, u"10"_s, Sun));
    solverFault("Moon solved: -1e308 and phase 1e308", u"-1e308"_s, u""_s, u"1e308"_s);
    solverFault("Moon solved: 1e308 and phase -1e308", u"1e308"_s, u""_s, u"-1e308"_s);
    solverFault("Moon solved: phase -1e400", u"30"_s, u""_s, u"-1e400"_s);
    solverRow("Moon solved: Sun at minus the largest double", u"-"_s + Max, u""_s, u"1"_s, 0,
              solved(u"Text2"_s, u"-"_s + MaxText, Moon));
    solverRow("Moon solved: phase after a tab", u"30"_s, u""_s, u"\t21"_s, 0, solved(u"Text2"_s, u"120"_s, Moon));
    solverRow("Moon solved: phase in Arabic-Indic digits", u"30"_s, u""_s, u"\u0662\u0661"_s, 0,
              solved(u"Text2"_s, u"30"_s, Moon));

    // The solar hour writes only its own field, and only when nothing faulted.
    auto hourRow = [&](const char *name, const QString &sun, const QString &written) {
        row(name, "Form1.Command4", sun, u""_s, u""_s, 0, {u"Form1.Text5="_s + written});
    };
    auto hourFault = [&](const char *name, const QString &sun) {
        row(name, "Form1.Command4", sun, u""_s, u""_s, Overflow, {});
    };
    hourRow("solar hour: the largest double", Max, u"1.19846208990821E+307"_s);
    hourRow("solar hour: minus the largest double", u"-"_s + Max, u"-1.19846208990821E+307"_s);
    hourFault("solar hour: just beyond the largest double", u"1.797693134862316e308"_s);
    hourFault("solar hour: 1e400", u"1e400"_s);
    hourFault("solar hour: -1e400", u"-1e400"_s);
    hourRow("solar hour: 1e308", u"1e308"_s, u"6.66666666666667E+306"_s);
    hourRow("solar hour: 1e-400", u"1e-400"_s, u"12"_s);
    hourRow("solar hour: -0", u"-0"_s, u"12"_s);
    hourRow("solar hour: +.5", u"+.5"_s, u"12  2"_s);
    hourRow("solar hour: a lone point", u"."_s, u"12"_s);
    hourRow("solar hour: a lone minus", u"-"_s, u"12"_s);
    hourRow("solar hour: after a tab", u"\t37.5"_s, u"14  30"_s);
    hourRow("solar hour: after a no-break space", u"\u00a037.5"_s, u"12"_s);
    hourRow("solar hour: Arabic-Indic digits", u"\u0663\u0667.\u0665"_s, u"12"_s);
    hourRow("solar hour: full-width digits", u"\uff13\uff17.\uff15"_s, u"12"_s);
    hourRow("solar hour: letters", u"abc"_s, u"12"_s);

    // A line button writes the number it read into its box, then draws; the drawing may fault. A number that
    // cannot be read writes nothing.
    // The Moon's line reads the Moon and writes the view's Text3; the Sun's line reads the Sun and writes Text1.
    auto lineRow = [&](const char *name, bool moon, const QString &value, int error, const QString &boxText) {
        const QStringList written{(moon ? u"Form3.Text3="_s : u"Form3.Text1="_s) + boxText};
        row(name, moon ? "Form3.Command1" : "Form3.Command2", moon ? u""_s : value, moon ? value : u""_s, u""_s, error,
            boxText.isNull() ? QStringList{} : written);
    };
    auto moonLine = [&](const char *name, const QString &moon, int error, const QString &boxText) {
        lineRow(name, true, moon, error, boxText);
    };
    auto sunLine = [&](const char *name, const QString &sun, int error, const QString &boxText) {
        lineRow(name, false, sun, error, boxText);
    };
    const QString nothingWritten; // null: the number could not be read
    moonLine("Moon's line: 1e308", u"1e308"_s, Overflow, u"1E+308"_s);
    moonLine("Moon's line: -1e308", u"-1e308"_s, Overflow, u"-1E+308"_s);
    moonLine("Moon's line: the largest double", Max, Overflow, MaxText);
    moonLine("Moon's line: 2.9e307 overflows in radians", u"2.9e307"_s, Overflow, u"2.9E+307"_s);
    moonLine("Moon's line: 2.8e307 still draws", u"2.8e307"_s, 0, u"2.8E+307"_s);
    moonLine("Moon's line: 1e400", u"1e400"_s, Overflow, nothingWritten);
    moonLine("Moon's line: -1e400", u"-1e400"_s, Overflow, nothingWritten);
    moonLine("Moon's line: 1e-400", u"1e-400"_s, 0, u"0"_s);
    moonLine("Moon's line: -0", u"-0"_s, 0, u"0"_s);
    moonLine("Moon's line: +.5", u"+.5"_s, 0, u"0.5"_s);
    moonLine("Moon's line: a lone minus", u"-"_s, 0, u"0"_s);
    moonLine("Moon's line: after a tab", u"\t90"_s, 0, u"90"_s);
    moonLine("Moon's line: full-width digits", u"\uff11\uff12"_s, 0, u"0"_s);
    moonLine("Moon's line: letters", u"abc"_s, 0, u"0"_s);
    sunLine("Sun's line: 1e308", u"1e308"_s, Overflow, u"1E+308"_s);
    sunLine("Sun's line: minus the largest double", u"-"_s + Max, Overflow, u"-"_s + MaxText);
    sunLine("Sun's line: -2.9e307 overflows in radians", u"-2.9e307"_s, Overflow, u"-2.9E+307"_s);
    sunLine("Sun's line: -2.8e307 still draws", u"-2.8e307"_s, 0, u"-2.8E+307"_s);
    sunLine("Sun's line: 1e400", u"1e400"_s, Overflow, nothingWritten);
    sunLine("Sun's line: 1e-400", u"1e-400"_s, 0, u"0"_s);
    sunLine("Sun's line: +.5", u"+.5"_s, 0, u"0.5"_s);
    sunLine("Sun's line: a lone point", u"."_s, 0, u"0"_s);
    sunLine("Sun's line: after a no-break space", u"\u00a090"_s, 0, u"0"_s);
    sunLine("Sun's line: Arabic-Indic digits", u"\u0669\u0660"_s, 0, u"0"_s);

    // The phase ring uses neither number, so only reading them can fault.
    row("phase ring: the largest doubles", "Form3.Command3", Max, u"-"_s + Max, u""_s, 0,
        {u"Form3.Text1="_s + MaxText, u"Form3.Text3=-"_s + MaxText});
    row("phase ring: Sun 1e400", "Form3.Command3", u"1e400"_s, u"30"_s, u""_s, Overflow, {});
    row("phase ring: Moon -1e400 after the Sun", "Form3.Command3", u"30"_s, u"-1e400"_s, u""_s, Overflow,
        {u"Form3.Text1=30"_s});
    row("phase ring: -0 and +.5", "Form3.Command3", u"-0"_s, u"+.5"_s, u""_s, 0,
        {u"Form3.Text1=0"_s, u"Form3.Text3=0.5"_s});
    row("phase ring: foreign digits and a tab", "Form3.Command3", u"\u0661\u0662"_s, u"\t12"_s, u""_s, 0,
        {u"Form3.Text1=0"_s, u"Form3.Text3=12"_s});
}

void TestEventProcedure::valuesThatCannotBeUsed()
{
    QFETCH(QString, button);
    QFETCH(QString, sun);
    QFETCH(QString, moon);
    QFETCH(QString, phase);
    QFETCH(int, error);
    QFETCH(QStringList, written);

    Form1 &main = showMainWindow(sun, moon, phase);
    Form3 &view = openWindow<Form3>();
    view.Text1().setText(u"view sun"_s);
    view.Text3().setText(u"view moon"_s);
    view.Text4().setText(u"view phase"_s);

    const FieldTexts before = fieldSnapshot();
    const qint64 picture = main.pictureCacheKey(u"Image1");

    MessageRecorder recorder;
    press(button);
    ++inputsTried;

    if (error) {
        ++inputsFaulted;
        QCOMPARE(recorder.messages().size(), size_t(1));
        const UserMessage &message = recorder.messages().front();
        QCOMPARE(message.kind, MessageKind::Error);
        QCOMPARE(message.errorNumber, error);
        QCOMPARE(message.procedure, button + u"_Click"_s);
        // In plain words it names the value it could not use and says what to do; the details name the error and
        // the button that stopped.
        QVERIFY2(message.text.contains(u"could not be used"_s) && message.text.contains(u"Type a smaller number"_s)
                     && !message.text.contains(u"Run-time error"_s),
                 qPrintable(message.text));
        QVERIFY2(message.details.contains(u"Overflow"_s)
                     && message.details.contains(button + u"_Click (the button \""_s),
                 qPrintable(message.details));
    } else {
        QVERIFY2(recorder.messages().empty(), qPrintable(recorder.firstText()));
    }
    compareFields(before, written);

    // Both windows stay as they were, and the plate picture with them.
    QVERIFY(main.isVisible());
    QVERIFY(view.isVisible());
    QCOMPARE(Forms::loaded().size(), size_t(2));
    QCOMPARE(main.pictureCacheKey(u"Image1"), picture);
}

QTEST_MAIN(TestEventProcedure)
#include "tst_event_procedure.moc"
