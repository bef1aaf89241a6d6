#pragma once
// The observer's sites: "Almucan-sites.tsv" beside the settings file, UTF-8,
// one site a line of four tab-separated columns (name, longitude east,
// latitude north, zone as a tz database name or fixed hours east), no
// header; lines starting with "#" are comments.  Comments and damaged lines
// are kept as they stand when the file is written again, so nothing the
// user wrote is lost.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "report/reporter.h"
#include "zone/clock.h"

namespace settings {

inline constexpr const char* kSitesFileName = "Almucan-sites.tsv";

// The sites file in the folder of the settings file `settingsPath`.
std::string SitesPathFor(const std::string& settingsPath);

// Why `name` cannot name a site ("a site needs a name", "a site's name
// cannot hold a tab or a line break"), or empty.
std::string SiteNameProblem(std::string_view name);

struct SitesFile {
    struct Line {
        std::string text;                 // as read: a comment or a damaged line (empty for a site)
        std::optional<zone::Place> site;  // a site, its name in place.name
    };
    std::vector<Line> lines;
    // "line 3: latitude 95 outside -90..90", one per damaged line, in order.
    std::vector<std::string> problems;
    // False when the file exists but could not be read: it is then never
    // written over.
    bool whole = true;

    // The sites in the order of the file.
    std::vector<zone::Place> sites() const;
    // The site named `name` exactly, else the only one named so in any
    // letter case; nothing otherwise.
    std::optional<zone::Place> find(std::string_view name) const;
    // Up to `count` names of sites nearest to `name` (edit distance,
    // letter case aside), nearest first.
    std::vector<std::string> closest(std::string_view name, std::size_t count = 3) const;
    // Puts `site` in: over the site of the same name, else at the end.
    // Returns why its name is refused, or empty.
    std::string put(const zone::Place& site);
    // Renames site `from` to `to` (refused when `to` is taken by another
    // site or no name) or removes it; false when there is no such site.
    bool rename(std::string_view from, std::string_view to);
    bool remove(std::string_view name);
};

// The file's lines read; a damaged line is kept and reported in problems.
SitesFile ParseSitesText(std::string_view data);
// The text of the file, LF line ends; numbers in C notation, exact when
// read back.
std::string SitesFileText(const SitesFile& f);

// The sites file at `path`: empty without problems when it does not exist;
// a file that cannot be read gives one problem with the system's reason.
SitesFile LoadSites(const std::string& path);
// Writes the file through the checked writer; on failure a beep and an
// error naming the file.  True when written.
bool SaveSites(const std::string& path, const SitesFile& f, report::Reporter& reporter);

}  // namespace settings
