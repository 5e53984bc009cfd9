#include "feedback.h"

#include "answer.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace problems {
namespace {

struct Say {
    Q_DECLARE_TR_FUNCTIONS(Feedback)
};

// The sentence that names each slip. Placeholders stand for the question's numbers: on
// Circles %1 the radius, %2 the divisor, %3 the angle in degrees; on Paper Folding %1 and %2
// the sides, %3 the shorter, %4 the longer, %5 the angle cut away and %6 the angle kept.
struct Sentence {
    const char* id;
    const char* text;
};

const Sentence kSentences[] = {
    {"c0.pir", QT_TRANSLATE_NOOP("Feedback", "That is π × r; the circumference is π × the "
                                             "diameter, and the diameter is 2 × r.")},
    {"c0.area", QT_TRANSLATE_NOOP("Feedback", "That is the area, π × r²; the circumference is "
                                              "the distance round the edge.")},
    {"c0.diam", QT_TRANSLATE_NOOP("Feedback", "The radius is already %1: you doubled it before "
                                              "using 2 × π × r.")},
    {"c1.circ", QT_TRANSLATE_NOOP("Feedback", "That is the circumference, 2 × π × r; the area "
                                              "is π × r².")},
    {"c1.nosq", QT_TRANSLATE_NOOP("Feedback", "Square the radius: the area is π × r × r.")},
    {"c1.diam", QT_TRANSLATE_NOOP("Feedback", "You used the diameter; the area uses the "
                                              "radius, %1.")},
    {"c1.sqpi", QT_TRANSLATE_NOOP("Feedback", "Only the radius is squared, not π: the area is "
                                              "π × r × r.")},
    {"c2.whole", QT_TRANSLATE_NOOP("Feedback", "That is the whole circle; the sector is one "
                                               "%2th of it.")},
    {"c2.arc", QT_TRANSLATE_NOOP("Feedback", "That is the arc's length; the question asks for "
                                             "the sector's area.")},
    {"c2.deg", QT_TRANSLATE_NOOP("Feedback", "Here %2 says what part of the circle the sector "
                                             "is, one %2th, not an angle in degrees.")},
    {"c2.diam", QT_TRANSLATE_NOOP("Feedback", "You used the diameter; the formula uses the "
                                              "radius, %1.")},
    {"c3.rad", QT_TRANSLATE_NOOP("Feedback", "The angle is in degrees, so take %3/360 of the "
                                             "circle (½ × r² × θ needs the angle in radians).")},
    {"c3.x2", QT_TRANSLATE_NOOP("Feedback", "That is twice the sector: a full turn is 360°, "
                                            "and ½ × r² × θ needs its ½.")},
    {"c3.arc", QT_TRANSLATE_NOOP("Feedback", "That is the arc's length; the question asks for "
                                             "the sector's area.")},
    {"c3.whole", QT_TRANSLATE_NOOP("Feedback", "That is the whole circle; the sector is only "
                                               "%3/360 of it.")},
    {"c3.rest", QT_TRANSLATE_NOOP("Feedback", "That is the rest of the circle; the sector is "
                                              "the part with the angle of %3°.")},
    {"c3.diam", QT_TRANSLATE_NOOP("Feedback", "You used the diameter; the formula uses the "
                                              "radius, %1.")},
    {"c4.one", QT_TRANSLATE_NOOP("Feedback", "That is one of the triangles; the hexagon is six "
                                             "of them.")},
    {"c4.nohalf", QT_TRANSLATE_NOOP("Feedback", "A triangle's area is ½ × base × height: the ½ "
                                                "is missing.")},
    {"c4.hr", QT_TRANSLATE_NOOP("Feedback", "The triangle's height is √3/2 × r, not r.")},
    {"c4.circle", QT_TRANSLATE_NOOP("Feedback", "That is the whole circle; the hexagon inside "
                                                "it is smaller.")},
    {"c4.diam", QT_TRANSLATE_NOOP("Feedback", "Each triangle's side is the radius, %1, not the "
                                              "diameter.")},
    {"c5.all6", QT_TRANSLATE_NOOP("Feedback", "That is all six segments together; the question "
                                              "asks for one.")},
    {"c5.sector", QT_TRANSLATE_NOOP("Feedback", "That is a whole sector; take its triangle away "
                                                "to leave the segment.")},
    {"c5.hr", QT_TRANSLATE_NOOP("Feedback", "The triangle's height is √3/2 × r, not r.")},
    {"c5.nohalf", QT_TRANSLATE_NOOP("Feedback", "An area can't be negative: the triangle's area "
                                                "needs its ½.")},
    {"c5.diam", QT_TRANSLATE_NOOP("Feedback", "You used the diameter; the formula uses the "
                                              "radius, %1.")},
    {"f0.long", QT_TRANSLATE_NOOP("Feedback", "Joining the longer sides makes them the seam; "
                                              "the shorter side, %3, goes round.")},
    {"f0.diam", QT_TRANSLATE_NOOP("Feedback", "That is the diameter; the radius is half of it.")},
    {"f0.half", QT_TRANSLATE_NOOP("Feedback", "The side that goes round is the circumference, "
                                              "2 × π × r.")},
    {"f1.both", QT_TRANSLATE_NOOP("Feedback", "Count the paper once: rolling or bending it does "
                                              "not add area.")},
    {"f1.perim", QT_TRANSLATE_NOOP("Feedback", "That is the perimeter, a length; the question "
                                               "asks for an area.")},
    {"f1.sum", QT_TRANSLATE_NOOP("Feedback", "For an area, multiply the sides.")},
    {"f1.2pirh", QT_TRANSLATE_NOOP("Feedback", "The sides are not radii: the paper is not "
                                               "stretched, so its area stays the rectangle's.")},
    {"f2.both", QT_TRANSLATE_NOOP("Feedback", "Count the paper once: rolling or bending it does "
                                              "not add area.")},
    {"f2.perim", QT_TRANSLATE_NOOP("Feedback", "That is the perimeter, a length; the question "
                                               "asks for an area.")},
    {"f2.sum", QT_TRANSLATE_NOOP("Feedback", "For an area, multiply the sides.")},
    {"f2.4pi2", QT_TRANSLATE_NOOP("Feedback", "The sides are not radii: the paper is not "
                                              "stretched, so its area stays the rectangle's.")},
    {"f3.one", QT_TRANSLATE_NOOP("Feedback", "Follow the edge round: it runs along both long "
                                             "sides before it meets itself.")},
    {"f3.short", QT_TRANSLATE_NOOP("Feedback", "The shorter sides are the ones joined; the edge "
                                               "runs along the longer sides.")},
    {"f3.perim", QT_TRANSLATE_NOOP("Feedback", "The joined sides are no longer part of the "
                                               "edge.")},
    {"f4.one", QT_TRANSLATE_NOOP("Feedback", "The strip has one side, and it covers both faces "
                                             "of the paper: count both.")},
    {"f4.perim", QT_TRANSLATE_NOOP("Feedback", "That is the perimeter, a length; the question "
                                               "asks for an area.")},
    {"f5.cut", QT_TRANSLATE_NOOP("Feedback", "That is the sector that was cut away; the cone is "
                                             "made of what is left.")},
    {"f5.whole", QT_TRANSLATE_NOOP("Feedback", "The removed sector is not part of the cone: "
                                               "take it away.")},
    {"f5.arc", QT_TRANSLATE_NOOP("Feedback", "That is the length of the cone's rim; the "
                                             "question asks for its area.")},
    {"f5.rad", QT_TRANSLATE_NOOP("Feedback", "The angle is in degrees: the cone keeps %6/360 of "
                                             "the disc (½ × r² × θ needs radians).")},
    {"pi314", QT_TRANSLATE_NOOP("Feedback", "So close — it looks like you used π = 3.14; use "
                                            "3.14159, as the page says.")},
    {"pi227", QT_TRANSLATE_NOOP("Feedback", "So close — it looks like you used π = 22/7; use "
                                            "3.14159, as the page says.")},
    {"pi3142", QT_TRANSLATE_NOOP("Feedback", "So close — it looks like you used π = 3.142; use "
                                             "3.14159, as the page says.")},
    {"rt173", QT_TRANSLATE_NOOP("Feedback", "So close — √3 was rounded too early; keep all its "
                                            "digits until the end.")},
    {"rt1732", QT_TRANSLATE_NOOP("Feedback", "So close — √3 was rounded too early; keep all its "
                                             "digits until the end.")},
    {"r1", QT_TRANSLATE_NOOP("Feedback", "So close — give two decimal places, not one.")},
    {"r0", QT_TRANSLATE_NOOP("Feedback", "So close — give two decimal places, not a whole "
                                         "number.")},
    {"cut2", QT_TRANSLATE_NOOP("Feedback", "So close — round the second decimal: round up when "
                                           "the third is 5 or more.")},
};

// Accuracy slips of one family share a sentence when several of them fit the typed number.
const char* familySentence(const char* id)
{
    if (std::strncmp(id, "pi", 2) == 0)
        return QT_TRANSLATE_NOOP("Feedback", "So close — π was rounded too early; use 3.14159, "
                                             "as the page says.");
    if (std::strncmp(id, "rt", 2) == 0)
        return QT_TRANSLATE_NOOP("Feedback", "So close — √3 was rounded too early; keep all its "
                                             "digits until the end.");
    if (id[0] == 'r')
        return QT_TRANSLATE_NOOP("Feedback", "So close — give two decimal places.");
    return nullptr;
}

const char* pooledSentence(bool withPi)
{
    return withPi ? QT_TRANSLATE_NOOP("Feedback", "So close — use π = 3.14159, keep every digit "
                                                  "to the end, then round to two decimal places.")
                  : QT_TRANSLATE_NOOP("Feedback", "So close — keep every digit to the end, then "
                                                  "round to two decimal places.");
}

// The next steps of each type: the plan in letters, then in the question's numbers.
struct Plan {
    const char* letters;
    const char* numbers;
};

const Plan kCirclesPlans[6] = {
    {QT_TRANSLATE_NOOP("Feedback", "The circumference is 2 × π × r: twice π times the radius."),
     QT_TRANSLATE_NOOP("Feedback", "Work out 2 × π × %1.")},
    {QT_TRANSLATE_NOOP("Feedback", "The area of a circle is π × r²: π times the radius times "
                                   "the radius."),
     QT_TRANSLATE_NOOP("Feedback", "Work out π × %1 × %1.")},
    {QT_TRANSLATE_NOOP("Feedback", "The sector is one n-th of the circle: work out the circle's "
                                   "area, π × r², then divide it by n."),
     QT_TRANSLATE_NOOP("Feedback", "Work out π × %1² ÷ %2.")},
    {QT_TRANSLATE_NOOP("Feedback", "The sector is θ/360 of the circle: π × r² × θ ÷ 360, with "
                                   "the angle θ in degrees."),
     QT_TRANSLATE_NOOP("Feedback", "Work out π × %1² × %3 ÷ 360.")},
    {QT_TRANSLATE_NOOP("Feedback", "The hexagon is six triangles, each with base r and height "
                                   "√3/2 × r: 6 × ½ × r × (√3/2 × r)."),
     QT_TRANSLATE_NOOP("Feedback", "Work out 6 × ½ × %1 × (√3/2 × %1).")},
    {QT_TRANSLATE_NOOP("Feedback", "A segment is a sector, π × r² ÷ 6, less one of the "
                                   "hexagon's triangles, ½ × r × (√3/2 × r)."),
     QT_TRANSLATE_NOOP("Feedback", "Work out π × %1² ÷ 6 − ½ × %1 × (√3/2 × %1).")},
};

const Plan kFoldingPlans[6] = {
    {QT_TRANSLATE_NOOP("Feedback", "The shorter side goes round the cylinder: it is the "
                                   "circumference 2 × π × r, so r = side ÷ (2 × π)."),
     QT_TRANSLATE_NOOP("Feedback", "Work out %3 ÷ (2 × π).")},
    {QT_TRANSLATE_NOOP("Feedback", "Rolling the paper does not change its area: it is the "
                                   "rectangle's, one side times the other."),
     QT_TRANSLATE_NOOP("Feedback", "Work out %1 × %2.")},
    {QT_TRANSLATE_NOOP("Feedback", "Bending the tube round into a torus does not stretch the "
                                   "paper: its area is the rectangle's, one side times the "
                                   "other."),
     QT_TRANSLATE_NOOP("Feedback", "Work out %1 × %2.")},
    {QT_TRANSLATE_NOOP("Feedback", "The strip's one edge runs along both longer sides before it "
                                   "meets itself: 2 × the longer side."),
     QT_TRANSLATE_NOOP("Feedback", "Work out 2 × %4.")},
    {QT_TRANSLATE_NOOP("Feedback", "The strip's one side covers both faces of the paper: "
                                   "2 × one side × the other."),
     QT_TRANSLATE_NOOP("Feedback", "Work out 2 × %1 × %2.")},
    {QT_TRANSLATE_NOOP("Feedback", "The cone is the disc less the removed sector: it keeps "
                                   "(360 − the cut angle)/360 of π × r²."),
     QT_TRANSLATE_NOOP("Feedback", "Work out π × %1² × %6 ÷ 360.")},
};

const char* const kLastStep = QT_TRANSLATE_NOOP("Feedback", "Press Answer to see the worked "
                                                            "solution.");

const char* const kWorked[2][6] = {
    {QT_TRANSLATE_NOOP("Feedback", "The circumference is 2 × π × r: 2 × π × %1 = %7"),
     QT_TRANSLATE_NOOP("Feedback", "The area of a circle is π × r²: π × %1² = %7"),
     QT_TRANSLATE_NOOP("Feedback", "The sector is one %2th of the circle: π × %1² ÷ %2 = %7"),
     QT_TRANSLATE_NOOP("Feedback", "The sector is %3/360 of the circle: π × %1² × %3 ÷ 360 = "
                                   "%7"),
     QT_TRANSLATE_NOOP("Feedback", "Six triangles, each ½ × %1 × (√3/2 × %1): 6 × ½ × %1 × "
                                   "(√3/2 × %1) = %7"),
     QT_TRANSLATE_NOOP("Feedback", "A sector less its triangle: π × %1² ÷ 6 − ½ × %1 × "
                                   "(√3/2 × %1) = %7")},
    {QT_TRANSLATE_NOOP("Feedback", "The shorter side goes round: %3 = 2 × π × r, so "
                                   "r = %3 ÷ (2 × π) = %7"),
     QT_TRANSLATE_NOOP("Feedback", "Rolling the paper does not stretch it, so the area is the "
                                   "rectangle's: %1 × %2 = %7"),
     QT_TRANSLATE_NOOP("Feedback", "Bending the paper into a torus does not stretch it, so the "
                                   "area is the rectangle's: %1 × %2 = %7"),
     QT_TRANSLATE_NOOP("Feedback", "The edge runs along both longer sides before it meets "
                                   "itself: 2 × %4 = %7"),
     QT_TRANSLATE_NOOP("Feedback", "The strip's one side covers both faces of the paper, so its "
                                   "area is twice the rectangle's: 2 × %1 × %2 = %7"),
     QT_TRANSLATE_NOOP("Feedback", "The cone keeps %6/360 of the disc: π × %1² × %6 ÷ 360 = "
                                   "%7")},
};

QString translated(const char* text)
{
    return QCoreApplication::translate("Feedback", text);
}

} // namespace

