// Prints the UT offsets the program uses, for the whole-database check
// (zone_offsets.py): for each zone name read from standard input and each
// year 1970-2100, a line "name year" and 48 offsets in seconds east, at
// 00:00 and 12:00 local clock time of the 1st and the 15th of each month.
// 00:00 is the day's first instant (DayClock), 12:00 the instant
// LocalToUtcMinutes gives, read on that day's clock.  A day whose clock
// does not end at 24:00 spoils its line.
#include <cmath>
#include <iostream>
#include <string>

#include "zone/zone.h"

int main() {
    std::string name;
    while (std::getline(std::cin, name)) {
        for (int y = 1970; y <= 2100; ++y) {
            std::string line = name + " " + std::to_string(y);
            for (int m = 1; m <= 12; ++m) {
                const auto clocks = zone::ClocksOfMonth(name, y, m);
                if (!clocks) return 1;
                // Every day that exists ends at 24:00 on its own clock.
                for (std::size_t d = 1; d <= 31; ++d)
                    if ((*clocks)[d].Exists() && (*clocks)[d].ClockAt((*clocks)[d].lengthHours) != 24)
                        line += " day-" + std::to_string(d) + "-ends-off-24:00";
                for (std::size_t d : {1u, 15u}) {
                    const zone::DayClock& c = (*clocks)[d];
                    // Local minutes since 1970 of the day's 12:00.
                    const long long noon =
                        std::llround((c.startMjd - 40587 + c.offsetHours / 24) * 1440 - c.startClock * 60) + 720;
                    const long long utc = *zone::LocalToUtcMinutes(name, noon);
                    const double elapsed = (static_cast<double>(utc) - (c.startMjd - 40587) * 1440) / 60;
                    double at12 = c.offsetHours;
                    for (int k = 0; k < c.switches; ++k)
                        if (elapsed >= c.switchAt[static_cast<std::size_t>(k)]) at12 += c.shiftHours[static_cast<std::size_t>(k)];
                    line += " " + std::to_string(std::lround(c.offsetHours * 3600)) + " " +
                            std::to_string(std::lround(at12 * 3600));
                }
            }
            std::cout << line << '\n';
        }
    }
    return 0;
}
