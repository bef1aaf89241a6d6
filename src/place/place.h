#pragma once
// Places by name: the cities of the geonames database (about 24,000 with
// at least 15,000 inhabitants), found accent- and case-blind.  Qt-free.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace place {

struct Place {
    std::string name;     // "Tromsø"
    std::string region;   // "Troms og Finnmark"
    std::string country;  // "Norway"
    double latitude = 0;   // degrees, north positive
    double longitude = 0;  // degrees, east positive
    std::string zone;      // tz database name, "Europe/Oslo"
    long population = 0;
};

// The places whose name matches `text` (each word of the text begins a
// word of the name, accents and letter case ignored): those named exactly
// `text` first, then by population, most populous first.  Empty for an
// empty text.
std::vector<Place> Search(std::string_view text);

// The first of Search(text): the exact name, else the most populous match.
std::optional<Place> Find(std::string_view text);

// The `count` names of the database nearest to `text` by edit distance
// (accents and letter case ignored), nearest first, each name once.
std::vector<std::string> Closest(std::string_view text, std::size_t count = 3);

// The most populous place whose zone is `zoneName`; empty when none is.
std::optional<Place> LargestInZone(std::string_view zoneName);

// "Tromsø, Troms og Finnmark, Norway" (the region left out when empty or
// equal to the name).
std::string Label(const Place& p);

// Name, region, country, latitude, longitude and zone separated by tabs,
// the numbers in the shortest text that reads back exactly, with "." as
// the decimal point whatever the locale.
std::string ListLine(const Place& p);

// `text` in lower-case ASCII letters: each accented or foreign letter
// becomes the first letter of its ASCII spelling ("Tromsø" -> "tromso").
std::string Fold(std::string_view text);

}  // namespace place
