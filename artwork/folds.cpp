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
