// The nights as text and TSV, and the month as JSON, for the command line.
#include "cli/views.h"

#include <cmath>
#include <nlohmann/json.hpp>

#include "calendar/calendar.h"
#include "cli/cli.h"
#include "ical/darknights.h"
#include "month/format.h"
#include "text/numbers.h"
#include "text/strings.h"

namespace cli {

namespace {

using nlohmann::ordered_json;

std::string isoDate(const month::YearMonth& ym, int day) { return calendar::IsoDate(ym.year, ym.month, day); }

std::string span(const month::NightPiece& p) {
    return month::ClockText(p.beginHhmm) + "-" + month::ClockText(p.endHhmm);
}

std::string duration(long long minutes) {
    return std::to_string(minutes / 60) + " h " + std::to_string(minutes % 60) + " min";
}

std::string crossingClock(const month::Crossing* c) { return c ? month::ClockText(c->hhmm) : "--:--"; }

std::string percent(double f) { return std::to_string(std::llround(100 * f)) + "%"; }

// "nautical, Moon at most 15%", "civil, no Moon".
std::string ruleText(const month::DarkRule& rule) {
    return std::string(ical::DarknessName(rule.darkness)) + ", " +
           (rule.moonMaxPercent > 0 ? "Moon at most " + text::BoxNumberText(rule.moonMaxPercent) + "%" : "no Moon");
}

}  // namespace

month::DarkRule DarkRuleOf(const Options& o, const settings::Settings& s) {
    static const month::Horizon kHorizonOf[] = {month::Horizon::Twilight, month::Horizon::Nautical,
                                                month::Horizon::Civil};
    return {kHorizonOf[static_cast<std::size_t>(o.darkness.value_or(s.darkness))],
            o.moonMax.value_or(s.moonMaxPercent)};
}

month::Ephemeris EphemerisOf(const Options& o, const settings::Settings& s) {
    if (o.ephemeris) return *o.ephemeris;
    return s.ephemeris == settings::Ephemeris::Precise ? month::Ephemeris::Precise : month::Ephemeris::Standard;
}

std::string NightDate(const month::Night& n) {
    return text::dayText(n.date.year, n.date.month, n.dayOfMonth, n.weekday);
}

std::string NightsText(const std::vector<month::Night>& nights, const month::DarkRule& rule) {
    std::string out = rule.standard() ? std::string() : "Dark: " + ruleText(rule) + "\n";
    out += "Night            Dusk   Dawn   Moon  Dark, no Moon\n";
    for (const month::Night& n : nights) {
        std::string line = NightDate(n);
        line.resize(17, ' ');
        line += crossingClock(n.dusk) + "  " + crossingClock(n.dawn) + "  ";
        std::string moon = percent(n.moonFraction);
        line += std::string(4 - std::min<std::size_t>(4, moon.size()), ' ') + moon + "  ";
        if (n.dark.empty()) {
            line += "none";
        } else {
            for (const month::NightPiece& p : n.dark) line += span(p) + ", ";
            line += duration(n.darkMinutes);
        }
        out += line + "\n";
    }
    return out;
}

std::string NightsTsv(const std::vector<month::Night>& nights) {
    std::string out = "night\tdusk\tdawn\tdark_no_moon\tdark_minutes\tmoon_illuminated\n";
    for (const month::Night& n : nights) {
        std::string pieces;
        for (const month::NightPiece& p : n.dark) pieces += (pieces.empty() ? "" : ",") + span(p);
        const long long f = std::llround(n.moonFraction * 100);
        out += isoDate(n.date, n.dayOfMonth) + "\t" + (n.dusk ? month::ClockText(n.dusk->hhmm) : "") + "\t" +
               (n.dawn ? month::ClockText(n.dawn->hhmm) : "") + "\t" + pieces + "\t" + std::to_string(n.darkMinutes) +
               "\t" + text::padded(f / 100, 1) + "." + text::padded(f % 100, 2) + "\n";
    }
    return out;
}

namespace {

ordered_json placeJson(const month::Place& p) {
    ordered_json place;
    if (!p.name.empty()) place["name"] = p.name;
    place["longitude"] = p.longitude;
    place["latitude"] = p.latitude;
    if (p.clock.named())
        place["zone"] = p.clock.zoneName;
    else
        place["utcOffsetHours"] = p.clock.fixedOffsetHours();
    place["summerTime"] = p.clock.summerTime;
    return place;
}

// One body's day: its 0 h state, its day mark and every crossing.
ordered_json bodyJson(const month::HorizonDay& body, bool dayExists) {
    ordered_json jb;
    jb["aboveAtStart"] = body.aboveAtStart;
    switch (body.mark()) {
        case month::DayMark::Above:
            jb["mark"] = "above";
            break;
        case month::DayMark::Below:
            // A date the zone skipped has no mark: null.
            if (dayExists)
                jb["mark"] = "below";
            else
                jb["mark"] = nullptr;
            break;
        case month::DayMark::None:
            jb["mark"] = nullptr;
            break;
    }
    ordered_json cs = ordered_json::array();
    for (const month::Crossing& c : body.crossings) {
        ordered_json jc;
        jc["kind"] = c.direction == month::Direction::Rise ? "rise" : "set";
        jc["local"] = month::ClockText(c.hhmm);
        jc["utc"] = calendar::IsoInstant(c.mjd);
        jc["inTable"] = c.inCell;
        cs.push_back(jc);
    }
    jb["crossings"] = cs;
    return jb;
}

ordered_json daysJson(const month::Month& m) {
    static const char* const bodyNames[month::kHorizons] = {"moon", "sun", "twilight", "nautical", "civil"};
    ordered_json days = ordered_json::array();
    for (int d = 1; d <= m.dayRows; ++d) {
        const month::Day& day = m.day(d);
        ordered_json jd;
        jd["date"] = isoDate(day.date, day.dayOfMonth);
        jd["exists"] = day.exists;
        for (std::size_t b = 0; b < month::kHorizons; ++b) jd[bodyNames[b]] = bodyJson(day.horizons[b], day.exists);
        days.push_back(jd);
    }
    return days;
}

ordered_json intervalsJson(const month::Month& m) {
    ordered_json ivs = ordered_json::array();
    for (const month::Interval& iv : m.intervals) {
        ordered_json ji;
        ji["begin"] = calendar::IsoInstant(iv.begin);
        ji["end"] = calendar::IsoInstant(iv.end);
        ji["beginLocal"] =
            isoDate(m.day(iv.beginDay).date, m.day(iv.beginDay).dayOfMonth) + " " + month::ClockText(iv.beginHhmm);
        if (iv.endDay > 0)
            ji["endLocal"] =
                isoDate(m.day(iv.endDay).date, m.day(iv.endDay).dayOfMonth) + " " + month::ClockText(iv.endHhmm);
        else
            ji["endLocal"] = nullptr;
        ji["minutes"] = std::llround(iv.hours() * 60);
        ji["openAtStart"] = iv.openAtStart;
        ji["openAtEnd"] = iv.openAtEnd;
        ivs.push_back(ji);
    }
    return ivs;
}

// A rule's intervals: the nights' pieces joined, in the fields of the
// D.a.n.M. intervals; open at the first or the last local noon of the nights.
ordered_json ruleIntervalsJson(const month::Month& m, const std::vector<month::Night>& nights) {
    auto local = [](long long minutes) {
        const long long days = minutes >= 0 ? minutes / 1440 : -((-minutes + 1439) / 1440);
        const calendar::Date d = calendar::DateOfDays(days);
        const long long hm = minutes - days * 1440;
        return calendar::IsoDate(d.year, d.month, d.day) + " " + text::padded(hm / 60, 2) + ":" +
               text::padded(hm % 60, 2);
    };
    ordered_json ivs = ordered_json::array();
    for (const ical::DarkInterval& iv : ical::NightIntervals(nights, m.place.clock)) {
        ordered_json ji;
        ji["begin"] = calendar::IsoInstant(iv.begin);
        ji["end"] = calendar::IsoInstant(iv.end);
        ji["beginLocal"] = local(iv.localBegin);
        ji["endLocal"] = iv.openAtEnd ? ordered_json(nullptr) : ordered_json(local(iv.localEnd));
        ji["minutes"] = std::llround((iv.end - iv.begin) * 1440);
        ji["openAtStart"] = iv.openAtStart;
        ji["openAtEnd"] = iv.openAtEnd;
        ivs.push_back(ji);
    }
    return ivs;
}

ordered_json nightsJson(const std::vector<month::Night>& nights) {
    ordered_json jn = ordered_json::array();
    for (const month::Night& n : nights) {
        ordered_json o;
        o["date"] = isoDate(n.date, n.dayOfMonth);
        o["dusk"] = n.dusk ? ordered_json(month::ClockText(n.dusk->hhmm)) : ordered_json(nullptr);
        o["dawn"] = n.dawn ? ordered_json(month::ClockText(n.dawn->hhmm)) : ordered_json(nullptr);
        ordered_json dark = ordered_json::array();
        for (const month::NightPiece& p : n.dark)
            dark.push_back({{"begin", month::ClockText(p.beginHhmm)}, {"end", month::ClockText(p.endHhmm)}});
        o["dark"] = dark;
        o["darkMinutes"] = n.darkMinutes;
        o["moonIlluminated"] = std::round(n.moonFraction * 1000) / 1000;
        jn.push_back(o);
    }
    return jn;
}

}  // namespace

std::string MonthJson(const month::Month& m, const std::vector<month::Night>& nights, const month::DarkRule& rule) {
    ordered_json j;
    j["month"] = text::padded(m.ym.year, 4) + "-" + text::padded(m.ym.month, 2);
    j["place"] = placeJson(m.place);
    j["ephemeris"] = month::EphemerisName(m.ephemeris);
    j["darkness"] = ical::DarknessName(rule.darkness);
    if (rule.moonMaxPercent == std::floor(rule.moonMaxPercent))
        j["moonMax"] = std::llround(rule.moonMaxPercent);
    else
        j["moonMax"] = rule.moonMaxPercent;
    j["days"] = daysJson(m);
    j["intervals"] = rule.standard() ? intervalsJson(m) : ruleIntervalsJson(m, nights);
    j["nights"] = nightsJson(nights);
    return j.dump(1, '\t') + "\n";
}

}  // namespace cli
