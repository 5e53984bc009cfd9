#include "scene.h"

#include <QPainter>
#include <QPen>

#include <algorithm>

namespace art {

Camera Camera::orbit(Vec3 target, double distance, double azimuth, double elevation,
                     double focal, QPointF centre)
{
    Camera c;
    c.target = target;
    const Vec3 offset{distance * std::cos(elevation) * std::sin(azimuth),
                      distance * std::sin(elevation),
                      distance * std::cos(elevation) * std::cos(azimuth)};
    c.eye = target + offset;
    c.focal = focal;
    c.centre = centre;
    return c;
}

QPointF Camera::project(Vec3 p) const
{
    const Vec3 forward = normalized(target - eye);
    const Vec3 right = normalized(cross(forward, up));
    const Vec3 trueUp = cross(right, forward);
    const Vec3 d = p - eye;
    const double z = std::max(dot(d, forward), 1e-6);
    return {centre.x() + focal * dot(d, right) / z, centre.y() - focal * dot(d, trueUp) / z};
}

double Camera::depth(Vec3 p) const
{
    return dot(p - eye, normalized(target - eye));
}

Scene::Scene(Vec3 lightDirection)
    : m_light(normalized(lightDirection))
{
}

void Scene::addSurface(const Surface& surface, int nu, int nv, const PaperStyle& style)
{
    m_styles.push_back(std::make_unique<PaperStyle>(style));
    const PaperStyle* s = m_styles.back().get();

    std::vector<Vec3> grid((nu + 1) * (nv + 1));
    for (int j = 0; j <= nv; ++j)
        for (int i = 0; i <= nu; ++i)
            grid[j * (nu + 1) + i] = surface(double(i) / nu, double(j) / nv);
    auto at = [&](int i, int j) { return grid[j * (nu + 1) + i]; };

    for (int j = 0; j < nv; ++j) {
        for (int i = 0; i < nu; ++i) {
            Quad q;
            q.corner[0] = at(i, j);
            q.corner[1] = at(i + 1, j);
            q.corner[2] = at(i + 1, j + 1);
            q.corner[3] = at(i, j + 1);
            q.style = s;
            if (j == 0) q.edges |= 1;
            if (i == nu - 1) q.edges |= 2;
            if (j == nv - 1) q.edges |= 4;
            if (i == 0) q.edges |= 8;
            if (s->gridEvery > 0 && (i + 1) % s->gridEvery == 0 && i != nu - 1)
                q.grid |= 2;
            m_quads.push_back(q);
        }
    }
}

QColor Scene::shade(const Quad& q, const Camera& camera) const
{
    const Vec3 centre = (q.corner[0] + q.corner[1] + q.corner[2] + q.corner[3]) * 0.25;
    Vec3 n = normalized(cross(q.corner[2] - q.corner[0], q.corner[3] - q.corner[1]));
    const Vec3 toEye = normalized(camera.eye - centre);
    const bool front = dot(n, toEye) >= 0;
    if (!front)
        n = -n;
    const QColor base = front ? q.style->front : q.style->back;
    const double diffuse = std::max(0.0, dot(n, m_light));
    const Vec3 half = normalized(m_light + toEye);
    const double specular = std::pow(std::max(0.0, dot(n, half)), 30) * 0.22;
    const double k = 0.5 + 0.5 * diffuse;
    auto channel = [&](int c) {
        return std::clamp(int(c * k + 255 * specular), 0, 255);
    };
    return QColor(channel(base.red()), channel(base.green()), channel(base.blue()));
}

void Scene::render(QPainter& painter, const Camera& camera, double opacity) const
{
    if (opacity >= 1.0) {
        paint(painter, camera);
        return;
    }
    if (opacity <= 0.0 || !painter.device())
        return;
    QImage layer(painter.device()->width(), painter.device()->height(),
                 QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter layerPainter(&layer);
    layerPainter.setTransform(painter.transform());
    paint(layerPainter, camera);
    layerPainter.end();
    painter.save();
    painter.resetTransform();
    painter.setOpacity(painter.opacity() * opacity);
    painter.drawImage(0, 0, layer);
    painter.restore();
}

void Scene::paint(QPainter& painter, const Camera& camera) const
{
    struct Item {
        const Quad* quad;
        double depth;
    };
    std::vector<Item> order;
    order.reserve(m_quads.size());
    for (const Quad& q : m_quads) {
        const Vec3 c = (q.corner[0] + q.corner[1] + q.corner[2] + q.corner[3]) * 0.25;
        order.push_back({&q, camera.depth(c)});
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const Item& a, const Item& b) { return a.depth > b.depth; });

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Item& item : order) {
        const Quad& q = *item.quad;
        const PaperStyle& s = *q.style;
        QPolygonF poly;
        for (const Vec3& v : q.corner)
            poly << camera.project(v);
        const QColor fill = shade(q, camera);
        // A hairline in the fill colour closes the anti-aliasing seams between neighbours.
        painter.setPen(QPen(fill, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(fill);
        painter.drawPolygon(poly);

        for (int side = 0; side < 4; ++side) {
            const unsigned bit = 1u << side;
            if (!(q.edges & bit) && !(q.grid & bit))
                continue;
            QColor colour = s.outline;
            double width = s.outlineWidth;
            if (q.grid & bit) {
                colour = fill.darker(125);
                width = 1.2;
            } else {
                const bool uSide = side == 1 || side == 3;
                const QColor& highlight = uSide ? s.uEdges : s.vEdges;
                if (highlight.isValid()) {
                    colour = highlight;
                    width = s.highlightWidth;
                }
            }
            painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.drawLine(poly[side], poly[(side + 1) % 4]);
        }
    }
    painter.restore();
}

} // namespace art