QString slipSentence(QStringView id)
{
    const auto found = std::find_if(std::begin(kSentences), std::end(kSentences),
                                    [id](const Sentence& s) { return id == QLatin1String(s.id); });
    if (found == std::end(kSentences))
        return {};
    static const QStringList circles{QStringLiteral("r"), QStringLiteral("n"), QStringLiteral("θ")};
    static const QStringList folding{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("S"),
                                     QStringLiteral("L"), QStringLiteral("θ"), QStringLiteral("(360 − θ)")};
    const QStringList& letters = id.startsWith(u'f') ? folding : circles;
    QString text = translated(found->text);
    for (qsizetype i = letters.size(); i >= 1; --i)
        text.replace(QLatin1Char('%') + QString::number(i), letters.at(i - 1));
    return text;
}

namespace {

// A whole number inside a sentence. Every number the sentences show is written here, or by
// formatAnswer for the answer itself.
QString sentenceNumber(int value)
{
    return QString::number(value);
}

// The question's numbers, in the order the placeholders name them.
QStringList numbersOf(const Problem& p)
{
    if (p.module == Module::Circles)
        return {sentenceNumber(p.r), sentenceNumber(p.n), sentenceNumber(10 * p.n)};
    return {sentenceNumber(p.a), sentenceNumber(p.b), sentenceNumber(std::min(p.a, p.b)),
            sentenceNumber(std::max(p.a, p.b)), sentenceNumber(30 * p.b),
            sentenceNumber(360 - 30 * p.b)};
}

// Puts the numbers in for %1, %2, ... wherever a translation placed them.
QString fill(const QString& text, const QStringList& numbers)
{
    static const QRegularExpression placeholder(QStringLiteral("%(\\d)"));
    QString out;
    qsizetype from = 0;
    auto it = placeholder.globalMatch(text);
    while (it.hasNext()) {
        const auto m = it.next();
        const int k = m.captured(1).toInt();
        out += text.mid(from, m.capturedStart() - from);
        out += (k >= 1 && k <= numbers.size()) ? numbers[k - 1] : m.captured();
        from = m.capturedEnd();
    }
    return out + text.mid(from);
}

QString sentenceOf(const char* id, const Problem& p)
{
    for (const Sentence& s : kSentences) {
        if (std::strcmp(s.id, id) == 0)
            return fill(translated(s.text), numbersOf(p));
    }
    return {};
}

// Two formulas that give the same number: both are named.
QString both(const QString& first, const QString& second)
{
    return Say::tr("%1 Or perhaps: %2").arg(first, second);
}

// What the text itself says before its number is looked at, or nothing. One pass over the
// text as the answer reader sees it (without the blanks it skips), however long it is.
QString textSentence(QStringView typed, Separator separator)
{
    QString text;
    for (QChar c : typed) {
        if (c != u' ' && c != u'\t' && c != u'\n')
            text += c;
    }
    const qsizetype size = text.size();
    qsizetype i = 0;
    auto at = [&text, size](qsizetype k) { return k < size ? text[k] : QChar(); };
    auto digits = [&]() {
        const qsizetype from = i;
        while (at(i).isDigit() && at(i).unicode() < 128)
            ++i;
        return i > from;
    };
    if (at(i) == u'+' || at(i) == u'-')
        ++i;
    bool number = digits();
    if (at(i) == u'.') {
        ++i;
        number = digits() || number;
    }
    if (!number)
        return Say::tr("Type your answer as a number, with two decimal places.");
    if (!commaIsDecimal(separator) && at(i) == u',' && at(i + 1).isDigit())
        return Say::tr("Write the decimals after a point, not a comma: the number stops at the "
                       "comma.");
    if (at(i) == u'e' || at(i) == u'E') {
        const qsizetype mark = i++;
        if (at(i) == u'+' || at(i) == u'-')
            ++i;
        if (!digits())
            i = mark;
    }
    if (at(i) == u'*' || at(i) == u'\u00d7' || at(i) == u'\u00b7')
        ++i;
    const QStringView rest = QStringView(text).mid(i);
    if (rest.startsWith(u'\u03c0') || rest.startsWith(u'\u03a0')
        || rest.startsWith(u"pi", Qt::CaseInsensitive))
        return Say::tr("Type the number only: multiply by π yourself, with the value the page "
                       "gives.");
    return {};
}

bool whole(double value)
{
    return value == std::round(value);
}

// Every slip of a Circles problem. Each value is written as its answer is, so that the slips
// carry the same rounding.
void circlesSlips(const Problem& p, std::vector<Slip>& out)
{
    const double r = p.r;
    const int n = p.n;
    const double theta = 10.0 * n;
    const double root3 = std::sqrt(3.0);
    auto with = [&p, n](double pi, double rt3, double rd) {
        switch (p.type) {
        case 0: return rd * (pi * 2);
        case 1: return rd * (rd * pi);
        case 2: return (rd * (rd * pi)) / n;
        case 3: return (rd * (rd * (pi * (n * 10)))) / 360;
        case 4: return (rt3 * (rd * (rd * 3))) / 2;
        default: return ((rd * (rd * pi)) - rt3 * (rd * (rd * 1.5))) / 6;
        }
    };
    const double circle = r * (r * kPi);
    const double half = 0.5 * r * (root3 / 2 * r); // one of the hexagon's triangles
    switch (p.type) {
    case 0:
        out.push_back({"c0.pir", r * kPi, false});
        out.push_back({"c0.area", circle, false});
        out.push_back({"c0.diam", with(kPi, root3, 2 * r), false});
        break;
    case 1:
        out.push_back({"c1.circ", r * (kPi * 2), false});
        out.push_back({"c1.nosq", r * kPi, false});
        out.push_back({"c1.diam", with(kPi, root3, 2 * r), false});
        out.push_back({"c1.sqpi", (r * kPi) * (r * kPi), false});
        break;
    case 2:
        out.push_back({"c2.whole", circle, false});
        out.push_back({"c2.arc", r * (kPi * 2) / n, false});
        out.push_back({"c2.deg", circle * n / 360, false});
        out.push_back({"c2.diam", with(kPi, root3, 2 * r), false});
        break;
    case 3:
        out.push_back({"c3.rad", 0.5 * r * r * theta, false});
        out.push_back({"c3.x2", circle * theta / 180, false});
        out.push_back({"c3.arc", r * (kPi * 2) * theta / 360, false});
        out.push_back({"c3.whole", circle, false});
        out.push_back({"c3.rest", circle * (360 - theta) / 360, false});
        out.push_back({"c3.diam", with(kPi, root3, 2 * r), false});
        break;
    case 4:
        out.push_back({"c4.one", half, false});
        out.push_back({"c4.nohalf", 6 * r * (root3 / 2 * r), false});
        out.push_back({"c4.hr", 6 * 0.5 * r * r, false});
        out.push_back({"c4.circle", circle, false});
        out.push_back({"c4.diam", with(kPi, root3, 2 * r), false});
        break;
    default:
        out.push_back({"c5.all6", circle - root3 * (r * (r * 1.5)), false});
        out.push_back({"c5.sector", circle / 6, false});
        out.push_back({"c5.hr", (circle - 3 * r * r) / 6, false});
        out.push_back({"c5.nohalf", (circle - 3 * root3 * r * r) / 6, false});
        out.push_back({"c5.diam", with(kPi, root3, 2 * r), false});
        break;
    }
    if (p.type != 4) {
        out.push_back({"pi314", with(3.14, root3, r), true});
        out.push_back({"pi227", with(22.0 / 7.0, root3, r), true});
        out.push_back({"pi3142", with(3.142, root3, r), true});
    }
    if (p.type >= 4) {
        out.push_back({"rt173", with(kPi, 1.73, r), true});
        out.push_back({"rt1732", with(kPi, 1.732, r), true});
    }
}

// Every slip of a Paper Folding problem: the sides are single precision, as in the answer.
void foldingSlips(const Problem& p, std::vector<Slip>& out)
{
    const float a = static_cast<float>(p.a);
    const float b = static_cast<float>(p.b);
    const float shorter = std::min(a, b);
    const float longer = std::max(a, b);
    const float kept = 1.0f - (30.0f * b) / 360.0f;
    const float cut = (30.0f * b) / 360.0f;
    switch (p.type) {
    case 0:
        out.push_back({"f0.long", longer / (kPi * 2), false});
        out.push_back({"f0.diam", shorter / kPi, false});
        out.push_back({"f0.half", shorter / 2.0f, false});
        out.push_back({"pi314", shorter / (3.14 * 2), true});
        out.push_back({"pi227", shorter / (22.0 / 7.0 * 2), true});
        out.push_back({"pi3142", shorter / (3.142 * 2), true});
        break;
    case 1:
    case 2: {
        const bool torus = p.type == 2;
        out.push_back({torus ? "f2.both" : "f1.both", b * a * 2.0f, false});
        out.push_back({torus ? "f2.perim" : "f1.perim", (a + b) * 2.0f, false});
        out.push_back({torus ? "f2.sum" : "f1.sum", a + b, false});
        if (torus)
            out.push_back({"f2.4pi2", 4 * kPi * kPi * (b * a), false});
        else
            out.push_back({"f1.2pirh", kPi * 2 * (b * a), false});
        break;
    }
    case 3:
        out.push_back({"f3.one", longer, false});
        out.push_back({"f3.short", shorter * 2.0f, false});
        out.push_back({"f3.perim", (a + b) * 2.0f, false});
        break;
    case 4:
        out.push_back({"f4.one", b * a, false});
        out.push_back({"f4.perim", (a + b) * 2.0f, false});
        break;
    default:
        out.push_back({"f5.cut", a * (a * (kPi * cut)), false});
        out.push_back({"f5.whole", a * (a * kPi), false});
        out.push_back({"f5.arc", a * (kPi * 2) * kept, false});
        out.push_back({"f5.rad", 0.5f * a * a * (360.0f - 30.0f * b), false});
        out.push_back({"pi314", a * (a * (3.14 * kept)), true});
        out.push_back({"pi227", a * (a * (22.0 / 7.0 * kept)), true});
        out.push_back({"pi3142", a * (a * (3.142 * kept)), true});
        break;
    }
}

// The sentence for the accuracy slips that fit: one slip, or one family, or several at once.
QString accuracySentence(const std::vector<const Slip*>& fitting, const Problem& p,
                         Said::Kind* kind)
{
    *kind = Said::Accuracy;
    if (fitting.size() == 1)
        return sentenceOf(fitting.front()->id, p);
    const char* family = familySentence(fitting.front()->id);
    const bool oneFamily = family && std::all_of(fitting.begin(), fitting.end(), [family](auto s) {
        return familySentence(s->id) == family;
    });
    if (oneFamily)
        return translated(family);
    *kind = Said::Pooled;
    // Only the hexagon, of the answers that are not whole, is worked out without pi.
    const bool withPi = !(p.module == Module::Circles && p.type == 4);
    return translated(pooledSentence(withPi));
}

QString nextStep(const Problem& p, int step)
{
    const Plan& plan = (p.module == Module::Circles ? kCirclesPlans : kFoldingPlans)[p.type];
    switch (step) {
    case 1: return translated(plan.letters);
    case 2: return fill(translated(plan.numbers), numbersOf(p));
    default: return translated(kLastStep);
    }
}

} // namespace

