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

// What counts as a dark, moonless hour for the nights: the Sun below the
// horizon of `darkness` (astronomical -18, nautical -12 or civil -6
// degrees) and the Moon below the horizon, or above it on a night whose
// illuminated fraction at local midnight is at most `moonMaxPercent`.
// The default is the rule of the Days page's D.a.n.M. columns.
struct DarkRule {
    Horizon darkness = Horizon::Twilight;  // Twilight, Nautical or Civil
    double moonMaxPercent = 0;             // 0..100
    bool standard() const { return darkness == Horizon::Twilight && moonMaxPercent <= 0; }
};

struct Night {
    YearMonth date{};  // the evening's date
    int dayOfMonth = 0;
    int weekday = 0;      // 0 Sunday .. 6 Saturday
    double noon = 0;      // local noon of the evening's day, MJD UT
    double nextNoon = 0;  // local noon of the next day
    // The darkness horizon's first set of the night and its first rise after
    // that (-18 degrees under the standard rule).
    const Crossing* dusk = nullptr;
    const Crossing* dawn = nullptr;
    std::vector<NightPiece> dark;
    long long darkMinutes = 0;  // the pieces' whole length, rounded to the minute
    double moonFraction = 0;    // illuminated at local midnight, 0..1
    bool moonCounts = true;     // the Moon spoils the dark this night (above the rule's limit)
};

// The nights whose evenings are days 1..dayRows of `m`; `next` is the month
// after (the last night ends in its first day).  The crossings point into
// `m` and `next`, which must outlive the result.  The dark pieces follow
// `rule`: under the standard rule they are the month's D.a.n.M. intervals
// cut at local noon; under another, the same minute-by-minute scan over the
// night's two days with the rule's Sun horizon, and without the Moon on a
// night it does not spoil.
std::vector<Night> Nights(const Month& m, const Month& next, const DarkRule& rule = {});

}  // namespace month
