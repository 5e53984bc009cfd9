#pragma once
// Small vector maths and timing curves shared by every picture.

#include <algorithm>
#include <cmath>
#include <numbers>

namespace art {

inline constexpr double pi = std::numbers::pi;

struct Vec3 {
    double x = 0, y = 0, z = 0;
};

inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator*(Vec3 a, double s) { return {a.x * s, a.y * s, a.z * s}; }
inline Vec3 operator*(double s, Vec3 a) { return a * s; }
inline Vec3 operator-(Vec3 a) { return {-a.x, -a.y, -a.z}; }
inline double dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 cross(Vec3 a, Vec3 b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double length(Vec3 a) { return std::sqrt(dot(a, a)); }
inline Vec3 normalized(Vec3 a)
{
    const double l = length(a);
    return l > 1e-12 ? a * (1.0 / l) : Vec3{};
}

// Rotation of v about the unit axis k by angle a (Rodrigues).
inline Vec3 rotated(Vec3 v, Vec3 k, double a)
{
    const double c = std::cos(a), s = std::sin(a);
    return v * c + cross(k, v) * s + k * (dot(k, v) * (1 - c));
}

inline double lerp(double a, double b, double t) { return a + (b - a) * t; }
inline Vec3 lerp(Vec3 a, Vec3 b, double t) { return a + (b - a) * t; }

// Eased 0..1: motion starts and stops gently, so holds and reversals show no jerk.
inline double smooth(double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// Eased progress of frame through the span [from, to]: 0 up to `from`, 1 from `to` on.
inline double ramp(double frame, double from, double to)
{
    return smooth((frame - from) / (to - from));
}

// 0 at frame 0, 1 half-way, back towards 0 at the last frame: a loop that closes by itself.
inline double pingPong(int frame, int count)
{
    const double s = std::sin(pi * frame / count);
    return s * s;
}

inline double degrees(double d) { return d * pi / 180.0; }

} // namespace art
