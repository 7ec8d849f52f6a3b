// SPDX-License-Identifier: MIT
#include "main_window/solver.h"
#include "platform/runtime_error.h"

#include <QTest>

namespace {

const QString phaseText = QStringLiteral(" PhaseoftheMoon=(PositionoftheSun - PositionoftheMoon) * (28/360)");
const QString sunText = QStringLiteral("PositionoftheSun = PositionoftheMoon  + (360/28)*PhaseoftheMoon");
const QString moonText = QStringLiteral("PositionoftheMoon = PositionoftheSun - (360/28)*PhaseoftheMoon");

} // namespace

Q_DECLARE_METATYPE(SolverCase)
Q_DECLARE_METATYPE(SolverField)

class TestSolver : public QObject
{
    Q_OBJECT

private slots:
    void solve_data();
    void solve();
    void tooFewValues_data();
    void tooFewValues();
    void numericFault_data();
    void numericFault();
};

void TestSolver::solve_data()
{
    QTest::addColumn<QString>("sun");
    QTest::addColumn<QString>("moon");
    QTest::addColumn<QString>("phase");
    QTest::addColumn<SolverCase>("solverCase");
    QTest::addColumn<SolverField>("field");
    QTest::addColumn<QString>("result");

    const auto A = SolverCase::A, B = SolverCase::B, C = SolverCase::C, D = SolverCase::D;
    const auto Sun = SolverField::Sun, Moon = SolverField::Moon, Phase = SolverField::Phase;

    QTest::newRow("A: whole phase without a point") << "30" << "120" << "" << A << Phase << "21";
    QTest::newRow("A: a tenth") << "45" << "90" << "" << A << Phase << "24.5";
    QTest::newRow("A: 27.9 not 28") << "1" << "2" << "" << A << Phase << "27.9";
    QTest::newRow("A: 12.4 not 12.5") << "100" << "300" << "" << A << Phase << "12.4";
    QTest::newRow("A: 0.1") << "1" << "359" << "" << A << Phase << "0.1";
    QTest::newRow("A: negative phase floors away from zero") << "10" << "400" << "" << A << Phase << "-2.4";
    QTest::newRow("A: half a degree is above zero") << "0.5" << "90" << "" << A << Phase << "21";
    QTest::newRow("A: tiny Sun is above zero") << "1e-300" << "90" << "" << A << Phase << "21";
    QTest::newRow("A: Sun a tenth below the Moon") << "100" << "100.1" << "" << A << Phase << "27.9";
    // Folding 10 * 28 / 360 into one factor gives 1.1 here.
    QTest::newRow("A: factors applied one at a time") << "14.142857142857142" << "360" << "" << A << Phase << "1";
    QTest::newRow("A: given phase is overwritten") << "30" << "120" << "5" << A << Phase << "21";
    QTest::newRow("A: phase field is never read") << "30" << "120" << "1e400" << A << Phase << "21";
    QTest::newRow("A: fields with trailing words") << "30 deg" << "120deg" << "x" << A << Phase << "21";

    QTest::newRow("B: Sun at zero is not above zero") << "0" << "90" << "" << B << Phase << "7";
    QTest::newRow("B: negative zero Sun is not above zero") << "-0" << "90" << "" << B << Phase << "7";
    QTest::newRow("B: Sun equal to the Moon") << "100" << "100" << "" << B << Phase << "0";
    QTest::newRow("B: magnitude of a negative difference") << "-30" << "60" << "" << B << Phase << "7";
    QTest::newRow("B: magnitude before floor") << "-10" << "35" << "" << B << Phase << "3";
    QTest::newRow("B: Sun above the Moon") << "120" << "30" << "" << B << Phase << "7";
    QTest::newRow("B: 3.5 floors to 3") << "45" << "0" << "" << B << Phase << "3";
    QTest::newRow("B: above 28 is kept") << "800" << "80" << "" << B << Phase << "56";
    QTest::newRow("B: letters in the Sun read 0") << "east" << "90" << "" << B << Phase << "7";
    QTest::newRow("B: blanks in the Sun are filled") << "   " << "90" << "" << B << Phase << "7";
    QTest::newRow("B: given phase is overwritten") << "120" << "30" << "14" << B << Phase << "7";
    QTest::newRow("B: huge equal values") << "1e308" << "1e308" << "" << B << Phase << "0";

    QTest::newRow("C: not brought below 360") << "" << "300" << "14" << C << Sun << "480";
    QTest::newRow("C: one day") << "" << "10" << "1" << C << Sun << "22";
    QTest::newRow("C: negative floors away from zero") << "" << "10" << "-1" << C << Sun << "-3";
    QTest::newRow("C: phase followed by a word") << "" << "120" << "7 days" << C << Sun << "210";
    QTest::newRow("C: order of operations gives exactly 28") << "" << "10" << "1.4" << C << Sun << "28";
    QTest::newRow("C: blank phase reads 0") << "" << "10.5" << " " << C << Sun << "10";

    QTest::newRow("D: one turn added") << "30" << "" << "21" << D << Moon << "120";
    QTest::newRow("D: one day back") << "10" << "" << "1" << D << Moon << "357";
    QTest::newRow("D: quarter") << "180" << "" << "7" << D << Moon << "90";
    QTest::newRow("D: zero stays zero") << "180" << "" << "14" << D << Moon << "0";
    QTest::newRow("D: 360 added once only") << "10" << "" << "60" << D << Moon << "-402";
    QTest::newRow("D: exactly -360 becomes 0") << "-360" << "" << "0" << D << Moon << "0";
    QTest::newRow("D: just below -360 stays negative") << "-361" << "" << "0" << D << Moon << "-1";
    QTest::newRow("D: negative fraction floors to -1") << "-0.5" << "" << "0" << D << Moon << "359";
    QTest::newRow("D: order of operations gives 2") << "30" << "" << "2.1" << D << Moon << "2";
    QTest::newRow("D: letters in the Sun read 0") << "west" << "" << "7" << D << Moon << "270";
}

