#pragma once
// The print font size as it is drawn: the settings keep whatever was
// typed, but a size of no use for drawing (below 1 pt, above what the
// font system takes, not a number) is drawn in the default size.
#include <cmath>

#include "settings/location.h"

namespace render {

// `size` when it is drawn as given (1 pt up to settings::kMaxFontPoints,
// what the font system takes), else `fallback` (10 when not above 0).
inline double DrawableFontSize(double size, double fallback) {
    if (std::isfinite(size) && size >= 1 && size <= settings::kMaxFontPoints) return size;
    return fallback > 0 ? fallback : 10.0;
}

}  // namespace render
