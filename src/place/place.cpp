// Places by name from the geonames cities: folded search, closest names, list lines.
#include "place/place.h"

#include "text/strings.h"

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
using CityHandle = std::unique_ptr<GeonamesCity, CityDeleter>;

std::string text(const gchar* s) { return s ? std::string(s) : std::string(); }

City cityAt(gint index) {
    CityHandle c(geonames_get_city(index));
    City p;
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

// A folded name's words run together ("winstonsalem") and where each
// begins: a typed word may run on into the next word of the name.
struct Words {
    std::string letters;
    std::vector<std::size_t> starts;
    std::size_t lengthAt(std::size_t start) const {
        const auto next = std::upper_bound(starts.begin(), starts.end(), start);
        return (next == starts.end() ? letters.size() : *next) - start;
    }
};

Words wordsOf(std::string_view folded) {
    Words w;
    bool begins = true;
    for (char c : folded) {
        if (c == ' ') {
            begins = true;
            continue;
        }
        if (begins) w.starts.push_back(w.letters.size());
        begins = false;
        w.letters += c;
    }
    return w;
}

bool beginsAWord(const Words& name, std::string_view typed) {
    return std::any_of(name.starts.begin(), name.starts.end(), [&](std::size_t at) {
        return std::string_view(name.letters).substr(at).substr(0, typed.size()) == typed;
    });
}

std::string number(double v) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

// A letter without a decomposition into an ASCII letter and accents, and
// its ASCII spelling; other such letters are kept as they are.
struct Spelling {
    gunichar letter;
    const char* ascii;
};
constexpr Spelling kSpellings[] = {{0x00F8, "o"},  {0x0142, "l"},  {0x0111, "d"},  {0x00F0, "d"},
                                   {0x0131, "i"},  {0x0127, "h"},  {0x0167, "t"},  {0x014B, "n"},
                                   {0x0138, "k"},  {0x01DD, "e"},  {0x0259, "e"},  {0x00DF, "ss"},
                                   {0x00E6, "ae"}, {0x0153, "oe"}, {0x00FE, "th"}, {0x0192, "f"}};

// Apostrophes and the letters written like them (Noril'sk, Cox’s Bāzār,
// Madīnat ‘Īsá): left out, so that they join the letters around them.
bool isApostrophe(gunichar c) {
    switch (c) {
        case '\'':
        case '`':
        case 0x00B4:
        case 0x2018:
        case 0x2019:
        case 0x201B:
        case 0x2032:
        case 0x02B9:
        case 0x02BB:
        case 0x02BC:
        case 0x02BD:
        case 0x02BE:
        case 0x02BF:
        case 0x02C8:
            return true;
        default:
            return false;
    }
}

// The database's names folded once, in the database's order.
struct Entry {
    gint index;
    std::string folded;  // Fold(name)
    Words words;
    std::string name;
    long population;
};

const std::vector<Entry>& database() {
    static const std::vector<Entry> all = [] {
        std::vector<Entry> v;
        const gint n = geonames_get_n_cities();
        v.reserve(static_cast<std::size_t>(std::max(n, 0)));
        for (gint i = 0; i < n; ++i) {
            CityHandle c(geonames_get_city(i));
            if (!c) continue;
            std::string name = text(geonames_city_get_name(c.get()));
            std::string folded = Fold(name);
            Words words = wordsOf(folded);
            v.push_back({i, std::move(folded), std::move(words), std::move(name),
                         static_cast<long>(geonames_city_get_population(c.get()))});
        }
        return v;
    }();
    return all;
}

}  // namespace

std::string Fold(std::string_view in) {
    std::string out;
    const std::string s(in);
    if (!g_utf8_validate(s.c_str(), static_cast<gssize>(s.size()), nullptr)) return out;
    // Compatibility decomposition: accents become marks of their own, to be
    // left out; ligatures and full-width forms become their letters.
    gchar* decomposed = g_utf8_normalize(s.c_str(), static_cast<gssize>(s.size()), G_NORMALIZE_NFKD);
    if (!decomposed) return out;
    bool blank = false;  // a word ended: a blank before the next letter
    for (const gchar* p = decomposed; *p; p = g_utf8_next_char(p)) {
        const gunichar c = g_unichar_tolower(g_utf8_get_char(p));
        if (g_unichar_ismark(c) || isApostrophe(c)) continue;
        std::string letters;
        if (c < 128) {
            if (g_ascii_isalnum(static_cast<gchar>(c))) letters = static_cast<char>(c);
        } else if (const auto sp = std::find_if(std::begin(kSpellings), std::end(kSpellings),
                                                [c](const Spelling& x) { return x.letter == c; });
                   sp != std::end(kSpellings)) {
            letters = sp->ascii;
        } else if (g_unichar_isalnum(c)) {
            gchar one[8] = {};
            letters.assign(one, static_cast<std::size_t>(g_unichar_to_utf8(c, one)));
        }
        if (letters.empty()) {
            blank = !out.empty();
            continue;
        }
        if (blank) out += ' ';
        blank = false;
        out += letters;
    }
    g_free(decomposed);
    return out;
}