bool commaIsDecimal(Separator separator)
{
    // Follows the answer reader, so that the sentence goes when the comma is read as a point.
    return readAnswer(u"0,5", separator) == 0.5;
}

bool revealsAnswer(QStringView text, double answer, Separator separator)
{
    const bool comma = commaIsDecimal(separator);
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size;) {
        if (!text[i].isDigit()) {
            ++i;
            continue;
        }
        qsizetype j = i;
        bool point = false;
        while (j < size && (text[j].isDigit()
                            || (!point && (text[j] == u'.' || (comma && text[j] == u','))
                                && j + 1 < size && text[j + 1].isDigit()))) {
            point = point || !text[j].isDigit();
            ++j;
        }
        if (isRight(readAnswer(text.mid(i, j - i), separator), answer))
            return true;
        i = j;
    }
    return false;
}

std::vector<Slip> slipsOf(const Problem& p)
{
    std::vector<Slip> out;
    if (p.module == Module::Circles)
        circlesSlips(p, out);
    else
        foldingSlips(p, out);
    // The result rounded wrongly, for answers that are not whole.
    if (!whole(p.answer)) {
        out.push_back({"r1", std::round(p.answer * 10) / 10, true});
        out.push_back({"r0", std::round(p.answer), true});
        out.push_back({"cut2", std::trunc(p.answer * 100) / 100, true});
    }
    return out;
}

