#pragma once
// The two modules' question generators as pure computations: from the draws and the previous
// problem's type to a finished problem record.

#include "problem.h"

namespace problems {

// Circles: radius r (1 to 10) and divisor n (4 to 11) of a problem of type t.
Problem circlesProblem(int type, int r, int n);
// Draws the type, then r, then n (always all three), and builds the problem.
Problem makeCirclesProblem(const Draw& draw, int lastproblem);

// Paper Folding: side lengths a (1 to 4) and b (1 to 5, never equal to a) of type t.
Problem foldingProblem(int type, int a, int b);
// Draws the type, then a, b and one unused number (always all four), and builds the problem.
Problem makeFoldingProblem(const Draw& draw, int lastproblem);

// The side lengths from their two draws: b moves up by one when it equals a.
struct Sides {
    int a = 1;
    int b = 2;
};
Sides foldingSides(double drawA, double drawB);

// A problem of the given type with its numbers drawn as the module's generator draws them (for
// practice, where the type is chosen by need and not by the draw).
Problem makeProblemOfType(Module module, int type, const Draw& draw);

} // namespace problems
