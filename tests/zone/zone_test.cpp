// Named zones: the clock of single days, unreadable zone files and names
// the database does not know.  The offsets of every zone and year are
// checked by zone_offsets.py.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "zone/zone.h"

// Day clocks (zone, year, month, day) from Python's zoneinfo: offset at
// the day's first instant, the clock there, hours to the next day's first
// instant, the first switch (hours after the first instant, clock move):
// what the offsets at 00:00 and 12:00 (zone_offsets.py) do not show.  A
// switch at 23:00 to the next midnight belongs to the day it ends (Nuuk
// 2040: rule "M3.5.0/-1"); a skipped day has no hours; Kwajalein 1969 lies
// before the whole-database check.  (The months of such days:
// NamedZone.DaysWithoutTheirLastHours in tests/month.)
TEST(ZoneClock, DaysAgainstZoneinfo) {
    // want: offset, start clock, length, switch at, shift.
    const struct { const char* name; int y, m; std::size_t d; std::vector<double> want; } cases[] = {
        {"Europe/Berlin", 2050, 3, 27, {1, 0, 23, 2, 1}}, {"Antarctica/Vostok", 2023, 12, 18, {7, 0, 26, 2, -2}},
        {"Europe/Sofia", 1980, 4, 5, {2, 0, 23, 23, 1}},   {"America/Nuuk", 2024, 3, 30, {-2, 0, 23, 23, 1}},
        {"America/Nuuk", 2040, 3, 24, {-2, 0, 23, 23, 1}}, {"Pacific/Kwajalein", 1969, 9, 30, {11, 0, 47, 24, -23}},
        {"Pacific/Apia", 2011, 12, 30, {14, 24, 0, 0, 0}}};
    for (const auto& c : cases) {
        const zone::DayClock k = zone::ClocksOfMonth(c.name, c.y, c.m).value()[c.d];
        const std::vector<double> got{k.offsetHours, k.startClock, k.lengthHours, k.switches ? k.switchAt[0] : 0,
                                      k.switches ? k.shiftHours[0] : 0};
        EXPECT_EQ(got, c.want) << c.name << " " << c.y;
        EXPECT_FALSE(k.plain) << c.name;
    }
}

// A private zone folder (TZDIR) with a good Berlin and a Vienna that cannot
// be read, in turn for each reason (a link to a file that is gone; every
// cut of a good file down to its first byte): the reason is said, nothing
// aborts and no clock is made.  Only names of zones are listed.
TEST(ZoneFiles, UnreadableFilesAreReportedWithTheirReason) {
    namespace fs = std::filesystem;
    const fs::path root = fs::temp_directory_path() / ("almucan-zoneinfo-" + std::to_string(::getpid())),
                   vienna = root / "Europe/Vienna";
    fs::create_directories(root / "Europe");
    std::ifstream in("/usr/share/zoneinfo/Europe/Berlin", std::ios::binary);
    const std::string berlin{std::istreambuf_iterator<char>(in), {}}, footer = "CET-1CEST,M3.5.0,M10.5.0/3\n";
    for (const char* name : {"Europe/Berlin", "posixrules", "zone1970.tab"}) std::ofstream(root / name) << berlin;
    ::setenv("TZDIR", root.c_str(), 1);
    ASSERT_EQ(berlin.substr(berlin.size() - footer.size()), footer);
    std::vector<std::pair<std::string, std::string>> cases = {
        {"", "the file is empty"}, {"# a zone\n", "it is not a zone file"}, {"", "No such file or directory"},
        {berlin.substr(0, berlin.size() - footer.size()) + "CET-1CEST,M3.5.0\n",
         "its rule for later years \"CET-1CEST,M3.5.0\" is not understood"}};
    for (std::size_t n = 1; n < berlin.size(); ++n) cases.emplace_back(berlin.substr(0, n), "the file is truncated");
    for (const auto& [bytes, why] : cases) {
        fs::remove(vienna);  // a new file each time: no flush of a truncated one
        if (why[0] == 'N') fs::create_symlink("Gone", vienna);
        else std::ofstream(vienna, std::ios::binary) << bytes;
        const auto e = zone::Check("Europe/Vienna");
        ASSERT_TRUE(e && e->kind == zone::Error::Kind::Unreadable) << bytes.size();
        EXPECT_EQ(e->message, "The time zone Europe/Vienna cannot be read: " + why);
        EXPECT_FALSE(zone::ClocksOfMonth("Europe/Vienna", 2026, 3) || zone::LocalToUtcMinutes("Europe/Vienna", 0));
    }
    EXPECT_EQ(zone::ClocksOfMonth("Europe/Berlin", 2026, 3).value()[29].lengthHours, 23);
    EXPECT_EQ(zone::Names(), (std::vector<std::string>{"Europe/Berlin", "Europe/Vienna"}));
    ::unsetenv("TZDIR");
    fs::remove_all(root);
}

// Names the database does not know, with the closest names: case and
// blanks, the last part, a few letters wrong; none for a name far from all.
TEST(ZoneNames, UnknownNamesSuggestTheClosest) {
    const std::pair<const char*, const char*> cases[] = {
        {"Berlin", "Europe/Berlin"}, {"europe/berlin", "Europe/Berlin"}, {"Europe/Berlin ", "Europe/Berlin"},
        {"Europe/Berln", "Europe/Berlin"}, {"Amerca/New_Yrok", "America/New_York"}, {"Mars/Olympus", ""},
        {"posixrules", ""}, {"../zoneinfo/Europe/Berlin", "Europe/Berlin"}, {"Europe", ""}};
    for (const auto& [name, closest] : cases) {
        const auto e = zone::Check(name);
        ASSERT_TRUE(e && e->kind == zone::Error::Kind::Unknown) << name;
        EXPECT_EQ(e->message, std::string("unknown time zone '") + name + "'" +
                                  (*closest ? std::string("; did you mean ") + closest + "?" : ""));
    }
    EXPECT_FALSE(zone::Check("Asia/Calcutta"));  // a link to Asia/Kolkata
}
