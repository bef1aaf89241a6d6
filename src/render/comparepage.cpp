// The compare page: a night per row, a site per column, the dark hours as bars and numbers.
#include "render/comparepage.h"

#include <algorithm>

#include "render/nightband.h"
#include "render/nightspage.h"
#include "render/pagegrid.h"

namespace render {

using namespace detail;

namespace {

constexpr double kDateColumns = 1.4;  // the night's "Fr 21", in table columns
constexpr double kBarHeight = 0.7;    // of a row

// Where the columns lie: the date at the table's left edge, then one
// block per site up to the graph's right edge of the Days page.
struct CompareGrid {
    double blockLeft = 0;         // x of the first site's block
    double blockWidth = 0;        // width of each site's block
    double barWidth = 0;          // the longest bar's width inside a block
    long long scaleMinutes = 60;  // the dark minutes of the longest bar
};

CompareGrid GridOf(PageContext& ctx, const std::vector<SiteNights>& sites, std::size_t count) {
    const PageLayout& L = ctx.layout;
    OutputSurface& cur = ctx.out.current();
    CompareGrid g;
    g.blockLeft = L.tableLeft + kDateColumns * L.columnWidth;
    const double right = L.graphLeft + 24 * L.hourWidth;
    g.blockWidth = std::max(0.0, (right - g.blockLeft) / static_cast<double>(count));
    g.barWidth = std::max(0.0, g.blockWidth - cur.TextWidth(" 00:00 * ") - L.columnWidth / 4);
    for (std::size_t s = 0; s < count; ++s)
        for (const month::Night& n : sites[s].nights) g.scaleMinutes = std::max(g.scaleMinutes, n.darkMinutes);
    return g;
}

// Writes `text` from x in a font just small enough to end within `room`.
void WriteWithin(PageContext& ctx, double x, double y, double room, const std::string& text) {
    OutputSurface& cur = ctx.out.current();
    const float size = cur.FontSize();
    const double width = cur.TextWidth(text);
    const bool shrink = width > room && size > 0 && room > 0;
    if (shrink) cur.SetFontSize(static_cast<float>(size * room / width));
    WriteText(ctx, x, y, text);
    if (shrink) cur.SetFontSize(size);
}

// A thin frame of w x h at (x, y).
void Frame(OutputSurface& cur, double x, double y, double w, double h, Color c) {
    cur.Line(ToFloat(x), ToFloat(y), ToFloat(w), 0, c);
    cur.Line(ToFloat(x), ToFloat(y + h), ToFloat(w), 0, c);
    cur.Line(ToFloat(x), ToFloat(y), 0, ToFloat(h), c);
    cur.Line(ToFloat(x + w), ToFloat(y), 0, ToFloat(h), c);
}

// Row 0: "Night" and each site's name over its block.
void DrawSiteHeadings(PageContext& ctx, const std::vector<SiteNights>& sites, std::size_t count, const CompareGrid& g) {
    const PageLayout& L = ctx.layout;
    WriteText(ctx, L.tableLeft, L.top, "Night");
    for (std::size_t s = 0; s < count; ++s)
        WriteWithin(ctx, g.blockLeft + static_cast<double>(s) * g.blockWidth, L.top, g.blockWidth - L.columnWidth / 4,
                    sites[s].name);
}

// The night rows: the date, then per site the dark time's bar (its length
// the minutes over the page's longest night) and its "h:mm"; the best
// site's marked "*".
void DrawCompareRows(PageContext& ctx, const std::vector<SiteNights>& sites, std::size_t count, const CompareGrid& g,
                     const NightShades& sh) {
    const PageLayout& L = ctx.layout;
    OutputSurface& cur = ctx.out.current();
    const std::vector<month::Night>& first = sites.front().nights;
    for (std::size_t i = 0; i < first.size(); ++i) {
        const double y = L.top + static_cast<double>(i + 1) * L.rowHeight;
        WriteText(ctx, L.tableLeft, y, NightDayText(first[i]), first[i].weekday == 0 ? kGrey : kBlack);
        const std::optional<std::size_t> best = BestSite(sites, i);
        for (std::size_t s = 0; s < count && i < sites[s].nights.size(); ++s) {
            const month::Night& n = sites[s].nights[i];
            const double x = g.blockLeft + static_cast<double>(s) * g.blockWidth;
            const double w = g.barWidth * static_cast<double>(n.darkMinutes) / static_cast<double>(g.scaleMinutes);
            const double by = y + (1 - kBarHeight) / 2 * L.rowHeight;
            cur.FilledBox(ToFloat(x), ToFloat(by), ToFloat(g.barWidth), ToFloat(kBarHeight * L.rowHeight),
                          sh.of(BandKind::Day));
            if (w > 0)
                cur.FilledBox(ToFloat(x), ToFloat(by), ToFloat(w), ToFloat(kBarHeight * L.rowHeight),
                              sh.of(BandKind::Dark));
            WriteText(ctx, x + g.barWidth + cur.TextWidth(" "), y,
                      NightTotalText(n.darkMinutes) + (best == s ? " *" : ""));
        }
    }
}

// The key: what a bar's length and the frame say.
void DrawCompareKey(PageContext& ctx, const CompareGrid& g, double y) {
    const auto hours = NightTotalText(g.scaleMinutes);
    WriteLine(ctx, y, "Bars: dark and no Moon, full length " + hours + ";  * the site with the most of the night");
}

bool DrawPrintedCompare(PageContext& ctx, const std::vector<SiteNights>& sites, std::size_t count,
                        const NightShades& sh) {
    return DrawPrintedPage(ctx, *sites.front().month, "Dark and no Moon at each site, nights dated by their evening",
                           [&] {
                               const PageLayout& L = ctx.layout;
                               const CompareGrid g = GridOf(ctx, sites, count);
                               DrawCompareRows(ctx, sites, count, g, sh);
                               DrawSiteHeadings(ctx, sites, count, g);
                               DrawCompareKey(ctx, g, L.top + kKeyRowPrinted * L.rowHeight);
                           });
}

}  // namespace

std::optional<std::size_t> BestSite(const std::vector<SiteNights>& sites, std::size_t index) {
    std::optional<std::size_t> best;
    long long most = 0;
    for (std::size_t s = 0; s < std::min(sites.size(), kMostComparedSites); ++s) {
        if (index >= sites[s].nights.size()) continue;
        const long long m = sites[s].nights[index].darkMinutes;
        if (m > most) best = s, most = m;
    }
    return best;
}

bool DrawComparePage(PageContext& ctx, const std::vector<SiteNights>& sites, std::optional<int> highlightDay) {
    NightsPageSetup(ctx);
    const std::size_t count = std::min(sites.size(), kMostComparedSites);
    const NightShades sh = NightPageShades(ctx.shades.hatchNight);
    if (count == 0 && !ctx.out.screen()) return ctx.out.current().EndDoc();
    if (count == 0) {
        ctx.out.picture().Clear();
        WriteText(ctx, ctx.layout.tableLeft, ctx.layout.top,
                  "No sites to compare: keep them in File > Options with Save as site");
        return true;
    }
    if (!ctx.out.screen()) return DrawPrintedCompare(ctx, sites, count, sh);
    ctx.out.picture().Clear();
    const CompareGrid g = GridOf(ctx, sites, count);
    DrawCompareRows(ctx, sites, count, g, sh);
    DrawSiteHeadings(ctx, sites, count, g);
    const PageLayout& L = ctx.layout;
    DrawCompareKey(ctx, g, L.top + kKeyRowScreen * L.rowHeight);
    const std::vector<month::Night>& first = sites.front().nights;
    for (std::size_t i = 0; highlightDay && i < first.size(); ++i)
        if (first[i].dayOfMonth == *highlightDay)
            Frame(ctx.out.current(), L.tableLeft - L.columnWidth / 10, L.top + static_cast<double>(i + 1) * L.rowHeight,
                  L.graphLeft + 24 * L.hourWidth - L.tableLeft + L.columnWidth / 10, L.rowHeight, RGB(200, 0, 0));
    return true;
}

}  // namespace render
