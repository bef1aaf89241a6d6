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
    for (const auto& p : places) {
        for (int y : years) {
            for (int m = 1; m <= 12; ++m) accuracy::CompareMonth(p, y, m, stats, reference);
        }
        std::fprintf(stderr, "%s done\n", p.name.c_str());
    }
    std::cout << "Reference: "
              << (reference == accuracy::Reference::Crossing
                      ? "libnova positions, horizon crossings"
                      : "libnova rise/set routine")
              << "\nPlaces: " << places.size() << ", years:";
    for (int y : years) std::cout << ' ' << y;
    std::cout << "\n" << accuracy::TableText(stats, 12);
    return 0;
}
