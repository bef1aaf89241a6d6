// The graph beside the table: shades, day bars, the night's hatch, the hour axis and the key.
#include <algorithm>
#include <string>

#include "render/page.h"
#include "render/pagegrid.h"

namespace render {

using namespace detail;

namespace {

// Diagonal lines `step` apart (an hour on the graph) over the box (x, y, w, h), each
// clipped to it: the ink saver's night.
void Hatch(OutputSurface& out, double x, double y, double w, double h, double step, Color c) {
    if (w <= 0 || h <= 0 || step <= 0) return;
    // Lines rise to the right at 45 degrees of the box's own units.
    for (double x0 = x - h; x0 < x + w; x0 += step) {
        double a = std::max(x0, x), b = std::min(x0 + h, x + w);  // the x span inside the box
        if (b <= a) continue;
        out.Line(ToFloat(a), ToFloat(y + h - (a - x0)), ToFloat(b - a), ToFloat(-(b - a)), c);
    }
}

}  // namespace

Shades PageShades(bool inkSaver) {
    Shades s;
    if (!inkSaver) return s;
    // Ink saver: the large night areas carry only a light hatch; twilight a
    // pale grey, daylight white; the Moon a dark grey band, thinner, that
    // stands out on all three; the phase symbol's lit part white on pale
    // grey, outlined.
    s.night = RGB(200, 200, 200);
    s.twilight = RGB(238, 238, 238);
    s.day = kWhite;
    s.moon = RGB(100, 100, 100);
    s.phaseDark = RGB(210, 210, 210);
    s.phaseLit = kWhite;
    s.hatchNight = true;
    s.outlinePhase = true;
    s.moonHeight = 0.16;
    return s;
}

void DrawBar(PageContext& ctx, int row, double fromHour, double toHour, Color shade) {
    const PageLayout& layout = ctx.layout;
    OutputSurface& cur = ctx.out.current();
    // The Moon band is lower, so the shading below stays visible.
    const double h = (shade == ctx.shades.moon ? ctx.shades.moonHeight : 0.8) * layout.rowHeight;
    const double y = row * layout.rowHeight + layout.top;
    const double x0 = layout.graphLeft, hour = layout.hourWidth;
    if (fromHour > toHour) {
        // Over midnight: hours 0 to toHour, then fromHour to 24.
        cur.FilledBox(ToFloat(x0), ToFloat(y), ToFloat(toHour * hour), ToFloat(h), shade);
        cur.FilledBox(ToFloat(x0 + fromHour * hour), ToFloat(y), ToFloat((24 - fromHour) * hour), ToFloat(h), shade);
    } else {
        cur.FilledBox(ToFloat(x0 + fromHour * hour), ToFloat(y), ToFloat((toHour - fromHour) * hour), ToFloat(h),
                      shade);
    }
}

void detail::DrawNight(PageContext& ctx, int row) {
    const PageLayout& layout = ctx.layout;
    if (!ctx.shades.hatchNight) {
        DrawBar(ctx, row, 0, 24, ctx.shades.night);
        return;
    }
    Hatch(ctx.out.current(), layout.graphLeft, layout.top + row * layout.rowHeight, 24 * layout.hourWidth,
          0.8 * layout.rowHeight, layout.hourWidth, ctx.shades.night);
}

std::vector<int> HourLabels(int step, double gap, const std::function<double(int)>& labelLeft,
                            const std::function<double(int)>& labelRight) {
    // Only the last label is ever pushed left (by the surface's edge): where
    // it then crowds its neighbour, every label moves to the next larger
    // step, so the labels stay evenly spaced and none is left out alone.
    for (int s : {1, 2, 3, 4, 6, 12, 24}) {
        if (s < step) continue;
        std::vector<int> hours;
        for (int h = 0; h <= 24; h += s) hours.push_back(h);
        if (hours.size() < 2 || labelLeft(hours.back()) - labelRight(hours[hours.size() - 2]) >= gap) return hours;
    }
    return {24};
}

int HourLabelStep(OutputSurface& s, const PageLayout& layout) {
    // Labels need a blank's width between them to read as separate words.
    const double gap = s.TextWidth(" ");
    for (int step : {1, 2, 3, 4, 6, 12}) {
        bool fits = true;
        for (int h = step; h <= 24 && fits; h += step) {
            double prevRight = (h - step) * layout.hourWidth + s.TextWidth(std::to_string(h - step)) / 2;
            double left = h * layout.hourWidth - s.TextWidth(std::to_string(h)) / 2;
            fits = left - prevRight >= gap;
        }
        if (fits) return step;
    }
    return 24;
}

void detail::DrawAxis(PageContext& ctx) {
    const PageLayout& layout = ctx.layout;
    OutputSurface& cur = ctx.out.current();
    for (int h = 0; h <= 24; ++h) {
        double x = layout.graphLeft + h * layout.hourWidth;
        cur.Line(ToFloat(x), ToFloat(layout.top + layout.rowHeight), 0, ToFloat(kDayRows * layout.rowHeight), kWhite);
    }
    // Each label measured on the surface it is written to, so it is centred
    // over its line on screen and on paper alike; "24" moves left just
    // enough to stay whole on a surface whose right margin is less than
    // half its width.
    auto left = [&](int h) {
        const double lw = cur.TextWidth(std::to_string(h));
        return std::min(layout.graphLeft + h * layout.hourWidth - lw / 2, cur.ScaleWidth() - lw);
    };
    auto right = [&](int h) { return left(h) + cur.TextWidth(std::to_string(h)); };
    for (int h : HourLabels(HourLabelStep(cur, layout), cur.TextWidth(" "), left, right))
        WriteText(ctx, left(h), layout.top, std::to_string(h));
}

// "Graph:" and a small box of each shade beside its word.
void detail::DrawKey(PageContext& ctx, double y) {
    const PageLayout& layout = ctx.layout;
    OutputSurface& cur = ctx.out.current();
    const Shades& sh = ctx.shades;
    const double bw =
        1.2 * layout.hourWidth > 0 ? std::min(1.2 * layout.hourWidth, layout.columnWidth / 2) : layout.columnWidth / 2;
    const double bh = 0.6 * layout.rowHeight, by = y + 0.2 * layout.rowHeight;
    double x = layout.tableLeft;
    WriteText(ctx, x, y, "Graph:");
    x += cur.TextWidth("Graph: ");
    const struct {
        const char* word;
        Color shade;
    } keys[] = {{"night", sh.night}, {"twilight", sh.twilight}, {"day", sh.day}, {"Moon up", sh.moon}};
    for (const auto& k : keys) {
        const bool moon = k.shade == sh.moon;
        const double h = moon ? bh * sh.moonHeight / 0.8 : bh;
        if (k.shade == sh.night && sh.hatchNight)
            Hatch(cur, x, by, bw, bh, bw / 3, sh.night);
        else
            cur.FilledBox(ToFloat(x), ToFloat(by + (bh - h) / 2), ToFloat(bw), ToFloat(h), k.shade);
        // A thin frame, so a white box shows on white paper.
        cur.Line(ToFloat(x), ToFloat(by), ToFloat(bw), 0, kGrey);
        cur.Line(ToFloat(x), ToFloat(by + bh), ToFloat(bw), 0, kGrey);
        cur.Line(ToFloat(x), ToFloat(by), 0, ToFloat(bh), kGrey);
        cur.Line(ToFloat(x + bw), ToFloat(by), 0, ToFloat(bh), kGrey);
        x += bw + cur.TextWidth(" ");
        WriteText(ctx, x, y, k.word);
        x += cur.TextWidth(std::string(k.word) + "   ");
    }
}

}  // namespace render