void TestSolver::solve()
{
    QFETCH(QString, sun);
    QFETCH(QString, moon);
    QFETCH(QString, phase);
    QFETCH(SolverCase, solverCase);
    QFETCH(SolverField, field);
    QFETCH(QString, result);

    const SolverOutcome outcome = ::solve(sun, moon, phase);
    QCOMPARE(outcome.solverCase, solverCase);
    QCOMPARE(outcome.resultField, field);
    QCOMPARE(outcome.resultText, result);
    const QString &formula = field == SolverField::Phase ? phaseText : field == SolverField::Sun ? sunText : moonText;
    QCOMPARE(outcome.formula, formula);
}

void TestSolver::tooFewValues_data()
{
    QTest::addColumn<QString>("sun");
    QTest::addColumn<QString>("moon");
    QTest::addColumn<QString>("phase");

    QTest::newRow("all empty") << "" << "" << "";
    QTest::newRow("Sun alone") << "30" << "" << "";
    QTest::newRow("Moon alone") << "" << "120" << "";
    QTest::newRow("phase alone") << "" << "" << "7";
    QTest::newRow("blank Sun alone") << " " << "" << "";
    QTest::newRow("letters in the phase alone") << "" << "" << "full";
}

void TestSolver::tooFewValues()
{
    QFETCH(QString, sun);
    QFETCH(QString, moon);
    QFETCH(QString, phase);

    const SolverOutcome outcome = ::solve(sun, moon, phase);
    QCOMPARE(outcome.solverCase, SolverCase::E);
    QVERIFY(outcome.resultText.isEmpty());
    QVERIFY(outcome.formula.isEmpty());
}

void TestSolver::numericFault_data()
{
    QTest::addColumn<QString>("sun");
    QTest::addColumn<QString>("moon");
    QTest::addColumn<QString>("phase");

    QTest::newRow("A: tenfold overflows") << "1e307" << "1.5e308" << "";
    QTest::newRow("B: difference overflows") << "1e308" << "-1e308" << "";
    QTest::newRow("C: Moon plus days overflows") << "" << "1e308" << "1e308";
    QTest::newRow("C: phase beyond the double range") << "" << "10" << "1e400";
    QTest::newRow("D: Sun minus days overflows") << "-1e308" << "" << "1e307";
    QTest::newRow("Sun beyond the double range, alone") << "1e400" << "" << "";
    QTest::newRow("Moon beyond the double range, case C next") << "" << "1e400" << "7";
}

void TestSolver::numericFault()
{
    QFETCH(QString, sun);
    QFETCH(QString, moon);
    QFETCH(QString, phase);
    try {
        const SolverOutcome outcome = ::solve(sun, moon, phase);
        QFAIL(qPrintable(QStringLiteral("no fault; wrote \"%1\"").arg(outcome.resultText)));
    } catch (const RuntimeError &error) {
        QCOMPARE(error.number(), 6);
    }
}

QTEST_GUILESS_MAIN(TestSolver)
#include "tst_solver.moc"
