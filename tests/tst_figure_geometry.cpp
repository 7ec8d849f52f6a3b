// SPDX-License-Identifier: MIT
#include "figure_geometry.h"
#include "numeric_overflow.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

QString pointText(FigurePoint point)
{
    return u"(%1, %2)"_s.arg(point.x, 0, 'f', 6).arg(point.y, 0, 'f', 6);
}

void compareWithin(FigurePoint actual, FigurePoint expected, double tolerance)
{
    QVERIFY2(std::abs(actual.x - expected.x) <= tolerance && std::abs(actual.y - expected.y) <= tolerance,
             qPrintable(u"got %1, expected %2 within %3"_s.arg(pointText(actual), pointText(expected)).arg(tolerance)));
}

double degreesOf(float radians)
{
    return double(radians) * 180.0 / M_PI;
}

} // namespace

class TestFigureGeometry : public QObject
{
    Q_OBJECT

private slots:
    void lineEnd_data();
    void lineEnd();
    void sameLineAsAnotherPosition_data();
    void sameLineAsAnotherPosition();
    void halfTurnsMissTheAxesByTheRoundedPi();
    void ringAngle_data();
    void ringAngle();
    void positionTooLargeForRadians_data();
    void positionTooLargeForRadians();
};

void TestFigureGeometry::lineEnd_data()
{
    QTest::addColumn<double>("degrees");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");

    QTest::newRow("0: straight up") << 0.0 << 760.0 << 440.0;
    QTest::newRow("30: up and to the right") << 30.0 << 968.333 << 573.975;
    QTest::newRow("90: right, the long half-axis") << 90.0 << 1176.667 << 1440.0;
    QTest::newRow("180: straight down") << 180.0 << 760.0 << 2440.0;
    QTest::newRow("270: left") << 270.0 << 343.333 << 1440.0;
}

void TestFigureGeometry::lineEnd()
{
    QFETCH(double, degrees);
    QFETCH(double, x);
    QFETCH(double, y);
    compareWithin(positionLineEnd(degrees), {x, y}, 0.001);
}

void TestFigureGeometry::sameLineAsAnotherPosition_data()
{
    QTest::addColumn<double>("degrees");
    QTest::addColumn<double>("sameAs");
    QTest::addColumn<double>("tolerance");

    QTest::newRow("400 draws as 40") << 400.0 << 40.0 << 0.001;
    QTest::newRow("-90 draws as 270") << -90.0 << 270.0 << 0.001;
    QTest::newRow("-30 draws as 330") << -30.0 << 330.0 << 0.001;
    QTest::newRow("360 draws as 0 to the fourth decimal") << 360.0 << 0.0 << 0.0005;
}

void TestFigureGeometry::sameLineAsAnotherPosition()
{
    QFETCH(double, degrees);
    QFETCH(double, sameAs);
    QFETCH(double, tolerance);
    compareWithin(positionLineEnd(degrees), positionLineEnd(sameAs), tolerance);
}

void TestFigureGeometry::halfTurnsMissTheAxesByTheRoundedPi()
{
    // 3.141593 is a little above pi, so the ends at 90 and 180 degrees land just past the axes; full-precision pi
    // would put them on the axes to within 1e-12.
    const FigurePoint down = positionLineEnd(180);
    QVERIFY2(down.x < 760 - 0.0001 && down.x > 760 - 0.0002, qPrintable(pointText(down)));
    const FigurePoint right = positionLineEnd(90);
    QVERIFY2(right.y > 1440 + 0.0001 && right.y < 1440 + 0.0002, qPrintable(pointText(right)));
}

void TestFigureGeometry::ringAngle_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<double>("degrees");

    QTest::newRow("day 1") << 1 << 12.85;
    QTest::newRow("day 7: almost straight up") << 7 << 89.95;
    QTest::newRow("day 14: almost left") << 14 << 179.91;
    QTest::newRow("day 21: almost down") << 21 << 269.86;
    // The ring's turn falls short of 360 degrees: the sector from day 28 round to day 1 is the widest, 13.03 degrees.
    QTest::newRow("day 28: a hair below pointing right") << 28 << 359.82;
}

void TestFigureGeometry::ringAngle()
{
    QFETCH(int, day);
    QFETCH(double, degrees);
    const double actual = degreesOf(phaseRingAngle(day));
    QVERIFY2(std::abs(actual - degrees) < 0.005, qPrintable(u"day %1 at %2 degrees"_s.arg(day).arg(actual, 0, 'f', 4)));
}

void TestFigureGeometry::positionTooLargeForRadians_data()
{
    QTest::addColumn<double>("degrees");
    QTest::addColumn<bool>("faults");

    QTest::newRow("2.8e307 still turns into radians") << 2.8e307 << false;
    QTest::newRow("-2.8e307 still turns into radians") << -2.8e307 << false;
    QTest::newRow("2.9e307 overflows") << 2.9e307 << true;
    QTest::newRow("-2.9e307 overflows") << -2.9e307 << true;
    QTest::newRow("1e308 overflows when doubled") << 1e308 << true;
    QTest::newRow("largest double") << std::numeric_limits<double>::max() << true;
}

void TestFigureGeometry::positionTooLargeForRadians()
{
    QFETCH(double, degrees);
    QFETCH(bool, faults);
    try {
        const FigurePoint end = positionLineEnd(degrees);
        QVERIFY2(!faults, qPrintable(u"no fault; end at %1"_s.arg(pointText(end))));
        QVERIFY(std::isfinite(end.x) && std::isfinite(end.y));
    } catch (const NumericOverflow &) {
        QVERIFY2(faults, "the numeric fault");
    }
}

QTEST_GUILESS_MAIN(TestFigureGeometry)
#include "tst_figure_geometry.moc"
