#pragma once
// What a question generator makes: one problem, as a plain value. The pages only apply it.

#include "sequences.h"

#include <QString>
#include <functional>

namespace problems {

// A source of uniform numbers in [0, 1); the pages pass a fresh clock-seeded one per problem,
// tests pass fixed numbers.
using Draw = std::function<double()>;

// The value of pi every answer is computed with (the pupil is told to use 3.14159).
inline constexpr double kPi = 3.1415926535;

// Which page's generator made a problem: the type numbers of the two overlap.
enum class Module { Circles, Folding };

struct Problem {
    int type = 0;      // 0 to 5
    QString question;  // shown in the question label
    sequences::Sequence frames; // the animation that illustrates it
    double answer = 0.0; // unrounded
    // The question's own numbers, for the feedback that talks about them.
    Module module = Module::Circles;
    int r = 0; // Circles: the radius
    int n = 0; // Circles: the divisor (the sector's angle is 10 n degrees)
    int a = 0; // Paper Folding: the sides (the cone: its disc's radius, and 30 b degrees cut)
    int b = 0;
};

// The type of the next problem: the whole part of six times the draw, moved on by one when it
// would repeat the previous problem's type, so that two problems in a row never share a type.
int chooseType(double draw, int lastproblem);

// The whole part of draw * count, kept within 0 .. count - 1 even for a draw at or past 1.
int wholePart(double draw, int count);

// A number inside a question: a blank where a minus sign would stand, then the digits (7 -> " 7").
QString numberText(int value);

} // namespace problems
