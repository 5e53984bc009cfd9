#include "folds.h"

#include <cmath>

namespace art {

Surface rolledSheet(double width, double length, double roll)
{
    return [=](double u, double v) {
        const double s = (u - 0.5) * width;
        const double z = (0.5 - v) * length;
        if (roll < 1e-6)
            return Vec3{s, 0, z};
        const double r = width / roll;
        return Vec3{r * std::sin(s / r), r * (1 - std::cos(s / r)), z};
    };
}

AxisPoint bentAxis(double s, double length, double bend)
{
    if (bend < 1e-6)
        return {{s, 0, 0}, {0, 0, 1}};
    const double r = length / bend;
    const double a = s / r;
    return {{r * std::sin(a), 0, r * (1 - std::cos(a))}, {-std::sin(a), 0, std::cos(a)}};
}

Surface rolledRing(double across, double along, double roll, double bend)
{
    return [=](double u, double v) {
        const double w = (u - 0.5) * across;
        const AxisPoint axis = bentAxis((v - 0.5) * along, along, bend);
        if (roll < 1e-6)
            return axis.point + axis.normal * w;
        const double r = across / roll;
        return axis.point + axis.normal * (r * std::sin(w / r))
            + Vec3{0, r * (1 - std::cos(w / r)), 0};
    };
}

Surface twistedBand(double length, double width, double twist, double bend)
{
    return [=](double u, double v) {
        const AxisPoint axis = bentAxis((u - 0.5) * length, length, bend);
        const double turn = twist * (u - 0.5);
        const Vec3 across = Vec3{0, 1, 0} * std::cos(turn) + axis.normal * std::sin(turn);
        return axis.point + across * ((v - 0.5) * width);
    };
}

Surface paperCone(double radius, double paperAngle, double wrap, double turn)
{
    const double sinHalfAngle = std::min(1.0, paperAngle / wrap);
    const double cosHalfAngle = std::sqrt(1 - sinHalfAngle * sinHalfAngle);
    return [=](double u, double v) {
        const double around = (u - 0.5) * paperAngle * (wrap / paperAngle) + turn;
        const double rho = v * radius;
        return Vec3{rho * sinHalfAngle * std::sin(around), (radius - rho) * cosHalfAngle,
                    rho * sinHalfAngle * std::cos(around)};
    };
}

} // namespace art
