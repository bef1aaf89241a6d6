#include "month/monthcalc.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "astro/altitude.h"
#include "astro/calendar.h"
#include "settings/settingsfile.h"
#include "text/valuerule.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define ALMUCAN_CLEAR_AVX_UPPER 1
#endif

namespace month {

namespace {

std::string twoDigits(int v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d", v);
    return buf;
}

// An hhmm number (a whole number 0..2400) as four digits with leading zeros.
std::string fourDigits(double hhmm) {
    if (!std::isfinite(hhmm) || hhmm < -999 || hhmm > 9999) return "----";
    int v = static_cast<int>(hhmm);
    if (v < 0) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%04d", v);
        return buf;
    }
    // Written by hand: formatting through snprintf took a twentieth of the
    // month calculation.
    std::string text(4, '0');
    for (int i = 3; i >= 0; --i, v /= 10) text[static_cast<std::size_t>(i)] = static_cast<char>('0' + v % 10);
    return text;
}

bool isLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

}  // namespace

std::optional<YearMonth> MonthTextValues(std::string_view text) {
    std::size_t n = text::charCount(text);
    auto y = text::toInt16(text::value(text::charMid(text, 0, 4)));
    auto m = text::toInt16(text::value(text::charMid(text, n >= 2 ? n - 2 : 0)));
    if (!y || !m) return std::nullopt;
    return YearMonth{*y, *m};
}

std::optional<YearMonth> CheckMonthText(std::string_view text) {
    bool error = false;
    if (text::charCount(text) != 6) error = true;
    auto y = text::toInt16(text::value(text::charMid(text, 0, 4)));
    if (!y || *y < 1900 || *y > 2100) error = true;
    auto m = text::toInt16(text::value(text::charMid(text, 4, 2)));
    if (!m || *m < 1 || *m > 12) error = true;
    if (error) return std::nullopt;
    return YearMonth{*y, *m};
}

Location LocationOf(const settings::Settings& s) {
    return {s.longitude, s.latitude, s.timeZone, settings::ZoneInForce(s)};
}

std::optional<YearMonth> AcceptMonthText(std::string_view text, report::Reporter& reporter) {
    auto ym = CheckMonthText(text);
    if (!ym) {
        reporter.beep();
        reporter.error("Input error.");
    }
    return ym;
}

