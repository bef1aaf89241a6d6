#pragma once
// A small iCalendar (RFC 5545) writer: content lines ended by CR LF, folded
// at 75 octets without splitting a UTF-8 sequence, TEXT values escaped.
#include <string>
#include <string_view>
#include <vector>

namespace ical {

// Seconds since 1970-01-01 00:00 UTC.
using UnixTime = long long;

struct Event {
    std::string uid;
    UnixTime start = 0;  // DTSTART, written as UTC
    UnixTime end = 0;    // DTEND, written as UTC; later than start
    std::string summary;
    std::string description;
    std::string location;
    bool hasGeo = false;
    double latitude = 0;   // degrees, north positive
    double longitude = 0;  // degrees, east positive
};

// A TEXT value with backslash, semicolon, comma and line breaks escaped
// (CR LF, CR and LF all become "\n").
std::string EscapeText(std::string_view text);

// One content line (without its line break) folded: every physical line
// holds at most 75 octets (continuation lines count their leading space),
// each ended by CR LF.  A split never falls inside a UTF-8 sequence.
std::string FoldLine(std::string_view line);

// A UTC DATE-TIME value "yyyymmddThhmmssZ".
std::string UtcDateTime(UnixTime t);

// The product identifier of Almucan's calendars, with the program's
// version: "-//Almucan//Almucan 0.9//EN".
std::string ProdId();

// The whole VCALENDAR object with one VEVENT per event; `stamp` is DTSTAMP.
std::string CalendarText(const std::vector<Event>& events, UnixTime stamp, std::string_view prodId);

}  // namespace ical
