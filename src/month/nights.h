#pragma once
// The nights of a month: one per evening, from local noon to the next
// local noon, with its dusk and dawn, its dark-and-no-Moon intervals and
// the Moon's illuminated fraction at local midnight.
#include <vector>

#include "month/model.h"

namespace month {

// A part of a dark-and-no-Moon interval inside one night.
struct NightPiece {
    double begin = 0, end = 0;       // MJD UT
    int beginHhmm = 0, endHhmm = 0;  // local clock times (a night's noon edge shows 1200)
};

struct Night {
    YearMonth date{};  // the evening's date
    int dayOfMonth = 0;
    int weekday = 0;                 // 0 Sunday .. 6 Saturday
    double noon = 0;                 // local noon of the evening's day, MJD UT
    double nextNoon = 0;             // local noon of the next day
    const Crossing* dusk = nullptr;  // twilight end: the first -18 degree set of the night
    const Crossing* dawn = nullptr;  // twilight begin: the first -18 degree rise after the dusk
    std::vector<NightPiece> dark;
    long long darkMinutes = 0;  // the pieces' whole length, rounded to the minute
    double moonFraction = 0;    // illuminated at local midnight, 0..1
};

// The nights whose evenings are days 1..dayRows of `m`; `next` is the month
// after (the last night ends in its first day).  The crossings point into
// `m` and `next`, which must outlive the result.
std::vector<Night> Nights(const Month& m, const Month& next);

}  // namespace month
