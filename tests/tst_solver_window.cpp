// SPDX-License-Identifier: MIT
// The main window's solve and solar-hour buttons as the user presses them: what each writes, in what order, and
// which window is shown when there is too little to solve.
#include "form3.h"
#include "field_values.h"
#include "form1.h"
#include "solver.h"
#include "forms.h"
#include "test_support.h"

#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

class TestSolverWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { quietOffscreenRaiseWarnings(); }
    void init();
    void cleanup() { resetProgramState(); }

    void solvesThePhaseAsTyped();
    void writesOnlyTheResultAndTheFormula_data();
    void writesOnlyTheResultAndTheFormula();
    void readsTheSolarHour_data();
    void readsTheSolarHour();
    void tooFewValuesHideTheMainWindowAndShowTheView();
    void closingTheViewShowsTheMainWindowAgain();

private:
    MessageRecorder m_recorder;
};

// Every test starts at the main window on screen, as the program starts.
void TestSolverWindow::init()
{
    resetProgramState();
    m_recorder.clear();
    openWindow<Form1>();
}

void TestSolverWindow::solvesThePhaseAsTyped()
{
    Form1 &form = Forms::get<Form1>();
    typeInto(form.Text5(), u"9"_s);
    typeInto(form.Text1(), u"30"_s);
    typeInto(form.Text2(), u"120"_s);
    QCOMPARE(form.Text1().text(), u"30"_s);

    press(form, u"Command1");

    QCOMPARE(form.Text3().text(), u"21"_s);
    QCOMPARE(form.Text4().text(), u" PhaseoftheMoon=(PositionoftheSun - PositionoftheMoon) * (28/360)"_s);
    QCOMPARE(form.Text5().text(), QString());
    QCOMPARE(form.Text1().text(), u"30"_s);
    QCOMPARE(form.Text2().text(), u"120"_s);
    QVERIFY(form.isVisible());
    QCOMPARE(m_recorder.messages().size(), size_t(0));
}

// clang-format off
void TestSolverWindow::writesOnlyTheResultAndTheFormula_data()
{
    QTest::addColumn<QString>("sun");
    QTest::addColumn<QString>("moon");
    QTest::addColumn<QString>("phase");
    QTest::addColumn<int>("resultField");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("formula");

    const QString phase = QString::fromUtf16(phaseFormula);
    const QString sun = QString::fromUtf16(sunFormula);
    const QString moon = QString::fromUtf16(moonFormula);
    QTest::newRow("phase to a tenth") << "45" << "90" << "" << 3 << "24.5" << phase;
    QTest::newRow("phase to a tenth: a given phase is overwritten") << "30" << "120" << "5" << 3 << "21" << phase;
    QTest::newRow("whole phase: Sun at 0 is not above it") << "0" << "90" << "" << 3 << "7" << phase;
    QTest::newRow("whole phase: Sun beyond the Moon") << "120" << "30" << "" << 3 << "7" << phase;
    QTest::newRow("Sun from Moon and phase") << "" << "300" << "14" << 1 << "480" << sun;
    QTest::newRow("Moon from Sun and phase") << "30" << "" << "21" << 2 << "120" << moon;
    QTest::newRow("Moon: one turn added, no more") << "10" << "" << "60" << 2 << "-402" << moon;
}
// clang-format on

