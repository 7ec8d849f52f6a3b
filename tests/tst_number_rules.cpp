// SPDX-License-Identifier: MIT
#include "number_rules.h"
#include "numeric_overflow.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTest>

#include <charconv>
#include <clocale>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// The C library and Qt both set to German, put back when the test ends.
class GermanLocale
{
public:
    GermanLocale() : m_cLocale(std::setlocale(LC_ALL, nullptr)), m_qtLocale(QLocale())
    {
        for (const char *name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "de_DE@euro"}) {
            if (std::setlocale(LC_ALL, name)) {
                m_cLocaleSet = true;
                break;
            }
        }
        static bool told = false;
        if (!m_cLocaleSet && !std::exchange(told, true))
            qInfo("No German C locale installed: only Qt's default locale is German");
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    ~GermanLocale()
    {
        std::setlocale(LC_ALL, m_cLocale.c_str());
        QLocale::setDefault(m_qtLocale);
    }

private:
    std::string m_cLocale;
    QLocale m_qtLocale;
    bool m_cLocaleSet = false;
};

QString repeated(char c, qsizetype count)
{
    return QString(count, QLatin1Char(c));
}

void compareExactly(double actual, double expected)
{
    // == on purpose: QCOMPARE on doubles is fuzzy, and the reads must give the very same double.
    QVERIFY2(actual == expected,
             qPrintable(u"got %1, expected %2"_s.arg(actual, 0, 'g', 17).arg(expected, 0, 'g', 17)));
}

} // namespace

class TestNumberRules : public QObject
{
    Q_OBJECT

private slots:
    void readNumber_data();
    void readNumber();
    void readNumberUnderGermanLocale_data() { readNumber_data(); }
    void readNumberUnderGermanLocale();
    void readNumberOverflow_data();
    void readNumberOverflow();
    void readNumberOfAMebibyte_data();
    void readNumberOfAMebibyte();
    void isEmptyField_data();
    void isEmptyField();
    void numberText_data();
    void numberText();
    void numberTextUnderGermanLocale_data() { numberText_data(); }
    void numberTextUnderGermanLocale();
    void numberTextReadsBackAsTheSameDouble();
};

void TestNumberRules::readNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("leading blank") << " 12" << 12.0;
    QTest::newRow("leading tabs and blanks") << "\t \t12" << 12.0;
    QTest::newRow("only blanks") << "   " << 0.0;
    QTest::newRow("letters after the number") << "12abc" << 12.0;
    QTest::newRow("letters alone") << "abc" << 0.0;
    QTest::newRow("decimal comma stops the number") << "1,5" << 1.0;
    QTest::newRow("blank inside stops the number") << "7 8" << 7.0;
    QTest::newRow("letter before digits") << "x12" << 0.0;
    QTest::newRow("negative fraction") << " -12.5" << -12.5;
    QTest::newRow("plus sign and point first") << "+.5" << 0.5;
    QTest::newRow("minus sign and point first") << "-.5" << -0.5;
    QTest::newRow("point after digits") << "5." << 5.0;
    QTest::newRow("second point stops the number") << "1.5.3" << 1.5;
    QTest::newRow("negative zero") << "-0" << 0.0;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("minus alone") << "-" << 0.0;
    QTest::newRow("plus alone") << "+" << 0.0;
    QTest::newRow("two signs") << "--5" << 0.0;
    QTest::newRow("blank after the sign") << "- 5" << 0.0;
    QTest::newRow("leading zeros") << "007" << 7.0;
    QTest::newRow("400 leading zeros are no overflow") << repeated('0', 400) + "5" << 5.0;
    QTest::newRow("one tenth is the nearest double") << "0.1" << 0.1;
    QTest::newRow("ties round to even") << "9007199254740993" << 9007199254740992.0;
    QTest::newRow("exponent") << "1e5" << 1e5;
    QTest::newRow("capital exponent") << "1E5" << 1e5;
    QTest::newRow("exponent with plus") << "2.5e+3" << 2500.0;
    QTest::newRow("negative exponent") << "2.5e-3" << 0.0025;
    QTest::newRow("exponent after point alone") << "5.e2" << 500.0;
    QTest::newRow("fraction with exponent") << ".5e1" << 5.0;
    QTest::newRow("e without digits is ignored") << "1e" << 1.0;
    QTest::newRow("e and sign without digits") << "1e-" << 1.0;
    QTest::newRow("12east reads 12") << "12east" << 12.0;
    QTest::newRow("exponent stops at a letter") << "3e2x" << 300.0;
    QTest::newRow("point alone with exponent") << ".e5" << 0.0;
    QTest::newRow("largest double") << "1.7976931348623157e308" << std::numeric_limits<double>::max();
    QTest::newRow("subnormal") << "1e-320" << 1e-320;
    QTest::newRow("smallest subnormal") << "4.9e-324" << std::numeric_limits<double>::denorm_min();
    QTest::newRow("below the smallest double reads 0") << "1e-400" << 0.0;
    QTest::newRow("huge negative exponent reads 0") << "1e-99999999999" << 0.0;
    QTest::newRow("many zeros after the point read 0") << "0." + repeated('0', 400) + "1" << 0.0;
    QTest::newRow("300 zeros after the point") << "0." + repeated('0', 300) + "1" << 1e-301;
    QTest::newRow("big mantissa, negative exponent") << "1" + repeated('0', 350) + "e-340" << 1e10;
    QTest::newRow("Arabic-Indic digit") << QString::fromUtf8("\u0663") << 0.0;
    QTest::newRow("fullwidth digits") << QString::fromUtf8("\uff11\uff12") << 0.0;
    QTest::newRow("ASCII digit then Arabic-Indic digit") << QString::fromUtf8("1\u0663") << 1.0;
    QTest::newRow("ASCII digit then 500 Arabic-Indic digits") << "1" + QString(500, QChar(0x0663)) << 1.0;
    QTest::newRow("inf") << "inf" << 0.0;
    QTest::newRow("minus infinity") << "-infinity" << 0.0;
    QTest::newRow("nan") << "nan" << 0.0;
    QTest::newRow("hexadecimal") << "0x10" << 0.0;
    QTest::newRow("Basic hexadecimal") << "&H10" << 0.0;
}

