#pragma once
// The sites side by side: for one month, a row per night and a column per
// site with the night's dark-and-no-Moon hours as a bar and a number, the
// site with the most of them marked.
#include <optional>
#include <string>
#include <vector>

#include "month/nights.h"
#include "render/page.h"

namespace render {

// The most sites compared side by side (the page's columns, the command
// line's --site options, the window's Sites compared).
inline constexpr std::size_t kMostComparedSites = 4;

// One site's column: its name, its place (the first site's place heads the
// printed page) and its nights of the month (month::Nights, one per
// evening; every site's nights are the same evenings).
struct SiteNights {
    std::string name;
    const month::Month* month = nullptr;
    std::vector<month::Night> nights;
};

// The site with the most dark-and-no-Moon minutes on night `index`, or
// none when no site has any; the first of equal sites.
std::optional<std::size_t> BestSite(const std::vector<SiteNights>& sites, std::size_t index);

// The compare page of `sites` (2 to 4; more are left out) on the current
// surface: on screen the rows, the sites' headings and the key, with night
// `highlightDay` (its evening's day of the month) marked; on paper the
// printed header of the first site's place, the rows and the key, and the
// print document ended.  False when ending the print document failed.
bool DrawComparePage(PageContext& ctx, const std::vector<SiteNights>& sites, std::optional<int> highlightDay = {});

}  // namespace render