void TestSolverWindow::writesOnlyTheResultAndTheFormula()
{
    QFETCH(QString, sun);
    QFETCH(QString, moon);
    QFETCH(QString, phase);
    QFETCH(int, resultField);
    QFETCH(QString, result);
    QFETCH(QString, formula);

    Form1 &form = Forms::get<Form1>();
    const std::pair<QLineEdit *, QString> typed[] = {
        {&form.Text1(), sun},    {&form.Text2(), moon},
        {&form.Text3(), phase},  {&form.Text4(), u"old formula"_s},
        {&form.Text5(), u"9"_s}, {&form.textBox(u"Text8"), u"0.5"_s},
    };
    for (const auto &[field, text] : typed) {
        if (!text.isEmpty())
            typeInto(*field, text);
    }
    const QStringList before = boxTexts(u"Form1");

    QStringList writes;
    for (const QString &box : textBoxNames(u"Form1"))
        connect(&form.textBox(box), &QLineEdit::textChanged, this, [&writes, box] { writes << box; });
    press(form, u"Command1");

    QStringList expected = before;
    expected[resultField - 1] = result;
    expected[3] = formula;
    expected[4] = QString();
    QCOMPARE(boxTexts(u"Form1"), expected);
    // The solar hour goes first, then the result, then the formula.
    QCOMPARE(writes, (QStringList{u"Text5"_s, textBoxNames(u"Form1").at(resultField - 1), u"Text4"_s}));
    QCOMPARE(m_recorder.messages().size(), size_t(0));
}

// clang-format off
void TestSolverWindow::readsTheSolarHour_data()
{
    QTest::addColumn<QString>("sun");
    QTest::addColumn<QString>("hour");

    QTest::newRow("hours and minutes") << "37.5" << "14  30";
    QTest::newRow("a whole hour") << "30" << "14";
    QTest::newRow("the Sun at North") << "180" << "0";
    QTest::newRow("a field as full as it goes, read whole")
        << u"37.5"_s + QString(MaxFieldLength - 4, u'0') << "14  30";
}
// clang-format on

void TestSolverWindow::readsTheSolarHour()
{
    QFETCH(QString, sun);
    QFETCH(QString, hour);

    Form1 &form = Forms::get<Form1>();
    typeInto(form.Text1(), sun);
    typeInto(form.Text2(), u"120"_s);
    typeInto(form.Text4(), u"old formula"_s);
    typeInto(form.Text5(), u"9"_s);
    QStringList expected = boxTexts(u"Form1");

    press(form, u"Command4");

    expected[4] = hour;
    QCOMPARE(boxTexts(u"Form1"), expected);
    QCOMPARE(m_recorder.messages().size(), size_t(0));
}

void TestSolverWindow::tooFewValuesHideTheMainWindowAndShowTheView()
{
    Form1 &form = Forms::get<Form1>();
    typeInto(form.Text1(), u"30"_s);
    typeInto(form.Text4(), u"kept formula"_s);
    typeInto(form.Text5(), u"9"_s);
    QVERIFY(!Forms::isLoaded<Form3>());

    press(form, u"Command1");

    QCOMPARE(form.Text4().text(), u"kept formula"_s);
    QCOMPARE(form.Text5().text(), QString());
    QCOMPARE(form.Text1().text(), u"30"_s);
    QCOMPARE(form.Text3().text(), QString());
    QVERIFY(Forms::isLoaded<Form1>());
    QVERIFY(!form.isVisible());
    QVERIFY(Forms::isLoaded<Form3>());
    Form3 &view = Forms::get<Form3>();
    QVERIFY(view.isVisible());
    QCOMPARE(view.Text1().text(), u"30"_s);
    QCOMPARE(m_recorder.messages().size(), size_t(0));
}

void TestSolverWindow::closingTheViewShowsTheMainWindowAgain()
{
    Form1 &form = Forms::get<Form1>();
    typeInto(form.Text3(), u"7"_s);
    typeInto(form.Text4(), u"kept formula"_s);
    press(form, u"Command1");
    QVERIFY(!form.isVisible());
    Form3 &view = Forms::get<Form3>();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const QStringList texts = boxTexts(u"Form1");

    QVERIFY(view.close());

    QVERIFY(!Forms::isLoaded<Form3>());
    QVERIFY(Forms::isLoaded<Form1>());
    QVERIFY(form.isVisible());
    QCOMPARE(boxTexts(u"Form1"), texts);
    QCOMPARE(form.Text3().text(), u"7"_s);
    QCOMPARE(form.Text4().text(), u"kept formula"_s);
    QCOMPARE(programEndCount(), 0);
    QCOMPARE(m_recorder.messages().size(), size_t(0));
}

QTEST_MAIN(TestSolverWindow)
#include "tst_solver_window.moc"
