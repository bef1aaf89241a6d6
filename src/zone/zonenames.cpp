// Zone names: which files are zones, their list, the closest names, the check of a name.
#include "zone/zone.h"
#include "zone/tzfile.h"
#include "zone/zonenames.h"

#include "text/strings.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>

namespace zone {

namespace {

std::string lower(std::string_view s) {
    std::string t(s);
    for (char& ch : t) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return t;
}

}  // namespace

bool ValidName(std::string_view name) {
    if (name.empty() || name.size() > 255) return false;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = std::min(name.find('/', start), name.size());
        const std::string_view part = name.substr(start, end - start);
        // Zones and their folders begin with a capital ("Etc", "GMT+1"); the
        // folder's other files do not ("posixrules", "zone1970.tab").
        if (part.empty() || !std::isupper(static_cast<unsigned char>(part[0]))) return false;
        for (char ch : part)
            if (!std::isalnum(static_cast<unsigned char>(ch)) && ch != '_' && ch != '-' && ch != '+') return false;
        if (end == name.size()) return true;
        start = end + 1;
    }
}

std::string PathOf(std::string_view name) { return ZoneinfoRoot() + "/" + std::string(name); }

std::string ZoneinfoRoot() {
    const char* dir = std::getenv("TZDIR");
    return dir && *dir ? std::string(dir) : std::string("/usr/share/zoneinfo");
}

bool Known(std::string_view name) {
    if (!ValidName(name)) return false;
    // A link whose target is gone is a zone that cannot be read; a folder
    // ("Europe") is no zone.
    struct stat st {};
    const std::string path = PathOf(name);
    if (::lstat(path.c_str(), &st) != 0) return false;
    return ::stat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode);
}

std::vector<std::string> Names() {
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code ec;
    const fs::path root = ZoneinfoRoot();
    auto walk = [&](auto& self, const fs::path& dir, const std::string& prefix) -> void {
        for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
            const std::string name = prefix + it->path().filename().string();
            if (!ValidName(name)) continue;
            if (it->is_directory(ec))
                self(self, it->path(), name + "/");
            else
                names.push_back(name);
        }
        ec.clear();
    };
    walk(walk, root, "");
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> Closest(std::string_view name) {
    const std::vector<std::string> names = Names();
    const std::string want = lower(text::trimmed(name));
    if (want.empty()) return {};
    auto lastPart = [](const std::string& s) { return s.substr(s.rfind('/') + 1); };
    std::vector<std::string> same, samePart, near;
    std::size_t best = std::max<std::size_t>(2, want.size() / 4);  // the most edits allowed
    for (const std::string& n : names) {
        const std::string l = lower(n);
        if (l == want) same.push_back(n);
        if (lastPart(l) == lastPart(want)) samePart.push_back(n);
        const std::size_t d = text::EditDistance(l, want);
        if (d < best) near.clear();
        if (d <= best) {
            near.push_back(n);
            best = d;
        }
    }
    return !same.empty() ? same : !samePart.empty() ? samePart : near;
}

std::optional<Error> Check(std::string_view name) {
    std::string why;
    if (LoadZoneFile(name, why)) return std::nullopt;
    if (!why.empty())
        return Error{Error::Kind::Unreadable, "The time zone " + std::string(name) + " cannot be read: " + why};
    std::string text = "unknown time zone '" + std::string(name) + "'";
    const std::vector<std::string> close = Closest(name);
    for (std::size_t i = 0; i < close.size() && i < 3; ++i) text += (i ? " or " : "; did you mean ") + close[i];
    return Error{Error::Kind::Unknown, close.empty() ? text : text + "?"};
}

}  // namespace zone
