// Places by name from the geonames database: the order of the matches and
// the largest place of a zone (the names nearest to a misspelt one:
// tests/cli's place-unknown row).
#include "place/place.h"

#include <gtest/gtest.h>

// Expected values: the geonames cities of Debian's libgeonames 0.3.0
// (tests/data/README.md).  "Washington" and "Mexico" put the exactly named
// place before larger matches (Washington D.C., Mexico City).  Exact names,
// then the others, each most populous first; nothing for no match, an empty
// text or one that is not UTF-8.
TEST(Place, SearchFindsExactNameFirstThenByPopulation) {
    const std::string tromso = "Tromsø\tTroms og Finnmark\tNorway\t69.6489\t18.95508\tEurope/Oslo";
    const struct { const char* text; std::size_t atLeast; std::string first; } cases[] = {  // first: its ListLine
        {"tromso", 1, tromso}, {"TROMSØ", 1, tromso},
        {"Springfield", 5, "Springfield\tMissouri\tUnited States of America\t37.21533\t-93.29824\tAmerica/Chicago"},
        {"Washington", 3, "Washington\tEngland\tUnited Kingdom\t54.9\t-1.51667\tEurope/London"},
        {"Mexico", 3, "Mexico\tCentral Luzon\tPhilippines\t15.0646\t120.7198\tAsia/Manila"},
        {"São Paulo", 1, "São Paulo\tSão Paulo\tBrazil\t-23.5475\t-46.63611\tAmerica/Sao_Paulo"},
        {"Nowhereville", 0, ""}, {"", 0, ""}, {"\xff\xfe", 0, ""}};
    for (const auto& c : cases) {
        const auto found = place::Search(c.text);
        ASSERT_EQ(found.size() >= c.atLeast && found.empty() == c.first.empty(), true) << c.text << " " << found.size();
        if (found.empty()) continue;
        EXPECT_EQ(place::ListLine(found[0]), c.first);
        auto key = [&](const place::Place& p) {
            return std::pair(place::Fold(p.name) == place::Fold(c.text), p.population);
        };
        for (std::size_t i = 1; i < found.size(); ++i)
            EXPECT_GE(key(found[i - 1]), key(found[i])) << c.text << ": " << found[i].name;
    }
    EXPECT_EQ(place::Label(*place::Find("Vienna")), "Vienna, Austria");  // region = name
    EXPECT_EQ(place::LargestInZone("Europe/Oslo")->name + place::LargestInZone("Asia/Kolkata")->name, "OsloMumbai");
}
