#pragma once
// Paper shapes shared by several pictures. Every shape is a parametric surface over
// u, v in [0, 1] in a world where y points up.

#include "scene.h"

namespace art {

// A sheet `width` across (u) and `length` long (v), lying flat in the horizontal plane,
// rolled upwards about an axis along z through `roll` radians: 0 is flat, 2 pi brings the
// edges u = 0 and u = 1 together into a cylinder of circumference `width`.
Surface rolledSheet(double width, double length, double roll);

// A disc of radius `radius` with a sector cut away, leaving `paperAngle` radians of paper,
// whose cut edges (u = 0 and u = 1) are drawn together round the vertical axis until the
// paper spans `wrap` radians: wrap = paperAngle is the flat disc, wrap = 2 pi the closed
// cone with its apex up. `turn` spins the paper about the vertical axis. v runs from the
// apex (0) to the rim (1).
// A point of a straight line along x, `length` long and centred on the origin, bent in the
// horizontal plane through `bend` radians (2 pi closes it into a circle round (0, 0, r)),
// with the horizontal normal that pointed along +z before the bend.
struct AxisPoint {
    Vec3 point;
    Vec3 normal;
};
AxisPoint bentAxis(double s, double length, double bend);

// A sheet `across` wide (u) and `along` long (v) lying flat, rolled through `roll` radians
// about its length as rolledSheet does, and the roll's axis then bent round in the horizontal
// plane through `bend` radians: both at 2 pi give a torus whose tube has circumference
// `across` and whose ring has circumference `along`.
Surface rolledRing(double across, double along, double roll, double bend);

// A strip `length` long (u) and `width` wide (v) standing on its long edge, twisted about
// its centre line through `twist` radians end to end, then bent round as above through
// `bend`: a half twist (pi) and a full bend (2 pi) join its ends into a Möbius strip.
Surface twistedBand(double length, double width, double twist, double bend);

Surface paperCone(double radius, double paperAngle, double wrap, double turn);

} // namespace art
