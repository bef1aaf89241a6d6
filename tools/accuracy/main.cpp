// Accuracy study: Almucan's daily events against libnova for a grid of
// places and months.  Usage: almucan_accuracy [years...]; the default years
// spread over 1900-2100.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <vector>

#include "compare.h"
#include "grid.h"

int main(int argc, char** argv) {
    std::vector<int> years;
    for (int i = 1; i < argc; ++i) years.push_back(std::atoi(argv[i]));
    if (years.empty()) years = {1900, 1950, 2000, 2024, 2050, 2100};
    accuracy::Stats stats;
    const auto places = accuracy::StudyPlaces();
    for (const auto& p : places) {
        for (int y : years) {
            for (int m = 1; m <= 12; ++m) accuracy::CompareMonth(p, y, m, stats);
        }
        std::fprintf(stderr, "%s done\n", p.name.c_str());
    }
    std::cout << "Places: " << places.size() << ", years:";
    for (int y : years) std::cout << ' ' << y;
    std::cout << "\n" << accuracy::TableText(stats, 12);
    return 0;
}