int DaysInMonth(int year, int month) {
    static const int len[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    if (month == 2 && isLeap(year)) return 29;
    return len[month - 1];
}

const std::array<std::string, 10>& Headings() {
    static const std::array<std::string, 10> h = {"Day", "Moon", "", "Sun", "",
                                                  "Ast.Twilight", "", "D.a.n.M.", "", "Phase"};
    return h;
}

const std::array<std::string, 10>& SubHeadings() {
    static const std::array<std::string, 10> h = {"", "Rise", "Set", "Rise", "Set",
                                                  "Beg.", "End", "Beg.", "End", ""};
    return h;
}

void FillDayColumn(MonthTab& tab, int year, int month) {
    static const char letters[] = "SMTWTFS";
    int days = DaysInMonth(year, month);
    for (int d = 1; d <= 31; ++d) {
        if (d > days) continue;
        // MJD 0 (1858-11-17) was a Wednesday: (MJD + 3) mod 7 = 0 on Sundays.
        long long m = static_cast<long long>(astro::mjd(year, month, d, 0));
        int wd = static_cast<int>(((m + 3) % 7 + 7) % 7);
        tab[static_cast<std::size_t>(d)][0] = twoDigits(d) + " " + letters[wd];
    }
}

namespace {

// Result of one horizon search over a local day: the first rise and set
// found (hhmm numbers) and whether the object was above the horizon at 0 h.
struct Crossings {
    double rise = 0, set = 0;  // hhmm numbers, valid where the flag is set
    bool riseFlag = false, setFlag = false;
    bool aboveAtMidnight = false;
};

// The hours of one day's search: `windows` parabolas two hours wide cover
// 0 .. 2 windows hours after the day's first instant; crossings later than
// `length` hours belong to the next day.  `clock` turns hours after the
// first instant into local clock hours.
template <class Clock>
struct DaySpan {
    int windows = 12;
    double length = 24;
    Clock clock;
};

// Searches f(h), the sine of the altitude less the horizon's sine at whole
// hour h after the day's first instant, for its zero crossings: parabolas
// through three samples two hours wide, centred on the odd hours 1, 3, ..,
// stopping once a rise and a set are known.  A later crossing of the same
// kind found before that replaces an earlier one.  On a day of 24 hours no
// crossing is past the end and the clock is the identity.
template <class F, class Clock>
Crossings SearchHorizon(F f, const DaySpan<Clock>& span) {
    Crossings c;
    double rise = 0, set = 0;
    int hour = 1;
    const int end = 2 * span.windows + 1;
    double ym = f(hour - 1);
    c.aboveAtMidnight = ym > 0;
    auto take = [&](double t, double& to, bool& flag) {
        if (t > span.length) return;
        to = t;
        flag = true;
    };
    do {
        double y0 = f(hour);
        double yp = f(hour + 1);
        double xe = 0, ye = 0, z1 = 0, z2 = 0;
        int nz = 0;
        astro::quad(ym, y0, yp, xe, ye, z1, z2, nz);
        if (nz == 1) {
            if (ym < 0)
                take(hour + z1, rise, c.riseFlag);
            else
                take(hour + z1, set, c.setFlag);
        } else if (nz == 2) {
            if (ye < 0) {
                take(hour + z2, rise, c.riseFlag);
                take(hour + z1, set, c.setFlag);
            } else {
                take(hour + z1, rise, c.riseFlag);
                take(hour + z2, set, c.setFlag);
            }
        }
        ym = yp;
        hour = hour + 2;
    } while (!(hour == end || (c.riseFlag && c.setFlag)));
    c.rise = astro::hm(span.clock(rise));
    c.set = astro::hm(span.clock(set));
    return c;
}

// The longest day searched: 48 hours, a clock put back by a whole day
// (Kwajalein's day of 47 hours on 30 September 1969, from +11 to -12).
constexpr int kMaxWindows = 24;

// The day search of row d from mjd0, the MJD (UT) of the day's first
// instant; see DailyEvents.
template <class Clock>
MidnightState searchDay(MonthTab& tab, int d, double mjd0, double glong, double latitude,
                        const DaySpan<Clock>& span) {
    double sphi = astro::sn(latitude);
    double cphi = astro::cn(latitude);
    const double h0[4] = {0.0, HorizonSine(1), HorizonSine(2), HorizonSine(3)};
    static const char* const markAbove[4] = {"", "a.h.", "a.h.", "a.b."};
    static const char* const markBelow[4] = {"", "b.h.", "b.h.", "a.d."};
    auto& row = tab[static_cast<std::size_t>(d)];

    // The Sun is searched twice, at -50' and at -18 degrees, at the same
    // whole hours of the day: each of its altitude samples is computed
    // once and kept for the second search (the same value, bit for bit).
    std::array<double, 2 * kMaxWindows + 1> sunSample{};
    std::array<bool, 2 * kMaxWindows + 1> sunKnown{};
    MidnightState midnight;
    for (int iobj = 1; iobj <= 3; ++iobj) {
        Crossings c = SearchHorizon(
            [&](int h) {
                if (iobj == 1) return astro::sinalt(iobj, mjd0, h, glong, cphi, sphi) - h0[iobj];
                auto k = static_cast<std::size_t>(h);
                if (!sunKnown[k]) {
                    sunSample[k] = astro::sinalt(iobj, mjd0, h, glong, cphi, sphi);
                    sunKnown[k] = true;
                }
                return sunSample[k] - h0[iobj];
            },
            span);
        if (iobj == 1) midnight.moonUp = c.aboveAtMidnight;
        if (iobj == 3) midnight.dark = !c.aboveAtMidnight;

        std::size_t c1 = static_cast<std::size_t>(2 * iobj - 1);
        std::size_t c2 = static_cast<std::size_t>(2 * iobj);
        if (!c.riseFlag && !c.setFlag) {
            row[c1] = c.aboveAtMidnight ? markAbove[iobj] : markBelow[iobj];
        } else {
            row[c1] = c.riseFlag ? fourDigits(c.rise) : "----";
            row[c2] = c.setFlag ? fourDigits(c.set) : "----";
        }
    }
    return midnight;
}

}  // namespace

double HorizonSine(int iobj) {
    static const double h0[4] = {0.0, astro::sn(static_cast<double>(8.0f / 60.0f)),
                                 astro::sn(static_cast<double>(-50.0f / 60.0f)), astro::sn(-18.0)};
    return iobj >= 1 && iobj <= 3 ? h0[iobj] : 0.0;
}

MidnightState DailyEvents(MonthTab& tab, int year, int month, int d, double zone, double glong,
                          double latitude) {
    double mjd0 = astro::mjd(year, month, d, 0) - zone;
    auto identity = [](double t) { return t; };
    return searchDay(tab, d, mjd0, glong, latitude, DaySpan<decltype(identity)>{12, 24, identity});
}

MidnightState DailyEventsOnClock(MonthTab& tab, int year, int month, int d,
                                 const zone::DayClock& clock, double glong, double latitude) {
    if (clock.plain)
        return DailyEvents(tab, year, month, d, clock.offsetHours / 24, glong, latitude);
    if (!clock.Exists()) {
        // A day the zone skipped: no event and no day mark.  The 0 h
        // states are those of the instant it would have begun.
        for (std::size_t c = 1; c <= 6; ++c) tab[static_cast<std::size_t>(d)][c] = "----";
        auto above = [&](int iobj) {
            return astro::sinalt(iobj, clock.startMjd, 0, glong, astro::cn(latitude), astro::sn(latitude)) >
                   HorizonSine(iobj);
        };
        return {above(1), !above(3)};
    }
    // A day with a switch: from its first instant to the next day's, 23 or
    // 25 hours (or what the zone's switch makes of it), each crossing's
    // instant read on the clock in force at that instant.
    auto onClock = [&clock](double t) { return clock.ClockAt(t); };
    int windows = static_cast<int>(std::ceil(clock.lengthHours / 2));
    windows = std::clamp(windows, 1, kMaxWindows);
    return searchDay(tab, d, clock.startMjd, glong, latitude,
                     DaySpan<decltype(onClock)>{windows, clock.lengthHours, onClock});
}

std::vector<std::string> EventKeys(const MonthTab& tab) {
    std::vector<std::string> keys;
    keys.reserve(124);
    for (int d = 1; d <= 31; ++d) {
        const auto& row = tab[static_cast<std::size_t>(d)];
        std::string dd = twoDigits(d);
        keys.push_back(dd + row[1] + "mr");
        keys.push_back(dd + row[2] + "ms");
        keys.push_back(dd + row[5] + "de");
        keys.push_back(dd + row[6] + "db");
    }
    return keys;
}

void SortKeys(std::vector<std::string>& keys) {
    // std::string compares char by char as unsigned values, a shorter text
    // that begins a longer one first: the ordinal order.
    std::sort(keys.begin(), keys.end());
}

std::string ClipboardText(const std::vector<std::string>& keys) {
    std::string out;
    out.reserve(keys.size() * 10);
    for (const auto& k : keys) {
        out += k;
        out += "\r\n";
    }
    return out;
}

void DarkNoMoon(MonthTab& tab, const std::vector<std::string>& keys,
                const MidnightStates& midnight) {
    bool moonDown = false, dark = false, open = false;
    // Writes a begin (column 7) or an end (column 8) into row d when the
    // dark-and-no-Moon condition has just changed.
    auto update = [&](std::size_t d, const std::string& hhmm) {
        bool both = moonDown && dark;
        if (both && !open) {
            tab[d][7] = hhmm;
            open = true;
        } else if (open && !both) {
            tab[d][8] = hhmm;
            open = false;
        }
    };
    // The keys are sorted, so each day's keys form one run starting with
    // its two-digit day number.
    auto next = keys.begin();
    for (std::size_t d = 1; d <= 31; ++d) {
        moonDown = !midnight[d].moonUp;
        dark = midnight[d].dark;
        update(d, "0000");
        const std::string dd = twoDigits(static_cast<int>(d));
        while (next != keys.end() && next->compare(0, 2, dd) < 0) ++next;
        for (; next != keys.end() && next->compare(0, 2, dd) == 0; ++next) {
            const std::string& key = *next;
            // Only timed events move the states: "ddhhmmkk".  Day marks,
            // "----" and the empty cell of a marked object say nothing
            // about a change during the day.
            if (key.size() != 8 || !std::all_of(key.begin() + 2, key.begin() + 6,
                                                 [](char c) { return c >= '0' && c <= '9'; }))
                continue;
            std::string_view kind = std::string_view(key).substr(6);
            if (kind == "ms")
                moonDown = true;
            else if (kind == "mr")
                moonDown = false;
            else if (kind == "db")
                dark = true;
            else if (kind == "de")
                dark = false;
            else
                continue;
            update(d, key.substr(2, 4));
        }
    }
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

std::optional<MonthResult> CalculateMonth(std::string_view monthText, bool summerTime,
                                          const Location& loc, report::Reporter& reporter) {
    clearVectorUpperState();
    auto ym = AcceptMonthText(monthText, reporter);
    if (!ym) return std::nullopt;
    MonthResult r;
    r.ym = *ym;
    double glong = -loc.longitude;
    double latitude = loc.latitude;
    double zone = loc.timeZone;
    r.tab[0] = Headings();
    FillDayColumn(r.tab, ym->year, ym->month);
    if (summerTime) zone = zone + 1;
    zone = zone / 24;
    // A named zone's offsets are looked up once for the whole month.
    const std::optional<zone::MonthClocks> clocks =
        loc.zoneName.empty() ? std::nullopt : zone::ClocksOfMonth(loc.zoneName, ym->year, ym->month);
    for (int d = 1; d <= 31; ++d) {
        const auto i = static_cast<std::size_t>(d);
        r.midnight[i] = clocks ? DailyEventsOnClock(r.tab, ym->year, ym->month, d, (*clocks)[i], glong, latitude)
                               : DailyEvents(r.tab, ym->year, ym->month, d, zone, glong, latitude);
    }
    r.keys = EventKeys(r.tab);
    SortKeys(r.keys);
    r.clipboard = ClipboardText(r.keys);
    DarkNoMoon(r.tab, r.keys, r.midnight);
    r.dayRows = DaysInMonth(ym->year, ym->month);
    return r;
}

std::string TsvText(const MonthResult& r) {
    std::string out;
    for (int row = 0; row <= r.dayRows; ++row) {
        const auto& cells = r.tab[static_cast<std::size_t>(row)];
        for (std::size_t c = 0; c < cells.size(); ++c) {
            if (c) out += '\t';
            out += cells[c];
        }
        out += '\n';
    }
    return out;
}

}  // namespace month