void TestNumberRules::readNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    compareExactly(::readNumber(text), expected);
}

void TestNumberRules::readNumberUnderGermanLocale()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    const GermanLocale german;
    compareExactly(::readNumber(text), expected);
}

void TestNumberRules::readNumberOverflow_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("1e400") << "1e400";
    QTest::newRow("-1e400") << "-1e400";
    QTest::newRow("just above the largest double") << "1.8e308";
    QTest::newRow("1e309 behind blanks") << "  1e309x";
    QTest::newRow("400 digits") << "1" + repeated('0', 399);
    QTest::newRow("fraction pushed up by its exponent") << "0.0001e400";
    QTest::newRow("huge exponent") << "1e99999999999";
    QTest::newRow("a mebibyte of digits") << repeated('7', 1024 * 1024);
}

void TestNumberRules::readNumberOverflow()
{
    QFETCH(QString, text);
    try {
        ::readNumber(text);
        QFAIL("no fault raised");
    } catch (const NumericOverflow &) {}
}

void TestNumberRules::readNumberOfAMebibyte_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    constexpr qsizetype mebibyte = 1024 * 1024;
    QTest::newRow("blanks then a number") << repeated(' ', mebibyte) + "5" << 5.0;
    QTest::newRow("a number then letters") << "5" + repeated('x', mebibyte) << 5.0;
    QTest::newRow("zeros then a number") << repeated('0', mebibyte) + "5" << 5.0;
    QTest::newRow("a long fraction") << "1." + repeated('0', mebibyte) + "1" << 1.0;
    QTest::newRow("a long fraction of threes") << "0." + repeated('3', mebibyte) << 1.0 / 3.0;
    QTest::newRow("zeros after the point") << "0." + repeated('0', mebibyte) + "1" << 0.0;
}

void TestNumberRules::readNumberOfAMebibyte()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    // A read that grew with the square of the length would not finish within the test's time limit.
    compareExactly(::readNumber(text), expected);
}

void TestNumberRules::isEmptyField_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("empty");

    QTest::newRow("empty text") << "" << true;
    QTest::newRow("null string") << QString() << true;
    QTest::newRow("one blank") << " " << false;
    QTest::newRow("letters") << "abc" << false;
    QTest::newRow("zero") << "0" << false;
}