std::size_t LongestName() {
    static const std::size_t longest = [] {
        std::size_t n = 0;
        for (const Entry& e : database()) n = std::max(n, text::charCount(e.name));
        return n;
    }();
    return longest;
}

namespace {

// The characters of a typed name, the blanks around it aside.
std::size_t typedLength(std::string_view query) { return text::charCount(text::trimmed(query)); }

}  // namespace

std::vector<City> Search(std::string_view query) {
    if (typedLength(query) > LongestName()) return {};
    const std::string want = Fold(query);
    if (want.empty()) return {};
    const Words typed = wordsOf(want);
    std::vector<const Entry*> found;
    for (const Entry& e : database())
        if (std::all_of(typed.starts.begin(), typed.starts.end(), [&](std::size_t at) {
                return beginsAWord(e.words, std::string_view(typed.letters).substr(at, typed.lengthAt(at)));
            }))
            found.push_back(&e);
    // Exact names first, then the larger places; the database's order
    // among equals.
    std::stable_sort(found.begin(), found.end(), [&want](const Entry* a, const Entry* b) {
        const bool ea = a->folded == want, eb = b->folded == want;
        if (ea != eb) return ea;
        return a->population > b->population;
    });
    std::vector<City> places;
    places.reserve(found.size());
    for (const Entry* e : found) places.push_back(cityAt(e->index));
    return places;
}

std::optional<City> Find(std::string_view query) {
    std::vector<City> all = Search(query);
    if (all.empty()) return std::nullopt;
    return std::move(all.front());
}

std::vector<std::string> Closest(std::string_view query, std::size_t count) {
    if (typedLength(query) > LongestName()) return {};
    // The work is bounded by the lengths (O(n m) a name): a text whose fold
    // outgrows its characters (ligatures, compatibility forms) is compared
    // by as many bytes as the longest folded name has.
    static const std::size_t longestFolded = [] {
        std::size_t n = 0;
        for (const Entry& e : database()) n = std::max(n, e.folded.size());
        return n;
    }();
    std::string want = Fold(query);
    if (want.size() > longestFolded) want.resize(longestFolded);
    struct Near {
        std::size_t d;
        const Entry* entry;
    };
    std::vector<Near> all;
    all.reserve(database().size());
    for (const Entry& e : database()) all.push_back({text::EditDistance(want, e.folded), &e});
    // Nearest first; among equals the larger place.
    std::stable_sort(all.begin(), all.end(), [](const Near& a, const Near& b) {
        return a.d != b.d ? a.d < b.d : a.entry->population > b.entry->population;
    });
    std::vector<std::string> names;
    for (const Near& x : all) {
        if (names.size() == count) break;
        if (std::find(names.begin(), names.end(), x.entry->name) == names.end()) names.push_back(x.entry->name);
    }
    return names;
}

std::string NotFound(std::string_view query) {
    const std::size_t length = typedLength(query);
    if (length > LongestName())
        return "no place has a name that long: " + std::to_string(length) + " characters, the longest has " +
               std::to_string(LongestName());
    std::string near;
    for (const std::string& n : Closest(query)) near += (near.empty() ? "" : ", ") + n;
    return "no place named '" + text::printable(text::validUtf8(query)) + "'; the closest names: " + near;
}

std::optional<City> LargestInZone(std::string_view zoneName) {
    std::optional<gint> best;
    guint bestPopulation = 0;
    const gint n = geonames_get_n_cities();
    for (gint i = 0; i < n; ++i) {
        CityHandle c(geonames_get_city(i));
        if (!c || zoneName != text(geonames_city_get_timezone(c.get()))) continue;
        const guint pop = geonames_city_get_population(c.get());
        if (!best || pop > bestPopulation) {
            best = i;
            bestPopulation = pop;
        }
    }
    if (!best) return std::nullopt;
    return cityAt(*best);
}

std::string Label(const City& p) {
    std::string l = p.name;
    if (!p.region.empty() && p.region != p.name) l += ", " + p.region;
    if (!p.country.empty()) l += ", " + p.country;
    return l;
}

std::string ListLine(const City& p) {
    return p.name + "\t" + p.region + "\t" + p.country + "\t" + number(p.latitude) + "\t" + number(p.longitude) + "\t" +
           p.zone;
}

}  // namespace place
