// The precise ephemeris's daily search: sampled altitudes, crossings narrowed to under 0.1 s, grazing passes.
#include "month/precisecalc.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "astro/precise.h"
#include "astro/siderealtime.h"
#include "month/monthcalc.h"

namespace month {

namespace {

constexpr double kStepHours = 0.25;       // sampling step
constexpr double kToleranceHours = 1e-5;  // width a crossing is narrowed to (0.036 s)
constexpr double kDegree = 0.0174532925199433;
constexpr double kGrazeRadians = kDegree;  // sampled extrema closer than this to the horizon are narrowed

// The frame of one day's search: its first instant (MJD UT), its length
// in hours and its clock (a named zone's day with a switch, else hours
// after local midnight).
struct Span {
    double mjd0 = 0;
    double length = 24;
    const zone::DayClock* clock = nullptr;

    int hhmm(double t) const { return clock ? ClockMinute(*clock, t) : astro::ClockNumber(t); }
};

astro::Body bodyOf(Horizon h) { return h == Horizon::Moon ? astro::Body::Moon : astro::Body::Sun; }

// Radians of the body of horizon h above that horizon (negative below).
double aboveHorizon(Horizon h, const astro::Apparent& a) {
    switch (h) {
        case Horizon::Moon:
        case Horizon::Sun:
            return astro::AboveRiseSet(a);
        case Horizon::Twilight:
            return a.altitude + 18 * kDegree;
        case Horizon::Nautical:
            return a.altitude + 12 * kDegree;
        case Horizon::Civil:
            return a.altitude + 6 * kDegree;
    }
    return a.altitude;
}

// The altitude less the horizon, as a function of hours after the day's
// first instant.
struct Altitude {
    const astro::PreciseSky& sky;
    const astro::Site& site;
    double mjd0;
    Horizon horizon;

    double operator()(double t) const { return aboveHorizon(horizon, sky.At(bodyOf(horizon), mjd0 + t / 24, site)); }
};

// Given a < b with f(a) = fa and f(b) = fb on either side of the horizon
// (above meaning > 0); returned: the crossing, hours, to within
// kToleranceHours (the Illinois variant of false position).
double narrowCrossing(const Altitude& f, double a, double fa, double b, double fb) {
    int kept = 0;  // +1 when a was kept last, -1 when b was
    for (int i = 0; i < 100 && b - a > kToleranceHours; ++i) {
        double c = (a * fb - b * fa) / (fb - fa);
        if (!(c > a && c < b) || i % 8 == 7) c = (a + b) / 2;  // a bisection now and then bounds the steps
        const double fc = f(c);
        if ((fc > 0) == (fb > 0)) {
            b = c, fb = fc;
            if (kept == 1) fa /= 2;
            kept = 1;
        } else {
            a = c, fa = fc;
            if (kept == -1) fb /= 2;
            kept = -1;
        }
    }
    return (a + b) / 2;
}

// Given a bracket [a, b] that holds one maximum (sign +1) or minimum (-1)
// of f; returned: its hours and value, by golden-section search to a second.
std::pair<double, double> narrowExtremum(const Altitude& f, double a, double b, double sign) {
    const double g = (std::sqrt(5.0) - 1) / 2;
    double x1 = b - g * (b - a), x2 = a + g * (b - a);
    double f1 = sign * f(x1), f2 = sign * f(x2);
    while (b - a > 1.0 / 3600) {
        if (f1 > f2) {
            b = x2, x2 = x1, f2 = f1;
            x1 = b - g * (b - a), f1 = sign * f(x1);
        } else {
            a = x1, x1 = x2, f1 = f2;
            x2 = a + g * (b - a), f2 = sign * f(x2);
        }
    }
    return f1 > f2 ? std::pair{x1, sign * f1} : std::pair{x2, sign * f2};
}

// A crossing found: hours after the first instant and its direction.
using Found = std::pair<double, Direction>;

void addCrossing(std::vector<Found>& out, const Altitude& f, double a, double fa, double b, double fb) {
    out.push_back({narrowCrossing(f, a, fa, b, fb), fa > 0 ? Direction::Set : Direction::Rise});
}

// The crossings of a sampled day: t[j], y[j] the samples, one beyond each
// end of the day; crossings outside the day are dropped later.
std::vector<Found> findCrossings(const Altitude& f, const std::vector<double>& t, const std::vector<double>& y) {
    std::vector<Found> out;
    const std::size_t n = t.size();
    for (std::size_t j = 0; j + 1 < n; ++j)
        if ((y[j] > 0) != (y[j + 1] > 0)) addCrossing(out, f, t[j], y[j], t[j + 1], y[j + 1]);
    // A grazing pass between samples on the same side: a sampled maximum
    // below the horizon or minimum above it, narrowed.
    for (std::size_t j = 1; j + 1 < n; ++j) {
        const bool side = y[j] > 0;
        if ((y[j - 1] > 0) != side || (y[j + 1] > 0) != side || std::fabs(y[j]) > kGrazeRadians) continue;
        const bool peak = y[j] > y[j - 1] && y[j] >= y[j + 1];
        const bool dip = y[j] < y[j - 1] && y[j] <= y[j + 1];
        if (!(side ? dip : peak)) continue;
        const auto [te, ye] = narrowExtremum(f, t[j - 1], t[j + 1], side ? -1.0 : 1.0);
        if ((ye > 0) == side) continue;
        addCrossing(out, f, t[j - 1], y[j - 1], te, ye);
        addCrossing(out, f, te, ye, t[j + 1], y[j + 1]);
    }
    return out;
}

// The crossings of one horizon in the day into the model's fields, the
// cells the first rise and the first set.
HorizonDay horizonDay(std::vector<Found> found, bool aboveAtStart, const Span& span) {
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) { return a.first < b.first; });
    HorizonDay h;
    h.aboveAtStart = aboveAtStart;
    bool rise = false, set = false;
    for (const auto& [t, dir] : found) {
        if (t < 0 || t >= span.length) continue;
        Crossing c;
        c.direction = dir;
        c.elapsed = t;
        c.mjd = span.mjd0 + t / 24;
        c.hhmm = span.hhmm(t);
        c.minute = static_cast<long long>(std::floor(t * 60 + 0.5));
        bool& shown = dir == Direction::Rise ? rise : set;
        c.inCell = !shown;
        shown = true;
        h.crossings.push_back(c);
    }
    return h;
}