void TestNumberRules::isEmptyField()
{
    QFETCH(QString, text);
    QFETCH(bool, empty);
    QCOMPARE(::isEmptyField(text), empty);
}

void TestNumberRules::numberText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    // The minutes of the Sun at 181 degrees fall just below 4.
    const double sunAt181Hours = 181.0 / 15.0;
    const double sunAt181Minutes = (sunAt181Hours - std::floor(sunAt181Hours)) * 60.0;

    QTest::newRow("whole") << 45.0 << "45";
    QTest::newRow("negative whole") << -3.0 << "-3";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("full turn") << 360.0 << "360";
    QTest::newRow("one decimal") << 24.5 << "24.5";
    QTest::newRow("negative tenths") << -2.4 << "-2.4";
    QTest::newRow("two decimals") << 0.25 << "0.25";
    QTest::newRow("sum with a binary error") << 0.1 + 0.2 << "0.3";
    QTest::newRow("one third") << 1.0 / 3.0 << "0.333333333333333";
    QTest::newRow("two thirds round up") << 2.0 / 3.0 << "0.666666666666667";
    QTest::newRow("Sun at 181 minutes are not 4") << sunAt181Minutes << "3.99999999999999";
    QTest::newRow("15 digits whole") << 999999999999999.0 << "999999999999999";
    QTest::newRow("16 digits round to 15") << 123456789012345.6 << "123456789012346";
    QTest::newRow("1e15") << 1e15 << "1E+15";
    QTest::newRow("rounds up to 1e15") << 999999999999999.9 << "1E+15";
    QTest::newRow("large negative") << -1.5e20 << "-1.5E+20";
    QTest::newRow("three-digit exponent") << 1e100 << "1E+100";
    QTest::newRow("1e-5 is still fixed") << 0.00001 << "0.00001";
    QTest::newRow("rounds up to 1e-5") << 0.000009999999999999999 << "0.00001";
    QTest::newRow("below 1e-5") << 0.0000025 << "2.5E-06";
    QTest::newRow("tiny") << 1e-300 << "1E-300";
    QTest::newRow("smallest subnormal") << std::numeric_limits<double>::denorm_min() << "4.94065645841247E-324";
}

void TestNumberRules::numberText()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(::numberText(value), expected);
}

void TestNumberRules::numberTextUnderGermanLocale()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    const GermanLocale german;
    QCOMPARE(::numberText(value), expected);
}

// Values of at most 15 significant digits, of magnitudes from 1e-307 to 1e307, survive being written into a field
// and read back: a result can feed the next computation.
void TestNumberRules::numberTextReadsBackAsTheSameDouble()
{
    std::mt19937_64 generator(20240611);
    std::uniform_int_distribution<int> digitCount(1, 15);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> everyday(-10, 16);
    std::uniform_int_distribution<int> extreme(-307, 293);
    const QRegularExpression shape(u"^-?(0|[1-9][0-9]*)(\\.[0-9]*[1-9])?(E[+-][0-9]{2,3})?$"_s);

    for (int round = 0; round < 200000; ++round) {
        std::string decimal = digit(generator) < 5 ? "-" : "";
        const int count = digitCount(generator);
        decimal += char('1' + digit(generator) % 9);
        for (int i = 1; i < count; ++i)
            decimal += char('0' + digit(generator));
        decimal += 'e';
        decimal += std::to_string(round % 4 == 0 ? extreme(generator) : everyday(generator) - count);

        double value = 0.0;
        std::from_chars(decimal.data(), decimal.data() + decimal.size(), value);
        const QString text = ::numberText(value);
        if (!shape.match(text).hasMatch())
            QFAIL(qPrintable(u"%1 written as %2"_s.arg(QString::fromStdString(decimal), text)));
        const double readBack = ::readNumber(text);
        if (readBack != value) {
            QFAIL(qPrintable(u"%1 written as %2 reads back as %3"_s.arg(QString::fromStdString(decimal), text)
                                 .arg(readBack, 0, 'g', 17)));
        }
    }
}

QTEST_GUILESS_MAIN(TestNumberRules)
#include "tst_number_rules.moc"
