// The settings file Almucan.INI: where it lives, its lines, reading it (bounded) and saving it.
#include "settings/settingsfile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

#include <pwd.h>
#include <unistd.h>

#include "fileio/fileread.h"
#include "fileio/filewrite.h"
#include "settings/location.h"
#include "settings/namedlines.h"
#include "place/place.h"
#include "text/numbers.h"
#include "text/strings.h"
#include "zone/zone.h"

namespace settings {

namespace {

const char* const kHeader = "Almucan V";

// The most bytes read: the fourteen lines with their line ends and a
// byte-order mark stay within this, far below 1 MiB; the name=value lines
// are read as far as it reaches.
constexpr std::size_t kMaxReadBytes = (kSettingsLines + 1) * (kMaxSettingsLineBytes + 2);
static_assert(kMaxReadBytes < (std::size_t{1} << 20));

// The UTF-8 byte-order mark some editors write before the first line.
constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
constexpr std::size_t kByteOrderMarkBytes = sizeof kByteOrderMark - 1;

// Collects the first kSettingsLines + kMaxNamedLines lines of a byte
// stream fed in pieces.
// Lines end at CR LF, CR or LF; a line end after the last line does not
// open another line.  A byte-order mark at the start is no part of the
// first line.
class LineCollector {
public:
    // Takes the next bytes; false once no more are wanted (all lines are
    // there, or a line is too long).
    bool feed(std::string_view bytes) {
        for (char c : bytes) {
            if (done()) return false;
            if (!started_) {
                if (c == kByteOrderMark[markBytes_]) {
                    started_ = ++markBytes_ == kByteOrderMarkBytes;
                    continue;
                }
                // Only the mark's first bytes: they belong to the line.
                started_ = true;
                current_.assign(kByteOrderMark, markBytes_);
            }
            if (skipLf_) {
                skipLf_ = false;
                if (c == '\n') continue;
            }
            if (c == '\r' || c == '\n') {
                lines.push_back(std::move(current_));
                current_.clear();
                skipLf_ = c == '\r';
            } else if (current_.size() == kMaxSettingsLineBytes) {
                tooLong_ = true;
                return false;
            } else {
                current_ += c;
            }
        }
        return !done();
    }
    // End of the data: the characters after the last line end form a line.
    void finish() {
        if (!started_) current_.assign(kByteOrderMark, markBytes_);
        started_ = true;
        if (!done() && !current_.empty()) lines.push_back(std::move(current_));
    }
    bool done() const { return tooLong_ || lines.size() >= kSettingsLines + kMaxNamedLines; }
    // The number (from 1) of a line longer than kMaxSettingsLineBytes; 0
    // when every line read is short enough.
    std::size_t tooLongLine() const { return tooLong_ ? lines.size() + 1 : 0; }

