// The dark-and-no-Moon intervals of months as iCalendar events.
#include "ical/darknights.h"

#include <cmath>
#include <ctime>

#include "calendar/calendar.h"
#include "astro/sunmoon.h"
#include "fileio/filewrite.h"
#include "month/format.h"
#include "text/numbers.h"
#include "text/strings.h"

namespace ical {

namespace {

using calendar::kMjdOf1970;
// Months an interval is followed into before it is given up (the longest
// dark and moonless stretch, in the polar night, lasts about two weeks).
constexpr int kMaxFollowMonths = 3;

// Days from 1970-01-01 to a day's calendar date.
long long localDay(const month::Day& day) {
    return calendar::DaysSince1970(day.date.year, day.date.month, day.dayOfMonth);
}

// A table clock time of a day as minutes since 1970 on the local clock.
long long localMinutes(const month::Day& day, int hhmm) {
    return localDay(day) * 1440 + (hhmm / 100) * 60 + hhmm % 100;
}

// Seconds since 1970 of an instant, rounded to the minute as the table's
// clock times are.
UnixTime utcSeconds(double mjdUt) { return static_cast<UnixTime>(std::floor((mjdUt - kMjdOf1970) * 1440 + 0.5)) * 60; }

// "UTC+2", "UTC-3:30".
std::string signedZone(long long minutes) {
    const long long a = minutes < 0 ? -minutes : minutes;
    return std::string("UTC") + (minutes < 0 ? '-' : '+') + std::to_string(a / 60) +
           (a % 60 ? ":" + text::padded(a % 60, 2) : "");
}

// "Sat 1 Jun 2024" of a local day count from 1970-01-01.
std::string dayText(long long days) {
    const calendar::Date d = calendar::DateOfDays(days);
    return text::dayText(d.year, d.month, d.day, d.weekday);
}

std::string clockText(long long localMinutes) {
    long long days = localMinutes >= 0 ? localMinutes / 1440 : -((-localMinutes + 1439) / 1440);
    const long long m = localMinutes - days * 1440;
    return dayText(days) + " " + text::padded(m / 60, 2) + ":" + text::padded(m % 60, 2);
}

std::string crossingClock(const month::Crossing* c) {
    if (!c) return "none";
    return month::ClockText(c->hhmm);
}

// One body's day in words: its day mark, or the two events its cells show.
struct BodyWords {
    const char* upText;
    const char* downText;
    const char* first;   // "twilight begins", "Moon rises"
    const char* second;  // "ends", "sets"
};

std::string bodyWords(const month::HorizonDay& b, const BodyWords& w) {
    switch (b.mark()) {
        case month::DayMark::Above:
            return w.upText;
        case month::DayMark::Below:
            return w.downText;
        case month::DayMark::None:
            break;
    }
    return std::string(w.first) + " " + crossingClock(b.cellRise()) + ", " + w.second + " " +
           crossingClock(b.cellSet());
}

// A day in words: the crossings of the darkness horizon and the Moon's.
std::string nightLine(const month::Day& day, month::Horizon darkness) {
    static const BodyWords astronomical{"never astronomically dark", "astronomically dark all day", "twilight begins",
                                        "ends"};
    static const BodyWords nautical{"never nautically dark", "nautically dark all day", "nautical twilight begins",
                                    "ends"};
    static const BodyWords civil{"never dark (civil)", "dark (civil) all day", "civil twilight begins", "ends"};
    static const BodyWords moon{"Moon above the horizon all day", "Moon below the horizon all day", "Moon rises",
                                "sets"};
    const BodyWords& sun = darkness == month::Horizon::Nautical ? nautical
                           : darkness == month::Horizon::Civil  ? civil
                                                                : astronomical;
    return dayText(localDay(day)) + ": " + bodyWords(day.horizon(darkness), sun) + "; " +
           bodyWords(day.horizon(month::Horizon::Moon), moon);
}

void addNights(DarkInterval& out, const month::Month& m, int from, int to) {
    for (int d = from; d <= to; ++d)
        if (m.day(d).exists) out.nights.push_back(nightLine(m.day(d), month::Horizon::Twilight));
}

// A clock time of day number d of m in local minutes since 1970.  "2400"
// is the first instant of the next day that exists: after a date the zone
// skipped, that is not the skipped date's 00:00, which never was.
long long localMinutesOf(const month::Month& m, int d, int hhmm) {
    if (hhmm == 2400)
        for (int next = d + 1; next <= 31; ++next)
            if (m.day(next).exists) return localMinutes(m.day(next), 0);
    return localMinutes(m.day(d), hhmm);
}

// "Tromsø, 69.6489° N, 18.9551° E": the place's name, when it has one, and
// its coordinates to 4 decimals (about 10 m), as the UID has them.
// A coordinate that rounds to 0 is north or east.
std::string placeText(const month::Place& p) {
    auto coordinate = [](double v, char positive, char negative) {
        const std::string digits = text::fixed(std::fabs(v), 4);
        return digits + "\xC2\xB0 " + (v < 0 && digits != text::fixed(0, 4) ? negative : positive);
    };
    return (p.name.empty() ? "" : p.name + ", ") + coordinate(p.latitude, 'N', 'S') + ", " +
           coordinate(p.longitude, 'E', 'W');
}

// Whole days of a count of local minutes since 1970, rounded down.
long long floorDays(long long minutes) { return minutes >= 0 ? minutes / 1440 : -((-minutes + 1439) / 1440); }

// An instant on the local clock in force then, in minutes since 1970,
// rounded to the minute as the table's clock times are.
long long localMinutesAt(const month::Clock& clock, double mjdUt) {
    return static_cast<long long>(std::floor((mjdUt + clock.offsetAt(mjdUt) / 24 - kMjdOf1970) * 1440 + 0.5));
}

// The days of a rule's interval in words, its begin's to its end's.
void addRuleNights(DarkInterval& out, const month::Month& r, month::Months& following, month::Horizon darkness) {
    for (long long d = floorDays(out.localBegin); d <= floorDays(out.localEnd); ++d) {
        const calendar::Date date = calendar::DateOfDays(d);
        const month::YearMonth ym{date.year, date.month};
        const month::Month& m = ym.year == r.ym.year && ym.month == r.ym.month ? r : following.at(ym);
        if (m.day(date.day).exists) out.nights.push_back(nightLine(m.day(date.day), darkness));
    }
}

// The intervals of a non-standard rule that begin in the nights of `r`,
// each followed to its end through the nights of the months after.
std::vector<DarkInterval> ruleIntervals(const month::Month& r, month::Months& following, const month::DarkRule& rule) {
    auto intervalsOf = [&](int k) {
        const month::YearMonth ym = calendar::ShiftedMonth(r.ym, k);
        const month::Month& m = k == 0 ? r : following.at(ym);
        return NightIntervals(month::Nights(m, following.at(calendar::ShiftedMonth(ym, 1)), rule), r.place.clock);
    };
    std::vector<DarkInterval> out;
    for (DarkInterval& di : intervalsOf(0)) {
        // Running at the first night's noon: the month before holds it.
        if (di.openAtStart) continue;
        for (int k = 1; k <= kMaxFollowMonths && di.openAtEnd; ++k) {
            const std::vector<DarkInterval> more = intervalsOf(k);
            if (more.empty() || more.front().begin != di.end) break;
            di.end = more.front().end;
            di.localEnd = more.front().localEnd;
            di.openAtEnd = more.front().openAtEnd;
        }
        addRuleNights(di, r, following, rule.darkness);
        out.push_back(std::move(di));
    }
    return out;
}

}  // namespace

const char* DarknessName(month::Horizon darkness) {
    return darkness == month::Horizon::Nautical ? "nautical"
           : darkness == month::Horizon::Civil  ? "civil"
                                                : "astronomical";
}

std::vector<DarkInterval> NightIntervals(const std::vector<month::Night>& nights, const month::Clock& clock) {
    std::vector<DarkInterval> out;
    for (const month::Night& n : nights)
        for (const month::NightPiece& p : n.dark) {
            if (!out.empty() && out.back().end == p.begin) {
                out.back().end = p.end;
                continue;
            }
            DarkInterval d;
            d.begin = p.begin;
            d.end = p.end;
            d.openAtStart = p.begin == nights.front().noon;
            out.push_back(std::move(d));
        }
    for (DarkInterval& d : out) {
        d.localBegin = localMinutesAt(clock, d.begin);
        d.localEnd = localMinutesAt(clock, d.end);
        d.openAtEnd = d.end == nights.back().nextNoon;
    }
    return out;
}

std::string DarkSummary(const month::DarkRule& rule) {
    if (rule.standard()) return "Dark, no Moon";
    return std::string("Dark (") + DarknessName(rule.darkness) + "), " +
           (rule.moonMaxPercent > 0 ? "Moon at most " + text::BoxNumberText(rule.moonMaxPercent) + "%" : "no Moon");
}

std::vector<DarkInterval> DarkIntervals(const month::Month& r, month::Months& following, const month::DarkRule& rule) {
    if (!rule.standard()) return ruleIntervals(r, following, rule);
    std::vector<DarkInterval> out;
    for (const month::Interval& iv : r.intervals) {
        // Running at the month's first instant: the month before holds it.
        if (iv.openAtStart) continue;
        DarkInterval di;
        di.begin = iv.begin;
        di.localBegin = localMinutesOf(r, iv.beginDay, iv.beginHhmm);
        di.end = iv.end;
        if (!iv.openAtEnd) {
            di.localEnd = localMinutesOf(r, iv.endDay, iv.endHhmm);
            addNights(di, r, iv.beginDay, iv.endDay);
            out.push_back(std::move(di));
            continue;
        }
        // Still open at the month's end: carried on through the months after.
        addNights(di, r, iv.beginDay, r.dayRows);
        di.localEnd = localMinutesOf(r, r.dayRows, 2400);
        month::Interval whole = iv;
        for (int k = 1; k <= kMaxFollowMonths && whole.openAtEnd; ++k) {
            const month::Month& next = following.at(calendar::ShiftedMonth(r.ym, k));
            if (!month::JoinContinuation(whole, next)) break;
            di.end = whole.end;
            const int lastDay = whole.openAtEnd ? next.dayRows : whole.endDay;
            di.localEnd = localMinutesOf(next, lastDay, whole.openAtEnd ? 2400 : whole.endHhmm);
            addNights(di, next, 1, lastDay);
        }
        out.push_back(std::move(di));
    }
    return out;
}

std::vector<Event> DarkNightEvents(const std::vector<month::YearMonth>& which, month::Months& months,
                                   const month::DarkRule& rule) {
    // Another rule's events are other events: their own UIDs and words.
    const std::string ruleId = rule.standard() ? std::string()
                                               : std::string("-") + DarknessName(rule.darkness) + "-moon" +
                                                     text::GeneralNumber(rule.moonMaxPercent);
    const std::string what = rule.standard() ? "Dark and no Moon" : DarkSummary(rule) + ",";
    std::vector<Event> events;
    for (const month::YearMonth ym : which) {
        const month::Month& r = months.at(ym);
        const month::Place& p = r.place;
        const std::string zoneText =
            p.clock.named() ? p.clock.zoneName : signedZone(std::llround(p.clock.fixedOffsetHours() * 60));
        const std::string geoId = text::fixed(std::fabs(p.latitude), 4) + (p.latitude < 0 ? 'S' : 'N') +
                                  text::fixed(std::fabs(p.longitude), 4) + (p.longitude < 0 ? 'W' : 'E');
        for (const DarkInterval& iv : DarkIntervals(r, months, rule)) {
            Event e;
            e.start = utcSeconds(iv.begin);
            e.end = utcSeconds(iv.end);
            if (e.end <= e.start) continue;  // shorter than a minute
            e.uid = UtcDateTime(e.start) + "-" + geoId + "-dark" + ruleId + "@almucan";
            e.summary = DarkSummary(rule);
            double k = astro::IlluminatedFraction(iv.begin);
            const std::string pct = text::fixed(100 * k, 0) + "%";
            e.description = what + " from " + clockText(iv.localBegin) + " to " + clockText(iv.localEnd) +
                            " (local time, " + zoneText + ").\n" + "Moon illuminated at the start: " + pct + ".";
            for (const std::string& n : iv.nights) e.description += "\n" + n;
            if (r.ephemeris == month::Ephemeris::Precise)
                e.description += "\n" + std::string(month::EphemerisCredit(r.ephemeris)) + ".";
            e.location = placeText(p);
            e.hasGeo = true;
            e.latitude = p.latitude;
            e.longitude = p.longitude;
            events.push_back(std::move(e));
        }
    }
    return events;
}

std::string DarkNightsCalendar(const std::vector<month::YearMonth>& which, month::Months& months, UnixTime stamp,
                               const month::DarkRule& rule) {
    return CalendarText(DarkNightEvents(which, months, rule), stamp, ProdId());
}

bool WriteIcs(const std::vector<month::YearMonth>& which, month::Months& months, const std::string& path,
              std::string& error, const month::DarkRule& rule) {
    std::string text = DarkNightsCalendar(which, months, static_cast<UnixTime>(std::time(nullptr)), rule);
    std::string why = fileio::ReplaceFile(path, text);
    if (why.empty()) return true;
    error = "cannot write " + path + ": " + why;
    return false;
}

}  // namespace ical
