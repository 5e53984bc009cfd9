#pragma once
// A small renderer for folded paper: parametric surfaces cut into quads, projected in
// perspective, lit, and painted back to front with anti-aliasing. The two faces of the
// paper get their own colours, and the paper's edges are outlined.

#include "geometry.h"

#include <QColor>
#include <QPointF>
#include <QPolygonF>

#include <functional>
#include <memory>
#include <vector>

class QPainter;

namespace art {

struct Camera {
    Vec3 eye{0, 0, 10};
    Vec3 target{};
    Vec3 up{0, 1, 0};
    double focal = 800;        // pixels per unit at distance 1
    QPointF centre{324, 244};  // where the target lands in the picture

    // Looks at `target` from `distance`, turned `azimuth` about the vertical axis and
    // raised `elevation` above the horizontal (radians).
    static Camera orbit(Vec3 target, double distance, double azimuth, double elevation,
                        double focal, QPointF centre);

    QPointF project(Vec3 p) const;
    double depth(Vec3 p) const;  // distance along the line of sight
};

// Paper seen from either side. Edges are the four sides of the (u, v) rectangle.
struct PaperStyle {
    QColor front{250, 170, 70};   // the side whose parametric normal faces the viewer
    QColor back{110, 205, 225};
    QColor outline{25, 30, 60};
    double outlineWidth = 2.5;
    // The sides u = 0 and u = 1 (the edges that meet when rolled) and v = 0 and v = 1.
    QColor uEdges{};              // invalid: plain outline
    QColor vEdges{};
    double highlightWidth = 5;
    int gridEvery = 0;            // faint fold lines every n quads along u, 0 for none
};

using Surface = std::function<Vec3(double u, double v)>;

class Scene {
public:
    explicit Scene(Vec3 lightDirection = {-0.4, 0.8, 0.6});

    // Samples the surface on an nu by nv grid of quads over u, v in [0, 1].
    void addSurface(const Surface& surface, int nu, int nv, const PaperStyle& style);

    // Paints the scene; below full opacity it is painted whole onto a layer first, so that
    // neighbouring quads do not show their overlaps.
    void render(QPainter& painter, const Camera& camera, double opacity = 1.0) const;

private:
    struct Quad {
        Vec3 corner[4];
        const PaperStyle* style = nullptr;
        // Which sides carry a line: bit 0 = side 0-1 (v low), 1 = 1-2 (u high),
        // 2 = 2-3 (v high), 3 = 3-0 (u low); grid bits the same, for fold lines.
        unsigned edges = 0;
        unsigned grid = 0;
    };
    QColor shade(const Quad& q, const Camera& camera) const;
    void paint(QPainter& painter, const Camera& camera) const;

    Vec3 m_light;
    std::vector<Quad> m_quads;
    std::vector<std::unique_ptr<PaperStyle>> m_styles;
};

} // namespace art
