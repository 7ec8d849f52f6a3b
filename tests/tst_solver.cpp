// SPDX-License-Identifier: MIT
#include "solver.h"
#include "numeric_overflow.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString phaseText = u" PhaseoftheMoon=(PositionoftheSun - PositionoftheMoon) * (28/360)"_s;
const QString sunText = u"PositionoftheSun = PositionoftheMoon  + (360/28)*PhaseoftheMoon"_s;
const QString moonText = u"PositionoftheMoon = PositionoftheSun - (360/28)*PhaseoftheMoon"_s;

} // namespace

Q_DECLARE_METATYPE(Solution)
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

// clang-format off
void TestSolver::solve_data()
{
    QTest::addColumn<QString>("sun");
    QTest::addColumn<QString>("moon");
    QTest::addColumn<QString>("phase");
    QTest::addColumn<Solution>("solution");
    QTest::addColumn<SolverField>("field");
    QTest::addColumn<QString>("result");

    const auto tenth = Solution::PhaseToATenth, whole = Solution::WholePhase, sunFound = Solution::Sun,
               moonFound = Solution::Moon;
    const auto Sun = SolverField::Sun, Moon = SolverField::Moon, Phase = SolverField::Phase;

    QTest::newRow("phase to a tenth: whole phase without a point") << "30" << "120" << "" << tenth << Phase << "21";
    QTest::newRow("phase to a tenth: a tenth") << "45" << "90" << "" << tenth << Phase << "24.5";
    QTest::newRow("phase to a tenth: 27.9 not 28") << "1" << "2" << "" << tenth << Phase << "27.9";
    QTest::newRow("phase to a tenth: 12.4 not 12.5") << "100" << "300" << "" << tenth << Phase << "12.4";
    QTest::newRow("phase to a tenth: 0.1") << "1" << "359" << "" << tenth << Phase << "0.1";
    QTest::newRow("phase to a tenth: negative phase floors away from zero")
        << "10" << "400" << "" << tenth << Phase << "-2.4";
    QTest::newRow("phase to a tenth: half a degree is above zero") << "0.5" << "90" << "" << tenth << Phase << "21";
    QTest::newRow("phase to a tenth: tiny Sun is above zero") << "1e-300" << "90" << "" << tenth << Phase << "21";
    QTest::newRow("phase to a tenth: Sun a tenth below the Moon") << "100" << "100.1" << "" << tenth << Phase << "27.9";
    // Folding 10 * 28 / 360 into one factor gives 1.1 here.
    QTest::newRow("phase to a tenth: factors applied one at a time")
        << "14.142857142857142" << "360" << "" << tenth << Phase << "1";
    QTest::newRow("phase to a tenth: given phase is overwritten") << "30" << "120" << "5" << tenth << Phase << "21";
    QTest::newRow("phase to a tenth: phase field is never read") << "30" << "120" << "1e400" << tenth << Phase << "21";
    QTest::newRow("phase to a tenth: fields with trailing words")
        << "30 deg" << "120deg" << "x" << tenth << Phase << "21";

    QTest::newRow("whole phase: Sun at zero is not above zero") << "0" << "90" << "" << whole << Phase << "7";
    QTest::newRow("whole phase: negative zero Sun is not above zero") << "-0" << "90" << "" << whole << Phase << "7";
    QTest::newRow("whole phase: Sun equal to the Moon") << "100" << "100" << "" << whole << Phase << "0";
    QTest::newRow("whole phase: magnitude of a negative difference") << "-30" << "60" << "" << whole << Phase << "7";
    QTest::newRow("whole phase: magnitude before floor") << "-10" << "35" << "" << whole << Phase << "3";
    QTest::newRow("whole phase: Sun above the Moon") << "120" << "30" << "" << whole << Phase << "7";
    QTest::newRow("whole phase: 3.5 floors to 3") << "45" << "0" << "" << whole << Phase << "3";
    QTest::newRow("whole phase: above 28 is kept") << "800" << "80" << "" << whole << Phase << "56";
    QTest::newRow("whole phase: letters in the Sun read 0") << "east" << "90" << "" << whole << Phase << "7";
    QTest::newRow("whole phase: blanks in the Sun are filled") << "   " << "90" << "" << whole << Phase << "7";
    QTest::newRow("whole phase: given phase is overwritten") << "120" << "30" << "14" << whole << Phase << "7";
    QTest::newRow("whole phase: huge equal values") << "1e308" << "1e308" << "" << whole << Phase << "0";

    QTest::newRow("Sun: not brought below 360") << "" << "300" << "14" << sunFound << Sun << "480";
    QTest::newRow("Sun: one day") << "" << "10" << "1" << sunFound << Sun << "22";
    QTest::newRow("Sun: negative floors away from zero") << "" << "10" << "-1" << sunFound << Sun << "-3";
    QTest::newRow("Sun: phase followed by a word") << "" << "120" << "7 days" << sunFound << Sun << "210";
    QTest::newRow("Sun: order of operations gives exactly 28") << "" << "10" << "1.4" << sunFound << Sun << "28";
    QTest::newRow("Sun: blank phase reads 0") << "" << "10.5" << " " << sunFound << Sun << "10";

    QTest::newRow("Moon: one turn added") << "30" << "" << "21" << moonFound << Moon << "120";
    QTest::newRow("Moon: one day back") << "10" << "" << "1" << moonFound << Moon << "357";
    QTest::newRow("Moon: quarter") << "180" << "" << "7" << moonFound << Moon << "90";
    QTest::newRow("Moon: zero stays zero") << "180" << "" << "14" << moonFound << Moon << "0";
    QTest::newRow("Moon: 360 added once only") << "10" << "" << "60" << moonFound << Moon << "-402";
    QTest::newRow("Moon: exactly -360 becomes 0") << "-360" << "" << "0" << moonFound << Moon << "0";
    QTest::newRow("Moon: just below -360 stays negative") << "-361" << "" << "0" << moonFound << Moon << "-1";
    QTest::newRow("Moon: negative fraction floors to -1") << "-0.5" << "" << "0" << moonFound << Moon << "359";
    QTest::newRow("Moon: order of operations gives 2") << "30" << "" << "2.1" << moonFound << Moon << "2";
    QTest::newRow("Moon: letters in the Sun read 0") << "west" << "" << "7" << moonFound << Moon << "270";
}
// clang-format on

