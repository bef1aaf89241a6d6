#pragma once
// Predicates on the texts of month table cells, shared by the tests and
// the fuzz targets.
#include <string>

namespace testsupport {

// A local clock time "hhmm" from "0000" to "2359", or "2400".
inline bool IsClock(const std::string& c) {
    if (c.size() != 4) return false;
    for (char ch : c)
        if (ch < '0' || ch > '9') return false;
    int hh = (c[0] - '0') * 10 + (c[1] - '0');
    int mm = (c[2] - '0') * 10 + (c[3] - '0');
    return (hh < 24 && mm < 60) || c == "2400";
}

// Minutes after local midnight of a clock text.
inline int Minutes(const std::string& c) {
    return ((c[0] - '0') * 10 + (c[1] - '0')) * 60 + (c[2] - '0') * 10 + (c[3] - '0');
}

}  // namespace testsupport
