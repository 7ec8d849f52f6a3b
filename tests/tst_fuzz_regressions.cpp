// SPDX-License-Identifier: MIT
// What the fuzzers found, kept as ordinary tests, and fields of a mebibyte pasted into every handler's arithmetic.
#include "fuzz_checks.h"
#include "number_rules.h"
#include "solar_hour.h"
#include "solver.h"
#include "numeric_overflow.h"
#include "picture_ends.h"

#include <QTest>
#include <QtEndian>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

constexpr double largest = std::numeric_limits<double>::max();

} // namespace

class TestFuzzRegressions : public QObject
{
    Q_OBJECT

private slots:
    void longMantissasRoundToTheNearest_data();
    void longMantissasRoundToTheNearest();
    void largestDoublesReadBack_data();
    void largestDoublesReadBack();
    void solverResultsAtTheEdgeReadBack_data();
    void solverResultsAtTheEdgeReadBack();
    void mebibyteFieldsFinish_data();
    void mebibyteFieldsFinish();
    void bmpClaimingMoreThanAnyFileIsCutShort_data();
    void bmpClaimingMoreThanAnyFileIsCutShort();
};

// Past the first 800 significant digits a field is read by whether any further digit is non-zero.
void TestFuzzRegressions::longMantissasRoundToTheNearest_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    const QString zeros(2000, u'0');
    // Halfway between 2^53 and the next double, and between 1 and the next double.
    const QString tieAbove2To53 = u"9007199254740993"_s;
    const QString tieAboveOne = u"1.00000000000000011102230246251565404236316680908203125"_s;
    const double nextAboveOne = std::nextafter(1.0, 2.0);

    QTest::newRow("whole tie goes to even") << tieAbove2To53 + "." + zeros << 9007199254740992.0;
    QTest::newRow("far digit lifts a whole tie") << tieAbove2To53 + "." + zeros + "1" << 9007199254740994.0;
    QTest::newRow("far digit past long whole digits") << tieAbove2To53 + zeros + "1e-2001" << 9007199254740994.0;
    QTest::newRow("fraction tie goes to even") << tieAboveOne + zeros << 1.0;
    QTest::newRow("far digit lifts a fraction tie") << tieAboveOne + zeros + "7" << nextAboveOne;
    QTest::newRow("far digit then letters") << tieAboveOne + zeros + "1abc" << nextAboveOne;
    QTest::newRow("far digit with an exponent") << tieAboveOne + zeros + "1e0" << nextAboveOne;
    QTest::newRow("far digit below a value changes nothing") << "0.1" + zeros + "1" << 0.1;
    QTest::newRow("long digits scaled by the exponent") << "1" + zeros + "e-2000" << 1.0;
}

void TestFuzzRegressions::longMantissasRoundToTheNearest()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    const double value = readNumber(text);
    QVERIFY2(value == expected, qPrintable(QString::number(value, 'g', 17)));
}

// At 15 digits the largest double rounds up to 1.79769313486232E+308, a text that overflows when read back.
void TestFuzzRegressions::largestDoublesReadBack_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("largest double") << largest << "1.79769313486231E+308";
    QTest::newRow("largest negative double") << -largest << "-1.79769313486231E+308";
    QTest::newRow("just below the largest") << std::nextafter(largest, 0.0) << "1.79769313486231E+308";
    QTest::newRow("first value that rounds up") << 1.797693134862315e308 << "1.79769313486231E+308";
    QTest::newRow("largest 15-digit number in range") << 1.79769313486231e308 << "1.79769313486231E+308";
    QTest::newRow("below it, unchanged") << 1.79769313486230e308 << "1.7976931348623E+308";
}

void TestFuzzRegressions::largestDoublesReadBack()
{
    QFETCH(double, value);
    QFETCH(QString, expected);

    const QString text = numberText(value);
    QCOMPARE(text, expected);
    double back = 0.0;
    QVERIFY2(finishesOrOverflows([&] { back = readNumber(text); }), qPrintable(text + " overflows when read"));
    QVERIFY(std::fabs(back - value) / std::fabs(value) <= 1e-14);
    QCOMPARE(numberText(back), text);
}

