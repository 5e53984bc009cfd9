#include "generators.h"

#include <cmath>

namespace problems {
namespace {

const FrameSequence kTriangle{QStringLiteral("tris3sm\\tris3"), QStringLiteral(".jpg"), 35};
const FrameSequence kCircle{QStringLiteral("circlesm\\circle"), QStringLiteral(".jpg"), 58};
const FrameSequence kHexagon{QStringLiteral("hexs3sm\\hexs3"), QStringLiteral(".jpg"), 20};
const FrameSequence kCylinder{QStringLiteral("cylindsm\\cylind"), QStringLiteral(".gif"), 100};
const FrameSequence kTorus{QStringLiteral("torusssm\\toruss"), QStringLiteral(".jpg"), 50};
const FrameSequence kMobius{QStringLiteral("mobiussm\\bstr00"), QStringLiteral(".jpg"), 100};
const FrameSequence kCone{QStringLiteral("bonen2sm\\bonene"), QStringLiteral(".jpg"), 50};

QString text(const char* piece) { return QString::fromUtf8(piece); }

} // namespace

Problem circlesProblem(int type, int r, int n)
{
    const QString R = numberText(r);
    const double rd = r;
    const double root3 = std::sqrt(3.0);
    // Each answer is evaluated in the order written, so that it is the same double every time.
    switch (type) {
    case 0:
        return {0, text("What is the circumference of a circle of radius") + R + text("?"),
                kTriangle, rd * (kPi * 2)};
    case 1:
        return {1, text("What is the area of a circle of radius") + R + text("?"), kCircle,
                rd * (rd * kPi)};
    case 2:
        return {2,
                text("If a sector of a circle of radius") + R + text(" forms a") + numberText(n)
                    + text("th of a full circle, what is its area?"),
                kCircle, (rd * (rd * kPi)) / n};
    case 3:
        return {3,
                text("If a sector of a circle of radius") + R + text(" forms an angle of ")
                    + numberText(n * 10)
                    + text(" degrees at the centre of the circle, what is its area?"),
                kCircle, (rd * (rd * (kPi * (n * 10)))) / 360};
    case 4:
        return {4,
                text("What is the area of a regular hexagon inscribed within a circle of radius")
                    + R + text("?"),
                kHexagon, (root3 * (r * (r * 3))) / 2};
    default:
        return {5,
                text("If a regular hexagon is inscribed in a circle of radius") + R
                    + text(". What is the area of each of the six segments outside the hexagon?"),
                kHexagon, ((rd * (rd * kPi)) - root3 * (rd * (rd * 1.5))) / 6};
    }
}

Problem makeCirclesProblem(const Draw& draw, int lastproblem)
{
    const int type = chooseType(draw(), lastproblem);
    const int r = wholePart(draw(), 10) + 1;
    const int n = wholePart(draw(), 8) + 4;
    return circlesProblem(type, r, n);
}

Sides foldingSides(double drawA, double drawB)
{
    Sides s{wholePart(drawA, 4) + 1, wholePart(drawB, 4) + 1};
    if (s.a == s.b)
        ++s.b;
    return s;
}

Problem foldingProblem(int type, int a, int b)
{
    const QString A = numberText(a);
    const QString B = numberText(b);
    // The sides are single precision, and so is anything made of them without pi; the cone's
    // fraction of the disc is therefore a float, and the stored answer carries its rounding.
    const float af = static_cast<float>(a);
    const float bf = static_cast<float>(b);
    switch (type) {
    case 0:
        return {0,
                text("If an open-ended cylinder is constructed by joining the longer sides of a "
                     "rectangle whose sides have length")
                    + A + text(" and") + B + text(". What is the radius of the cylinder?"),
                kCylinder, (bf > af ? af : bf) / (kPi * 2)};
    case 1:
        return {1,
                text("If an open-ended cylinder is constructed from a rectangle with sides of "
                     "length")
                    + A + text(" and") + B
                    + text(". What is the area of the open-ended cylinder?"),
                kCylinder, bf * af};
    case 2:
        return {2,
                text("If a torus is constructed from a rectangle with sides of length") + A
                    + text(" and") + B + text(". What is the area of the torus?"),
                kTorus, bf * af};
    case 3:
        return {3,
                text("If a mobius strip is constructed by joining the shorter sides of a "
                     "rectangle whose sides have length")
                    + A + text(" and") + B
                    + text(". What is the length of the edge of the mobius strip?"),
                kMobius, bf > af ? bf * 2 : af * 2};
    case 4:
        return {4,
                text("If a mobius strip is constructed from a rectangle with sides of length")
                    + A + text(" and") + B + text(". What is the area of the mobius strip?"),
                kMobius, bf * (af * 2)};
    default: {
        const float kept = 1.0f - (30.0f * bf) / 360.0f;
        return {5,
                text("If an open-ended cone is constructed from a disc of radius") + A
                    + text(" with a sector of angle") + numberText(30 * b)
                    + text("\u00B0 removed. What is the area of the open-ended cone?"),
                kCone, af * (af * (kPi * kept))};
    }
    }
}

Problem makeFoldingProblem(const Draw& draw, int lastproblem)
{
    const int type = chooseType(draw(), lastproblem);
    const double drawA = draw();
    const double drawB = draw();
    draw(); // drawn and not used, so that every problem takes the same number of draws
    const Sides s = foldingSides(drawA, drawB);
    return foldingProblem(type, s.a, s.b);
}

} // namespace problems
