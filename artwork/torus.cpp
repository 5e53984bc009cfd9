// A rectangle rolled into a cylinder (its long edges, in red, meet), whose two open ends
// (in yellow) are then bent round to meet: a torus. Then it opens up again.

#include "canvas.h"
#include "folds.h"
#include "animations.h"

#include <QPainter>

#include <cmath>

namespace art {
namespace {

constexpr double tubeRadius = 0.55;
constexpr double ringRadius = 1.5;
constexpr double across = 2 * pi * tubeRadius;  // becomes the tube's circumference
constexpr double along = 2 * pi * ringRadius;   // becomes the ring's circumference

QImage drawFrame(int frame, int count)
{
    const double rolled = ramp(frame, 2, 14) * (1 - ramp(frame, 40, 49));
    const double bent = ramp(frame, 15, 28) * (1 - ramp(frame, 31, 40));
    Scene scene;
    PaperStyle paper;
    paper.uEdges = colour::seam;
    paper.vEdges = QColor(255, 235, 80);
    paper.highlightWidth = 4;
    paper.gridEvery = 5;
    scene.addSurface(rolledRing(across, along, 2 * pi * rolled, 2 * pi * bent), 40, 96, paper);

    const double sway = std::sin(2 * pi * frame / count);
    const Vec3 target{0, tubeRadius * rolled, ringRadius * bent};
    const Camera camera = Camera::orbit(target, 12, degrees(20) + degrees(10) * sway,
                                        degrees(38), lerp(620, 1000, bent * bent), {324, 250});
    QImage image = newFrame();
    QPainter p(&image);
    scene.render(p, camera);
    return image;
}

} // namespace

Sequence torusSequence()
{
    Sequence s{sequences::Id::Torus, {}};
    s.draw = [count = s.frames().count](int frame) { return drawFrame(frame, count); };
    return s;
}

} // namespace art
