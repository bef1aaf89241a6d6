#pragma once
// The kept sites on the command line: --sites, --site, and two to four
// sites compared night by night (--nights, --tsv, --json, --ics).
#include <string>
#include <vector>

#include "cli/cli.h"
#include "zone/clock.h"

namespace cli {

// Why the outputs of `o` do not go with its --site options: more than
// four, or several with an output of one place (the table, --events, a
// PNG, PDF or chart).  Empty when they go together.
std::string SitesError(const Options& o);

// --sites: the sites of the sites file in the settings folder of `o`, a
// line each as the file holds them (name, longitude, latitude, zone;
// tab-separated, LF); the file's damaged lines are reported on `rep`.
// 0, or 1 when there is no settings folder.
int SitesText(const Options& o, std::string& out, report::Reporter& rep);

// The sites `o` names, from the sites file beside `settingsPath`, in the
// order given; its damaged lines reported.  2 after saying which name is
// no site (with the closest names), else 0.
int SitesOfRun(const Options& o, const std::string& settingsPath, std::vector<zone::Place>& sites,
               report::Reporter& rep);

// The night-by-night comparison of `sites` for the months of `o`: text
// (or --tsv, --json) into `out`, the calendar of every site's intervals
// into --ics.  0 or the exit code.
int CompareSites(const Options& o, const settings::Settings& s, const std::vector<zone::Place>& sites, std::string& out,
                 report::Reporter& rep, fileio::StagedFiles* files);

}  // namespace cli
