#pragma once
// Views of the month model for the command line: the nights as a text or
// tab-separated table and the whole month as JSON.
#include <string>
#include <vector>

#include "month/monthcalc.h"
#include "month/nights.h"
#include "settings/settings.h"

namespace cli {

struct Options;

// The rule of what counts as dark for this run: --darkness and --moon-max,
// else the settings' darkness and moonMaxPercent.
month::DarkRule DarkRuleOf(const Options& o, const settings::Settings& s);
// The ephemeris of this run: --ephemeris, else the settings' ephemeris.
month::Ephemeris EphemerisOf(const Options& o, const settings::Settings& s);

// "Wed 2 Dec 2026" of a night's evening.
std::string NightDate(const month::Night& n);

// One line per night: date, dusk, dawn, the Moon's illuminated percentage
// at midnight, then each dark-and-no-Moon interval and the night's total:
// "Wed 2 Dec 2026  18:01  05:45   87%  18:01-01:45, 7 h 44 min".  Under
// a rule other than the standard one a first line names it: "Dark:
// nautical, Moon at most 15%".
std::string NightsText(const std::vector<month::Night>& nights, const month::DarkRule& rule = {});
// The same, tab-separated: date (yyyy-mm-dd), dusk, dawn, intervals
// (hh:mm-hh:mm, comma-separated), dark minutes, illuminated fraction.
std::string NightsTsv(const std::vector<month::Night>& nights);

// The month as a JSON object (see the README for the schema), its nights
// and its intervals those of `rule`: under a rule other than the standard
// one the intervals are the nights' pieces joined (ical::NightIntervals).
std::string MonthJson(const month::Month& m, const std::vector<month::Night>& nights, const month::DarkRule& rule = {});

}  // namespace cli
