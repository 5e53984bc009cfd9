// Reading, judging and showing answers: what decides whether a pupil is told "Correct".

#include "answer.h"

#include <QLocale>
#include <QTest>
#include <cmath>
#include <limits>

using namespace problems;

namespace {

// A decimal comma in the surrounding locale must change nothing the pupil sees.
void pinForeignLocale()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}
Q_CONSTRUCTOR_FUNCTION(pinForeignLocale)

constexpr double kInf = std::numeric_limits<double>::infinity();
// Pasted text can be long: a megabyte must neither crash nor hang the page.
constexpr qsizetype kMega = 1 << 20;

} // namespace

class AnswersTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void reading_data();
    void reading();
    void judging_data();
    void judging();
    void boundIsStrictOnTheSquare();
    void showing_data();
    void showing();
    void commaOrPoint_data();
    void commaOrPoint();
};

void AnswersTest::reading_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("value");

    QTest::newRow("plain") << "153.94" << 153.94;
    QTest::newRow("leading blank and unit") << " 153.94 cm" << 153.94;
    QTest::newRow("comma is no decimal point") << "153,94" << 153.0;
    QTest::newRow("comma 3,14") << "3,14" << 3.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("only blanks") << "  \t " << 0.0;
    QTest::newRow("words first") << "about 3" << 0.0;
    QTest::newRow("lone sign") << "-" << 0.0;
    QTest::newRow("lone point") << "." << 0.0;
    QTest::newRow("point first") << ".5" << 0.5;
    QTest::newRow("trailing point") << "7." << 7.0;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
    QTest::newRow("plus sign") << "+2.5" << 2.5;
    QTest::newRow("minus sign") << "-2.5" << -2.5;
    QTest::newRow("double sign") << "--2" << 0.0;
    QTest::newRow("blanks inside digits") << "1 2\t3.4\n5" << 123.45;
    QTest::newRow("blank after sign") << "- 4" << -4.0;
    QTest::newRow("carriage return stops") << "12\r3" << 12.0;
    QTest::newRow("exponent") << "1.5E2" << 150.0;
    QTest::newRow("small e") << "1.5e2" << 150.0;
    QTest::newRow("negative exponent") << "25E-1" << 2.5;
    QTest::newRow("exponent plus") << "2E+1" << 20.0;
    QTest::newRow("exponent with blanks") << "2 E - 1" << 0.2;
    QTest::newRow("exponent without digits") << "6E" << 6.0;
    QTest::newRow("exponent sign only") << "6E-x" << 6.0;
    QTest::newRow("leading zeros") << "000.0050" << 0.005;
    QTest::newRow("no hex") << "0x10" << 0.0;
    QTest::newRow("zero exponent huge") << "0E999999999999999999" << 0.0;
    QTest::newRow("overflow") << "1e999" << kInf;
    QTest::newRow("negative overflow") << "-1e999" << -kInf;
    QTest::newRow("overflow just past max") << "1.8e308" << kInf;
    QTest::newRow("largest finite") << "1.7976931348623157e308" << 1.7976931348623157e308;
    QTest::newRow("underflow") << "1e-999" << 0.0;
    QTest::newRow("exponent beyond any integer") << "1e99999999999999999999999" << kInf;
    QTest::newRow("full-width digit stops") << QString::fromUtf8("3\uFF14") << 3.0;
    QTest::newRow("control characters") << QString::fromUtf8("\x01\x02" "5") << 0.0;
    QTest::newRow("nan text") << "nan" << 0.0;
    QTest::newRow("inf text") << "inf" << 0.0;
    QTest::newRow("megabyte of digits") << QString(kMega, QLatin1Char('9')) << kInf;
    QTest::newRow("megabyte of blanks then 5") << QString(kMega, QLatin1Char(' ')) + "5" << 5.0;
    QTest::newRow("megabyte of control characters") << QString(kMega, QChar(7)) << 0.0;
    QTest::newRow("megabyte fraction") << "0." + QString(kMega, QLatin1Char('3')) << 1.0 / 3.0;
    QTest::newRow("megabyte of zeros then digit")
        << "0." + QString(kMega, QLatin1Char('0')) + "1" << 0.0;
    QTest::newRow("megabyte exponent") << "2e" + QString(kMega, QLatin1Char('0')) + "1" << 20.0;
}

// Exactly the double expected: QCOMPARE would allow a relative 1e-12.
void AnswersTest::reading()
{
    QFETCH(QString, typed);
    QFETCH(double, value);
    const double read = readAnswer(typed);
    QVERIFY2(read == value, qPrintable(QString::number(read, 'g', 17)));
}

void AnswersTest::judging_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("answer");
    QTest::addColumn<bool>("right");

    const double area7 = 153.9380400215;
    QTest::newRow("rounded to two") << "153.94" << area7 << true;
    QTest::newRow("off by a hundredth") << "153.93" << area7 << false;
    QTest::newRow("three decimals") << "153.938" << area7 << true;
    QTest::newRow("blank and unit") << " 153.94 cm" << area7 << true;
    QTest::newRow("comma") << "153,94" << area7 << false;
    QTest::newRow("one decimal too coarse") << "153.9" << area7 << false;
    QTest::newRow("empty") << "" << area7 << false;
    QTest::newRow("empty against smallest answer") << "" << 0.090586073691114 << false;
    QTest::newRow("smallest answer") << "0.09" << 0.090586073691114 << true;
    QTest::newRow("just inside") << "10.00509" << 10.0 << true;
    QTest::newRow("just outside") << "10.0051" << 10.0 << false;
    QTest::newRow("below, just inside") << "9.99491" << 10.0 << true;
    QTest::newRow("overflowing text") << "1e999" << area7 << false;
    QTest::newRow("negative overflowing text") << "-1e999" << area7 << false;
    QTest::newRow("square overflows") << "1e200" << area7 << false;
    QTest::newRow("largest double") << "1.7976931348623157e308" << area7 << false;
    QTest::newRow("underflowing text") << "1e-999" << area7 << false;
    QTest::newRow("megabyte of blanks then the answer") << QString(kMega, QLatin1Char(' ')) + "3"
                                                        << 3.0 << true;
    QTest::newRow("megabyte of digits") << QString(kMega, QLatin1Char('9')) << 3.0 << false;
}

