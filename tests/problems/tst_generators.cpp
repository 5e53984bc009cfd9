// The question generators: the exact texts, pictures and answers a pupil is judged against.

#include "generators.h"

#include <QTest>
#include <array>
#include <vector>

using namespace problems;

namespace {

Draw fixedDraws(std::vector<double> values)
{
    auto pos = std::make_shared<std::size_t>(0);
    return [values = std::move(values), pos]() { return values.at((*pos)++); };
}

// Draws that lead to each whole number: the middle of its slot.
double slot(int k, int count) { return (k + 0.5) / count; }

const QString kDeg = QString::fromUtf8("\u00B0");

} // namespace

class GeneratorsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void circles_data();
    void circles();
    void folding_data();
    void folding();
    void drawsFromTheSource_data();
    void drawsFromTheSource();
    void typeRuleOverAllDraws();
    void sidePairsOverAllDraws();
    void answersStayInTheirRanges();
    void drawAtOneStaysInRange();
};

// Each Circles type with its text, first picture and answer. Answers are compared exactly (not
// with QCOMPARE, which allows a relative 1e-12): the stored double decides a verdict at the edge
// of the bound.
void GeneratorsTest::circles_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("stem");
    QTest::addColumn<int>("count");
    QTest::addColumn<double>("answer");

    QTest::newRow("circumference r=10") << 0 << 10 << 5
        << "What is the circumference of a circle of radius 10?" << "tris3sm\\tris3" << 35
        << 62.83185307;
    QTest::newRow("area r=1") << 1 << 1 << 4 << "What is the area of a circle of radius 1?"
        << "circlesm\\circle" << 58 << 3.1415926535;
    QTest::newRow("sector fraction r=7 n=8") << 2 << 7 << 8
        << "If a sector of a circle of radius 7 forms a 8th of a full circle, what is its area?"
        << "circlesm\\circle" << 58 << 19.2422550026875;
    QTest::newRow("sector angle r=10 n=11") << 3 << 10 << 11
        << "If a sector of a circle of radius 10 forms an angle of  110 degrees at the centre of "
           "the circle, what is its area?"
        << "circlesm\\circle" << 58 << 95.99310885694445;
    QTest::newRow("hexagon r=2") << 4 << 2 << 9
        << "What is the area of a regular hexagon inscribed within a circle of radius 2?"
        << "hexs3sm\\hexs3" << 20 << 10.392304845413264;
    QTest::newRow("segments r=1") << 5 << 1 << 6
        << "If a regular hexagon is inscribed in a circle of radius 1. What is the area of each "
           "of the six segments outside the hexagon?"
        << "hexs3sm\\hexs3" << 20 << 0.090586073691114;
}

void GeneratorsTest::circles()
{
    QFETCH(int, type);
    QFETCH(int, r);
    QFETCH(int, n);
    QFETCH(QString, question);
    QFETCH(QString, stem);
    QFETCH(int, count);
    QFETCH(double, answer);

    const Problem p = circlesProblem(type, r, n);
    QCOMPARE(p.type, type);
    QCOMPARE(p.question, question);
    QCOMPARE(p.frames.stem(), stem);
    QCOMPARE(QLatin1String(p.frames.ext), QStringLiteral(".jpg"));
    QCOMPARE(p.frames.count, count);
    QVERIFY2(p.answer == answer, qPrintable(QString::number(p.answer, 'g', 17)));
}

