// Test driver: writes the dark nights of a month (yyyymm) or a year (yyyy)
// with ical::WriteIcs, and the month tables around them as TSV, each
// introduced by a line "# yyyymm", for check_ics.py to compare.
//   ics_export yyyymm|yyyy lon lat zone summer(0|1) out.ics tables.tsv
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "report/reporter.h"
#include "ical/darknights.h"
#include "month/monthcalc.h"

int main(int argc, char** argv) {
    if (argc != 8) {
        std::cerr << "usage: ics_export yyyymm|yyyy lon lat zone summer out.ics tables.tsv\n";
        return 2;
    }
    std::string when = argv[1];
    month::Location loc{std::atof(argv[2]), std::atof(argv[3]), std::atof(argv[4])};
    bool summer = std::string(argv[5]) == "1";
    int year = std::atoi(when.substr(0, 4).c_str());
    int first = when.size() == 6 ? std::atoi(when.substr(4).c_str()) : 1;
    int last = when.size() == 6 ? first : 12;
    report::SilentReporter quiet;
    auto calc = [&](int y, int m) {
        char text[16];
        std::snprintf(text, sizeof text, "%04d%02d", y, m);
        return month::CalculateMonth(text, summer, loc, quiet);
    };
    std::vector<month::MonthResult> months;
    for (int m = first; m <= last; ++m) months.push_back(*calc(year, m));
    std::string error;
    if (!ical::WriteIcs(months, loc, summer, argv[6], error)) {
        std::cerr << error << "\n";
        return 1;
    }
    std::ofstream tables(argv[7], std::ios::binary);
    for (int i = (year * 12 + first - 1) - 1; i <= (year * 12 + last - 1) + 3; ++i) {
        auto r = calc(i / 12, i % 12 + 1);
        if (!r) continue;
        tables << "# " << i / 12 << (i % 12 + 1 < 10 ? "0" : "") << i % 12 + 1 << "\n"
               << month::TsvText(*r);
    }
    return tables ? 0 : 1;
}