Said afterCheck(const Problem& p, QStringView typed, Escalation& escalation, Separator separator)
{
    const double value = readAnswer(typed, separator);
    if (isRight(value, p.answer))
        return {};

    Said said;
    said.text = textSentence(typed, separator);
    if (!said.text.isEmpty()) {
        said.kind = Said::Text;
        return said;
    }

    // A sentence that would show a number the check takes as right is never said.
    auto safe = [&p, separator](const QString& text) {
        return !revealsAnswer(text, p.answer, separator);
    };
    const std::vector<Slip> slips = slipsOf(p);
    QStringList sentences;
    std::vector<const Slip*> accurate;
    for (const Slip& s : slips) {
        if (!isRight(value, s.value))
            continue;
        if (s.accuracy) {
            accurate.push_back(&s);
            continue;
        }
        const QString text = sentenceOf(s.id, p);
        if (sentences.size() < 2 && safe(text) && !sentences.contains(text)) {
            sentences << text;
            said.slips << QLatin1String(s.id);
        }
    }
    if (!sentences.isEmpty()) {
        said.kind = Said::Method;
        said.text = sentences.size() == 1 ? sentences.front() : both(sentences[0], sentences[1]);
        return said;
    }
    if (!accurate.empty()) {
        said.text = accuracySentence(accurate, p, &said.kind);
        if (safe(said.text)) {
            for (const Slip* s : accurate)
                said.slips << QLatin1String(s->id);
            return said;
        }
    }

    // Nothing recognised: the next step grows only for a number not checked before.
    if (escalation.steps == 0 || value != escalation.lastValue) {
        escalation.steps = std::min(escalation.steps + 1, 3);
        escalation.lastValue = value;
    }
    said.kind = Said::NextStep;
    said.slips.clear();
    for (int step = escalation.steps;; ++step) {
        said.text = nextStep(p, step);
        if (step >= 3 || safe(said.text))
            break;
    }
    return said;
}