// A result written at the edge of the double range is the input of the next press.
// clang-format off
void TestFuzzRegressions::solverResultsAtTheEdgeReadBack_data()
{
    QTest::addColumn<QString>("sun");
    QTest::addColumn<QString>("moon");
    QTest::addColumn<QString>("phase");
    QTest::addColumn<QString>("expected");

    const QString top = u"1.7976931348623157e308"_s;
    QTest::newRow("Sun from the largest Moon") << "" << top << "0" << "1.79769313486231E+308";
    QTest::newRow("Moon from the largest Sun") << top << "" << "0" << "1.79769313486231E+308";
    QTest::newRow("Moon from the largest negative Sun") << "-" + top << "" << "0" << "-1.79769313486231E+308";
    QTest::newRow("Sun written back into the Moon field") << "" << "1.79769313486231E+308" << "0"
                                                           << "1.79769313486231E+308";
}
// clang-format on

void TestFuzzRegressions::solverResultsAtTheEdgeReadBack()
{
    QFETCH(QString, sun);
    QFETCH(QString, moon);
    QFETCH(QString, phase);
    QFETCH(QString, expected);

    const SolverOutcome outcome = solve(sun, moon, phase);
    QCOMPARE(outcome.resultText, expected);
    // The next press with the result in its field computes instead of faulting.
    const QString sunAgain = outcome.resultField == SolverField::Sun ? outcome.resultText : sun;
    const QString moonAgain = outcome.resultField == SolverField::Moon ? outcome.resultText : moon;
    QVERIFY(finishesOrOverflows([&] { readNumber(outcome.resultText); }));
    QVERIFY(finishesOrOverflows([&] { solarHourText(sunAgain); }));
    QVERIFY(finishesOrOverflows([&] { solve(sunAgain, moonAgain, {}); }));
}

void TestFuzzRegressions::mebibyteFieldsFinish_data()
{
    QTest::addColumn<QString>("text");

    constexpr qsizetype mebibyte = 1024 * 1024;
    auto filled = [](const char *pattern) {
        const QString unit = QString::fromUtf8(pattern);
        QString text;
        while (text.size() < mebibyte)
            text += unit;
        return text.left(mebibyte);
    };
    QTest::newRow("digits") << filled("7");
    QTest::newRow("blanks") << filled(" ");
    QTest::newRow("letters") << filled("x");
    QTest::newRow("digits, blanks and letters") << filled("12 ab\t9.5e");
    QTest::newRow("zeros then a number") << filled("0") + "5";
    QTest::newRow("a long fraction") << "0." + filled("3");
    QTest::newRow("a long fraction with an exponent") << "1." + filled("0") + "e5";
    QTest::newRow("zeros after the point") << "0." + filled("0") + "1";
    QTest::newRow("digits with a negative exponent") << filled("9") + "e-1048570";
    QTest::newRow("Arabic-Indic digits") << filled("\u0663");
    QTest::newRow("blanks then digits") << filled(" ").left(mebibyte / 2) + filled("4").left(mebibyte / 2);
}

// A field of a mebibyte goes through every handler's arithmetic to an answer or the overflow; one that grew with
// the square of the length would not finish within the test's time limit.
void TestFuzzRegressions::mebibyteFieldsFinish()
{
    QFETCH(QString, text);

    finishesOrOverflows([&] { readNumber(text); });
    finishesOrOverflows([&] { solve(text, text, text); });
    finishesOrOverflows([&] { solve({}, text, text); });
    finishesOrOverflows([&] { solve(text, {}, text); });
    finishesOrOverflows([&] { solarHourText(text); });
}

// A BMP header whose rows, counted in bytes, pass what a qint64 holds: no file is that long.
void TestFuzzRegressions::bmpClaimingMoreThanAnyFileIsCutShort_data()
{
    QTest::addColumn<QByteArray>("header");

    QTest::newRow("found: 2^35 bytes a row, 2^31 rows")
        << QByteArray::fromHex("424d660007d800000001001800000000003000000080000000ff8000808000000000000000808000");
    QByteArray widest(54, '\0'); // 2^31 - 1 pixels of 24 bits a row, 2^31 rows from the top down
    widest.replace(0, 2, "BM");
    qToLittleEndian<qint32>(54, widest.data() + 10);
    qToLittleEndian<qint32>(40, widest.data() + 14);
    qToLittleEndian<qint32>(std::numeric_limits<qint32>::max(), widest.data() + 18);
    qToLittleEndian<qint32>(std::numeric_limits<qint32>::min(), widest.data() + 22);
    qToLittleEndian<qint16>(24, widest.data() + 28);
    QTest::newRow("widest, tallest") << widest;
}

void TestFuzzRegressions::bmpClaimingMoreThanAnyFileIsCutShort()
{
    QFETCH(QByteArray, header);
    QVERIFY(!pictureIsComplete(header));
}

QTEST_GUILESS_MAIN(TestFuzzRegressions)
#include "tst_fuzz_regressions.moc"
