#pragma once
// The places of the accuracy study: 60 S to 66 N, longitudes around the
// globe, each with its whole-hour zone.
#include <vector>

#include "compare.h"

namespace accuracy {

inline std::vector<Place> StudyPlaces() {
    return {
        {"Vienna", 16.37, 48.21, 1},        {"Reykjavik", -21.94, 64.15, 0},
        {"Arctic66N", 25.0, 66.0, 2},       {"Anchorage", -149.90, 61.22, -9},
        {"NewYork", -74.01, 40.71, -5},     {"Quito", -78.47, -0.18, -5},
        {"Ushuaia", -68.30, -54.80, -3},    {"Antarctic60S", -45.0, -60.0, -3},
        {"CapeTown", 18.42, -33.92, 2},     {"Mumbai", 72.88, 19.08, 5},
        {"Tokyo", 139.69, 35.69, 9},        {"Sydney", 151.21, -33.87, 10},
        {"Auckland", 174.76, -36.85, 12},   {"Honolulu", -157.86, 21.31, -10},
    };
}

}  // namespace accuracy
