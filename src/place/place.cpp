#include "place/place.h"

#include "text/valuerule.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <memory>

#include <geonames.h>

namespace place {

namespace {

struct CityDeleter {
    void operator()(GeonamesCity* c) const { geonames_city_free(c); }
};
using City = std::unique_ptr<GeonamesCity, CityDeleter>;

std::string text(const gchar* s) { return s ? std::string(s) : std::string(); }

Place placeAt(gint index) {
    City c(geonames_get_city(index));
    Place p;
    if (!c) return p;
    p.name = text(geonames_city_get_name(c.get()));
    p.region = text(geonames_city_get_state(c.get()));
    p.country = text(geonames_city_get_country(c.get()));
    p.latitude = geonames_city_get_latitude(c.get());
    p.longitude = geonames_city_get_longitude(c.get());
    p.zone = text(geonames_city_get_timezone(c.get()));
    p.population = static_cast<long>(geonames_city_get_population(c.get()));
    return p;
}

std::string number(double v) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

}  // namespace

std::string Fold(std::string_view in) {
    std::string out;
    const std::string s(in);
    if (!g_utf8_validate(s.c_str(), static_cast<gssize>(s.size()), nullptr)) return out;
    for (const gchar* p = s.c_str(); *p; p = g_utf8_next_char(p)) {
        const gunichar c = g_utf8_get_char(p);
        if (c < 128) {
            out += static_cast<char>(g_ascii_tolower(static_cast<gchar>(c)));
            continue;
        }
        gchar one[8] = {};
        g_unichar_to_utf8(c, one);
        gchar* ascii = g_str_to_ascii(one, "C");
        if (ascii && g_ascii_isalnum(ascii[0])) out += static_cast<char>(g_ascii_tolower(ascii[0]));
        g_free(ascii);
    }
    return out;
}

std::vector<Place> Search(std::string_view query) {
    const std::string q(query);
    if (q.empty() || !g_utf8_validate(q.c_str(), static_cast<gssize>(q.size()), nullptr)) return {};
    guint n = 0;
    gint* found = geonames_query_cities_sync(q.c_str(), GEONAMES_QUERY_DEFAULT, &n, nullptr, nullptr);
    std::vector<Place> places;
    for (guint i = 0; found && i < n; ++i) places.push_back(placeAt(found[i]));
    g_free(found);
    const std::string want = Fold(q);
    std::stable_sort(places.begin(), places.end(), [&want](const Place& a, const Place& b) {
        const bool ea = Fold(a.name) == want, eb = Fold(b.name) == want;
        if (ea != eb) return ea;
        return a.population > b.population;
    });
    return places;
}

std::optional<Place> Find(std::string_view query) {
    std::vector<Place> all = Search(query);
    if (all.empty()) return std::nullopt;
    return std::move(all.front());
}

std::vector<std::string> Closest(std::string_view query, std::size_t count) {
    const std::string want = Fold(query);
    struct Near {
        std::size_t d;
        long population;
        std::string name;
    };
    std::vector<Near> all;
    const gint n = geonames_get_n_cities();
    for (gint i = 0; i < n; ++i) {
        City c(geonames_get_city(i));
        if (!c) continue;
        std::string name = text(geonames_city_get_name(c.get()));
        all.push_back({text::EditDistance(want, Fold(name)), static_cast<long>(geonames_city_get_population(c.get())),
                       std::move(name)});
    }
    // Nearest first; among equals the larger place.
    std::sort(all.begin(), all.end(), [](const Near& a, const Near& b) {
        return a.d != b.d ? a.d < b.d : a.population > b.population;
    });
    std::vector<std::string> names;
    for (const Near& x : all) {
        if (names.size() == count) break;
        if (std::find(names.begin(), names.end(), x.name) == names.end()) names.push_back(x.name);
    }
    return names;
}

std::optional<Place> LargestInZone(std::string_view zoneName) {
    std::optional<gint> best;
    guint bestPopulation = 0;
    const gint n = geonames_get_n_cities();
    for (gint i = 0; i < n; ++i) {
        City c(geonames_get_city(i));
        if (!c || zoneName != text(geonames_city_get_timezone(c.get()))) continue;
        const guint pop = geonames_city_get_population(c.get());
        if (!best || pop > bestPopulation) {
            best = i;
            bestPopulation = pop;
        }
    }
    if (!best) return std::nullopt;
    return placeAt(*best);
}

std::string Label(const Place& p) {
    std::string l = p.name;
    if (!p.region.empty() && p.region != p.name) l += ", " + p.region;
    if (!p.country.empty()) l += ", " + p.country;
    return l;
}

std::string ListLine(const Place& p) {
    return p.name + "\t" + p.region + "\t" + p.country + "\t" + number(p.latitude) + "\t" +
           number(p.longitude) + "\t" + p.zone;
}

}  // namespace place