// Each Paper Folding type with its text, first picture and answer, exactly. The cone keeps its
// fraction of the disc in single precision: 23.561944339489457 for sides 3 and 2, where double
// precision would give 23.56194490125 and turn a typed 23.5568455 from right to wrong.
void GeneratorsTest::folding_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("stem");
    QTest::addColumn<QString>("ext");
    QTest::addColumn<int>("count");
    QTest::addColumn<double>("answer");

    const QString cylinderRadius = QStringLiteral(
        "If an open-ended cylinder is constructed by joining the longer sides of a rectangle "
        "whose sides have length %1 and %2. What is the radius of the cylinder?");
    QTest::newRow("radius a=3 b=2") << 0 << 3 << 2 << cylinderRadius.arg(3).arg(2)
        << "cylindsm\\cylind" << ".gif" << 100 << 0.31830988619288864;
    QTest::newRow("radius a=1 b=2") << 0 << 1 << 2 << cylinderRadius.arg(1).arg(2)
        << "cylindsm\\cylind" << ".gif" << 100 << 0.15915494309644432;
    QTest::newRow("radius a=4 b=5") << 0 << 4 << 5 << cylinderRadius.arg(4).arg(5)
        << "cylindsm\\cylind" << ".gif" << 100 << 0.6366197723857773;
    QTest::newRow("cylinder area a=3 b=1") << 1 << 3 << 1
        << "If an open-ended cylinder is constructed from a rectangle with sides of length 3 and "
           "1. What is the area of the open-ended cylinder?"
        << "cylindsm\\cylind" << ".gif" << 100 << 3.0;
    QTest::newRow("torus a=3 b=1") << 2 << 3 << 1
        << "If a torus is constructed from a rectangle with sides of length 3 and 1. What is the "
           "area of the torus?"
        << "torusssm\\toruss" << ".jpg" << 50 << 3.0;
    QTest::newRow("edge a=3 b=1") << 3 << 3 << 1
        << "If a mobius strip is constructed by joining the shorter sides of a rectangle whose "
           "sides have length 3 and 1. What is the length of the edge of the mobius strip?"
        << "mobiussm\\bstr00" << ".jpg" << 100 << 6.0;
    QTest::newRow("edge a=4 b=5") << 3 << 4 << 5
        << "If a mobius strip is constructed by joining the shorter sides of a rectangle whose "
           "sides have length 4 and 5. What is the length of the edge of the mobius strip?"
        << "mobiussm\\bstr00" << ".jpg" << 100 << 10.0;
    QTest::newRow("strip area a=3 b=1") << 4 << 3 << 1
        << "If a mobius strip is constructed from a rectangle with sides of length 3 and 1. What "
           "is the area of the mobius strip?"
        << "mobiussm\\bstr00" << ".jpg" << 100 << 6.0;
    QTest::newRow("strip area a=4 b=5") << 4 << 4 << 5
        << "If a mobius strip is constructed from a rectangle with sides of length 4 and 5. What "
           "is the area of the mobius strip?"
        << "mobiussm\\bstr00" << ".jpg" << 100 << 40.0;
    const QString cone = QStringLiteral(
        "If an open-ended cone is constructed from a disc of radius %1 with a sector of angle "
        "%2%3 removed. What is the area of the open-ended cone?");
    QTest::newRow("cone a=3 b=2") << 5 << 3 << 2 << cone.arg(3).arg(60).arg(kDeg)
        << "bonen2sm\\bonene" << ".jpg" << 50 << 23.561944339489457;
    QTest::newRow("cone a=4 b=1") << 5 << 4 << 1 << cone.arg(4).arg(30).arg(kDeg)
        << "bonen2sm\\bonene" << ".jpg" << 50 << 46.07669325001874;
    QTest::newRow("cone a=1 b=4") << 5 << 1 << 4 << cone.arg(1).arg(120).arg(kDeg)
        << "bonen2sm\\bonene" << ".jpg" << 50 << 2.0943949774976574;
}

void GeneratorsTest::folding()
{
    QFETCH(int, type);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(QString, question);
    QFETCH(QString, stem);
    QFETCH(QString, ext);
    QFETCH(int, count);
    QFETCH(double, answer);

    const Problem p = foldingProblem(type, a, b);
    QCOMPARE(p.type, type);
    QCOMPARE(p.question, question);
    QCOMPARE(p.frames.stem() + QLatin1String(p.frames.ext) + QString::number(p.frames.count),
             stem + ext + QString::number(count));
    QVERIFY2(p.answer == answer, qPrintable(QString::number(p.answer, 'g', 17)));
}

// From raw draws and the previous type to the problem: the order of the draws and the type rule.
void GeneratorsTest::drawsFromTheSource_data()
{
    QTest::addColumn<bool>("isCircles");
    QTest::addColumn<std::vector<double>>("draws");
    QTest::addColumn<int>("lastproblem");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("question");

    QTest::newRow("circles first of the run")
        << true << std::vector<double>{0.0, 0.0, 0.0} << 0 << 1
        << "What is the area of a circle of radius 1?";
    QTest::newRow("circles repeat of 5 becomes 0")
        << true << std::vector<double>{slot(5, 6), slot(9, 10), 0.0} << 5 << 0
        << "What is the circumference of a circle of radius 10?";
    QTest::newRow("circles r then n")
        << true << std::vector<double>{slot(2, 6), slot(6, 10), slot(4, 8)} << 0 << 2
        << "If a sector of a circle of radius 7 forms a 8th of a full circle, what is its area?";
    QTest::newRow("folding repeat of 5 becomes 0")
        << false << std::vector<double>{slot(5, 6), slot(2, 4), slot(1, 4), 0.9} << 5 << 0
        << "If an open-ended cylinder is constructed by joining the longer sides of a rectangle "
           "whose sides have length 3 and 2. What is the radius of the cylinder?";
    QTest::newRow("folding equal draws move b up")
        << false << std::vector<double>{slot(4, 6), slot(3, 4), slot(3, 4), 0.0} << 1 << 4
        << "If a mobius strip is constructed from a rectangle with sides of length 4 and 5. What "
           "is the area of the mobius strip?";
    QTest::newRow("folding cone")
        << false << std::vector<double>{slot(5, 6), slot(2, 4), slot(1, 4), 0.5} << 0 << 5
        << QString::fromUtf8("If an open-ended cone is constructed from a disc of radius 3 with "
                             "a sector of angle 60\u00B0 removed. What is the area of the "
                             "open-ended cone?");
}

