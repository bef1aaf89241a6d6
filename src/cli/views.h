#pragma once
// Views of the month model for the command line: the nights as a text or
// tab-separated table and the whole month as JSON.
#include <string>
#include <vector>

#include "month/monthcalc.h"
#include "month/nights.h"

namespace cli {

// "Wed 2 Dec 2026" of a night's evening.
std::string NightDate(const month::Night& n);

// One line per night: date, dusk, dawn, the Moon's illuminated percentage
// at midnight, then each dark-and-no-Moon interval and the night's total:
// "Wed 2 Dec 2026  18:01  05:45   87%  18:01-01:45, 7 h 44 min".
std::string NightsText(const std::vector<month::Night>& nights);
// The same, tab-separated: date (yyyy-mm-dd), dusk, dawn, intervals
// (hh:mm-hh:mm, comma-separated), dark minutes, illuminated fraction.
std::string NightsTsv(const std::vector<month::Night>& nights);

// The month as a JSON object (see the README for the schema).
std::string MonthJson(const month::Month& m, const std::vector<month::Night>& nights);

}  // namespace cli
