#include "problem.h"

#include <algorithm>
#include <cmath>

namespace problems {

int wholePart(double draw, int count)
{
    if (!(draw > 0.0)) // also catches NaN
        return 0;
    const double scaled = std::floor(draw * count);
    return scaled >= count ? count - 1 : static_cast<int>(scaled);
}

int chooseType(double draw, int lastproblem)
{
    const int t = wholePart(draw, 6);
    return t == lastproblem ? (lastproblem + 1) % 6 : t;
}

QString numberText(int value)
{
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

} // namespace problems
