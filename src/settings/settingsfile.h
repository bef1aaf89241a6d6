#pragma once
// The settings file "Almucan.INI": ten lines, CR LF, in the program's own
// folder (here the per-user configuration folder).  Parsing and formatting
// are pure functions; the file functions use the standard library and
// POSIX only.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "report/reporter.h"
#include "settings/settings.h"
#include "zone/zone.h"

namespace settings {

inline constexpr const char* kSettingsFileName = "Almucan.INI";

// Lines of the file that are read; anything after them is ignored.  The
// eleventh, the zone name, is optional: a file of ten lines is the fixed
// zone.
inline constexpr std::size_t kSettingsLines = 11;
inline constexpr std::size_t kRequiredSettingsLines = 10;
// Longest line read, in bytes without its line end; a longer line makes the
// file not valid.  Together with kSettingsLines this bounds what a load
// reads and keeps to well under 1 MiB whatever the file holds.
inline constexpr std::size_t kMaxSettingsLineBytes = 64 * 1024;

// The per-user configuration folder of the program for the given
// environment: xdg + "/Almucan" when xdg is an absolute path, else
// <home>/.config/Almucan with <home> the first of `home` (the HOME
// variable) and `passwdHome` (the user's entry in the password database)
// that is an absolute path.  Nothing when there is no such folder.
std::optional<std::string> SettingsDirFor(const char* xdg, const char* home,
                                          const char* passwdHome);
// SettingsDirFor for this process: $XDG_CONFIG_HOME, $HOME, getpwuid.
std::optional<std::string> DefaultSettingsDir();
// Said when DefaultSettingsDir finds no folder.
inline constexpr const char* kNoSettingsDirMessage =
    "No home folder for the settings file: set HOME or XDG_CONFIG_HOME, or give --settings-dir.";
// dir + "/" + "Almucan.INI", with exactly one separator.
std::string SettingsPathFor(const std::string& dir);

// The zone name of `s` when it names a zone whose file reads, else empty
// (the fixed zone is in force).
std::string ZoneInForce(const settings::Settings& s);

// Why the zone `s` names is not in force, as the text to show: an unknown
// name (a trailing blank, a renamed zone) with the closest names, or a
// zone file that cannot be read.  Nothing when no zone is named or it is
// in force.
std::optional<zone::Error> ZoneProblem(const settings::Settings& s);

// The lines of the file for `s`, each ended by CR LF: ten, and an eleventh
// with the zone name while one is named.  Line 4 then holds the named
// zone's standard offset rounded to whole hours within -12..12, so that a
// reader of ten lines still gets a sensible zone.
std::string SettingsFileText(const settings::Settings& s);

// Reads a file's contents into `s` (fields longitude .. fontSize, and
// zoneName from an eleventh line, empty without one).  Lines
// end at CR LF, CR or LF.  False when the first line is not "Almucan V" +
// s.version, there are fewer than ten lines or one of the ten is longer
// than kMaxSettingsLineBytes; `s` is then unchanged.
bool ParseSettingsText(std::string_view data, settings::Settings& s);

enum class LoadResult {
    Loaded,        // the file was read into the record
    Created,       // missing; written with defaults (the caller reads it back)
    CreateFailed,  // missing and could not be written; defaults stay in memory
    NotValid,      // wrong header, too short, a line too long, not a
                   // regular file or unreadable: message shown
};

// Loading step of the main window's activation: reads s.settingsPath (only
// the lines used, without ever blocking on a FIFO or device), or,
// when the file is missing, fills the defaults (location 16.33 / 48.25 /
// 1, margins 0, the given font) and writes them with SaveSettings.  On a
// file that is not valid: beep and "INI-file <path> not valid." CR LF
// "Please delete it." through `reporter`.
LoadResult LoadSettings(settings::Settings& s, const std::string& defaultFontName,
                        float defaultFontSize, report::Reporter& reporter);

// LoadSettings, and when that created the file, reads it back.
LoadResult LoadOrCreateSettings(settings::Settings& s, const std::string& defaultFontName,
                                float defaultFontSize, report::Reporter& reporter);

// Writes the whole file from `s` (through a temporary file in the same
// folder renamed over the old one, so a failure keeps the old file whole).
// A symbolic link at s.settingsPath is followed and its target replaced
// (created when the link dangles); the link itself stays.
// On failure: beep and "Can't write" CR LF "   " + path CR LF "to disk."
// once.  Returns true when the file was written.
bool SaveSettings(const settings::Settings& s, report::Reporter& reporter);

}  // namespace settings
