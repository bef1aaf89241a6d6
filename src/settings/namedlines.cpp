// The settings file's name=value lines: reading them into the record and writing them back.
#include "settings/namedlines.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <optional>
#include <string_view>

#include "text/numbers.h"
#include "text/strings.h"

namespace settings {

namespace {

// A known name: how its value is read (false for a value this version does
// not take) and written (nothing when the field has its default).
struct NamedField {
    const char* name;
    bool (*read)(std::string_view value, Settings& s);
    std::optional<std::string> (*write)(const Settings& s);
};

// One of a few words: its index in `words`, or nothing.
template <std::size_t N>
std::optional<std::size_t> wordIndex(std::string_view value, const char* const (&words)[N]) {
    for (std::size_t i = 0; i < N; ++i)
        if (value == words[i]) return i;
    return std::nullopt;
}

const char* const kViews[] = {"days", "nights", "year", "compare"};
const char* const kDarkness[] = {"astronomical", "nautical", "civil"};
const char* const kEphemerides[] = {"standard", "precise"};
const char* const kPapers[] = {"a4", "letter"};
const char* const kOrientations[] = {"portrait", "landscape"};

// "x,y,width,height": four whole numbers, the size at least 1.
std::optional<std::array<int, 4>> windowNumbers(std::string_view v) {
    std::array<int, 4> n{};
    for (std::size_t i = 0; i < 4; ++i) {
        const std::size_t comma = i < 3 ? v.find(',') : v.size();
        if (comma == std::string_view::npos) return std::nullopt;
        const std::string_view part = v.substr(0, comma);
        const auto [end, ec] = std::from_chars(part.data(), part.data() + part.size(), n[i]);
        if (ec != std::errc() || end != part.data() + part.size() || part.empty()) return std::nullopt;
        v = comma < v.size() ? v.substr(comma + 1) : std::string_view();
    }
    if (n[2] < 1 || n[3] < 1) return std::nullopt;
    return n;
}

// A field of an enumeration named by `words` in its order.
template <typename E, std::size_t N>
bool readWord(std::string_view value, const char* const (&words)[N], E& to) {
    const auto i = wordIndex(value, words);
    if (i) to = static_cast<E>(*i);
    return i.has_value();
}
template <typename E, std::size_t N>
std::optional<std::string> writeWord(E value, E standard, const char* const (&words)[N]) {
    if (value == standard) return std::nullopt;
    const auto i = static_cast<std::size_t>(value);
    return i < N ? std::optional<std::string>(words[i]) : std::nullopt;
}

constexpr text::NumberField kMoonMaxField{"moon-max", 0, 100, false};

const NamedField kFields[] = {
    {"view", [](std::string_view v, Settings& s) { return readWord(v, kViews, s.view); },
     [](const Settings& s) { return writeWord(s.view, View::Days, kViews); }},
    {"darkness", [](std::string_view v, Settings& s) { return readWord(v, kDarkness, s.darkness); },
     [](const Settings& s) { return writeWord(s.darkness, Darkness::Astronomical, kDarkness); }},
    {"moon-max",
     [](std::string_view v, Settings& s) {
         std::string why;
         const std::optional<double> p = text::typedNumber(kMoonMaxField, v, why);
         if (p) s.moonMaxPercent = *p;
         return p.has_value();
     },
     [](const Settings& s) {
         return s.moonMaxPercent == 0 ? std::nullopt : std::optional(text::BoxNumberText(s.moonMaxPercent));
     }},
    {"ephemeris", [](std::string_view v, Settings& s) { return readWord(v, kEphemerides, s.ephemeris); },
     [](const Settings& s) { return writeWord(s.ephemeris, Ephemeris::Standard, kEphemerides); }},
    {"paper", [](std::string_view v, Settings& s) { return readWord(v, kPapers, s.paper); },
     [](const Settings& s) { return writeWord(s.paper, Paper::A4, kPapers); }},
    {"orientation",
     [](std::string_view v, Settings& s) {
         const auto i = wordIndex(v, kOrientations);
         if (i) s.landscape = *i == 1;
         return i.has_value();
     },
     [](const Settings& s) { return s.landscape ? std::optional<std::string>("landscape") : std::nullopt; }},
    {"window",
     [](std::string_view v, Settings& s) {
         s.window = windowNumbers(v);
         return s.window.has_value();
     },
     [](const Settings& s) {
         if (!s.window) return std::optional<std::string>();
         const auto& w = *s.window;
         return std::optional(std::to_string(w[0]) + "," + std::to_string(w[1]) + "," + std::to_string(w[2]) + "," +
                              std::to_string(w[3]));
     }},
    {"maximized",
     [](std::string_view v, Settings& s) {
         s.maximized = v == "1";
         return v == "0" || v == "1";
     },
     [](const Settings& s) { return s.maximized ? std::optional<std::string>("1") : std::nullopt; }},
    {"compare-sites",
     [](std::string_view v, Settings& s) {
         s.comparedSites.clear();
         for (std::size_t at = 0; at <= v.size();) {
             const std::size_t tab = std::min(v.find('\t', at), v.size());
             if (tab > at) s.comparedSites.emplace_back(v.substr(at, tab - at));
             at = tab + 1;
         }
         return true;
     },
     [](const Settings& s) {
         std::string names;
         for (const std::string& n : s.comparedSites) names += (names.empty() ? "" : "\t") + n;
         return names.empty() ? std::nullopt : std::optional(names);
     }},
};

// The known field a line names, or nullptr; `value` gets the text after "=".
const NamedField* fieldOf(std::string_view line, std::string_view& value) {
    const auto eq = line.find('=');
    if (eq == std::string_view::npos) return nullptr;
    const std::string_view name = text::trimmed(line.substr(0, eq));
    for (const NamedField& f : kFields)
        if (name == f.name) {
            value = text::trimmed(line.substr(eq + 1));
            return &f;
        }
    return nullptr;
}

}  // namespace

Paper PaperOfCountry(std::string_view code) {
    // The countries that print on US Letter.
    static const char* const kLetter[] = {"US", "CA", "MX", "PR", "GU", "AS", "VI", "MP", "UM", "PH", "CL",
                                          "CO", "VE", "CR", "PA", "GT", "SV", "NI", "DO", "BZ", "BS", "BM"};
    for (const char* c : kLetter)
        if (code == c) return Paper::Letter;
    return Paper::A4;
}

void ReadNamedLines(const std::vector<std::string>& lines, Settings& s) {
    const Settings defaults;
    s.view = defaults.view;
    s.darkness = defaults.darkness;
    s.moonMaxPercent = defaults.moonMaxPercent;
    s.ephemeris = defaults.ephemeris;
    s.otherLines.clear();
    for (const std::string& line : lines) {
        if (line.empty()) continue;
        std::string_view value;
        const NamedField* f = fieldOf(line, value);
        if (!f || !f->read(value, s)) s.otherLines.push_back(line);
    }
}

std::string NamedLinesText(const Settings& s) {
    std::string t;
    bool written[std::size(kFields)] = {};
    for (std::size_t i = 0; i < std::size(kFields); ++i)
        if (const std::optional<std::string> v = kFields[i].write(s)) {
            t += std::string(kFields[i].name) + "=" + *v + "\r\n";
            written[i] = true;
        }
    for (const std::string& line : s.otherLines) {
        std::string_view value;
        const NamedField* f = fieldOf(line, value);
        if (f && written[static_cast<std::size_t>(f - kFields)]) continue;
        t += line + "\r\n";
    }
    return t;
}

}  // namespace settings
