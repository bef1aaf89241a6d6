// One night's row of the year chart: its spans from noon to noon in the Nights page's shades.
#include "render/yearrows.h"

#include "render/pagegrid.h"

namespace render::detail {

YearRowShades RowShades(bool inkSaver) {
    YearRowShades s;
    s.dark = inkSaver ? RGB(120, 120, 120) : kBlack;
    s.named = {{"day", inkSaver ? kWhite : kLightGrey},
               {"night", inkSaver ? RGB(200, 200, 200) : kDarkGrey},
               {"dark and no Moon", s.dark}};
    return s;
}

double NightHours(int hhmm, bool end) {
    double h = hhmm / 100 + (hhmm % 100) / 60.0;
    if (h < 12 || (end && h == 12)) h += 24;
    return h - 12;
}

void DrawYearRow(PageContext& ctx, const month::Night& n, double y, double h, const YearRowShades& sh) {
    OutputSurface& cur = ctx.out.current();
    const PageLayout& L = ctx.layout;
    auto box = [&](double from, double to, Color c) {
        cur.FilledBox(ToFloat(L.graphLeft + from * L.hourWidth), ToFloat(y), ToFloat((to - from) * L.hourWidth),
                      ToFloat(h), c);
    };
    box(0, 24, sh.named[0].shade);
    if (n.dusk && n.dawn) box(NightHours(n.dusk->hhmm, false), NightHours(n.dawn->hhmm, true), sh.named[1].shade);
    for (const month::NightPiece& p : n.dark) box(NightHours(p.beginHhmm, false), NightHours(p.endHhmm, true), sh.dark);
}

}  // namespace render::detail
