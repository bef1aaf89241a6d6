// Places by name from the geonames database: the order of the matches, the
// names nearest to a misspelt one and the largest place of a zone.
#include "place/place.h"

#include <gtest/gtest.h>

// Expected values: the geonames cities of Debian's libgeonames 0.3.0
// (tests/data/README.md).  "Washington" and "Mexico" put the exactly named
// place before larger matches (Washington D.C., Mexico City).
TEST(Place, SearchFindsExactNameFirstThenByPopulation) {
    const struct {
        const char* text;
        std::size_t atLeast;
        const char* first;  // its ListLine
    } cases[] = {
        {"tromso", 1, "Tromsø\tTroms og Finnmark\tNorway\t69.6489\t18.95508\tEurope/Oslo"},
        {"TROMSØ", 1, "Tromsø\tTroms og Finnmark\tNorway\t69.6489\t18.95508\tEurope/Oslo"},
        {"Springfield", 5, "Springfield\tMissouri\tUnited States of America\t37.21533\t-93.29824\tAmerica/Chicago"},
        {"Washington", 3, "Washington\tEngland\tUnited Kingdom\t54.9\t-1.51667\tEurope/London"},
        {"Mexico", 3, "Mexico\tCentral Luzon\tPhilippines\t15.0646\t120.7198\tAsia/Manila"},
        {"São Paulo", 1, "São Paulo\tSão Paulo\tBrazil\t-23.5475\t-46.63611\tAmerica/Sao_Paulo"},
        {"Nowhereville", 0, nullptr},
        {"", 0, nullptr},
        {"\xff\xfe", 0, nullptr},  // not UTF-8
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto found = place::Search(c.text);
        ASSERT_GE(found.size(), c.atLeast);
        if (!c.first) {
            EXPECT_TRUE(found.empty());
            continue;
        }
        EXPECT_EQ(place::ListLine(found[0]), c.first);
        // Exact names, then the others, each most populous first.
        auto exact = [&](const place::Place& p) { return place::Fold(p.name) == place::Fold(c.text); };
        for (std::size_t i = 1; i < found.size(); ++i) {
            EXPECT_GE(exact(found[i - 1]), exact(found[i]));
            if (exact(found[i - 1]) == exact(found[i])) {
                EXPECT_GE(found[i - 1].population, found[i].population) << found[i].name;
            }
        }
    }
    EXPECT_EQ(place::Label(*place::Find("tromso")), "Tromsø, Troms og Finnmark, Norway");
    EXPECT_EQ(place::Label(*place::Find("Vienna")), "Vienna, Austria");  // region = name
    EXPECT_EQ(place::Closest("Tromsoo"), (std::vector<std::string>{"Tromsø", "Tomsk", "Towson"}));
    EXPECT_EQ(place::LargestInZone("Europe/Oslo")->name, "Oslo");
    EXPECT_EQ(place::LargestInZone("Asia/Kolkata")->name, "Mumbai");
    EXPECT_FALSE(place::LargestInZone("Etc/UTC"));
}
