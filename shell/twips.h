#pragma once
// Pages are designed in twips; the screen shows 15 twips to a pixel.

#include <QRect>
#include <cmath>

namespace twips {

inline constexpr int perPixel = 15;

constexpr int toPx(int t) { return static_cast<int>(t >= 0 ? (t + perPixel / 2) / perPixel
                                                           : -((-t + perPixel / 2) / perPixel)); }
constexpr int fromPx(int px) { return px * perPixel; }
inline int toPx(double t) { return static_cast<int>(std::lround(t / perPixel)); }

constexpr QRect rect(int left, int top, int width, int height)
{
    return QRect(toPx(left), toPx(top), toPx(width), toPx(height));
}

} // namespace twips
