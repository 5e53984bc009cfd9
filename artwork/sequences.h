#pragma once
// A numbered series of frames as the player reads it: folder, stem, two-digit frame
// number, extension. Each teaching animation is one small module returning its Sequence.

#include <QImage>
#include <QString>

#include <functional>

namespace art {

struct Sequence {
    QString folder;   // "circlesm"
    QString stem;     // "circle"
    QString suffix;   // ".jpg" or ".gif"
    int count = 0;
    std::function<QImage(int frame)> draw;
};

// "circle" + 7 + ".jpg" gives "circle07.jpg"; numbers from 10 up are written as they are.
QString frameFileName(const Sequence& sequence, int frame);

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
