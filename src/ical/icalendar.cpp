// The iCalendar (RFC 5545) writer: escaping, line folding, UTC date-times, events.
#include "ical/icalendar.h"

#include "calendar/calendar.h"
#include "text/version.h"
#include "text/numbers.h"

namespace ical {

namespace {

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
            case '\\':
                out += "\\\\";
                break;
            case ';':
                out += "\\;";
                break;
            case ',':
                out += "\\,";
                break;
            case '\r':
                if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
                out += "\\n";
                break;
            case '\n':
                out += "\\n";
                break;
            default:
                out += c;
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

std::string UtcDateTime(UnixTime t) { return calendar::BasicUtc(t); }

std::string ProdId() { return std::string("-//Almucan//Almucan ") + text::kVersion + "//EN"; }

std::string CalendarText(const std::vector<Event>& events, UnixTime stamp, std::string_view prodId) {
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
