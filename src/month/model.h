#pragma once
// The typed model of a month: every horizon crossing of every day with its
// instant, the day marks, the two 0 h states and the dark-and-no-Moon
// (D.a.n.M.) intervals.  The table cells, the event keys, the page's bars,
// the calendar, the nights and the JSON are all read from it.
//
// Instants are Modified Julian Dates in UT (days, double): the values the
// search computes, so no conversion rounds them.
#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "calendar/calendar.h"
#include "zone/clock.h"

namespace month {

using calendar::YearMonth;

// The place and its clock (zone/clock.h).
using zone::Clock;
using zone::Place;

// The horizons of the daily search, in search order: the Moon at +8', the
// Sun at -50' and the Sun at -18 degrees (astronomical twilight, whose rise
// is the morning begin and whose set is the evening end), then the Sun at
// -12 degrees (nautical) and -6 degrees (civil twilight).  The table, its
// keys and the D.a.n.M. columns read the first three.
enum class Horizon { Moon = 0, Sun = 1, Twilight = 2, Nautical = 3, Civil = 4 };
inline constexpr std::size_t kHorizons = 5;
inline constexpr std::size_t kTableHorizons = 3;

enum class Direction { Rise, Set };

// The ephemeris that made a month's crossings.  Standard: the low-precision
// Sun and Moon series with the hourly parabola search (sine altitude at
// the fixed horizons above), the default.  Precise: ERFA's IAU 2006/2000A
// Earth orientation and Sun and Moon positions, topocentric on the WGS84
// ellipsoid, each crossing found to under 0.1 s (month/precisecalc.h): the
// Moon and the Sun rise and set when the upper limb is on the horizon with
// 34' of refraction, the twilights with the Sun's centre at -18, -12 and
// -6 degrees.
enum class Ephemeris { Standard, Precise };

struct Crossing {
    Direction direction = Direction::Rise;
    double mjd = 0;      // the instant, MJD UT
    double elapsed = 0;  // hours after the day's first instant
    int hhmm = 0;        // local clock time in force at the instant, rounded to the minute (0..2400)
    // Minutes after the day's first instant, rounded: the order in which
    // the D.a.n.M. scan applies the day's crossings.
    long long minute = 0;
    // The crossing the table's cell shows: for the standard ephemeris the
    // rule of SearchHorizon (monthcalc.cpp), for the precise one the day's
    // first rise and first set.
    bool inCell = false;
};

enum class DayMark { None, Above, Below };

struct HorizonDay {
    std::vector<Crossing> crossings;  // every crossing of the day, in time order
    bool aboveAtStart = false;        // above the horizon at the day's first instant (0 h)
    // Above (below) all day when the day has no crossing at all.
    DayMark mark() const {
        if (!crossings.empty()) return DayMark::None;
        return aboveAtStart ? DayMark::Above : DayMark::Below;
    }
    // The rise and the set the table's cells show; nullptr for "----" (or a
    // day mark).
    const Crossing* cellRise() const { return cell(Direction::Rise); }
    const Crossing* cellSet() const { return cell(Direction::Set); }

private:
    const Crossing* cell(Direction d) const {
        for (const Crossing& c : crossings)
            if (c.inCell && c.direction == d) return &c;
        return nullptr;
    }
};

struct Day {
    int number = 0;       // day number of the table, 1..31 (past the month's end: the next month)
    YearMonth date{};     // the calendar date's year and month
    int dayOfMonth = 0;   // and its day
    double startMjd = 0;  // first instant of the local day, MJD UT
    double endMjd = 0;    // first instant of the next local day
    // False for a date the zone skipped (its clock jumped over the whole
    // day): nothing is searched and the cells read "----".
    bool exists = true;
    double clockShift = 0;  // hours the local clock moves during the day (+1 forward, -1 back)
    std::array<HorizonDay, kHorizons> horizons{};

    const HorizonDay& horizon(Horizon h) const { return horizons[static_cast<std::size_t>(h)]; }
    bool moonUpAtStart() const { return horizon(Horizon::Moon).aboveAtStart; }
    bool darkAtStart() const { return !horizon(Horizon::Twilight).aboveAtStart; }
};

// One dark-and-no-Moon interval [begin, end) of the month.
struct Interval {
    double begin = 0;  // MJD UT: a crossing's instant, or a day's first instant
    double end = 0;
    int beginDay = 0;  // day numbers of the begin and end; endDay 0 while still open at the month's end
    int endDay = 0;
    int beginHhmm = 0;  // the clock times the D.a.n.M. cells show (0 for a day's first instant)
    int endHhmm = 0;
    bool openAtStart = false;  // already open at 00:00 of day 1
    bool openAtEnd = false;    // still open at the end of the month's last day (end = that instant)

    double hours() const { return (end - begin) * 24; }
};

// The month: for one place, the days 1..31 of the table (the days past the
// month's end are the next month's first days) and the D.a.n.M. intervals
// of its days.  A value: every view reads it; nothing in it is text.
struct Month {
    YearMonth ym;
    Place place;
    int dayRows = 0;                  // days of the month in the Gregorian calendar
    std::array<Day, 32> days{};       // day numbers 1..31 (entry 0 unused)
    std::vector<Interval> intervals;  // D.a.n.M. intervals of days 1..dayRows, in time order
    // The ephemeris of the crossings.
    Ephemeris ephemeris = Ephemeris::Standard;

    const Day& day(int d) const { return days[static_cast<std::size_t>(d)]; }
};

// Rows 0 (headings) to 32 by columns 0 to 9 (Day, Moon rise, Moon set, Sun
// rise, Sun set, twilight begin, twilight end, D.a.n.M. begin, D.a.n.M.
// end, Phase).
using MonthTab = std::array<std::array<std::string, 10>, 33>;

}  // namespace month