// Every horizon of one day: both bodies sampled once, each horizon's
// crossings found from the samples of its body.
void searchDay(Day& day, const Span& span, const astro::PreciseSky& sky, const astro::Site& site) {
    const int steps = std::max(1, static_cast<int>(std::ceil(span.length / kStepHours)));
    const double dt = span.length / steps;
    std::vector<double> t;
    std::vector<astro::Apparent> moon, sun;
    for (int j = -1; j <= steps + 1; ++j) {
        t.push_back(j * dt);
        moon.push_back(sky.At(astro::Body::Moon, span.mjd0 + t.back() / 24, site));
        sun.push_back(sky.At(astro::Body::Sun, span.mjd0 + t.back() / 24, site));
    }
    std::vector<double> y(t.size());
    for (std::size_t k = 0; k < kHorizons; ++k) {
        const auto h = static_cast<Horizon>(k);
        const std::vector<astro::Apparent>& samples = h == Horizon::Moon ? moon : sun;
        for (std::size_t j = 0; j < t.size(); ++j) y[j] = aboveHorizon(h, samples[j]);
        const Altitude f{sky, site, span.mjd0, h};
        day.horizons[k] = horizonDay(findCrossings(f, t, y), y[1] > 0, span);
    }
}

// The frame of day d: its date, first and last instants, clock shift and
// the span its search covers.
Span frameDay(Day& day, YearMonth ym, int d, const Place& place, const zone::MonthClocks* clocks) {
    day = DayFrame(ym.year, ym.month, d);
    const zone::DayClock* clock = clocks ? &(*clocks)[static_cast<std::size_t>(d)] : nullptr;
    if (!clock || clock->plain) {
        const double zone = (clock ? clock->offsetHours : place.clock.fixedOffsetHours()) / 24;
        day.startMjd = calendar::Mjd(ym.year, ym.month, d, 0) - zone;
        day.endMjd = calendar::Mjd(ym.year, ym.month, d + 1, 0) - zone;
        return Span{day.startMjd, 24, nullptr};
    }
    day.startMjd = clock->startMjd;
    day.endMjd = clock->startMjd + clock->lengthHours / 24;
    for (int i = 0; i < clock->switches; ++i) day.clockShift += clock->shiftHours[static_cast<std::size_t>(i)];
    day.exists = clock->Exists();
    return Span{day.startMjd, clock->lengthHours, clock};
}

}  // namespace

std::array<Day, 32> PreciseDays(YearMonth ym, const Place& place, const zone::MonthClocks* clocks) {
    std::array<Day, 32> days{};
    std::array<Span, 32> spans{};
    for (int d = 1; d <= 31; ++d) {
        const auto i = static_cast<std::size_t>(d);
        spans[i] = frameDay(days[i], ym, d, place, clocks);
    }
    double first = days[1].startMjd, last = days[1].endMjd;
    for (int d = 2; d <= 31; ++d) {
        first = std::min(first, days[static_cast<std::size_t>(d)].startMjd);
        last = std::max(last, days[static_cast<std::size_t>(d)].endMjd);
    }
    // One sample step beyond either end of the month's days.
    const astro::PreciseSky sky(first - 0.05, last + 0.05);
    const astro::Site site = astro::SiteOnEllipsoid(place.longitude, place.latitude);
    for (int d = 1; d <= 31; ++d) {
        const auto i = static_cast<std::size_t>(d);
        if (days[i].exists) searchDay(days[i], spans[i], sky, site);
    }
    return days;
}

}  // namespace month