    std::vector<std::string> lines;

private:
    std::string current_;
    std::size_t markBytes_ = 0;  // bytes of the byte-order mark seen at the start
    bool started_ = false;       // past the byte-order mark, or past where it would be
    bool skipLf_ = false;
    bool tooLong_ = false;
};

// A number line: read by the value rule into `to` when it lies within what
// the dialogs take for `field`.
bool readNumber(std::string_view text, double& to, const text::NumberField& field) {
    const double v = text::value(text);
    if (!(v >= field.lower && v <= field.upper)) return false;
    to = v;
    return true;
}

// A text line, kept as it is.
bool readText(std::string_view text, std::string& to) {
    to = text;
    return true;
}

// An on/off line: any number but 0 is on.
bool readFlag(std::string_view text, bool& to) {
    to = text::value(text) != 0;
    return true;
}

// One line of the file: how it is read into the record (false when its
// value makes the file not valid) and how it is written.  Lines 11 to 14
// are optional: read as empty when the file ends before them, and written
// only as far as the last one whose text is not `absent`.
struct Line {
    bool (*read)(std::string_view text, settings::Settings& r);
    std::string (*write)(const settings::Settings& s);
    const char* absent = nullptr;  // nullptr: always written
};

// The lines in their order in the file.
const Line kLines[] = {
    {[](std::string_view t, settings::Settings& r) { return t == kHeader + r.version; },
     [](const settings::Settings& s) { return kHeader + s.version; }},
    {[](std::string_view t, settings::Settings& r) { return readNumber(t, r.place.longitude, kLongitudeField); },
     [](const settings::Settings& s) { return text::numberText(s.place.longitude); }},
    {[](std::string_view t, settings::Settings& r) { return readNumber(t, r.place.latitude, kLatitudeField); },
     [](const settings::Settings& s) { return text::numberText(s.place.latitude); }},
    {[](std::string_view t, settings::Settings& r) { return readNumber(t, r.place.clock.fixedHours, kTimeZoneField); },
     // A reader of ten lines takes line 4 as the zone: the named zone's
     // standard hours when the database knows the name.
     [](const settings::Settings& s) {
         const std::optional<double> zoneHours =
             s.place.clock.zoneName.empty() ? std::nullopt : zone::SettingsHours(s.place.clock.zoneName);
         return text::numberText(zoneHours ? *zoneHours : s.place.clock.fixedHours);
     }},
    {[](std::string_view t, settings::Settings& r) { return readNumber(t, r.marginTop, kMarginField); },
     [](const settings::Settings& s) { return text::numberText(s.marginTop); }},
    {[](std::string_view t, settings::Settings& r) { return readNumber(t, r.marginBottom, kMarginField); },
     [](const settings::Settings& s) { return text::numberText(s.marginBottom); }},
    {[](std::string_view t, settings::Settings& r) { return readNumber(t, r.marginLeft, kMarginField); },
     [](const settings::Settings& s) { return text::numberText(s.marginLeft); }},
    {[](std::string_view t, settings::Settings& r) { return readNumber(t, r.marginRight, kMarginField); },
     [](const settings::Settings& s) { return text::numberText(s.marginRight); }},
    {[](std::string_view t, settings::Settings& r) { return readText(t, r.fontName); },
     [](const settings::Settings& s) { return s.fontName; }},
    {[](std::string_view t, settings::Settings& r) {
         r.fontSize = text::toSingle(text::value(t));
         return r.fontSize >= kFontSizeField.lower && r.fontSize <= kFontSizeField.upper;
     },
     [](const settings::Settings& s) { return text::numberTextSingle(s.fontSize); }},
    {[](std::string_view t, settings::Settings& r) { return readText(t, r.place.clock.zoneName); },
     [](const settings::Settings& s) { return s.place.clock.zoneName; }, ""},
    {[](std::string_view t, settings::Settings& r) { return readText(t, r.place.name); },
     [](const settings::Settings& s) { return s.place.name; }, ""},
    {[](std::string_view t, settings::Settings& r) { return readFlag(t, r.nightVision); },
     [](const settings::Settings& s) { return std::string(s.nightVision ? "1" : "0"); }, "0"},
    {[](std::string_view t, settings::Settings& r) { return readFlag(t, r.inkSaver); },
     [](const settings::Settings& s) { return std::string(s.inkSaver ? "1" : "0"); }, "0"},
};
static_assert(std::size(kLines) == kSettingsLines);

bool parseLines(const LineCollector& in, settings::Settings& s) {
    const auto& l = in.lines;
    // A line too long to read makes the file not valid wherever it stands:
    // the lines after it would be lost.
    if (in.tooLongLine() != 0 || l.size() < kRequiredSettingsLines) return false;
    // Stored values are read by the value rule, but each must lie within
    // what the dialogs take.
    settings::Settings r = s;
    for (std::size_t i = 0; i < std::size(kLines); ++i)
        if (!kLines[i].read(i < l.size() ? std::string_view(l[i]) : std::string_view(), r)) return false;
    ReadNamedLines(l.size() > kSettingsLines ? std::vector<std::string>(l.begin() + kSettingsLines, l.end())
                                             : std::vector<std::string>{},
                   r);
    s = std::move(r);
    return true;
}

// Reads the lines of the settings file at `path` into `in`.  False when it
// cannot be opened or read or is not a regular file after following links
// (a FIFO or a device, which fileio::ReadBounded neither waits on nor
// reads).  Reading stops once the lines are there or the first line shows
// a wrong header.  `why` gets the system's reason when the file cannot be
// opened or read.
bool readLines(const std::string& path, const std::string& header, LineCollector& in, std::string& why) {
    const fileio::ReadEnd end = fileio::ReadBounded(
        path, kMaxReadBytes,
        [&](std::string_view piece) { return in.feed(piece) && (in.lines.empty() || in.lines[0] == header); }, why);
    if (end == fileio::ReadEnd::Whole) in.finish();
    // The bound holds every line read: the lines are there before it.
    return end == fileio::ReadEnd::Whole || end == fileio::ReadEnd::Stopped || end == fileio::ReadEnd::Limit;
}

// 0 when `path` names a file (links followed), else the system's error
// number: ENOENT when it is missing.
int reachError(const std::string& path) { return ::access(path.c_str(), F_OK) == 0 ? 0 : errno; }

}  // namespace

std::optional<std::string> SettingsDirFor(const char* xdg, const char* home, const char* passwdHome) {
    auto absolute = [](const char* p) { return p && *p == '/'; };
    // "/a/b/" gives "/a/b", "/" gives "".
    auto trimmed = [](std::string p) {
        while (!p.empty() && p.back() == '/') p.pop_back();
        return p;
    };
    if (absolute(xdg)) return trimmed(xdg) + "/Almucan";
    // Never a relative folder: that would put the file below whatever
    // folder the program was started in.
    if (absolute(home)) return trimmed(home) + "/.config/Almucan";
    if (absolute(passwdHome)) return trimmed(passwdHome) + "/.config/Almucan";
    return std::nullopt;
}

std::optional<std::string> DefaultSettingsDir() {
    const struct passwd* pw = ::getpwuid(::getuid());
    return SettingsDirFor(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"), pw ? pw->pw_dir : nullptr);
}

std::string SettingsPathFor(const std::string& dir) {
    if (!dir.empty() && dir.back() == '/') return dir + kSettingsFileName;
    return dir + "/" + kSettingsFileName;
}

std::optional<zone::Error> ZoneProblem(const settings::Settings& s) {
    if (s.place.clock.zoneName.empty()) return std::nullopt;
    std::optional<zone::Error> e = zone::Check(s.place.clock.zoneName);
    if (e && e->kind == zone::Error::Kind::Unknown)
        e->message = "Settings, line 11: " + e->message + (e->message.back() == '?' ? " " : ". ") +
                     "The fixed time zone is in force.";
    return e;
}

std::string SettingsFileText(const settings::Settings& s) {
    std::size_t used = 0;  // lines written
    std::string lines[std::size(kLines)];
    for (std::size_t i = 0; i < std::size(kLines); ++i) {
        lines[i] = kLines[i].write(s);
        if (!kLines[i].absent || lines[i] != kLines[i].absent) used = i + 1;
    }
    // The name=value lines follow the fourteenth: all of lines 11 to 14
    // are written before them.
    const std::string named = NamedLinesText(s);
    if (!named.empty()) used = std::size(kLines);
    std::string t;
    for (std::size_t i = 0; i < used; ++i) t += lines[i] + "\r\n";
    return t + named;
}

bool ParseSettingsText(std::string_view data, settings::Settings& s) {
    LineCollector in;
    if (in.feed(data)) in.finish();
    return parseLines(in, s);
}

std::string SystemZone(const char* tzVariable, const std::string& localtimeTarget) {
    std::string name;
    if (tzVariable && *tzVariable) {
        name = tzVariable;
        if (name.front() == ':') name.erase(0, 1);
    } else {
        static const std::string kFolder = "zoneinfo/";
        const auto at = localtimeTarget.rfind(kFolder);
        if (at != std::string::npos) name = localtimeTarget.substr(at + kFolder.size());
    }
    // "localtime" is the system's own link, not a zone name.
    return name != "localtime" && zone::Known(name) ? name : std::string();
}

std::string SystemZone() {
    std::error_code ec;
    const std::filesystem::path target = std::filesystem::read_symlink("/etc/localtime", ec);
    return SystemZone(std::getenv("TZ"), ec ? std::string() : target.string());
}

void FillDefaults(settings::Settings& s, const std::string& defaultFontName, float defaultFontSize) {
    // The record's own defaults, keeping which file and version it is for.
    settings::Settings d;
    d.version = s.version;
    d.settingsPath = s.settingsPath;
    d.fontName = defaultFontName;
    d.fontSize = defaultFontSize;
    s = std::move(d);
    const std::string zoneName = SystemZone();
    if (zoneName.empty()) return;
    if (const std::optional<place::City> p = place::LargestInZone(zoneName)) {
        s.place.longitude = p->longitude;
        s.place.latitude = p->latitude;
        s.place.clock.zoneName = zoneName;
        s.place.name = p->name;
        if (const auto hours = zone::SettingsHours(zoneName)) s.place.clock.fixedHours = *hours;
    }
}

LoadResult LoadSettings(settings::Settings& s, const std::string& defaultFontName, float defaultFontSize,
                        report::Reporter& reporter) {
    // Only a missing file is made anew: one that cannot be reached (its
    // folder is a file, a loop of links) is not replaced by defaults.
    const int reach = reachError(s.settingsPath);
    if (reach == ENOENT) {
        FillDefaults(s, defaultFontName, defaultFontSize);
        return SaveSettings(s, reporter) ? LoadResult::Created : LoadResult::CreateFailed;
    }
    LineCollector in;
    std::string why = reach != 0 ? fileio::Reason(reach) : std::string();
    if (reach != 0 || !readLines(s.settingsPath, kHeader + s.version, in, why) || !parseLines(in, s)) {
        reporter.beep();
        const std::string file = "INI-file " + text::printable(s.settingsPath);
        // A file that cannot be read may be good: no advice to delete it.
        if (!why.empty())
            reporter.error(file + " cannot be read: " + why);
        else if (const std::size_t line = in.tooLongLine())
            reporter.error(file + " not valid: line " + std::to_string(line) + " is longer than " +
                           std::to_string(kMaxSettingsLineBytes) + " bytes.\r\nPlease delete it.");
        else
            reporter.error(file + " not valid.\r\nPlease delete it.");
        return LoadResult::NotValid;
    }
    return LoadResult::Loaded;
}

LoadResult LoadOrCreateSettings(settings::Settings& s, const std::string& defaultFontName, float defaultFontSize,
                                report::Reporter& reporter) {
    LoadResult r = LoadSettings(s, defaultFontName, defaultFontSize, reporter);
    if (r == LoadResult::Created) r = LoadSettings(s, defaultFontName, defaultFontSize, reporter);
    return r;
}

bool SaveSettings(const settings::Settings& s, report::Reporter& reporter) {
    if (fileio::ReplaceFile(s.settingsPath, SettingsFileText(s)).empty()) return true;
    reporter.beep();
    reporter.error("Can't write\r\n   " + text::printable(s.settingsPath) + "\r\nto disk.");
    return false;
}

bool UpdateSettings(settings::Settings& s, const std::function<void(settings::Settings&)>& change,
                    report::Reporter& reporter) {
    change(s);
    settings::Settings fresh = s;
    if (LoadSettings(fresh, s.fontName, s.fontSize, reporter) != LoadResult::Loaded) return false;
    change(fresh);
    return SaveSettings(fresh, reporter);
}

}  // namespace settings
