// A rectangle of paper rolled until two opposite edges (in red) meet: an open-ended
// cylinder whose area is the rectangle's. It rolls up, holds, and unrolls to the flat sheet.
// The view sways a little so that the held shapes still show their depth.

#include "canvas.h"
#include "folds.h"
#include "animations.h"

#include <QPainter>

namespace art {
namespace {

constexpr double width = 2 * pi;  // rolls into a cylinder of radius 1
constexpr double length = 3.4;

QImage drawFrame(int frame, int count)
{
    const double rolled = ramp(frame, 12, 45) * (1 - ramp(frame, 62, 95));
    const double roll = 2 * pi * rolled;
    Scene scene;
    PaperStyle paper;
    paper.uEdges = colour::seam;
    paper.gridEvery = 6;
    scene.addSurface(rolledSheet(width, length, roll), 96, 8, paper);

    const double sway = std::sin(2 * pi * frame / count);
    const Camera camera = Camera::orbit({0, 0.9 * roll / (2 * pi), 0}, 10,
                                        degrees(50) + degrees(10) * sway, degrees(30),
                                        lerp(760, 1150, rolled * rolled),
                                        {324, 250});
    QImage image = newFrame();
    QPainter p(&image);
    scene.render(p, camera);
    return image;
}

} // namespace

Sequence cylinderSequence()
{
    Sequence s{sequences::Id::Cylinder, {}};
    s.draw = [count = s.frames().count](int frame) { return drawFrame(frame, count); };
    return s;
}

} // namespace art
