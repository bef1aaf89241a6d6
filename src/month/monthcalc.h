#pragma once
// The month calculation: month-text check, the daily rise, set and
// twilight search over every window of each day, and the dark-and-no-Moon
// (D.a.n.M.) intervals, into the typed model of month/model.h.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "report/reporter.h"
#include "month/model.h"
#include "zone/zone.h"

namespace month {

// calendar::CheckMonthText; a refused text is reported to `reporter` (a
// beep and the input error message).
std::optional<YearMonth> AcceptMonthText(std::string_view text, report::Reporter& reporter);

// Sine of the horizon altitude the daily search uses for object iobj:
// 1 the Moon (+8'), 2 the Sun (-50'), 3 astronomical twilight (-18
// degrees), 4 nautical (-12 degrees), 5 civil twilight (-6 degrees).  The two small angles are formed in single precision first.
double HorizonSine(int iobj);

// The daily search of day number d (1..31; days past the month's end carry
// on into the next month) on a fixed offset: zone as a day fraction
// (summer hour included), longitude degrees east positive, latitude degrees.
// Every crossing of all the day's windows; the cells' crossings marked.
Day SearchDay(int year, int month, int d, double zone, double longitudeEast, double latitude);

// The local clock time (hhmm, rounded to the minute) of the instant
// `elapsed` hours after the first instant of a named zone's day; a time
// that would round onto or past a switch is the last minute before it.
int ClockMinute(const zone::DayClock& clock, double elapsed);

// The D.a.n.M. intervals of days 1..lastDay.  Each day sets the Moon's and
// the darkness's states from its 0 h samples, then applies its Moon and
// -18 degree crossings a rounded minute at a time (within a minute in the
// order of their instants; the 0 h states and minute 0 are the first
// step).  A begin (end) is written only where the condition after the
// minute is open (closed) and was closed (open) before it: no interval is
// empty.  Its instant is that of the minute's last crossing that opened
// (closed) it, or the day's first instant when the 0 h states did.
std::vector<Interval> DarkNoMoon(const std::array<Day, 32>& days, int lastDay);

// The month of a month text for a place: AcceptMonthText, then the daily
// search of days 1..31 and the D.a.n.M. intervals (no result for a refused
// text).  A named zone the database knows gives each day its own clock;
// otherwise the fixed zone.
// `ephemeris` chooses the positions and the search (model.h); every view
// reads the month the same way whichever made it.
std::optional<Month> CalculateMonth(std::string_view monthText, const Place& place, report::Reporter& reporter,
                                    Ephemeris ephemeris = Ephemeris::Standard);
// The same for a month already checked (1900..2100); nothing is reported.
Month CalculateMonth(YearMonth ym, const Place& place, Ephemeris ephemeris = Ephemeris::Standard);

// The ephemeris's name on the command line and in the settings file:
// "standard" or "precise"; EphemerisNamed gives the ephemeris of exactly
// such a name, nothing for any other text.
std::string_view EphemerisName(Ephemeris ephemeris);
std::optional<Ephemeris> EphemerisNamed(std::string_view name);
// What made the times, as the printed page's second line and the calendar
// say it: "Low-precision solar and lunar theories; ..." or "Precise
// ephemeris (IAU 2006/2000A, ERFA); ...".
std::string_view EphemerisCredit(Ephemeris ephemeris);

// The day number d of the month's table (1..31; past the month's end a
// day of the next month) with its date set and nothing searched.
Day DayFrame(int year, int month, int d);

}  // namespace month
