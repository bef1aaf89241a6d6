#pragma once
// Angles in degrees and the parts of a number.  Inline: the altitude calls
// them some 1,500 times a month, and inlined the compiler computes the sine
// and cosine of the same angle with one sincos call (the same bits as sin
// and cos apart).
#include <cmath>

namespace astro {

// Degrees to radians; one unit in the last place above pi/180 in double.
inline constexpr double kRadiansPerDegree = 0.0174532925199433;

// x - floor(x), in [0, 1).
inline double FractionalPart(double x) { return x - std::floor(x); }
// Integer part, truncated toward zero.
inline double IntegerPart(double x) {
    double s = x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0);
    return s * std::floor(std::fabs(x));
}
// Sine and cosine of an angle in degrees.
inline double SinDeg(double degrees) { return std::sin(degrees * kRadiansPerDegree); }
inline double CosDeg(double degrees) { return std::cos(degrees * kRadiansPerDegree); }

}  // namespace astro
