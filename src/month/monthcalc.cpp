// The month calculation: the daily horizon search and the D.a.n.M. intervals.
#include "month/monthcalc.h"

#include <algorithm>
#include <cmath>

#include "astro/altitude.h"
#include "astro/angles.h"
#include "astro/siderealtime.h"
#include "month/precisecalc.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define ALMUCAN_CLEAR_AVX_UPPER 1
#endif

namespace month {

std::optional<YearMonth> AcceptMonthText(std::string_view text, report::Reporter& reporter) {
    auto ym = calendar::CheckMonthText(text);
    if (!ym) {
        reporter.beep();
        reporter.error("Input error.");
    }
    return ym;
}

namespace {

// The hours of one day's search: `windows` parabolas two hours wide cover
// 0 .. 2 windows hours after the day's first instant; crossings later than
// `length` hours belong to the next day.  `clock` turns hours after the
// first instant into the local clock time rounded to the minute (hhmm).
template <class Clock>
struct DaySpan {
    int windows = 12;
    double length = 24;
    Clock clock;
};

// Searches f(h), the sine of the altitude less the horizon's sine at whole
// hour h after the day's first instant (MJD mjd0), for its zero crossings:
// parabolas through three samples two hours wide, centred on the odd hours
// 1, 3, .., over the whole day.  The cells keep what a search that stops
// once a rise and a set are known would keep: the last rise and the last
// set found up to the window where both first are known.
template <class F, class Clock>
HorizonDay SearchHorizon(F f, double mjd0, const DaySpan<Clock>& span) {
    HorizonDay b;
    double ym = f(0);
    b.aboveAtStart = ym > 0;
    int cellRise = -1, cellSet = -1;
    bool cellsDone = false;
    auto take = [&](double t, Direction dir) {
        if (t > span.length) return;
        Crossing c;
        c.direction = dir;
        c.elapsed = t;
        c.mjd = mjd0 + t / 24;
        c.hhmm = span.clock(t);
        c.minute = static_cast<long long>(std::floor(t * 60 + 0.5));
        if (!cellsDone) (dir == Direction::Rise ? cellRise : cellSet) = static_cast<int>(b.crossings.size());
        b.crossings.push_back(c);
    };
    for (int w = 0, hour = 1; w < span.windows; ++w, hour += 2) {
        double y0 = f(hour);
        double yp = f(hour + 1);
        const astro::Parabola fit = astro::FitParabola(ym, y0, yp);
        const double ye = fit.extremumY, z1 = fit.root1, z2 = fit.root2;
        const int nz = fit.rootsInside;
        if (nz == 1) {
            take(hour + z1, ym < 0 ? Direction::Rise : Direction::Set);
        } else if (nz == 2) {
            // z1 is the earlier root: a set then a rise when the parabola's
            // extremum is below the horizon.
            take(hour + z1, ye < 0 ? Direction::Set : Direction::Rise);
            take(hour + z2, ye < 0 ? Direction::Rise : Direction::Set);
        }
        ym = yp;
        if (cellRise >= 0 && cellSet >= 0) cellsDone = true;
    }
    if (cellRise >= 0) b.crossings[static_cast<std::size_t>(cellRise)].inCell = true;
    if (cellSet >= 0) b.crossings[static_cast<std::size_t>(cellSet)].inCell = true;
    return b;
}

// The altitude samples of the last hour of the day searched before, and
// the instant (MJD UT) they were taken at.
struct SampleCarry {
    bool valid = false;
    double mjd = 0;
    double moon = 0, sun = 0;
};

// The longest day searched: 25 hours for a clock put back by one hour, 47
// for a zone that moved across the date line backwards (+11 to -12).
constexpr int kMaxWindows = 25;

// The search of the three horizons of one day from mjd0, the MJD (UT) of
// the day's first instant.
template <class Clock>
void searchBodies(Day& day, double mjd0, double longitudeEast, double latitude, const DaySpan<Clock>& span,
                  SampleCarry& carry) {
    const astro::Observer observer{longitudeEast, astro::CosDeg(latitude), astro::SinDeg(latitude)};
    const double h0[6] = {0.0, HorizonSine(1), HorizonSine(2), HorizonSine(3), HorizonSine(4), HorizonSine(5)};
    // Every whole hour of the day is sampled once per body; the Sun's
    // samples serve both its horizons (-50' and -18 degrees).  The instant
    // of hour 0 is, bit for bit, that of the last hour of the day before
    // on most days: its samples are taken over.
    std::array<double, 2 * kMaxWindows + 1> moonSample{}, sunSample{};
    const int last = 2 * span.windows;
    int first = 0;
    if (carry.valid && carry.mjd == mjd0) {
        moonSample[0] = carry.moon;
        sunSample[0] = carry.sun;
        first = 1;
    }
    for (int h = first; h <= last; ++h) {
        moonSample[static_cast<std::size_t>(h)] = astro::SineAltitude(astro::Body::Moon, mjd0, h, observer);
        sunSample[static_cast<std::size_t>(h)] = astro::SineAltitude(astro::Body::Sun, mjd0, h, observer);
    }
    // The instant SineAltitude forms for the last hour: mjd0 + hour / 24.
    carry = {true, mjd0 + static_cast<double>(last) / 24, moonSample[static_cast<std::size_t>(last)],
             sunSample[static_cast<std::size_t>(last)]};
    day.horizons[0] = SearchHorizon([&](int h) { return moonSample[static_cast<std::size_t>(h)] - h0[1]; }, mjd0, span);
    for (int iobj = 2; iobj <= 5; ++iobj)
        day.horizons[static_cast<std::size_t>(iobj - 1)] =
            SearchHorizon([&](int h) { return sunSample[static_cast<std::size_t>(h)] - h0[iobj]; }, mjd0, span);
}

}  // namespace

Day DayFrame(int year, int month, int d) {
    Day day;
    day.number = d;
    int len = calendar::DaysInMonth(year, month);
    if (d > len) {
        day.date = calendar::ShiftedMonth({year, month}, 1);
        day.dayOfMonth = d - len;
    } else {
        day.date = {year, month};
        day.dayOfMonth = d;
    }
    return day;
}

double HorizonSine(int iobj) {
    static const double h0[6] = {0.0,
                                 astro::SinDeg(static_cast<double>(8.0f / 60.0f)),
                                 astro::SinDeg(static_cast<double>(-50.0f / 60.0f)),
                                 astro::SinDeg(-18.0),
                                 astro::SinDeg(-12.0),
                                 astro::SinDeg(-6.0)};
    return iobj >= 1 && iobj <= 5 ? h0[iobj] : 0.0;
}

namespace {

Day searchDay(int year, int month, int d, double zone, double longitudeEast, double latitude, SampleCarry& carry) {
    Day day = DayFrame(year, month, d);
    double mjd0 = calendar::Mjd(year, month, d, 0) - zone;
    day.startMjd = mjd0;
    day.endMjd = calendar::Mjd(year, month, d + 1, 0) - zone;
    auto identity = [](double t) { return astro::ClockNumber(t); };
    searchBodies(day, mjd0, longitudeEast, latitude, DaySpan<decltype(identity)>{12, 24, identity}, carry);
    return day;
}

Day searchDayOnClock(int year, int month, int d, const zone::DayClock& clock, double longitudeEast, double latitude,
                     SampleCarry& carry) {
    if (clock.plain) return searchDay(year, month, d, clock.offsetHours / 24, longitudeEast, latitude, carry);
    Day day = DayFrame(year, month, d);
    day.startMjd = clock.startMjd;
    day.endMjd = clock.startMjd + clock.lengthHours / 24;
    for (int i = 0; i < clock.switches; ++i) day.clockShift += clock.shiftHours[static_cast<std::size_t>(i)];
    if (!clock.Exists()) {
        // The zone's clock jumped over this whole date.
        day.exists = false;
        return day;
    }
    // A day with a switch: from its first instant to the next day's, 23 or
    // 25 hours (or what the zone's switch makes of it), each crossing's
    // instant read on the clock in force at that instant.
    auto onClock = [&clock](double t) { return ClockMinute(clock, t); };
    int windows = static_cast<int>(std::ceil(clock.lengthHours / 2));
    windows = std::clamp(windows, 1, kMaxWindows);
    searchBodies(day, clock.startMjd, longitudeEast, latitude,
                 DaySpan<decltype(onClock)>{windows, clock.lengthHours, onClock}, carry);
    return day;
}

}  // namespace

Day SearchDay(int year, int month, int d, double zone, double longitudeEast, double latitude) {
    SampleCarry none;
    return searchDay(year, month, d, zone, longitudeEast, latitude, none);
}

int ClockMinute(const zone::DayClock& clock, double elapsed) {
    // A time that rounds onto or past a switch would show a minute of the
    // other clock (01:59:54 before a clock put back at 02:00 would read
    // 0200, which that day shows only an hour later): it is shown as the
    // last minute before the switch.
    const double rounded = std::floor(elapsed * 60 + 0.5) / 60;
    for (int i = 0; i < clock.switches; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const double s = clock.switchAt[k];
        if (elapsed < s && rounded >= s) {
            const double before = clock.ClockAt(s) - clock.shiftHours[k];  // the old clock at the switch
            const double last = std::ceil(before * 60 - 1e-9) - 1;         // its last whole minute
            return static_cast<int>(std::floor(last / 60) * 100 + std::fmod(last, 60));
        }
    }
    return astro::ClockNumber(clock.ClockAt(elapsed));
}

namespace {

struct Step {
    const Crossing* c;
    bool moon;
};

// The scan of the D.a.n.M. condition over the days of a month: whether an
// interval is open, the one being built, and the day's crossings in the
// order they are applied (kept to be refilled day after day).
struct DarkScan {
    std::vector<Interval> out;
    bool open = false;
    Interval cur;
    std::vector<Step> steps;
};

// Where the condition last changed inside a step: the instant (MJD UT),
// its clock time, and whether it was the day's 0 h states rather than a
// crossing.
struct Change {
    double mjd = 0;
    int hhmm = 0;
    bool atStart = false;
};

// The Moon's and the -18 degree crossings of a day in the order the scan
// applies them: by rounded minute, within a minute by instant.
void orderCrossings(const Day& day, std::vector<Step>& steps) {
    steps.clear();
    for (const Crossing& c : day.horizon(Horizon::Twilight).crossings) steps.push_back({&c, false});
    for (const Crossing& c : day.horizon(Horizon::Moon).crossings) steps.push_back({&c, true});
    std::sort(steps.begin(), steps.end(), [](const Step& a, const Step& b) {
        return a.c->minute != b.c->minute ? a.c->minute < b.c->minute : a.c->mjd < b.c->mjd;
    });
}

// One day of the scan.  The crossings are taken a rounded minute at a
// time; the day's first step is its 0 h states with the crossings of
// minute 0.  A step writes a begin (an end) only when the condition after
// it is open (closed) and was closed (open) before it, so no interval is
// empty; the instant is that of the step's last change that opened
// (closed) it.
void scanDay(DarkScan& scan, const Day& day, int d, bool firstDay) {
    orderCrossings(day, scan.steps);
    const std::vector<Step>& steps = scan.steps;
    bool moonDown = !day.moonUpAtStart();
    bool dark = day.darkAtStart();
    bool both = moonDown && dark;
    Change opened, closed;
    (both ? opened : closed) = Change{day.startMjd, 0, true};
    bool before = scan.open;
    long long minute = 0;
    std::size_t i = 0;
    for (;;) {
        for (; i < steps.size() && steps[i].c->minute <= minute; ++i) {
            const Crossing& c = *steps[i].c;
            (steps[i].moon ? moonDown : dark) = c.direction == Direction::Set;
            const bool now = moonDown && dark;
            if (now != both) (now ? opened : closed) = Change{c.mjd, c.hhmm, false};
            both = now;
        }
        if (both && !before) {
            scan.cur = Interval{};
            scan.cur.begin = opened.mjd;
            scan.cur.beginDay = d;
            scan.cur.beginHhmm = opened.hhmm;
            scan.cur.openAtStart = firstDay && opened.atStart;
            scan.open = true;
        } else if (!both && before) {
            scan.cur.end = closed.mjd;
            scan.cur.endDay = d;
            scan.cur.endHhmm = closed.hhmm;
            scan.out.push_back(scan.cur);
            scan.open = false;
        }
        if (i == steps.size()) break;
        before = scan.open;
        minute = steps[i].c->minute;
    }
}

}  // namespace

std::vector<Interval> DarkNoMoon(const std::array<Day, 32>& days, int lastDay) {
    DarkScan scan;
    bool firstDay = true;  // the month's first day that exists
    for (int d = 1; d <= lastDay; ++d) {
        const Day& day = days[static_cast<std::size_t>(d)];
        if (!day.exists) continue;
        scanDay(scan, day, d, firstDay);
        firstDay = false;
    }
    if (scan.open) {
        scan.cur.openAtEnd = true;
        scan.cur.end = days[static_cast<std::size_t>(lastDay)].endMjd;
        scan.out.push_back(scan.cur);
    }
    return scan.out;
}

namespace {

#ifdef ALMUCAN_CLEAR_AVX_UPPER
__attribute__((target("avx"))) void zeroUpper() { _mm256_zeroupper(); }
#endif

// Code that ran before (Qt's start-up in the window and the image outputs)
// can leave the upper halves of the AVX registers in use; every SSE
// instruction of the calculation then waits on them, which made a month
// twelve times slower (4.2 ms instead of 0.35 ms).  Clearing them costs a
// few cycles and changes no result.
void clearVectorUpperState() {
#ifdef ALMUCAN_CLEAR_AVX_UPPER
    static const bool avx = __builtin_cpu_supports("avx");
    if (avx) zeroUpper();
#endif
}

}  // namespace

Month CalculateMonth(YearMonth ym, const Place& place, Ephemeris ephemeris) {
    clearVectorUpperState();
    Month r;
    r.ym = ym;
    r.place = place;
    r.dayRows = calendar::DaysInMonth(ym.year, ym.month);
    r.ephemeris = ephemeris;
    const double longitudeEast = place.longitude;
    const double latitude = place.latitude;
    const double zone = place.clock.fixedOffsetHours() / 24;
    // A named zone's offsets are looked up once for the whole month.
    const std::optional<zone::MonthClocks> clocks =
        place.clock.named() ? zone::ClocksOfMonth(place.clock.zoneName, ym.year, ym.month) : std::nullopt;
    if (ephemeris == Ephemeris::Precise) {
        r.days = PreciseDays(ym, place, clocks ? &*clocks : nullptr);
    } else {
        SampleCarry carry;
        for (int d = 1; d <= 31; ++d) {
            const auto i = static_cast<std::size_t>(d);
            r.days[i] = clocks ? searchDayOnClock(ym.year, ym.month, d, (*clocks)[i], longitudeEast, latitude, carry)
                               : searchDay(ym.year, ym.month, d, zone, longitudeEast, latitude, carry);
        }
    }
    r.intervals = DarkNoMoon(r.days, r.dayRows);
    return r;
}

std::optional<Month> CalculateMonth(std::string_view monthText, const Place& place, report::Reporter& reporter,
                                    Ephemeris ephemeris) {
    auto ym = AcceptMonthText(monthText, reporter);
    if (!ym) return std::nullopt;
    return CalculateMonth(*ym, place, ephemeris);
}

std::string_view EphemerisName(Ephemeris ephemeris) { return ephemeris == Ephemeris::Precise ? "precise" : "standard"; }

std::string_view EphemerisCredit(Ephemeris ephemeris) {
    return ephemeris == Ephemeris::Precise
               ? "Precise ephemeris (IAU 2006/2000A, ERFA); times in local clock time, rounded to the minute"
               : "Low-precision solar and lunar theories; times in local clock time, rounded to the minute";
}

std::optional<Ephemeris> EphemerisNamed(std::string_view name) {
    if (name == "standard") return Ephemeris::Standard;
    if (name == "precise") return Ephemeris::Precise;
    return std::nullopt;
}

}  // namespace month
