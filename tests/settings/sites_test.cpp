// The sites file: read with damaged lines reported and kept, changed, and written back.
#include "settings/sites.h"

#include <gtest/gtest.h>

// A file of comments, odd names and damaged lines: each damaged line is
// said with its number, the others read; written back, every line stands
// as it was (a site's numbers in C notation read back exactly).
TEST(SitesFile, ReadChangedAndWrittenBack) {
    const std::string text =
        "# my sites\n"
        "Home\t16.37\t48.21\tEurope/Vienna\n"
        "\"Dark\" site #2 \xC3\x98\t-105.5\t-33.333333333333336\t-7\n"
        "no zone\t1\t2\tMars/Olympus\n"
        "three\t1\t2\n"
        "south\t1\t-90.5\t1\n"
        "\t1\t2\t1\n"
        "half hour\t77\t28\t5.5\n"
        "Home\t1\t2\t3\n";
    settings::SitesFile f = settings::ParseSitesText(text);
    ASSERT_EQ(f.problems.size(), 6u);
    const char* lines[] = {"line 4: ", "line 5: wants 4 tab-separated columns, has 3", "line 6: latitude '-90.5'",
                           "line 7: a site needs a name", "line 8: ", "line 9: the name 'Home' is taken by line 2"};
    for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(f.problems[i].rfind(lines[i], 0), 0u) << f.problems[i];
    ASSERT_EQ(f.sites().size(), 2u);
    EXPECT_EQ(f.sites()[1].latitude, -33.333333333333336);
    EXPECT_EQ(f.sites()[1].clock.fixedHours, -7);
    EXPECT_EQ(f.sites()[0].clock.zoneName, "Europe/Vienna");
    EXPECT_EQ(settings::SitesFileText(f), text);
    // Names: found in any letter case when only one site is so named;
    // a tab, a line break or a leading "#" refused; renamed only to a free name.
    EXPECT_EQ(f.find("HOME")->longitude, 16.37);
    zone::Place p{1, 2, {3, false, ""}, "Tab\there"};
    EXPECT_NE(f.put(p), "");
    p.name = "Line\nbreak";
    EXPECT_NE(f.put(p), "");
    p.name = "#hash";
    EXPECT_NE(f.put(p), "");
    p.name = "New";
    EXPECT_EQ(f.put(p), "");
    EXPECT_FALSE(f.rename("New", "Home"));
    EXPECT_TRUE(f.rename("New", "Newer"));
    EXPECT_TRUE(f.remove("Home"));
    EXPECT_EQ(settings::SitesFileText(f), text.substr(0, 11) + text.substr(text.find('\"')) + "Newer\t1\t2\t3\n");
}
