// SPDX-License-Identifier: MIT
#include "solar_hour.h"
#include "numeric_overflow.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestSolarHour : public QObject
{
    Q_OBJECT

private slots:
    void solarHour_data();
    void solarHour();
    void sunBeyondTheDoubleRange();
};

// clang-format off
void TestSolarHour::solarHour_data()
{
    QTest::addColumn<QString>("sun");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty Sun reads as South") << "" << "12";
    QTest::newRow("letters read as South") << "north" << "12";
    QTest::newRow("negative zero") << "-0" << "12";

    QTest::newRow("1: whole hour before noon") << "-45" << "9";
    QTest::newRow("1: midnight from the east") << "-180" << "0";
    QTest::newRow("1: negative hour is kept") << "-270" << "-6";
    QTest::newRow("2: half past") << "-37.5" << "9  30";
    QTest::newRow("2: half a degree before South") << "-0.5" << "11  58";
    QTest::newRow("2: half past midnight") << "-172.5" << "0  30";
    QTest::newRow("2: negative hour with minutes") << "-187.5" << "-1  30";
    // The minutes come from floor(h) = -1 and would be written as 60: that is the next whole hour.
    QTest::newRow("2: minutes written as 60 are the next hour") << "-1e-15" << "12";
    QTest::newRow("2: a fraction that rounds to 1 is the next hour") << "-1e-20" << "12";
    QTest::newRow("4: minutes written as 60 are the next hour") << "14.99999999999999" << "13";

    QTest::newRow("3: South") << "0" << "12";
    QTest::newRow("3: two hours") << "30" << "14";
    QTest::newRow("3: last whole hour before North") << "165" << "23";
    QTest::newRow("4: half past") << "37.5" << "14  30";
    QTest::newRow("4: no leading zero for minutes") << "1" << "12  4";
    QTest::newRow("4: minutes keep their fraction") << "0.1" << "12  0.4";
    QTest::newRow("4: tiny minutes in exponent form") << "1e-15" << "12  4E-15";
    QTest::newRow("4: half past 23") << "172.5" << "23  30";

    QTest::newRow("5: North reads 0") << "180" << "0";
    QTest::newRow("5: North written with a fraction") << "180.000" << "0";
    QTest::newRow("5: North written with an exponent") << "1.8e2" << "0";

    QTest::newRow("6: two hours past North") << "210" << "2";
    QTest::newRow("6: full turn") << "360" << "12";
    QTest::newRow("6: hours above 23 are kept") << "540" << "24";
    QTest::newRow("6: huge Sun in exponent form") << "1e300" << "6.66666666666667E+298";
    QTest::newRow("7: half past North") << "187.5" << "0  30";
    QTest::newRow("7: minutes not rounded to 4") << "181" << "0  3.99999999999999";
    QTest::newRow("7: half past 11") << "352.5" << "11  30";
    QTest::newRow("7: second turn") << "547.5" << "24  30";
}
// clang-format on

void TestSolarHour::solarHour()
{
    QFETCH(QString, sun);
    QFETCH(QString, expected);
    QCOMPARE(solarHourText(sun), expected);
}

void TestSolarHour::sunBeyondTheDoubleRange()
{
    try {
        const QString text = solarHourText(u"1e400"_s);
        QFAIL(qPrintable(u"no fault; wrote \"%1\""_s.arg(text)));
    } catch (const NumericOverflow &) {}
}

QTEST_GUILESS_MAIN(TestSolarHour)
#include "tst_solar_hour.moc"