void TestSolver::solve()
{
    QFETCH(QString, sun);
    QFETCH(QString, moon);
    QFETCH(QString, phase);
    QFETCH(Solution, solution);
    QFETCH(SolverField, field);
    QFETCH(QString, result);

    const SolverOutcome outcome = ::solve(sun, moon, phase);
    QCOMPARE(outcome.solution, solution);
    QCOMPARE(outcome.resultField, field);
    QCOMPARE(outcome.resultText, result);
    const QString &formula = field == SolverField::Phase ? phaseText : field == SolverField::Sun ? sunText : moonText;
    QCOMPARE(outcome.formula, formula);
}

// clang-format off
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
// clang-format on

void TestSolver::tooFewValues()
{
    QFETCH(QString, sun);
    QFETCH(QString, moon);
    QFETCH(QString, phase);

    const SolverOutcome outcome = ::solve(sun, moon, phase);
    QCOMPARE(outcome.solution, Solution::TooFewValues);
    QVERIFY(outcome.resultText.isEmpty());
    QVERIFY(outcome.formula.isEmpty());
}

// clang-format off
void TestSolver::numericFault_data()
{
    QTest::addColumn<QString>("sun");
    QTest::addColumn<QString>("moon");
    QTest::addColumn<QString>("phase");

    QTest::newRow("phase to a tenth: tenfold overflows") << "1e307" << "1.5e308" << "";
    QTest::newRow("whole phase: difference overflows") << "1e308" << "-1e308" << "";
    QTest::newRow("Sun: Moon plus days overflows") << "" << "1e308" << "1e308";
    QTest::newRow("Sun: phase beyond the double range") << "" << "10" << "1e400";
    QTest::newRow("Moon: Sun minus days overflows") << "-1e308" << "" << "1e307";
    QTest::newRow("Sun beyond the double range, alone") << "1e400" << "" << "";
    QTest::newRow("Moon beyond the double range, the Sun from Moon and phase next") << "" << "1e400" << "7";
}
// clang-format on

void TestSolver::numericFault()
{
    QFETCH(QString, sun);
    QFETCH(QString, moon);
    QFETCH(QString, phase);
    try {
        const SolverOutcome outcome = ::solve(sun, moon, phase);
        QFAIL(qPrintable(u"no fault; wrote \"%1\""_s.arg(outcome.resultText)));
    } catch (const NumericOverflow &) {}
}

QTEST_GUILESS_MAIN(TestSolver)
#include "tst_solver.moc"
