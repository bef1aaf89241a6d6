#pragma once
// One night's row of the year chart: its spans from 12:00 to 12:00 local
// clock time in the Nights page's shades; private to the render library.
#include <vector>

#include "month/nights.h"
#include "render/page.h"

namespace render::detail {

// The shades of the rows, each with the key's word for it.
struct YearRowShades {
    struct Named {
        const char* word;
        Color shade;
    };
    Color day = kLightGrey, civil = kLightGrey, nautical = kGrey, astronomical = kDarkGrey, night = kBlack;
    Color moon = kYellow;  // the Moon up at full strength (a full Moon)
    Color dark = kBlack;   // the dark-and-no-Moon time
    std::vector<Named> named;
};
YearRowShades RowShades(bool inkSaver);

// A part of a row: from and to in clock hours after the night's 12:00
// (0 .. 24, a clock change moving the morning's hours), in one shade.
struct RowSpan {
    double from = 0, to = 0;
    Color shade = kBlack;
};

// The spans of night `n`, whose evening is the day `eve` and whose morning
// is `morn`, on `clock`: the Sun's state (day, civil, nautical and
// astronomical twilight, night), where the Moon is up the Moon's shade
// over it in proportion to the illuminated fraction, and on top the
// dark-and-no-Moon pieces.  In drawing order.
std::vector<RowSpan> NightSpans(const month::Night& n, const month::Day& eve, const month::Day& morn,
                                const month::Clock& clock, const YearRowShades& sh);

}  // namespace render::detail
