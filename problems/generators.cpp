#include "generators.h"

#include <QCoreApplication>
#include <cmath>

namespace problems {
namespace {

const sequences::Sequence& kTriangle = sequences::get(sequences::Id::Triangle);
const sequences::Sequence& kCircle = sequences::get(sequences::Id::Circle);
const sequences::Sequence& kHexagon = sequences::get(sequences::Id::Sector);
const sequences::Sequence& kCylinder = sequences::get(sequences::Id::Cylinder);
const sequences::Sequence& kTorus = sequences::get(sequences::Id::Torus);
const sequences::Sequence& kMobius = sequences::get(sequences::Id::Mobius);
const sequences::Sequence& kCone = sequences::get(sequences::Id::Cone);

// Questions as the pupil reads them, in the pupil's language; the numbers go in their places.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(problems)
};

Problem circlesText(int type, int r, int n);
Problem foldingText(int type, int a, int b);

} // namespace

Problem circlesProblem(int type, int r, int n)
{
    Problem p = circlesText(type, r, n);
    p.module = Module::Circles;
    p.r = r;
    p.n = n;
    return p;
}

Problem foldingProblem(int type, int a, int b)
{
    Problem p = foldingText(type, a, b);
    p.module = Module::Folding;
    p.a = a;
    p.b = b;
    return p;
}

namespace {

Problem circlesText(int type, int r, int n)
{
    const QString R = numberText(r);
    const double rd = r;
    const double root3 = std::sqrt(3.0);
    // Each answer is evaluated in the order written, so that it is the same double every time.
    switch (type) {
    case 0:
        return {0, Text::tr("What is the circumference of a circle of radius%1?").arg(R), kTriangle,
                rd * (kPi * 2)};
    case 1:
        return {1, Text::tr("What is the area of a circle of radius%1?").arg(R), kCircle,
                rd * (rd * kPi)};
    case 2:
        return {2,
                Text::tr("If a sector of a circle of radius%1 forms a%2th of a full circle, what "
                         "is its area?")
                    .arg(R, numberText(n)),
                kCircle, (rd * (rd * kPi)) / n};
    case 3:
        return {3,
                Text::tr("If a sector of a circle of radius%1 forms an angle of %2 degrees at the "
                         "centre of the circle, what is its area?")
                    .arg(R, numberText(n * 10)),
                kCircle, (rd * (rd * (kPi * (n * 10)))) / 360};
    case 4:
        return {4,
                Text::tr("What is the area of a regular hexagon inscribed within a circle of "
                         "radius%1?")
                    .arg(R),
                kHexagon, (root3 * (r * (r * 3))) / 2};
    default:
        return {5,
                Text::tr("If a regular hexagon is inscribed in a circle of radius%1. What is the "
                         "area of each of the six segments outside the hexagon?")
                    .arg(R),
                kHexagon, ((rd * (rd * kPi)) - root3 * (rd * (rd * 1.5))) / 6};
    }
}

} // namespace

Problem makeCirclesProblem(const Draw& draw, int lastproblem)
{
    const int type = chooseType(draw(), lastproblem);
    return makeProblemOfType(Module::Circles, type, draw);
}

Sides foldingSides(double drawA, double drawB)
{
    Sides s{wholePart(drawA, 4) + 1, wholePart(drawB, 4) + 1};
    if (s.a == s.b)
        ++s.b;
    return s;
}

namespace {

Problem foldingText(int type, int a, int b)
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
                Text::tr("If an open-ended cylinder is constructed by joining the longer sides of "
                         "a rectangle whose sides have length%1 and%2. What is the radius of the "
                         "cylinder?")
                    .arg(A, B),
                kCylinder, (bf > af ? af : bf) / (kPi * 2)};
    case 1:
        return {1,
                Text::tr("If an open-ended cylinder is constructed from a rectangle with sides of "
                         "length%1 and%2. What is the area of the open-ended cylinder?")
                    .arg(A, B),
                kCylinder, bf * af};
    case 2:
        return {2,
                Text::tr("If a torus is constructed from a rectangle with sides of length%1 "
                         "and%2. What is the area of the torus?")
                    .arg(A, B),
                kTorus, bf * af};
    case 3:
        return {3,
                Text::tr("If a mobius strip is constructed by joining the shorter sides of a "
                         "rectangle whose sides have length%1 and%2. What is the length of the "
                         "edge of the mobius strip?")
                    .arg(A, B),
                kMobius, bf > af ? bf * 2 : af * 2};
    case 4:
        return {4,
                Text::tr("If a mobius strip is constructed from a rectangle with sides of "
                         "length%1 and%2. What is the area of the mobius strip?")
                    .arg(A, B),
                kMobius, bf * (af * 2)};
    default: {
        const float kept = 1.0f - (30.0f * bf) / 360.0f;
        return {5,
                Text::tr("If an open-ended cone is constructed from a disc of radius%1 with a "
                         "sector of angle%2\u00B0 removed. What is the area of the open-ended "
                         "cone?")
                    .arg(A, numberText(30 * b)),
                kCone, af * (af * (kPi * kept))};
    }
    }
}

} // namespace

Problem makeFoldingProblem(const Draw& draw, int lastproblem)
{
    const int type = chooseType(draw(), lastproblem);
    Problem p = makeProblemOfType(Module::Folding, type, draw);
    draw(); // drawn and not used, so that every problem takes the same number of draws
    return p;
}

Problem makeProblemOfType(Module module, int type, const Draw& draw)
{
    type = qBound(0, type, 5);
    if (module == Module::Circles) {
        const int r = wholePart(draw(), 10) + 1;
        const int n = wholePart(draw(), 8) + 4;
        return circlesProblem(type, r, n);
    }
    const double drawA = draw();
    const double drawB = draw();
    const Sides s = foldingSides(drawA, drawB);
    return foldingProblem(type, s.a, s.b);
}

} // namespace problems
