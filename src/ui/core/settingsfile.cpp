#include "ui/core/settingsfile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "astro/valuerule.h"

namespace ui {

namespace {

const char* const kHeader = "Almucan V";

// Splits the file into lines at CR LF, CR or LF; a line end after the last
// line does not open another line.
std::vector<std::string_view> splitLines(std::string_view data) {
    std::vector<std::string_view> lines;
    std::size_t start = 0, i = 0;
    while (i < data.size()) {
        char c = data[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(data.substr(start, i - start));
            if (c == '\r' && i + 1 < data.size() && data[i + 1] == '\n') ++i;
            start = i + 1;
        }
        ++i;
    }
    if (start < data.size()) lines.push_back(data.substr(start));
    return lines;
}

bool readWhole(const std::string& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream ss;
    ss << in.rdbuf();
    if (in.bad()) return false;
    out = ss.str();
    return true;
}

bool fileExists(const std::string& path) { return ::access(path.c_str(), F_OK) == 0; }

// Writes `text` to `path` through a temporary file in the same folder that
// is renamed over the old file once it is complete on disk.
bool writeAtomically(const std::string& path, const std::string& text) {
    std::string tmp = path + ".tmpXXXXXX";
    std::vector<char> name(tmp.begin(), tmp.end());
    name.push_back('\0');
    int fd = ::mkstemp(name.data());
    if (fd < 0) return false;
    bool ok = true;
    std::size_t done = 0;
    while (ok && done < text.size()) {
        ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            ok = false;
        } else {
            done += static_cast<std::size_t>(n);
        }
    }
    if (ok && ::fsync(fd) != 0) ok = false;
    // Readable by the user like any file the user creates.
    if (ok) {
        mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, static_cast<mode_t>(0666 & ~mask));
    }
    if (::close(fd) != 0) ok = false;
    if (ok && ::rename(name.data(), path.c_str()) != 0) ok = false;
    if (!ok) ::unlink(name.data());
    return ok;
}

}  // namespace

std::string DefaultSettingsDir() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    std::string base;
    if (xdg && *xdg == '/') {
        base = xdg;
    } else {
        const char* home = std::getenv("HOME");
        base = std::string(home && *home ? home : ".") + "/.config";
    }
    if (!base.empty() && base.back() == '/') base.pop_back();
    return base + "/Almucan";
}

std::string SettingsPathFor(const std::string& dir) {
    if (!dir.empty() && dir.back() == '/') return dir + kSettingsFileName;
    return dir + "/" + kSettingsFileName;
}

std::string SettingsFileText(const month::Settings& s) {
    std::string t;
    auto line = [&](const std::string& l) {
        t += l;
        t += "\r\n";
    };
    line(kHeader + s.version);
    line(astro::numberText(s.longitude));
    line(astro::numberText(s.latitude));
    line(astro::numberText(s.timeZone));
    line(astro::numberText(s.marginTop));
    line(astro::numberText(s.marginBottom));
    line(astro::numberText(s.marginLeft));
    line(astro::numberText(s.marginRight));
    line(s.fontName);
    line(astro::numberTextSingle(s.fontSize));
    return t;
}

bool ParseSettingsText(std::string_view data, month::Settings& s) {
    auto lines = splitLines(data);
    if (lines.size() < 10) return false;
    if (lines[0] != kHeader + s.version) return false;
    s.longitude = astro::value(lines[1]);
    s.latitude = astro::value(lines[2]);
    s.timeZone = astro::value(lines[3]);
    s.marginTop = astro::value(lines[4]);
    s.marginBottom = astro::value(lines[5]);
    s.marginLeft = astro::value(lines[6]);
    s.marginRight = astro::value(lines[7]);
    s.fontName = std::string(lines[8]);
    s.fontSize = astro::toSingle(astro::value(lines[9]));
    return true;
}

LoadResult LoadSettings(month::Settings& s, const std::string& defaultFontName,
                        float defaultFontSize, astro::Reporter& reporter) {
    if (!fileExists(s.settingsPath)) {
        s.longitude = 16.33;
        s.latitude = 48.25;
        s.timeZone = 1;
        s.marginTop = s.marginBottom = s.marginLeft = s.marginRight = 0;
        s.fontName = defaultFontName;
        s.fontSize = defaultFontSize;
        return SaveSettings(s, reporter) ? LoadResult::Created : LoadResult::CreateFailed;
    }
    std::string data;
    if (!readWhole(s.settingsPath, data) || !ParseSettingsText(data, s)) {
        reporter.beep();
        reporter.error("INI-file " + s.settingsPath + " not valid.\r\nPlease delete it.");
        return LoadResult::NotValid;
    }
    return LoadResult::Loaded;
}

bool SaveSettings(const month::Settings& s, astro::Reporter& reporter) {
    if (writeAtomically(s.settingsPath, SettingsFileText(s))) return true;
    reporter.beep();
    reporter.error("Can't write\r\n   " + s.settingsPath + "\r\nto disk.");
    return false;
}

}  // namespace ui