void GeneratorsTest::drawsFromTheSource()
{
    QFETCH(bool, isCircles);
    QFETCH(std::vector<double>, draws);
    QFETCH(int, lastproblem);
    QFETCH(int, type);
    QFETCH(QString, question);

    // A source that fails the test when asked for more numbers than a problem takes.
    const std::size_t taken = draws.size();
    auto used = std::make_shared<std::size_t>(0);
    const Draw source = [draws, used]() {
        return *used < draws.size() ? draws[(*used)++] : (++*used, 0.0);
    };
    const Problem p = isCircles ? makeCirclesProblem(source, lastproblem)
                                : makeFoldingProblem(source, lastproblem);
    QCOMPARE(p.type, type);
    QCOMPARE(p.question, question);
    QCOMPARE(*used, taken);
}

// Every previous type: the next type over all draws is never the same, is the one after it
// twice as often, and each of the others once.
void GeneratorsTest::typeRuleOverAllDraws()
{
    constexpr int kGrid = 6000;
    for (int last = 0; last < 6; ++last) {
        std::array<int, 6> seen{};
        for (int k = 0; k < kGrid; ++k)
            ++seen[static_cast<std::size_t>(chooseType(slot(k, kGrid), last))];
        for (int t = 0; t < 6; ++t) {
            const int expected = t == last ? 0 : t == (last + 1) % 6 ? 2 * kGrid / 6 : kGrid / 6;
            QCOMPARE(seen[static_cast<std::size_t>(t)], expected);
        }
    }
}

// The thirteen side pairs and how often each comes.
void GeneratorsTest::sidePairsOverAllDraws()
{
    constexpr int kGrid = 400;
    int seen[5][6] = {};
    for (int i = 0; i < kGrid; ++i)
        for (int j = 0; j < kGrid; ++j) {
            const Sides s = foldingSides(slot(i, kGrid), slot(j, kGrid));
            QVERIFY(s.a != s.b);
            ++seen[s.a][s.b];
        }
    const int sixteenth = kGrid * kGrid / 16;
    int pairs = 0;
    for (int a = 1; a <= 4; ++a)
        for (int b = 1; b <= 5; ++b) {
            int expected = 0;
            if (a != b && b <= 4)
                expected = sixteenth;
            if (b == a + 1 && a < 4)
                expected = 2 * sixteenth;
            if (a == 4 && b == 5)
                expected = sixteenth;
            QCOMPARE(seen[a][b], expected);
            pairs += expected > 0;
        }
    QCOMPARE(pairs, 13);
    QCOMPARE(seen[0][0], 0);
}

// Every reachable problem: the answers span the ranges the pupil is told about, shown to
// two decimals, and every text names its numbers.
void GeneratorsTest::answersStayInTheirRanges()
{
    struct Range {
        double low, high;
    };
    const Range circles[6] = {{6.28, 62.83}, {3.14, 314.16}, {0.29, 78.54},
                              {0.35, 95.99}, {2.60, 259.81}, {0.09, 9.06}};
    for (int t = 0; t < 6; ++t) {
        double low = 1e9, high = -1e9;
        for (int r = 1; r <= 10; ++r)
            for (int n = 4; n <= 11; ++n) {
                const double v = circlesProblem(t, r, n).answer;
                low = qMin(low, v);
                high = qMax(high, v);
            }
        QCOMPARE(qRound(low * 100), qRound(circles[t].low * 100));
        QCOMPARE(qRound(high * 100), qRound(circles[t].high * 100));
    }
    const Range folding[6] = {{0.16, 0.64}, {2, 20}, {2, 20}, {4, 10}, {4, 40}, {2.09, 46.08}};
    for (int t = 0; t < 6; ++t) {
        double low = 1e9, high = -1e9;
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j) {
                const Sides s = foldingSides(slot(i, 4), slot(j, 4));
                const double v = foldingProblem(t, s.a, s.b).answer;
                low = qMin(low, v);
                high = qMax(high, v);
            }
        QCOMPARE(qRound(low * 100), qRound(folding[t].low * 100));
        QCOMPARE(qRound(high * 100), qRound(folding[t].high * 100));
    }
}

// A source that ever hands out 1.0 (or more) must not make a type 6 or a radius 11.
void GeneratorsTest::drawAtOneStaysInRange()
{
    const Problem c = makeCirclesProblem(fixedDraws({1.0, 1.0, 1.0}), 0);
    QCOMPARE(c.type, 5);
    QVERIFY(c.question.contains(QLatin1String("radius 10.")));
    const Problem f = makeFoldingProblem(fixedDraws({1.0, 1.0, 1.0, 1.0}), 5);
    QCOMPARE(f.type, 0);
    QVERIFY(f.question.contains(QLatin1String("length 4 and 5.")));
}

QTEST_GUILESS_MAIN(GeneratorsTest)
#include "tst_generators.moc"
