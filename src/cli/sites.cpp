// The kept sites on the command line: listed, chosen by name, and compared night by night.
#include "cli/sites.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <nlohmann/json.hpp>

#include "calendar/calendar.h"
#include "cli/views.h"
#include "ical/darknights.h"
#include "month/months.h"
#include "render/comparepage.h"
#include "settings/settingsfile.h"
#include "settings/sites.h"
#include "text/numbers.h"
#include "text/strings.h"

namespace cli {

namespace {

using nlohmann::ordered_json;

// The sites file beside the settings file, its damaged lines said.
settings::SitesFile LoadSitesOf(const std::string& settingsPath, report::Reporter& rep) {
    const std::string path = settings::SitesPathFor(settingsPath);
    settings::SitesFile f = settings::LoadSites(path);
    for (const std::string& p : f.problems) rep.error(text::printable(path) + ": " + p);
    return f;
}

// "7:05" of a count of minutes.
std::string hoursText(long long minutes) { return std::to_string(minutes / 60) + ":" + text::padded(minutes % 60, 2); }

std::string padTo(std::string s, std::size_t width) {
    const std::size_t n = text::charCount(s);
    if (n < width) s.append(width - n, ' ');
    return s;
}

// A month's comparison: a line naming the sites, then a line per night
// with each site's dark-and-no-Moon hours, the best marked "*".
std::string compareText(const std::vector<render::SiteNights>& sites, const month::DarkRule& rule) {
    std::string out = "Dark, no Moon (h:mm) at each site (" + std::string(ical::DarknessName(rule.darkness)) +
                      " darkness, " +
                      (rule.moonMaxPercent > 0 ? "Moon at most " + text::BoxNumberText(rule.moonMaxPercent) + "%"
                                               : std::string("no Moon")) +
                      "); * the most of the night\n";
    std::vector<std::size_t> widths;
    std::string head = padTo("Night", 17);
    for (const render::SiteNights& site : sites) {
        widths.push_back(std::max<std::size_t>(text::charCount(site.name), 7) + 2);
        head += padTo(site.name, widths.back());
    }
    out += std::string(text::trimmed(head)) + "\n";
    for (std::size_t i = 0; i < sites.front().nights.size(); ++i) {
        std::string line = padTo(NightDate(sites.front().nights[i]), 17);
        const auto best = render::BestSite(sites, i);
        for (std::size_t k = 0; k < sites.size(); ++k)
            line += padTo(hoursText(sites[k].nights[i].darkMinutes) + (best == k ? " *" : ""), widths[k]);
        out += std::string(text::trimmed(line)) + "\n";
    }
    return out;
}

// The same tab-separated: night (yyyy-mm-dd), each site's dark minutes,
// the best site's name (empty when no site has dark hours).
std::string compareTsv(const std::vector<render::SiteNights>& sites) {
    std::string out = "night";
    for (const render::SiteNights& site : sites) out += "\t" + site.name;
    out += "\tbest\n";
    for (std::size_t i = 0; i < sites.front().nights.size(); ++i) {
        const month::Night& n = sites.front().nights[i];
        out += calendar::IsoDate(n.date.year, n.date.month, n.dayOfMonth);
        for (const render::SiteNights& site : sites) out += "\t" + std::to_string(site.nights[i].darkMinutes);
        const auto best = render::BestSite(sites, i);
        out += "\t" + (best ? sites[*best].name : std::string()) + "\n";
    }
    return out;
}

ordered_json compareJson(const std::vector<render::SiteNights>& sites, const month::DarkRule& rule) {
    ordered_json j;
    const month::YearMonth ym = sites.front().month->ym;
    j["month"] = text::padded(ym.year, 4) + "-" + text::padded(ym.month, 2);
    j["ephemeris"] = month::EphemerisName(sites.front().month->ephemeris);
    j["darkness"] = ical::DarknessName(rule.darkness);
    if (rule.moonMaxPercent == std::floor(rule.moonMaxPercent))
        j["moonMax"] = std::llround(rule.moonMaxPercent);
    else
        j["moonMax"] = rule.moonMaxPercent;
    ordered_json js = ordered_json::array();
    for (const render::SiteNights& site : sites) {
        const month::Place& p = site.month->place;
        ordered_json place{{"name", site.name}, {"longitude", p.longitude}, {"latitude", p.latitude}};
        if (p.clock.named())
            place["zone"] = p.clock.zoneName;
        else
            place["utcOffsetHours"] = p.clock.fixedHours;
        js.push_back(place);
    }
    j["sites"] = js;
    ordered_json jn = ordered_json::array();
    for (std::size_t i = 0; i < sites.front().nights.size(); ++i) {
        const month::Night& n = sites.front().nights[i];
        ordered_json minutes = ordered_json::array();
        for (const render::SiteNights& site : sites) minutes.push_back(site.nights[i].darkMinutes);
        const auto best = render::BestSite(sites, i);
        jn.push_back({{"date", calendar::IsoDate(n.date.year, n.date.month, n.dayOfMonth)},
                      {"darkMinutes", minutes},
                      {"best", best ? ordered_json(sites[*best].name) : ordered_json(nullptr)}});
    }
    j["nights"] = jn;
    return j;
}

// Every site's dark-and-no-Moon events in one calendar, each summary
// naming its site.  The UIDs carry the spot, so they differ from site to
// site; sites kept twice at one spot share one event that names them all.
std::string compareCalendar(const RunMonths& run, std::vector<month::Months>& stores, const month::DarkRule& rule) {
    std::vector<ical::Event> all;
    for (month::Months& store : stores)
        for (ical::Event& e : ical::DarkNightEvents(run.yms, store, rule)) {
            const auto same =
                std::find_if(all.begin(), all.end(), [&](const ical::Event& a) { return a.uid == e.uid; });
            if (same != all.end()) {
                same->summary += ", " + store.place().name;
                continue;
            }
            e.summary += " at " + store.place().name;
            all.push_back(std::move(e));
        }
    return ical::CalendarText(all, static_cast<ical::UnixTime>(std::time(nullptr)), ical::ProdId());
}

}  // namespace

std::string SitesError(const Options& o) {
    if (o.sites.size() > render::kMostComparedSites) return "at most four --site";
    if (o.sites.size() < 2) return {};
    const bool oneSiteOutput = o.png || o.pdf || o.chart ||
                               (!o.nights && (o.text == TextOutput::Table || o.text == TextOutput::Tsv)) ||
                               o.text == TextOutput::Events;
    return oneSiteOutput ? "several --site compare nights: use --nights (--tsv), --json or --ics" : std::string();
}

int SitesText(const Options& o, std::string& out, report::Reporter& rep) {
    const std::optional<std::string> dir = SettingsDirOf(o, rep);
    if (!dir) return 1;
    settings::SitesFile f = LoadSitesOf(settings::SettingsPathFor(*dir), rep);
    settings::SitesFile listed;
    for (const zone::Place& site : f.sites()) listed.put(site);
    out += settings::SitesFileText(listed);
    return 0;
}

int SitesOfRun(const Options& o, const std::string& settingsPath, std::vector<zone::Place>& sites,
               report::Reporter& rep) {
    const settings::SitesFile f = LoadSitesOf(settingsPath, rep);
    for (const std::string& name : o.sites) {
        if (const auto site = f.find(name)) {
            sites.push_back(*site);
            continue;
        }
        const std::vector<std::string> near = f.closest(name);
        std::string names;
        for (const std::string& n : near) names += (names.empty() ? "" : ", ") + n;
        rep.error("no site named '" + text::printable(name) + "'" +
                  (near.empty() ? "; no sites are kept (" + text::printable(settings::SitesPathFor(settingsPath)) + ")"
                                : "; the closest: " + text::printable(names)));
        return 2;
    }
    return 0;
}

int CompareSites(const Options& o, const settings::Settings& s, const std::vector<zone::Place>& sites, std::string& out,
                 report::Reporter& rep, fileio::StagedFiles* files) {
    const month::DarkRule rule = DarkRuleOf(o, s);
    const RunMonths run = MonthsOfRun(o);
    // Each site's months calculated once, for every output.
    std::vector<month::Months> stores;
    for (const zone::Place& site : sites) stores.emplace_back(zone::InForce(site, false), EphemerisOf(o, s));
    const std::string icsText = o.ics ? compareCalendar(run, stores, rule) : std::string();
    if (const int code = WriteOutputFiles({{o.ics, icsText, "iCalendar"}}, rep, files)) return code;
    ordered_json json = ordered_json::array();
    for (std::size_t i = 0; i < run.yms.size(); ++i) {
        std::vector<render::SiteNights> nights;
        for (month::Months& store : stores) {
            const month::Month& m = store.at(run.yms[i]);
            nights.push_back(
                {store.place().name, &m, month::Nights(m, store.at(calendar::ShiftedMonth(m.ym, 1)), rule)});
        }
        if (o.text == TextOutput::Json)
            json.push_back(compareJson(nights, rule));
        else if (o.text == TextOutput::Tsv)
            out += (o.year ? "Month: " + run.texts[i] + "\n" : "") + compareTsv(nights);
        else if (o.text == TextOutput::Table)
            out += (i ? "\n" : "") + std::string("Month: ") + run.texts[i] + "\n" + compareText(nights, rule);
    }
    if (o.text == TextOutput::Json) out += (o.year ? json : json.front()).dump(1, '\t') + "\n";
    return 0;
}

}  // namespace cli
