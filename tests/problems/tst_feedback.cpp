// What the problem pages say beyond the verdict, over every question the generators can make.

#include "answer.h"
#include "feedback.h"
#include "generators.h"

#include <QRegularExpression>
#include <QTest>

using problems::Said;

namespace {

// Every question of a module's type, once: Circles r 1..10, n 4..11 where the question uses n;
// Paper Folding every pair of sides the draws can give.
std::vector<problems::Problem> everyQuestion(bool circles, int type)
{
    std::vector<problems::Problem> all;
    if (circles) {
        for (int r = 1; r <= 10; ++r)
            for (int n = 4; n <= (type == 2 || type == 3 ? 11 : 4); ++n)
                all.push_back(problems::circlesProblem(type, r, n));
    } else {
        for (int a = 1; a <= 4; ++a)
            for (int b = 1; b <= 5; ++b)
                if (a != b && (b < 5 || a == 4))
                    all.push_back(problems::foldingProblem(type, a, b));
    }
    return all;
}

// A number in the text that the check would take as right, or the answer as the page shows it.
bool reveals(const QString& text, double answer)
{
    static const QRegularExpression number(QStringLiteral("\\d+(\\.\\d+)?"));
    if (text.contains(problems::formatAnswer(answer)))
        return true;
    for (auto it = number.globalMatch(text); it.hasNext();) {
        if (problems::isRight(it.next().captured().toDouble(), answer))
            return true;
    }
    return false;
}

} // namespace

Q_DECLARE_METATYPE(problems::Problem)

namespace {

struct Figures {
    int pairs = 0, judgedRight = 0, rightWithSentence = 0, wrong = 0, ownNamed = 0, pooled = 0,
        twoMethods = 0, apart = 0, revealing = 0;
};
Figures g_figures;

} // namespace

class FeedbackTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everySlipOfEveryQuestion_data()
    {
        QTest::addColumn<bool>("circles");
        QTest::addColumn<int>("type");
        for (int type = 0; type < 6; ++type) {
            QTest::addRow("circles %d", type) << true << type;
            QTest::addRow("folding %d", type) << false << type;
        }
    }

    // Each slip's value typed to two places: the slip is named wherever the check can tell it
    // from the answer and from every other slip; right answers get nothing; nothing said shows
    // the answer. The next steps for numbers that fit no slip never show it either.
    void everySlipOfEveryQuestion()
    {
        QFETCH(bool, circles);
        QFETCH(int, type);
        Figures& f = g_figures;
        for (const problems::Problem& p : everyQuestion(circles, type)) {
            const std::vector<problems::Slip> slips = problems::slipsOf(p);
            for (const problems::Slip& slip : slips) {
                const QString typed = problems::formatAnswer(slip.value);
                const double value = problems::readAnswer(typed);
                problems::Escalation escalation;
                const Said said = problems::afterCheck(p, typed, escalation);
                const QString where =
                    QStringLiteral("%1 typed %2: \"%3\"").arg(p.question, typed, said.text);
                ++f.pairs;
                f.revealing += reveals(said.text, p.answer);
                QVERIFY2(!reveals(said.text, p.answer), qPrintable(where));
                if (problems::isRight(value, p.answer)) {
                    ++f.judgedRight;
                    f.rightWithSentence += !said.text.isEmpty();
                    QVERIFY2(said.text.isEmpty(), qPrintable(where));
                    continue;
                }
                ++f.wrong;
                const bool named = said.slips.contains(QLatin1String(slip.id))
                                   && said.kind != Said::Pooled;
                f.ownNamed += named;
                f.pooled += said.kind == Said::Pooled;
                f.twoMethods += said.kind == Said::Method && said.slips.size() == 2;
                const bool alone = std::none_of(slips.begin(), slips.end(), [&](const auto& s) {
                    return &s != &slip && problems::isRight(value, s.value);
                });
                f.apart += alone;
                if (alone)
                    QVERIFY2(named, qPrintable(slip.id + QStringLiteral(": ") + where));
            }
            problems::Escalation escalation;
            for (const char* far : {"999.99", "998.99", "997.99", "996.99"}) {
                const Said said = problems::afterCheck(p, QString::fromLatin1(far), escalation);
                QCOMPARE(said.kind, Said::NextStep);
                QVERIFY2(!reveals(said.text, p.answer), qPrintable(said.text));
            }
        }
    }

    void cleanupTestCase()
    {
        const Figures& f = g_figures;
        qInfo("slips typed: %d; judged right: %d (with a sentence: %d); judged wrong: %d", f.pairs,
              f.judgedRight, f.rightWithSentence, f.wrong);
        qInfo("of the wrong: own slip named %d (%.1f %%), pooled \"so close\" %d, two method "
              "sentences %d; told apart from every other slip %d (all named); revealing %d",
              f.ownNamed, 100.0 * f.ownNamed / qMax(1, f.wrong), f.pooled, f.twoMethods, f.apart,
              f.revealing);
    }

    // The typed text is looked at before its number.
    void textBeforeNumber_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("starts");
        QTest::newRow("empty") << "" << "Type your answer as a number";
        QTest::newRow("words") << "about twenty" << "Type your answer as a number";
        QTest::newRow("comma") << " 19,24" << "Write the decimals after a point";
        QTest::newRow("pi symbol") << "49π" << "Type the number only";
        QTest::newRow("pi word") << "49 Pi" << "Type the number only";
        QTest::newRow("times pi") << "49*pi" << "Type the number only";
        QTest::newRow("a whole number is a number") << "0" << "The area of a circle is";
    }

    void textBeforeNumber()
    {
        QFETCH(QString, typed);
        QFETCH(QString, starts);
        if (problems::commaIsDecimal() && typed.contains(QLatin1Char(',')))
            QSKIP("the comma is read as a decimal point");
        problems::Escalation escalation;
        const Said said =
            problems::afterCheck(problems::circlesProblem(1, 7, 4), typed, escalation);
        QVERIFY2(said.text.startsWith(starts), qPrintable(said.text));
    }

    // The worked solutions put the question's numbers in and end with the answer as shown.
    void workedSolution_data()
    {
        QTest::addColumn<problems::Problem>("problem");
        QTest::addColumn<QString>("solution");
        QTest::newRow("circumference") << problems::circlesProblem(0, 7, 4)
                                       << "The circumference is 2 × π × r: 2 × π × 7 = 43.98";
        QTest::newRow("sector by angle")
            << problems::circlesProblem(3, 7, 8)
            << "The sector is 80/360 of the circle: π × 7² × 80 ÷ 360 = 34.21";
        QTest::newRow("hexagon") << problems::circlesProblem(4, 7, 4)
                                 << "Six triangles, each ½ × 7 × (√3/2 × 7): 6 × ½ × 7 × "
                                    "(√3/2 × 7) = 127.31";
        QTest::newRow("cylinder radius")
            << problems::foldingProblem(0, 2, 3)
            << "The shorter side goes round: 2 = 2 × π × r, so r = 2 ÷ (2 × π) = 0.32";
        QTest::newRow("mobius area") << problems::foldingProblem(4, 3, 2)
                                     << "The strip's one side covers both faces of the paper, so "
                                        "its area is twice the rectangle's: 2 × 3 × 2 = 12.00";
        QTest::newRow("cone") << problems::foldingProblem(5, 3, 2)
                              << "The cone keeps 300/360 of the disc: π × 3² × 300 ÷ 360 = 23.56";
    }

    void workedSolution()
    {
        QFETCH(problems::Problem, problem);
        QFETCH(QString, solution);
        QCOMPARE(problems::workedSolution(problem), solution);
    }
};

QTEST_GUILESS_MAIN(FeedbackTest)
#include "tst_feedback.moc"
