// The nights of a month, from local noon to local noon.
#include "month/nights.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "calendar/calendar.h"
#include "astro/sunmoon.h"
#include "month/monthcalc.h"
#include "month/months.h"

namespace month {

namespace {

// Local noon of a day: 12:00 on the clock in force around it.
double localNoon(const Day& day, const Clock& clock) {
    double approx = day.startMjd + 0.5;
    return calendar::Mjd(day.date.year, day.date.month, day.dayOfMonth, 12) - clock.offsetAt(approx) / 24;
}

// The intervals of both months as one list, the one still open at the end
// of m joined to its continuation at the first instant of next.
std::vector<Interval> joined(const Month& m, const Month& next) {
    std::vector<Interval> all = m.intervals;
    std::size_t i = 0;
    if (!all.empty() && all.back().openAtEnd && JoinContinuation(all.back(), next)) i = 1;
    all.insert(all.end(), next.intervals.begin() + static_cast<std::ptrdiff_t>(i), next.intervals.end());
    return all;
}

// The dark-and-no-Moon intervals of the two days of one night under a
// rule: the rule's Sun horizon in the twilight's place, and the Moon held
// below the horizon when it does not count.
std::vector<Interval> ruleIntervals(const Day& eve, const Day& morn, const DarkRule& rule, bool moonCounts) {
    std::array<Day, 32> days{};
    days[1] = eve;
    days[2] = morn;
    for (std::size_t i = 1; i <= 2; ++i) {
        Day& d = days[i];
        d.horizons[static_cast<std::size_t>(Horizon::Twilight)] = d.horizon(rule.darkness);
        if (!moonCounts) d.horizons[static_cast<std::size_t>(Horizon::Moon)] = HorizonDay{};
    }
    return DarkNoMoon(days, 2);
}

}  // namespace

std::vector<Night> Nights(const Month& m, const Month& next, const DarkRule& rule) {
    // A date the zone skipped has no night: the night before it runs to
    // local noon of the next day that exists.
    std::vector<const Day*> days;
    for (int d = 1; d <= m.dayRows; ++d)
        if (m.day(d).exists) days.push_back(&m.day(d));
    for (int d = 1; d <= 31; ++d)
        if (next.day(d).exists) {
            days.push_back(&next.day(d));
            break;
        }
    const std::vector<Interval> intervals = joined(m, next);
    std::vector<Night> nights;
    for (std::size_t i = 0; i + 1 < days.size(); ++i) {
        const Day& eve = *days[i];
        const Day& morn = *days[i + 1];
        Night n;
        n.date = eve.date;
        n.dayOfMonth = eve.dayOfMonth;
        n.weekday = calendar::Weekday(eve.date.year, eve.date.month, eve.dayOfMonth);
        n.noon = localNoon(eve, m.place.clock);
        n.nextNoon = localNoon(morn, m.place.clock);
        n.moonFraction = astro::IlluminatedFraction(morn.startMjd);
        n.moonCounts = n.moonFraction * 100 > rule.moonMaxPercent;
        for (const Day* d : {&eve, &morn}) {
            for (const Crossing& c : d->horizon(rule.darkness).crossings) {
                if (c.mjd < n.noon || c.mjd >= n.nextNoon) continue;
                if (!n.dusk && c.direction == Direction::Set) n.dusk = &c;
                if (!n.dawn && c.direction == Direction::Rise && (n.dusk || d == &morn)) n.dawn = &c;
            }
        }
        if (n.dawn && n.dusk && n.dawn->mjd < n.dusk->mjd) n.dawn = nullptr;
        long long minutes = 0;
        // Whole minutes of an instant: the pieces add up as their clock
        // times read.
        auto minuteOf = [](double mjd) { return static_cast<long long>(std::floor(mjd * 1440 + 0.5)); };
        const std::vector<Interval> own =
            rule.standard() ? std::vector<Interval>{} : ruleIntervals(eve, morn, rule, n.moonCounts);
        for (const Interval& iv : rule.standard() ? intervals : own) {
            if (iv.end <= n.noon || iv.begin >= n.nextNoon) continue;
            NightPiece p;
            p.begin = std::max(iv.begin, n.noon);
            p.end = std::min(iv.end, n.nextNoon);
            p.beginHhmm = iv.begin < n.noon ? 1200 : iv.beginHhmm;
            p.endHhmm = iv.end > n.nextNoon ? 1200 : iv.endHhmm;
            minutes += minuteOf(p.end) - minuteOf(p.begin);
            n.dark.push_back(p);
        }
        n.darkMinutes = minutes;
        nights.push_back(std::move(n));
    }
    return nights;
}

}  // namespace month
