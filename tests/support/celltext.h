#pragma once
// Predicates on the texts of month table cells, shared by the tests and
// the fuzz targets.
#include <string>

namespace testsupport {

// A local clock time "hhmm" from "0000" to "2359", or "2400".
inline bool IsClock(const std::string& c) {
    for (char ch : c)
        if (ch < '0' || ch > '9') return false;
    return c.size() == 4 && c[2] < '6' && c <= "2400";  // four digits: compared as numbers
}

// Minutes after local midnight of a clock text.
inline int Minutes(const std::string& c) {
    return ((c[0] - '0') * 10 + (c[1] - '0')) * 60 + (c[2] - '0') * 10 + (c[3] - '0');
}

// The two cells of one object in a day row (rise/set at columns 1/2 for the
// Moon, 3/4 for the Sun, twilight end/begin at 5/6): two events, each "hhmm"
// or "----" but not both "----", or the object's day mark and an empty cell.
inline bool ValidEventPair(const std::string& first, const std::string& second, int firstCol) {
    if (firstCol == 5 ? (first == "a.b." || first == "a.d.") : (first == "a.h." || first == "b.h."))
        return second.empty();
    const bool a = IsClock(first), b = IsClock(second);
    return (a || first == "----") && (b || second == "----") && (a || b);
}

}  // namespace testsupport
