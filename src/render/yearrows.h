#pragma once
// One night's row of the year chart in the Nights page's shades; private
// to the render library.
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
    std::vector<Named> named;
    Color dark = kBlack;  // the dark-and-no-Moon time
};
YearRowShades RowShades(bool inkSaver);

// Clock hours after 12:00 of a clock time hhmm in a night (0 .. 24; a
// morning time is past midnight, 1200 at the night's end 24).
double NightHours(int hhmm, bool end);

// The row of night `n` from y, h high, across the graph of ctx.layout.
void DrawYearRow(PageContext& ctx, const month::Night& n, double y, double h, const YearRowShades& sh);

}  // namespace render::detail
