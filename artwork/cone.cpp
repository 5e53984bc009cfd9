// A disc with a sector removed, whose two cut edges (in red) are pulled together: an
// open-ended cone with the area of the disc minus the sector. The sector slides out and
// fades, the paper closes into the cone, opens again, and the sector comes back.

#include "canvas.h"
#include "folds.h"
#include "animations.h"

#include <QPainter>

#include <cmath>

namespace art {
namespace {

constexpr double radius = 1.7;
const double removed = degrees(120);
const double paperAngle = 2 * pi - removed;
const double gapDirection = degrees(75);  // where the gap faces, about the vertical axis

// The removed sector lying flat in its gap, moved `away` units outwards.
Surface missingSector(double away)
{
    return [=](double u, double v) {
        const double a = gapDirection + (u - 0.5) * removed;
        const double rho = v * radius;
        const Vec3 out{std::sin(gapDirection), 0, std::cos(gapDirection)};
        return Vec3{rho * std::sin(a), 0, rho * std::cos(a)} + out * away;
    };
}

QImage drawFrame(int frame, int count)
{
    const double pulled = ramp(frame, 8, 27) * (1 - ramp(frame, 34, 44));
    // The removed sector slides a little way out and fades; at the end it comes back.
    const double out = ramp(frame, 1, 6) * (1 - ramp(frame, 44, 49));
    const double faded = ramp(frame, 5, 9) * (1 - ramp(frame, 41, 45));
    PaperStyle paper;
    // The upper face of the disc becomes the outside of the cone.
    paper.front = colour::cool;
    paper.back = colour::warm;
    paper.uEdges = colour::seam;
    paper.gridEvery = 8;
    const double wrap = paperAngle + (2 * pi - paperAngle) * pulled;
    Scene cone;
    cone.addSurface(paperCone(radius, paperAngle, wrap, gapDirection + pi), 96, 12, paper);
    Scene sector;
    PaperStyle piece = paper;
    piece.uEdges = QColor();
    piece.gridEvery = 0;
    sector.addSurface(missingSector(1.1 * out), 32, 12, piece);

    const double sway = std::sin(2 * pi * frame / count);
    const Vec3 target{0, 0.55 * pulled, 0};
    const Camera camera = Camera::orbit(target, 10, degrees(10) * sway, degrees(26),
                                        lerp(950, 1150, pulled), {324, 250});
    QImage image = newFrame();
    QPainter p(&image);
    sector.render(p, camera, 1 - faded);
    cone.render(p, camera);
    return image;
}

} // namespace

Sequence coneSequence()
{
    Sequence s{sequences::Id::Cone, {}};
    s.draw = [count = s.frames().count](int frame) { return drawFrame(frame, count); };
    return s;
}

} // namespace art
