#include "ical/icalendar.h"

#include <cstdio>

#include "text/version.h"
#include "text/valuerule.h"

namespace ical {

namespace {

// Proleptic Gregorian date of a day count from 1970-01-01 (the inverse of
// days_from_civil in H. Hinnant's chrono date algorithms).
void civilFromDays(long long z, int& y, int& m, int& d) {
    z += 719468;
    long long era = (z >= 0 ? z : z - 146096) / 146097;
    long long doe = z - era * 146097;
    long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    long long mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0));
}

void addLine(std::string& out, std::string_view name, std::string_view value) {
    std::string line(name);
    line += ':';
    line += value;
    out += FoldLine(line);
}

}  // namespace

std::string EscapeText(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        switch (c) {
            case '\\': out += "\\\\"; break;
            case ';': out += "\\;"; break;
            case ',': out += "\\,"; break;
            case '\r':
                if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
                out += "\\n";
                break;
            case '\n': out += "\\n"; break;
            default: out += c;
        }
    }
    return out;
}

std::string FoldLine(std::string_view line) {
    constexpr std::size_t kMaxOctets = 75;
    std::string out;
    std::size_t pos = 0;
    bool first = true;
    while (true) {
        // A continuation line begins with one space, which counts.
        std::size_t room = first ? kMaxOctets : kMaxOctets - 1;
        if (line.size() - pos <= room) {
            if (!first) out += ' ';
            out.append(line.substr(pos));
            out += "\r\n";
            return out;
        }
        std::size_t cut = pos + room;
        // Back off to the first octet of a UTF-8 sequence (never 10xxxxxx).
        while (cut > pos + 1 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;
        if (!first) out += ' ';
        out.append(line.substr(pos, cut - pos));
        out += "\r\n";
        pos = cut;
        first = false;
    }
}

std::string UtcDateTime(UnixTime t) {
    long long days = t >= 0 ? t / 86400 : -((-t + 86399) / 86400);
    long long secs = t - days * 86400;
    int y = 0, m = 0, d = 0;
    civilFromDays(days, y, m, d);
    char buf[40];
    std::snprintf(buf, sizeof buf, "%04d%02d%02dT%02d%02d%02dZ", y, m, d,
                  static_cast<int>(secs / 3600), static_cast<int>(secs / 60 % 60),
                  static_cast<int>(secs % 60));
    return buf;
}

std::string ProdId() {
    return std::string("-//Almucan//Almucan ") + text::kVersion + "//EN";
}

std::string CalendarText(const std::vector<Event>& events, UnixTime stamp,
                         std::string_view prodId) {
    std::string out;
    addLine(out, "BEGIN", "VCALENDAR");
    addLine(out, "VERSION", "2.0");
    addLine(out, "PRODID", prodId);
    addLine(out, "CALSCALE", "GREGORIAN");
    addLine(out, "METHOD", "PUBLISH");
    const std::string dtstamp = UtcDateTime(stamp);
    for (const Event& e : events) {
        addLine(out, "BEGIN", "VEVENT");
        addLine(out, "UID", e.uid);
        addLine(out, "DTSTAMP", dtstamp);
        addLine(out, "DTSTART", UtcDateTime(e.start));
        addLine(out, "DTEND", UtcDateTime(e.end));
        addLine(out, "SUMMARY", EscapeText(e.summary));
        if (!e.description.empty()) addLine(out, "DESCRIPTION", EscapeText(e.description));
        if (!e.location.empty()) addLine(out, "LOCATION", EscapeText(e.location));
        if (e.hasGeo) {
            addLine(out, "GEO", text::fixed(e.latitude, 6) + ";" + text::fixed(e.longitude, 6));
        }
        // Dark time is a chance to observe, not a busy slot in the calendar.
        addLine(out, "TRANSP", "TRANSPARENT");
        addLine(out, "END", "VEVENT");
    }
    addLine(out, "END", "VCALENDAR");
    return out;
}

}  // namespace ical
