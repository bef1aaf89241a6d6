// Places by name from the geonames database: the order of the matches,
// names typed with or without accents, the largest place of a zone, and
// the names nearest to a misspelt one.
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
        auto key = [&](const place::City& p) {
            return std::pair(place::Fold(p.name) == place::Fold(c.text), p.population);
        };
        for (std::size_t i = 1; i < found.size(); ++i)
            EXPECT_GE(key(found[i - 1]), key(found[i])) << c.text << ": " << found[i].name;
    }
    EXPECT_EQ(place::Label(*place::Find("Vienna")), "Vienna, Austria");  // region = name
    // Typed with accents, apostrophes, hyphens or run together, or begun
    // only: the database's name.
    const std::pair<const char*, const char*> spellings[] = {
        {"Zürich", "Zurich"}, {"Zür", "Zurich"}, {"Malmö", "Malmo"}, {"\xC5\x81\xC3\xB3\x64\xC5\xBA", "Lodz"},
        {"Reykjavík", "Reykjavik"}, {"Montréal", "Montreal"}, {"Kraków", "Krakow"}, {"Tromsø", "Tromsø"},
        {"Tromso", "Tromsø"}, {"Norilsk", "Noril'sk"}, {"Noril’sk", "Noril'sk"}, {"Winstonsalem", "Winston-Salem"},
        {"winston salem", "Winston-Salem"}, {"Adapazari", "Adapazarı"}, {"Mu\xCC\x88lheim", "Mülheim"}};
    for (const auto& [typed, name] : spellings) {
        const auto p = place::Find(typed);
        EXPECT_EQ(p ? p->name : "", name) << typed;
    }
    EXPECT_EQ(place::LargestInZone("Europe/Oslo")->name + place::LargestInZone("Asia/Kolkata")->name, "OsloMumbai");
}

// A name not found: the three nearest (edit distance of the folded
// names), control characters escaped; a text longer than the longest name
// ("Chak Two Hundred Forty-nine Thal Development Authority", 54 characters)
// is not searched.
TEST(Place, NotFoundGivesTheClosestNamesOrSaysTooLong) {
    EXPECT_EQ(place::LongestName(), 54u);
    const std::pair<std::string, std::string> cases[] = {
        {"Viena", "no place named 'Viena'; the closest names: Vienna, Viana, Siena"},
        {"Tromsoo", "no place named 'Tromsoo'; the closest names: Tromsø, Tomsk, Rossoh'"},
        {"Genf\x1B[2J", "no place named 'Genf\\x1B[2J'; the closest names: Genoa, Geneva, Geneina"},
        {std::string(54, 'x'), "no place named '" + std::string(54, 'x') + "'; the closest names: "},
        {std::string(50000, 'x'), "no place has a name that long: 50000 characters, the longest has 54"},
        {std::string(55, 'x'), "no place has a name that long: 55 characters, the longest has 54"}};
    for (const auto& [typed, message] : cases)
        EXPECT_EQ(place::NotFound(typed).substr(0, message.size()), message) << typed.size();
    EXPECT_TRUE(place::Search(std::string(55, 'a')).empty() && place::Closest(std::string(55, 'a')).empty());
}