void AnswersTest::judging()
{
    QFETCH(QString, typed);
    QFETCH(double, answer);
    QFETCH(bool, right);
    QCOMPARE(verdict(typed, answer), right ? QStringLiteral("Correct, Well Done!")
                                           : QStringLiteral("Wrong, Try Again"));
}

// A difference whose square is exactly the bound is wrong; the next smaller one is right.
void AnswersTest::boundIsStrictOnTheSquare()
{
    double at = std::sqrt(0.000026);
    // Walk to the difference whose computed square first reaches the bound.
    while (at * at < 0.000026)
        at = std::nextafter(at, 1.0);
    while (std::nextafter(at, 0.0) * std::nextafter(at, 0.0) >= 0.000026)
        at = std::nextafter(at, 0.0);
    QVERIFY(!isRight(at, 0.0));
    QVERIFY(!isRight(-at, 0.0));
    QVERIFY(isRight(std::nextafter(at, 0.0), 0.0));
    QVERIFY(!isRight(std::sqrt(0.000026) * 1.0000001, 0.0));
    QVERIFY(!isRight(std::nan(""), 0.0));
    QVERIFY(!isRight(kInf, 0.0));
}

void AnswersTest::showing_data()
{
    QTest::addColumn<double>("answer");
    QTest::addColumn<QString>("shown");

    QTest::newRow("pi") << 3.1415926535 << "3.14";
    QTest::newRow("below one") << 0.0906 << "0.09";
    QTest::newRow("hundreds") << 314.159 << "314.16";
    QTest::newRow("segments r=1") << 0.090586073691114 << "0.09";
    QTest::newRow("area r=10") << 314.15926535 << "314.16";
    QTest::newRow("sector r=7 n=8") << 19.2422550026875 << "19.24";
    QTest::newRow("exact half goes up") << 0.125 << "0.13";
    QTest::newRow("exact half negative") << -0.125 << "-0.13";
    QTest::newRow("exact half 2.375") << 2.375 << "2.38";
    QTest::newRow("2.675 is below half") << 2.675 << "2.67";
    QTest::newRow("1.005 is below half") << 1.005 << "1.00";
    QTest::newRow("0.335 is above half") << 0.335 << "0.34";
    QTest::newRow("whole") << 6.0 << "6.00";
    QTest::newRow("zero") << 0.0 << "0.00";
    QTest::newRow("carry through") << 9.995 << "9.99";
    QTest::newRow("carry to new digit") << 99.999 << "100.00";
    QTest::newRow("no grouping") << 1234567.891 << "1234567.89";
    QTest::newRow("tiny") << 1e-300 << "0.00";
    QTest::newRow("tiny negative shows no sign") << -0.001 << "0.00";
    QTest::newRow("huge") << 1e20 << "100000000000000000000.00";
}

void AnswersTest::showing()
{
    QFETCH(double, answer);
    QFETCH(QString, shown);
    QCOMPARE(formatAnswer(answer), shown);
}

// In a language that writes a decimal comma the comma reads as the point does; in English it
// ends the number as any other character. The answer shown with a comma, typed back, is right.
void AnswersTest::commaOrPoint_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("pointOnly");
    QTest::addColumn<double>("commaToo");
    QTest::newRow("comma") << "3,14" << 3.0 << 3.14;
    QTest::newRow("point") << "3.14" << 3.14 << 3.14;
    QTest::newRow("unit after") << " 153,94 cm" << 153.0 << 153.94;
    QTest::newRow("exponent") << "-0,5e2" << -0.0 << -50.0;
    QTest::newRow("second comma ends") << "1,5,3" << 1.0 << 1.5;
    QTest::newRow("comma after point ends") << "1.5,3" << 1.5 << 1.5;
    QTest::newRow("point after comma ends") << "2,5.3" << 2.0 << 2.5;
    QTest::newRow("leading comma") << ",5" << 0.0 << 0.5;
    QTest::newRow("blank in the digits") << "1 234,5" << 1234.0 << 1234.5;
    QTest::newRow("lone comma") << "," << 0.0 << 0.0;
}

void AnswersTest::commaOrPoint()
{
    QFETCH(QString, typed);
    QFETCH(double, pointOnly);
    QFETCH(double, commaToo);
    QCOMPARE(readAnswer(typed), pointOnly);
    QCOMPARE(std::signbit(readAnswer(typed)), std::signbit(pointOnly));
    QCOMPARE(readAnswer(typed, Separator::PointOrComma), commaToo);

    const double answer = commaToo + 0.001;
    const QString shown = formatAnswer(answer, QLatin1Char(','));
    QVERIFY(shown.contains(QLatin1Char(',')));
    QCOMPARE(verdict(shown, answer, Separator::PointOrComma), kRight);
    QCOMPARE(verdict(formatAnswer(answer), answer, Separator::PointOrComma), kRight);
}

QTEST_GUILESS_MAIN(AnswersTest)
#include "tst_answers.moc"
