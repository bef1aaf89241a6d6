// Accuracy study: Almucan's daily events against libnova for a grid of
// places and months.  Usage: almucan_accuracy [--rst] [years...]; the
// default years spread over 1900-2100.  Without --rst the reference is the
// instant libnova's Sun and Moon cross the horizon; with --rst it is
// libnova's own rise/set routine.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <vector>

#include "compare.h"
#include "grid.h"

int main(int argc, char** argv) {
    std::vector<int> years;
    accuracy::Reference reference = accuracy::Reference::Crossing;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--rst") == 0) {
            reference = accuracy::Reference::Rst;
        } else {
            years.push_back(std::atoi(argv[i]));
        }
    }
    if (years.empty()) years = {1900, 1950, 2000, 2024, 2050, 2100};
    accuracy::Stats stats;
    const auto places = accuracy::StudyPlaces();
    std::vector<accuracy::Stats> perPlace(places.size());
    for (std::size_t i = 0; i < places.size(); ++i) {
        for (int y : years) {
            for (int m = 1; m <= 12; ++m) {
                accuracy::CompareMonth(places[i], y, m, perPlace[i], reference);
            }
        }
        stats.Add(perPlace[i]);
        std::fprintf(stderr, "%s done\n", places[i].name.c_str());
    }
    std::cout << "Reference: "
              << (reference == accuracy::Reference::Crossing
                      ? "libnova positions, horizon crossings"
                      : "libnova rise/set routine")
              << "\nPlaces: " << places.size() << ", years:";
    for (int y : years) std::cout << ' ' << y;
    std::cout << "\n" << accuracy::TableText(stats, 12);
    std::cout << "\nPer place, mean / largest difference in minutes:\n\n"
              << "| Place | Moon rise | Moon set | Sun rise | Sun set | Twilight begin | Twilight end |\n"
              << "|---|---:|---:|---:|---:|---:|---:|\n";
    for (std::size_t i = 0; i < places.size(); ++i) {
        std::cout << "| " << places[i].name;
        for (const auto& ks : perPlace[i].kinds) {
            std::printf(" | %.2f / %.1f", ks.Mean(), ks.worst.minutes);
        }
        std::cout << " |\n";
    }
    return 0;
}
