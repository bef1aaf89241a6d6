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
    for (std::string name; std::getline(std::cin, name);)
        for (int y = 1970; y <= 2100; ++y) {
            std::string line = name + " " + std::to_string(y);
            for (int m = 1; m <= 12; ++m) {
                const auto clocks = zone::ClocksOfMonth(name, y, m);
                if (!clocks) return 1;
                for (std::size_t d = 1; d <= 31; ++d)
                    if (const auto& c = (*clocks)[d]; c.Exists() && c.ClockAt(c.lengthHours) != 24)
                        line += " day-" + std::to_string(d) + "-ends-off-24:00";
                for (std::size_t d : {1u, 15u}) {
                    const zone::DayClock& c = (*clocks)[d];
                    const double day0 = (c.startMjd - 40587) * 1440;  // minutes since 1970 of the first instant
                    const auto utc = *zone::LocalToUtcMinutes(
                        name, std::llround(day0 + c.offsetHours * 60 - c.startClock * 60) + 720);
                    double at12 = c.offsetHours;
                    for (std::size_t k = 0; k < static_cast<std::size_t>(c.switches); ++k)
                        if ((static_cast<double>(utc) - day0) / 60 >= c.switchAt[k]) at12 += c.shiftHours[k];
                    line += " " + std::to_string(std::lround(c.offsetHours * 3600)) + " " +
                            std::to_string(std::lround(at12 * 3600));
                }
            }
            std::cout << line << '\n';
        }
}
