// What the problem pages say beyond the verdict, over every question the generators can make.

#include "answer.h"
#include "feedback.h"
#include "generators.h"

#include <QRegularExpression>
#include <QTest>

using problems::formatAnswer;
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

// A number as English writes it in groups of three: 1,017.88.
QString grouped(double value)
{
    QString text = formatAnswer(value);
    for (qsizetype k = text.indexOf(QLatin1Char('.')) - 3; k > 0; k -= 3)
        text.insert(k, QLatin1Char(','));
    return text;
}

} // namespace

Q_DECLARE_METATYPE(problems::Problem)

namespace {

struct Figures {
    int pairs = 0, judgedRight = 0, rightWithSentence = 0, wrong = 0, ownNamed = 0, pooled = 0,
        twoMethods = 0, apart = 0, revealing = 0, rows = 0;
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

    // Each slip's value typed as a pupil would (two places; one, or none, for the result
    // rounded short): the slip is named wherever the check can tell it from the answer and from
    // every other slip; right answers get nothing; nothing said shows the answer. The same
    // rounded results typed to two places are rounded early; values over 1000 typed in groups
    // of three get the separator and their slip; the answer with a minus sign gets the sign.
    // The next steps for numbers that fit no slip never show the answer either.
    void everySlipOfEveryQuestion()
    {
        QFETCH(bool, circles);
        QFETCH(int, type);
        Figures& f = g_figures;
        ++f.rows;
        for (const problems::Problem& p : everyQuestion(circles, type)) {
            const std::vector<problems::Slip> slips = problems::slipsOf(p);
            for (const problems::Slip& slip : slips) {
                const bool r1 = qstrcmp(slip.id, "r1") == 0, r0 = qstrcmp(slip.id, "r0") == 0;
                const QString typed = QString::number(slip.value, 'f', r1 ? 1 : r0 ? 0 : 2);
                const double value = problems::readAnswer(typed);
                problems::Escalation escalation;
                const Said said = problems::afterCheck(p, typed, escalation);
                const QString where =
                    QStringLiteral("%1 typed %2: \"%3\"").arg(p.question, typed, said.text);
                ++f.pairs;
                QVERIFY2(problems::slipTitle(QString::fromLatin1(slip.id)) != slip.id, slip.id);
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
                if ((r0 || r1) && !problems::isRight(slip.value, p.answer)) {
                    const Said two = problems::afterCheck(p, formatAnswer(slip.value), escalation);
                    QVERIFY2(two.kind == Said::Method || two.slips.contains("early"),
                             qPrintable(two.text));
                }
                if (slip.value >= 1000) {
                    const Said said3 = problems::afterCheck(p, grouped(slip.value), escalation);
                    QCOMPARE(said3.slips.value(0), QStringLiteral("group"));
                    QVERIFY2(!alone || said3.slips.contains(slip.id), qPrintable(said3.text));
                }
            }
            problems::Escalation escalation;
            QCOMPARE(problems::afterCheck(p, u'-' + formatAnswer(p.answer), escalation).slips,
                     QStringList{"minus"});
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
        // Bounds on the figures, when every type was swept: a slip computed wrongly, or named
        // where it should not be, moves them.
        if (f.rows == 12) {
            QVERIFY(f.judgedRight >= 575 && f.judgedRight <= 600 && f.rightWithSentence == 0);
            QVERIFY(f.ownNamed >= 0.88 * f.wrong && f.apart >= 0.78 * f.wrong);
            QVERIFY(f.pooled >= 0.08 * f.wrong && f.pooled <= 0.13 * f.wrong);
            QVERIFY(f.twoMethods >= 120 && f.twoMethods <= 180 && f.revealing == 0);
        }
        qInfo("slips typed: %d; judged right: %d (with a sentence: %d); judged wrong: %d", f.pairs,
              f.judgedRight, f.rightWithSentence, f.wrong);
        qInfo("of the wrong: own slip named %d (%.1f %%), pooled \"so close\" %d, two method "
              "sentences %d; told apart from every other slip %d (all named); revealing %d",
              f.ownNamed, 100.0 * f.ownNamed / qMax(1, f.wrong), f.pooled, f.twoMethods, f.apart,
              f.revealing);
    }

    // Questions worked by hand, each typed as pupils typed it (read where a comma may also be
    // the decimal separator): the slips named, and how the sentence begins.
    void typedByPupils_data()
    {
        QTest::addColumn<problems::Problem>("problem");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("slips");
        QTest::addColumn<QString>("text");
        const auto c = problems::circlesProblem;
        const auto f = problems::foldingProblem;
        const QString keep = "So close — keep every digit to the end";
        const QString grouped = "Leave out the thousands separator";
        QTest::newRow("cone, cut away") << f(5, 3, 2) << "4.71" << "f5.cut" << "That is the sector that was cut";
        QTest::newRow("circumference, two formulas") << c(0, 1, 4) << "3.14" << "c0.pir c0.area" << "That is π × r;";
        QTest::newRow("hexagon, pooled") << c(4, 1, 4) << "2.59" << "rt173 cut2" << keep;
        QTest::newRow("sector, one place") << c(2, 3, 7) << "4.0" << "r1" << "So close — give two decimal places, not one.";
        QTest::newRow("area, so close") << c(1, 1, 4) << "3.136" << "pi314 cut2" << keep;
        QTest::newRow("segment, early") << c(5, 9, 4) << "7.30" << "early" << keep;
        QTest::newRow("area, whole .00") << c(1, 6, 4) << "113.00" << "early" << keep;
        QTest::newRow("area, minus") << c(1, 9, 4) << "-254.47" << "minus" << "An area can't be negative";
        QTest::newRow("circumference, minus") << c(0, 1, 4) << "-6.28" << "minus" << "A length can't be negative";
        QTest::newRow("en groups") << c(1, 9, 4) << "1,017.88" << "group c1.diam" << grouped;
        QTest::newRow("de groups") << c(1, 9, 4) << "1.017,88" << "group c1.diam" << grouped;
        QTest::newRow("fr groups") << c(1, 9, 4) << "1\u202f017,88" << "group c1.diam" << grouped;
        QTest::newRow("sector, not 3.142") << c(3, 9, 8) << "56.56" << "pi3142 early" << "So close — use π = 3.14159";
        QTest::newRow("hexagon, whole first") << c(4, 1, 4) << "3" << "r0 c4.hr" << "So close — give two decimal";
        QTest::newRow("sector, halved") << c(2, 6, 4) << "7.07" << "c2.half" << "The radius is already 6;";
        QTest::newRow("sector, r not squared") << c(3, 5, 9) << "3.93" << "c3.nosq" << "Square the radius";
        QTest::newRow("area, no π") << c(1, 7, 4) << "49" << "c1.nopi" << "The area is π × r²: multiply by π";
        QTest::newRow("radius, × 2π") << f(0, 2, 3) << "12.57" << "f0.times" << "The side that goes round is 2 × π × r";
        QTest::newRow("sector, next step") << c(2, 7, 8) << "999" << "" << "The sector is 1/8 of the circle:";
        QTest::newRow("sector, whole") << c(2, 7, 8) << "153.94" << "c2.whole" << "That is the whole circle;";
    }

    void typedByPupils()
    {
        QFETCH(problems::Problem, problem);
        QFETCH(QString, typed);
        QFETCH(QString, slips);
        QFETCH(QString, text);
        problems::Escalation escalation;
        const Said said =
            problems::afterCheck(problem, typed, escalation, problems::Separator::PointOrComma);
        QCOMPARE(said.slips.join(QLatin1Char(' ')), slips);
        QVERIFY2(said.text.startsWith(text) && !reveals(said.text, problem.answer),
                 qPrintable(said.text));
        for (const QString& id : said.slips)
            QVERIFY2(problems::slipTitle(id) != id, qPrintable(id));
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
