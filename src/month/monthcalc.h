#pragma once
// The month calculation: month-text check, the Day column, the daily rise,
// set and twilight search, the event keys with the clipboard text and the
// dark-and-no-moon (D.a.n.M.) columns.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "report/reporter.h"
#include "settings/settings.h"
#include "zone/zone.h"

namespace month {

// Rows 0 (headings) to 32 by columns 0 to 9 (Day, Moon rise, Moon set, Sun
// rise, Sun set, twilight begin, twilight end, D.a.n.M. begin, D.a.n.M.
// end, Phase).
using MonthTab = std::array<std::array<std::string, 10>, 33>;

struct YearMonth {
    int year = 0;
    int month = 0;
};

// The location of one run, as the settings hold it.
struct Location {
    double longitude = 0;  // degrees, east positive
    double latitude = 0;   // degrees, north positive
    double timeZone = 0;   // hours, east positive
    // A zone of the tz database ("Europe/Vienna"); empty for the fixed zone
    // of timeZone (and the summer-time box).  A name the database does not
    // know leaves the fixed zone in force.
    std::string zoneName{};
};

// The place and zone of a settings record: its named zone when the
// database knows the name, else its fixed zone.
Location LocationOf(const settings::Settings& s);

// The two states of a day's local midnight that the daily search decides
// from its 0 h samples: the Moon above its +8' horizon, and the Sun at or
// below -18 degrees.
struct MidnightState {
    bool moonUp = false;
    bool dark = false;
};
// Index 1..31 by day number; entry 0 unused.
using MidnightStates = std::array<MidnightState, 32>;

struct MonthResult {
    YearMonth ym;
    MonthTab tab;                   // columns 0 to 8 filled, 9 empty
    MidnightStates midnight;        // the 0 h states of day numbers 1..31
    std::vector<std::string> keys;  // the 124 sorted event keys
    std::string clipboard;          // each key followed by CR LF
    int dayRows = 0;                // days of the month in the Gregorian calendar
};

// The three tests of the month text "yyyymm": exactly 6 characters, year
// 1900..2100 and month 1..12 from the leading numbers of characters 1-4
// and 5-6, rounded half to even; values beyond 16 bits are errors.
std::optional<YearMonth> CheckMonthText(std::string_view text);

// CheckMonthText, and for a refused text the beep and "Input error.".
std::optional<YearMonth> AcceptMonthText(std::string_view text, report::Reporter& reporter);

// Year and month as the phase symbol reads them from the month text
// (first four and last two characters); empty when they do not fit 16 bits.
std::optional<YearMonth> MonthTextValues(std::string_view text);

int DaysInMonth(int year, int month);

// Headings of row 0 on the screen and sub-headings of the printed page.
const std::array<std::string, 10>& Headings();
const std::array<std::string, 10>& SubHeadings();

// Day column: "dd X" for every valid day, X from "SMTWTFS".
void FillDayColumn(MonthTab& tab, int year, int month);

// Sine of the horizon altitude the daily search uses for object iobj:
// 1 the Moon (+8'), 2 the Sun (-50'), 3 astronomical twilight (-18
// degrees).  The two small angles are formed in single precision first.
double HorizonSine(int iobj);

// Daily events of day number d (1..31; days past the month's end carry on
// into the next month) into columns 1 to 6 of row d.  zone: time zone
// including the summer hour, as a day fraction; glong: degrees west
// positive; latitude: degrees.  Returns the day's 0 h states.
MidnightState DailyEvents(MonthTab& tab, int year, int month, int d, double zone, double glong,
                          double latitude);

// DailyEvents on a named zone's clock of that day.  A day with one offset
// from local midnight to the next is exactly DailyEvents with that offset.
// A day with a switch is searched from its first instant to the next day's
// (23 or 25 hours), every crossing in that span read as the local clock
// time of its instant.
MidnightState DailyEventsOnClock(MonthTab& tab, int year, int month, int d,
                                 const zone::DayClock& clock, double glong, double latitude);

// The 124 event keys of rows 1..31 (unsorted, in entry order).
std::vector<std::string> EventKeys(const MonthTab& tab);
// Ordinal sort of the keys (code unit by code unit).
void SortKeys(std::vector<std::string>& keys);
// The clipboard text: every key followed by CR LF.
std::string ClipboardText(const std::vector<std::string>& keys);
// The D.a.n.M. columns 7 and 8: for each day the 0 h states, then the
// day's timed Moon and twilight keys in sorted order; a begin is written
// when the Moon is down and it is dark after being otherwise, an end when
// that stops.  "0000" marks a state change found at midnight.
void DarkNoMoon(MonthTab& tab, const std::vector<std::string>& keys,
                const MidnightStates& midnight);

// Steps 1 and 3 to 9 of a Calculate run (no drawing).  On a refused month
// text: beep, "Input error." and no result.  With a known loc.zoneName the
// days follow the zone's clocks and summerTime is not used.
std::optional<MonthResult> CalculateMonth(std::string_view monthText, bool summerTime,
                                          const Location& loc, report::Reporter& reporter);

// Rows 0 to dayRows of the table, cells separated by tabs, rows ended by LF.
std::string TsvText(const MonthResult& r);

}  // namespace month
