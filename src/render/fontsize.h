#pragma once
// The print font size as it is drawn: the settings keep whatever was
// typed, but a size of no use for drawing (below 1 pt, above what the
// font system takes, not a number) is drawn in the default size.
#include <cmath>


namespace render {

// Largest font size in points that is drawn as given: what the font
// system takes (the print dialog's bound on the size).
inline constexpr double kMaxFontPoints = 1638;

inline double DrawableFontSize(double size, double fallback) {
    if (std::isfinite(size) && size >= 1 && size <= kMaxFontPoints) return size;
    return fallback > 0 ? fallback : 10.0;
}

}  // namespace render
