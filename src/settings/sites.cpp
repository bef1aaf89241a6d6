// The sites file: observing sites read, changed and written with comments and damaged lines kept.
#include "settings/sites.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <map>
#include <tuple>

#include "fileio/fileread.h"
#include "fileio/filewrite.h"
#include "settings/location.h"
#include "text/strings.h"
#include "zone/zone.h"

namespace settings {

namespace {

// A sites file of many thousand sites stays far below this.
constexpr std::size_t kMaxSitesBytes = 4 * 1024 * 1024;

std::string Lower(std::string_view t) {
    std::string s(t);
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// A number in C notation filling the whole field, within `field`'s bounds.
std::optional<double> Number(std::string_view t, const text::NumberField& field) {
    double v = 0;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (ec != std::errc() || end != t.data() + t.size() || !std::isfinite(v)) return std::nullopt;
    if (v < field.lower || v > field.upper || (field.whole && v != std::floor(v))) return std::nullopt;
    return v;
}

std::string NumberText(double v) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

std::vector<std::string_view> Columns(std::string_view line) {
    std::vector<std::string_view> cols;
    for (std::size_t at = 0;;) {
        const std::size_t tab = line.find('\t', at);
        cols.push_back(line.substr(at, tab == std::string_view::npos ? std::string_view::npos : tab - at));
        if (tab == std::string_view::npos) return cols;
        at = tab + 1;
    }
}

// The site of a line, or why the line is damaged.
std::optional<zone::Place> SiteOf(std::string_view line, std::string& why) {
    const std::vector<std::string_view> cols = Columns(line);
    if (cols.size() != 4)
        return why = "wants 4 tab-separated columns, has " + std::to_string(cols.size()), std::nullopt;
    zone::Place p;
    p.name = std::string(text::trimmed(cols[0]));
    if (why = SiteNameProblem(p.name); !why.empty()) return std::nullopt;
    const auto lon = Number(text::trimmed(cols[1]), kLongitudeField);
    const auto lat = Number(text::trimmed(cols[2]), kLatitudeField);
    if (!lon) return why = "longitude '" + text::printable(cols[1]) + "' is no number from -180 to 180", std::nullopt;
    if (!lat) return why = "latitude '" + text::printable(cols[2]) + "' is no number from -90 to 90", std::nullopt;
    p.longitude = *lon;
    p.latitude = *lat;
    const std::string_view z = text::trimmed(cols[3]);
    if (const auto hours = Number(z, kTimeZoneField)) {
        p.clock.fixedHours = *hours;
    } else if (const auto problem = zone::Check(z)) {
        return why = problem->message, std::nullopt;
    } else {
        p.clock.zoneName = std::string(z);
        p.clock.fixedHours = zone::SettingsHours(z).value_or(0);
    }
    return p;
}

std::string LineOf(const zone::Place& p) {
    return p.name + '\t' + NumberText(p.longitude) + '\t' + NumberText(p.latitude) + '\t' +
           (p.clock.named() ? p.clock.zoneName : NumberText(p.clock.fixedHours));
}

}  // namespace

std::string SitesPathFor(const std::string& settingsPath) {
    const std::size_t slash = settingsPath.rfind('/');
    return (slash == std::string::npos ? std::string() : settingsPath.substr(0, slash + 1)) + kSitesFileName;
}

std::string SiteNameProblem(std::string_view name) {
    if (text::trimmed(name).empty()) return "a site needs a name";
    if (name.find_first_of("\t\r\n") != std::string_view::npos)
        return "a site's name cannot hold a tab or a line break";
    if (name.front() == '#') return "a site's name cannot begin with '#'";
    if (text::validUtf8(name) != name) return "a site's name must be UTF-8";
    return {};
}

std::vector<zone::Place> SitesFile::sites() const {
    std::vector<zone::Place> all;
    for (const Line& l : lines)
        if (l.site) all.push_back(*l.site);
    return all;
}

std::optional<zone::Place> SitesFile::find(std::string_view name) const {
    std::optional<zone::Place> folded;
    int foldedCount = 0;
    for (const Line& l : lines) {
        if (!l.site) continue;
        if (l.site->name == name) return l.site;
        if (Lower(l.site->name) == Lower(name)) folded = l.site, ++foldedCount;
    }
    return foldedCount == 1 ? folded : std::nullopt;
}

std::vector<std::string> SitesFile::closest(std::string_view name, std::size_t count) const {
    // Names holding the typed text come first ("dark" finds "Dark site"
    // before "Home", which is fewer edits away), then by edit distance.
    const std::string typed = Lower(name);
    std::vector<std::tuple<bool, std::size_t, std::string>> near;
    for (const Line& l : lines) {
        if (!l.site) continue;
        const std::string n = Lower(l.site->name);
        near.emplace_back(n.find(typed) == std::string::npos, text::EditDistance(typed, n), l.site->name);
    }
    std::stable_sort(near.begin(), near.end(), [](const auto& a, const auto& b) {
        return std::tie(std::get<0>(a), std::get<1>(a)) < std::tie(std::get<0>(b), std::get<1>(b));
    });
    std::vector<std::string> names;
    for (std::size_t i = 0; i < near.size() && i < count; ++i) names.push_back(std::get<2>(near[i]));
    return names;
}

std::string SitesFile::put(const zone::Place& site) {
    if (std::string why = SiteNameProblem(site.name); !why.empty()) return why;
    for (Line& l : lines)
        if (l.site && l.site->name == site.name) return l.site = site, std::string();
    lines.push_back({{}, site});
    return {};
}

bool SitesFile::rename(std::string_view from, std::string_view to) {
    if (!SiteNameProblem(to).empty()) return false;
    auto named = [&](std::string_view n) {
        return std::find_if(lines.begin(), lines.end(), [&](const Line& l) { return l.site && l.site->name == n; });
    };
    const auto it = named(from);
    if (it == lines.end() || (from != to && named(to) != lines.end())) return false;
    it->site->name = std::string(to);
    return true;
}

bool SitesFile::remove(std::string_view name) {
    const auto it =
        std::find_if(lines.begin(), lines.end(), [&](const Line& l) { return l.site && l.site->name == name; });
    if (it == lines.end()) return false;
    lines.erase(it);
    return true;
}

SitesFile ParseSitesText(std::string_view data) {
    SitesFile f;
    std::map<std::string, std::size_t> named;  // site names and their lines
    std::size_t number = 0;
    while (!data.empty()) {
        const std::size_t end = data.find('\n');
        std::string_view line = data.substr(0, end);
        data = end == std::string_view::npos ? std::string_view() : data.substr(end + 1);
        ++number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (number == 1 && line.substr(0, 3) == "\xEF\xBB\xBF") line.remove_prefix(3);
        if (text::trimmed(line).empty() || line.front() == '#') {
            f.lines.push_back({std::string(line), std::nullopt});
            continue;
        }
        std::string why;
        std::optional<zone::Place> site = SiteOf(line, why);
        // A name kept twice would make --site and the window's list
        // disagree on which line counts: the first one does.
        if (site && !named.emplace(site->name, number).second) {
            why =
                "the name '" + text::printable(site->name) + "' is taken by line " + std::to_string(named[site->name]);
            site.reset();
        }
        if (!site) f.problems.push_back("line " + std::to_string(number) + ": " + why);
        f.lines.push_back({site ? std::string() : std::string(line), std::move(site)});
    }
    return f;
}

std::string SitesFileText(const SitesFile& f) {
    std::string t;
    for (const SitesFile::Line& l : f.lines) t += (l.site ? LineOf(*l.site) : l.text) + '\n';
    return t;
}

SitesFile LoadSites(const std::string& path) {
    std::string data, why;
    const fileio::ReadEnd end = fileio::ReadBounded(
        path, kMaxSitesBytes,
        [&](std::string_view piece) {
            data += piece;
            return true;
        },
        why);
    if (end == fileio::ReadEnd::Failed && why == fileio::Reason(ENOENT)) return {};
    if (end == fileio::ReadEnd::Whole) return ParseSitesText(data);
    SitesFile f;
    f.whole = false;
    f.problems.push_back(end == fileio::ReadEnd::Failed  ? why
                         : end == fileio::ReadEnd::Limit ? "larger than 4 MiB"
                                                         : "not a regular file");
    return f;
}

bool SaveSites(const std::string& path, const SitesFile& f, report::Reporter& reporter) {
    if (f.whole && fileio::ReplaceFile(path, SitesFileText(f)).empty()) return true;
    reporter.beep();
    reporter.error("Can't write\r\n   " + text::printable(path) + "\r\nto disk.");
    return false;
}

}  // namespace settings
