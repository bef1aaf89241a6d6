#pragma once
// Comparison of Almucan's daily events with libnova's for a grid of places
// and months.  Times are compared as absolute instants (UT), differences in
// minutes.
#include <array>
#include <string>
#include <vector>

namespace accuracy {

struct Place {
    std::string name;
    double longitude;  // degrees, east positive
    double latitude;   // degrees, north positive
    int zone;          // whole hours, east positive
};

// The six event kinds, in the order of the month table's columns 1 to 6.
constexpr int kKinds = 6;
const std::array<std::string, kKinds>& KindNames();

struct Case {
    double minutes = 0;  // |Almucan - libnova| in minutes
    std::string where;   // "place yyyy-mm-dd almucan-cell"
};

struct KindStats {
    long compared = 0;
    double sumMinutes = 0;
    Case worst;
    long almucanOnly = 0;  // Almucan has the event, libnova none within the match window
    long libnovaOnly = 0;  // libnova has an event inside the local day, Almucan none
    std::vector<std::string> almucanOnlyCases;
    std::vector<std::string> libnovaOnlyCases;
    double Mean() const { return compared ? sumMinutes / static_cast<double>(compared) : 0; }
};

struct Stats {
    std::array<KindStats, kKinds> kinds;
    long months = 0;
    long days = 0;
    // Adds another grid's counts, sums and worst cases (kept case lists
    // are appended).
    void Add(const Stats& other);
};

// The libnova events Almucan is compared with.
enum class Reference {
    // The instants at which libnova's Sun and Moon, precessed to the equinox
    // of the date, cross the horizon (found by sampling and bisection).
    Crossing,
    // libnova's own rise/set routine on the same precessed positions.
    Rst,
};

// Compares one month of one place (no summer time) and adds to stats.
void CompareMonth(const Place& place, int year, int month, Stats& stats,
                  Reference reference = Reference::Crossing);

// Text of a result table in Markdown.
std::string TableText(const Stats& stats, std::size_t casesPerKind);

}  // namespace accuracy
