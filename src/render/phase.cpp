// The Moon's phase symbol of a day: its mean lunation at noon as a disc, half disc and ellipse.
#include <cmath>

#include "calendar/calendar.h"
#include "render/page.h"
#include "render/pagegrid.h"

namespace render {

using namespace detail;

namespace {

// pi as the phase symbol reckons it.
constexpr double kPi = 3.141593;
// Mean synodic month in days.
constexpr double kSynodicMonth = 29.530588;

// The fraction of the mean lunation at noon UT of a day: 0 at the epoch
// 1 January 1900, 15 h UT, near that day's new moon.
double LunationFraction(const month::Day& day) {
    const double mjd = calendar::Mjd(day.date.year, day.date.month, day.dayOfMonth, 12);
    const double newMoon = calendar::Mjd(1900, 1, 1, 15);
    const double lunations = (mjd - newMoon) / kSynodicMonth;
    return lunations - std::floor(lunations);
}

// The shapes of a phase case around (x, y) of radius `radius`, in the
// page's shades; `cosine` gives the terminator ellipse's aspect; `south`
// takes the other half (the ellipse is the same either way round).
void DrawPhaseShapes(PageContext& ctx, double x, double y, double radius, const PhaseCase& pc, double cosine,
                     bool south) {
    auto shade = [&ctx](Color k) { return k == kYellow ? ctx.shades.phaseLit : ctx.shades.phaseDark; };
    const Color disc = shade(pc.disc);
    const Color half = shade(pc.half);
    OutputSurface& s = ctx.out.current();
    s.SetFillColor(disc);
    s.Circle(ToFloat(x), ToFloat(y), ToFloat(radius), disc, std::nullopt, std::nullopt, std::nullopt);
    double up = kPi / 2;
    double down = 3 * kPi / 2;
    s.SetFillColor(half);
    if (pc.leftHalf != south) {
        s.Circle(ToFloat(x), ToFloat(y), ToFloat(radius), half, ToFloat(up), ToFloat(down), std::nullopt);
    } else {
        s.Circle(ToFloat(x), ToFloat(y), ToFloat(radius), half, ToFloat(down), ToFloat(up), std::nullopt);
    }
    s.SetFillColor(half);
    s.Circle(ToFloat(x), ToFloat(y), ToFloat(radius), half, std::nullopt, std::nullopt, ToFloat(std::fabs(1 / cosine)));
    if (ctx.shades.outlinePhase) {
        s.SetFillStyle(kFillTransparent);
        s.Circle(ToFloat(x), ToFloat(y), ToFloat(radius), kBlack, std::nullopt, std::nullopt, std::nullopt);
    }
}

}  // namespace

PhaseCase FindPhaseCase(double fraction, double cosine) {
    // The four cases of the lunation.  The exact values fraction = 0.5 and
    // cosine = 1 belong to no case of their own; they are drawn as the
    // limits of the neighbouring cases (a full yellow disc at full moon, a
    // full black disc at new moon) instead of leaving the cell empty.
    const double f = fraction, c = cosine;
    if (f >= 0.5 && -1 <= c && c < 0) return {true, kBlack, kYellow, true};  // waning, > half lit
    if (f > 0.5 && 0 <= c && c <= 1) return {true, kYellow, kBlack, false};  // waning, < half lit
    if (f < 0.5 && 0 <= c && c <= 1) return {true, kYellow, kBlack, true};   // waxing, < half lit
    if (f < 0.5 && -1 <= c && c < 0) return {true, kBlack, kYellow, false};  // waxing, > half lit
    return {};
}

void DrawPhaseSymbol(PageContext& ctx, int row, const month::Day& day, bool south) {
    const PageLayout& layout = ctx.layout;
    const double radius = 0.6 * layout.rowHeight;
    const double y = row * layout.rowHeight + layout.top + layout.rowHeight / 2;
    // Even rows touch the column's left edge, odd rows its right edge.
    const double x = row % 2 == 0 ? layout.tableLeft + kPhaseColumn * layout.columnWidth + radius
                                  : layout.tableLeft + kGraphColumn * layout.columnWidth - radius;

    OutputSurface& s = ctx.out.current();
    const int savedStyle = s.FillStyle();
    const Color savedFill = s.FillColor();
    s.SetFillStyle(kFillSolid);
    const double fraction = LunationFraction(day);
    const double cosine = std::cos(kPi * (2 * fraction));
    const PhaseCase pc = FindPhaseCase(fraction, cosine);
    if (pc.found) DrawPhaseShapes(ctx, x, y, radius, pc, cosine, south);
    s.SetFillColor(savedFill);
    s.SetFillStyle(savedStyle);
}

}  // namespace render
