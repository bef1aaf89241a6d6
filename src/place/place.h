#pragma once
// Places by name: the cities of the geonames database (about 24,000 with
// at least 15,000 inhabitants), found accent- and case-blind.  Qt-free.
// The names are read once and kept folded for the searches.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace place {

struct City {
    std::string name;      // "Tromsø"
    std::string region;    // "Troms og Finnmark"
    std::string country;   // "Norway"
    double latitude = 0;   // degrees, north positive
    double longitude = 0;  // degrees, east positive
    std::string zone;      // tz database name, "Europe/Oslo"
    long population = 0;
};

// The places whose name matches `text`: each word of the folded text (Fold)
// begins a word of the folded name, or runs on into the words after it
// ("Winstonsalem" finds Winston-Salem); those named exactly `text` (folded)
// first, then by population, most populous first.  Empty for a text that
// folds to nothing, is not UTF-8 or is longer than LongestName() (blanks
// around it aside).
std::vector<City> Search(std::string_view text);

// The first of Search(text): the exact name, else the most populous match.
std::optional<City> Find(std::string_view text);

// The `count` names of the database nearest to `text` by edit distance
// between the folded texts, nearest first, among equals the larger place,
// each name once.  Empty for a text longer than LongestName().
std::vector<std::string> Closest(std::string_view text, std::size_t count = 3);

// The characters of the longest name of the database: a longer text names
// no place and is not searched.
std::size_t LongestName();

// Why `text` names no place, for a message: "no place named 'Tromsoo';
// the closest names: Tromsø, Tomsk, Rossoh'" (the text made valid UTF-8,
// its control characters escaped as text::printable does), or, for a text
// longer than LongestName(), its length and the longest name's.
std::string NotFound(std::string_view text);

// The most populous place whose zone is `zoneName`; empty when none is.
std::optional<City> LargestInZone(std::string_view zoneName);

// "Tromsø, Troms og Finnmark, Norway" (the region left out when empty or
// equal to the name).
std::string Label(const City& p);

// Name, region, country, latitude, longitude and zone separated by tabs,
// the numbers in the shortest text that reads back exactly, with "." as
// the decimal point whatever the locale.
std::string ListLine(const City& p);

// `text` as names are compared: accents and letter case left out, each
// letter without a decomposition spelt in ASCII ("Tromsø" -> "tromso",
// "Łódź" -> "lodz", "Straße" -> "strasse"), apostrophes left out
// ("Noril'sk" -> "norilsk"), every other run of characters that are not
// letters or digits (blanks, hyphens, commas) one blank between words
// ("Winston-Salem" -> "winston salem").  Letters of other scripts stay,
// in lower case.  Empty for a text that is not UTF-8.
std::string Fold(std::string_view text);

}  // namespace place
