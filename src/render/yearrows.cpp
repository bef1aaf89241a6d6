// One night's row of the year chart: the Sun's and the Moon's states from noon to noon as shaded spans.
#include "render/yearrows.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace render::detail {

namespace {

// `a` moved towards `b` by `t` (0 .. 1), each of red, green and blue.
Color Blend(Color a, Color b, double t) {
    auto part = [&](int shift) {
        const double x = static_cast<double>((a >> shift) & 255), y = static_cast<double>((b >> shift) & 255);
        return static_cast<Color>(std::lround(x + (y - x) * t)) << shift;
    };
    return part(16) | part(8) | part(0);
}

// The Sun's horizons from the highest to the lowest, then the Moon's.
constexpr std::array<month::Horizon, 5> kOrder = {month::Horizon::Sun, month::Horizon::Civil, month::Horizon::Nautical,
                                                  month::Horizon::Twilight, month::Horizon::Moon};

// Whether the body of horizon h is above it at the instant t of the night
// (noon <= t < next noon): its state at the evening's 0 h and every
// crossing up to t.
bool AboveAt(const month::Day& eve, const month::Day& morn, month::Horizon h, double t) {
    bool above = eve.horizon(h).aboveAtStart;
    for (const month::Day* d : {&eve, &morn})
        for (const month::Crossing& c : d->horizon(h).crossings) {
            if (c.mjd > t) return above;
            above = c.direction == month::Direction::Rise;
        }
    return above;
}

}  // namespace

YearRowShades RowShades(bool inkSaver) {
    YearRowShades s;
    if (!inkSaver) {
        s.civil = RGB(170, 170, 170);
        s.nautical = RGB(135, 135, 135);
        s.night = RGB(45, 45, 45);
    } else {
        // Ink saver: pale greys that stay apart in grayscale, the dark time
        // a middle grey, and the Moon darker than it.
        s.day = kWhite;
        s.civil = RGB(240, 240, 240);
        s.nautical = RGB(225, 225, 225);
        s.astronomical = RGB(205, 205, 205);
        s.night = RGB(185, 185, 185);
        s.moon = RGB(60, 60, 60);
        s.dark = RGB(140, 140, 140);
    }
    s.named = {{"day", s.day},     {"civil", s.civil},       {"nautical", s.nautical}, {"astronomical", s.astronomical},
               {"night", s.night}, {"full Moon up", s.moon}, {"dark, no Moon", s.dark}};
    return s;
}

std::vector<RowSpan> NightSpans(const month::Night& n, const month::Day& eve, const month::Day& morn,
                                const month::Clock& clock, const YearRowShades& sh) {
    // Clock hours after the night's 12:00 of an instant, as the clock in
    // force at it reads.
    const double noonOffset = clock.offsetAt(n.noon);
    auto hours = [&](double t) { return (t - n.noon) * 24 + clock.offsetAt(t) - noonOffset; };
    // Every crossing of the night cuts the row; between two cuts the
    // Sun's and the Moon's states hold.
    std::vector<double> cuts{n.noon, n.nextNoon};
    for (month::Horizon h : kOrder)
        for (const month::Day* d : {&eve, &morn})
            for (const month::Crossing& c : d->horizon(h).crossings)
                if (c.mjd > n.noon && c.mjd < n.nextNoon) cuts.push_back(c.mjd);
    std::sort(cuts.begin(), cuts.end());
    const std::array<Color, 5> sun = {sh.day, sh.civil, sh.nautical, sh.astronomical, sh.night};
    std::vector<RowSpan> spans;
    for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
        const double a = cuts[i], b = cuts[i + 1];
        if (b <= a) continue;
        const double mid = (a + b) / 2;
        std::size_t below = 0;  // how many of the Sun's horizons the Sun is below
        for (std::size_t k = 0; k < 4; ++k) below += !AboveAt(eve, morn, kOrder[k], mid);
        Color c = sun[below];
        // The Moon up after sunset, as bright as it is full.
        if (below > 0 && AboveAt(eve, morn, month::Horizon::Moon, mid)) c = Blend(c, sh.moon, n.moonFraction);
        if (!spans.empty() && spans.back().shade == c && std::abs(spans.back().to - hours(a)) < 1e-9)
            spans.back().to = hours(b);
        else
            spans.push_back({hours(a), hours(b), c});
    }
    for (const month::NightPiece& p : n.dark) spans.push_back({hours(p.begin), hours(p.end), sh.dark});
    return spans;
}

}  // namespace render::detail
