// A strip given a half twist before its ends (in red) are joined: a Möbius strip. The two
// faces of the paper have two colours; once joined, each colour runs into the other at
// the join, because the strip has only one face. Then it opens and untwists again.

#include "canvas.h"
#include "folds.h"
#include "animations.h"

#include <QPainter>

#include <cmath>

namespace art {
namespace {

constexpr double ringRadius = 1.35;
constexpr double length = 2 * pi * ringRadius;
constexpr double height = 1.25;

QImage drawFrame(int frame, int count)
{
    const double twisted = ramp(frame, 6, 28) * (1 - ramp(frame, 88, 97));
    const double bent = ramp(frame, 30, 62) * (1 - ramp(frame, 74, 87));
    Scene scene;
    PaperStyle paper;
    paper.uEdges = colour::seam;
    paper.highlightWidth = 3.5;
    paper.gridEvery = 8;
    scene.addSurface(twistedBand(length, height, pi * twisted, 2 * pi * bent), 160, 8, paper);

    const double sway = std::sin(2 * pi * frame / count);
    const Vec3 target{0, 0, ringRadius * bent};
    const Camera camera = Camera::orbit(target, 11, degrees(15) + degrees(14) * sway,
                                        degrees(34),
                                        // Zoom in only once the ring has closed up enough to fit.
                                        lerp(620, 1050, bent * bent * bent), {324, 250});
    QImage image = newFrame();
    QPainter p(&image);
    scene.render(p, camera);
    return image;
}

} // namespace

Sequence mobiusSequence()
{
    Sequence s{sequences::Id::Mobius, {}};
    s.draw = [count = s.frames().count](int frame) { return drawFrame(frame, count); };
    return s;
}

} // namespace art
