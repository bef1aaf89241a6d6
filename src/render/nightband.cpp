// One night's shades, dark pieces and Moon band as spans of clock hours from 12:00 to 12:00.
#include "render/nightband.h"

#include <algorithm>
#include <cmath>

#include "calendar/calendar.h"

namespace render {

namespace {

using month::Day;
using month::Horizon;

// The two local days a night spans: its evening's and its morning's.
struct NightDays {
    const Day* eve = nullptr;
    const Day* morn = nullptr;
};

NightDays FindDays(const month::Night& n, const month::Month& m, const month::Month& next) {
    NightDays d;
    for (const month::Month* mo : {&m, &next}) {
        for (int i = 1; i <= 31; ++i) {
            const Day& day = mo->day(i);
            if (!day.exists || day.endMjd <= day.startMjd) continue;
            if (!d.eve && day.startMjd <= n.noon && n.noon < day.endMjd) d.eve = &day;
            if (!d.morn && day.startMjd < n.nextNoon && n.nextNoon <= day.endMjd) d.morn = &day;
        }
    }
    return d;
}

// Clock hours after the evening's 12:00 of an instant.  On a day without
// a clock change its hours run evenly from its first instant; on a day
// with one the offset in force at the instant is asked for.
class ClockHours {
public:
    ClockHours(const NightDays& d, const month::Clock& clock) : d_(d), clock_(clock) {}
    double operator()(double mjd) const {
        const bool evening = mjd < d_.eve->endMjd || d_.morn == d_.eve;
        const Day& day = evening ? *d_.eve : *d_.morn;
        const double base = evening ? -12 : 12;
        if (day.clockShift == 0) return base + (mjd - day.startMjd) * 24;
        const double local = mjd + clock_.offsetAt(mjd) / 24;
        return base + (local - calendar::Mjd(day.date.year, day.date.month, day.dayOfMonth, 0)) * 24;
    }

private:
    NightDays d_;
    const month::Clock& clock_;
};

// A horizon's state at `t` and its crossings in [t, end), taken from the
// night's two days.
struct HorizonRun {
    bool above = false;
    std::vector<const month::Crossing*> crossings;
};

HorizonRun RunOf(const NightDays& d, Horizon h, double t, double end) {
    HorizonRun r;
    const month::HorizonDay& eve = d.eve->horizon(h);
    r.above = eve.aboveAtStart;
    for (const month::Crossing& c : eve.crossings)
        if (c.mjd < t) r.above = c.direction == month::Direction::Rise;
    for (const Day* day : {d.eve, d.morn}) {
        if (day == d.morn && d.morn == d.eve) break;
        for (const month::Crossing& c : day->horizon(h).crossings)
            if (c.mjd >= t && c.mjd < end) r.crossings.push_back(&c);
    }
    return r;
}

// Appends [from, to) in kind k, merged with the span before it when that is
// of the same kind and touches it.
void Add(std::vector<BandSpan>& spans, double from, double to, BandKind k, double strength = 1,
         BandKind under = BandKind::Day) {
    from = std::clamp(from, 0.0, 24.0);
    to = std::clamp(to, from, 24.0);
    if (to <= from) return;
    if (!spans.empty() && spans.back().kind == k && spans.back().toHour == from && spans.back().under == under) {
        spans.back().toHour = to;
        return;
    }
    spans.push_back({from, to, k, strength, under});
}

// The Sun's spans: the kind is Day plus the number of the four horizons
// (-50', -6, -12, -18 degrees) the Sun is below.
void SunSpans(std::vector<BandSpan>& out, const NightDays& d, const month::Night& n, const ClockHours& hours) {
    const Horizon order[] = {Horizon::Sun, Horizon::Civil, Horizon::Nautical, Horizon::Twilight};
    struct Event {
        double mjd;
        int horizon;
        bool rise;
    };
    std::vector<Event> events;
    std::array<bool, 4> above{};
    for (int i = 0; i < 4; ++i) {
        HorizonRun r = RunOf(d, order[i], n.noon, n.nextNoon);
        above[static_cast<std::size_t>(i)] = r.above;
        for (const month::Crossing* c : r.crossings)
            events.push_back({c->mjd, i, c->direction == month::Direction::Rise});
    }
    std::sort(events.begin(), events.end(), [](const Event& a, const Event& b) { return a.mjd < b.mjd; });
    auto kind = [&above] { return static_cast<BandKind>(std::count(above.begin(), above.end(), false)); };
    double from = 0;
    for (const Event& e : events) {
        const double at = hours(e.mjd);
        Add(out, from, at, kind());
        from = std::max(from, at);
        above[static_cast<std::size_t>(e.horizon)] = e.rise;
    }
    Add(out, from, 24, kind());
}

// The shade under an hour: a dark piece, else the Sun's kind.
BandKind Under(const std::vector<BandSpan>& base, double hour) {
    BandKind k = BandKind::Day;
    for (const BandSpan& s : base)
        if (s.fromHour <= hour && hour < s.toHour) k = s.kind;
    return k;
}

// The Moon's spans, cut at every change of the shade under them.
void MoonSpans(std::vector<BandSpan>& out, const NightDays& d, const month::Night& n, const ClockHours& hours) {
    const std::vector<BandSpan> base = out;  // Sun spans, then dark pieces over them
    HorizonRun r = RunOf(d, Horizon::Moon, n.noon, n.nextNoon);
    std::vector<std::pair<double, double>> up;
    double from = r.above ? 0 : -1;
    for (const month::Crossing* c : r.crossings) {
        const bool rise = c->direction == month::Direction::Rise;
        if (rise && from < 0) from = hours(c->mjd);
        if (!rise && from >= 0) up.push_back({from, hours(c->mjd)}), from = -1;
    }
    if (from >= 0) up.push_back({from, 24});
    std::vector<double> cuts;
    for (const BandSpan& s : base) cuts.insert(cuts.end(), {s.fromHour, s.toHour});
    std::sort(cuts.begin(), cuts.end());
    for (const auto& [a, b] : up) {
        double x = a;
        for (double c : cuts) {
            if (c <= x || c >= b) continue;
            Add(out, x, c, BandKind::Moon, n.moonFraction, Under(base, (x + c) / 2));
            x = c;
        }
        Add(out, x, b, BandKind::Moon, n.moonFraction, Under(base, (x + b) / 2));
    }
}

}  // namespace

NightBand NightBandOf(const month::Night& n, const month::Month& m, const month::Month& next) {
    NightBand band;
    const NightDays d = FindDays(n, m, next);
    if (!d.eve || !d.morn) return band;
    const ClockHours hours(d, m.place.clock);
    band.realHours = (n.nextNoon - n.noon) * 24;
    // Noon and the next noon both read 12:00: the clock moved by what the
    // night lacks of 24 hours (to the minute).
    band.clockShift = std::round((24 - band.realHours) * 60) / 60;
    SunSpans(band.spans, d, n, hours);
    for (const month::NightPiece& p : n.dark) Add(band.spans, hours(p.begin), hours(p.end), BandKind::Dark);
    MoonSpans(band.spans, d, n, hours);
    return band;
}

Color NightShades::moonOver(BandKind underKind, double fraction) const {
    const Color a = of(underKind), b = of(BandKind::Moon);
    const double f = std::clamp(fraction, 0.0, 1.0);
    auto mix = [f](Color x, Color y, int shift) {
        const double u = static_cast<double>((x >> shift) & 255), v = static_cast<double>((y >> shift) & 255);
        return static_cast<int>(std::lround(u + (v - u) * f));
    };
    return RGB(mix(a, b, 16), mix(a, b, 8), mix(a, b, 0));
}

NightShades NightPageShades(bool inkSaver) {
    NightShades s;
    if (!inkSaver) {
        // Not kDarkGrey nor kBlack: the window's night vision turns those
        // into fixed reds (the Days page's), which would put astronomical
        // twilight level with nautical and the dark above the night; every
        // other grey keeps its order there.
        s.kind = {kLightGrey, RGB(167, 167, 167), RGB(133, 133, 133), RGB(101, 101, 101), RGB(45, 45, 45), RGB(8, 8, 8),
                  kYellow};
        return s;
    }
    // Paper: little ink for the long hours, the dark the deepest grey, the
    // Moon a thinner dark band that stands out on all of them.
    s.kind = {kWhite,
              RGB(236, 236, 236),
              RGB(218, 218, 218),
              RGB(198, 198, 198),
              RGB(175, 175, 175),
              RGB(130, 130, 130),
              RGB(40, 40, 40)};
    s.moonHeight = 0.25;
    return s;
}

const char* BandWord(BandKind k) {
    static const char* const words[] = {"day", "civil", "nautical", "astronomical", "night", "dark, no Moon", "Moon"};
    return words[static_cast<std::size_t>(k)];
}

}  // namespace render
