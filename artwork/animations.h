#pragma once
// The teaching animations, one small module each. Where a sequence's frames go, what they are
// called and how many there are comes from the program's own table of sequences; a module
// adds only how to draw a frame.

#include "sequences.h"

#include <QImage>

#include <functional>

namespace art {

struct Sequence {
    sequences::Id id;
    // Frame `frame`, drawn at twice the size it is shown at.
    std::function<QImage(int frame)> draw;

    const sequences::Sequence& frames() const { return sequences::get(id); }
};

Sequence circleSequence();    // why the area is pi r squared
Sequence sectorSequence();    // a sector of angle A, with the inscribed hexagon
Sequence triangleSequence();  // the isosceles triangle on a chord
Sequence segmentSequence();   // segment = sector - triangle
Sequence cylinderSequence();  // a rectangle rolled into an open-ended cylinder
Sequence torusSequence();     // that cylinder bent round into a torus
Sequence mobiusSequence();    // a strip with a half twist joined into one face
Sequence coneSequence();      // a disc without a sector pulled into a cone
Sequence titleSequence();     // the title screen's emblem in motion

} // namespace art
