#include "settings/location.h"

#include <cmath>

#include "text/valuerule.h"

namespace settings {

std::optional<double> LocationValue(const LocationField& field, std::string_view text) {
    const double v = text::value(text);
    if (std::isnan(v) || v < field.lower || v > field.upper) return std::nullopt;
    if (v == 0 && text != "0") return std::nullopt;
    if (field.whole && std::trunc(v) != v) return std::nullopt;
    return v;
}

}  // namespace settings