QString workedSolution(const Problem& p, QChar decimalPoint)
{
    QStringList numbers = numbersOf(p);
    while (numbers.size() < 6)
        numbers << QString();
    numbers << formatAnswer(p.answer, decimalPoint);
    return fill(translated(kWorked[p.module == Module::Circles ? 0 : 1][p.type]), numbers);
}

QStringList everySentence(const Problem& p)
{
    QStringList all{Say::tr("Type your answer as a number, with two decimal places."),
                    Say::tr("Write the decimals after a point, not a comma: the number stops at "
                            "the comma."),
                    Say::tr("Type the number only: multiply by π yourself, with the value the "
                            "page gives.")};
    const std::vector<Slip> slips = slipsOf(p);
    for (const Slip& s : slips) {
        all << sentenceOf(s.id, p);
        if (const char* family = familySentence(s.id); s.accuracy && family)
            all << translated(family);
        for (const Slip& t : slips) {
            if (!s.accuracy && !t.accuracy && &t > &s)
                all << both(sentenceOf(s.id, p), sentenceOf(t.id, p));
        }
    }
    all << translated(pooledSentence(true)) << translated(pooledSentence(false));
    for (int step = 1; step <= 3; ++step)
        all << nextStep(p, step);
    all << workedSolution(p);
    all.removeDuplicates();
    return all;
}

} // namespace problems
