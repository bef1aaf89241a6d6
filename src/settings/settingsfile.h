#pragma once
// The settings file "Almucan.INI": ten to fourteen lines and optional
// name=value lines after them, CR LF, in the program's own folder (here the
// per-user configuration folder).  Parsing and formatting
// are pure functions; the file functions use the standard library and
// POSIX only.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "report/reporter.h"
#include "settings/settings.h"
#include "zone/zone.h"

namespace settings {

inline constexpr const char* kSettingsFileName = "Almucan.INI";

// Lines of the file in their fixed places.  Lines 11 to 14 are optional:
// the zone name (empty or missing: the fixed zone), the place's name, night
// vision and ink saver (0 or 1).
inline constexpr std::size_t kSettingsLines = 14;
inline constexpr std::size_t kRequiredSettingsLines = 10;
// The name=value lines read after line 14 (settings/namedlines.h); lines
// after them, and those beyond the first 15 * (64 KiB + 2) bytes of the
// file, are ignored.
inline constexpr std::size_t kMaxNamedLines = 64;
// Longest line read, in bytes without its line end; a longer line among
// the lines read makes the file not valid.  Together with the line counts
// this bounds what a load reads and keeps to well under 1 MiB whatever the
// file holds.
inline constexpr std::size_t kMaxSettingsLineBytes = 64 * 1024;

// The per-user configuration folder of the program for the given
// environment: xdg + "/Almucan" when xdg is an absolute path, else
// <home>/.config/Almucan with <home> the first of `home` (the HOME
// variable) and `passwdHome` (the user's entry in the password database)
// that is an absolute path.  Nothing when there is no such folder.
std::optional<std::string> SettingsDirFor(const char* xdg, const char* home, const char* passwdHome);
// SettingsDirFor for this process: $XDG_CONFIG_HOME, $HOME, getpwuid.
std::optional<std::string> DefaultSettingsDir();
// Said when DefaultSettingsDir finds no folder.
inline constexpr const char* kNoSettingsDirMessage =
    "No home folder for the settings file: set HOME or XDG_CONFIG_HOME, or give --settings-dir.";
// dir + "/" + "Almucan.INI", with exactly one separator.
std::string SettingsPathFor(const std::string& dir);

// Why the zone `s` names is not in force, as the text to show: an unknown
// name (a trailing blank, a renamed zone) with the closest names, or a
// zone file that cannot be read.  Nothing when no zone is named or it is
// in force.
std::optional<zone::Error> ZoneProblem(const settings::Settings& s);

// The lines of the file for `s`, each ended by CR LF: ten, then lines 11
// to 14 only as far as the last one in use (a zone name, a place name,
// night vision or ink saver on), all fourteen when name=value lines follow
// (NamedLinesText).  Line 4 holds a named zone's standard
// offset rounded to whole hours within -12..12, so that a reader of ten
// lines still gets a sensible zone.
std::string SettingsFileText(const settings::Settings& s);

// Reads a file's contents into `s` (fields longitude .. fontSize, and
// zoneName, placeName, nightVision and inkSaver from lines 11 to 14, empty
// or off without them; the fields of the name=value lines and otherLines
// from the lines after, ReadNamedLines).  Lines end at CR LF, CR or LF; a UTF-8 byte-order
// mark before the first line is skipped.  False when the first line is
// not "Almucan V" + s.version, there are fewer than ten lines, one of the
// lines read is longer than kMaxSettingsLineBytes or a number lies outside
// what the dialogs take (settings/location.h); `s` is then unchanged.
bool ParseSettingsText(std::string_view data, settings::Settings& s);

enum class LoadResult {
    Loaded,        // the file was read into the record
    Created,       // missing; written with defaults (the caller reads it back)
    CreateFailed,  // missing and could not be written; defaults stay in memory
    NotValid,      // wrong header, too short, a line too long, not a
                   // regular file, unreadable or out of reach: message shown
};

// The first settings of a user: the system's zone (SystemZone) with the
// most populous place of that zone, or, when the system names no zone or
// the zone has no place, location 16.33 / 48.25 / 1; margins 0, the given
// font.
void FillDefaults(settings::Settings& s, const std::string& defaultFontName, float defaultFontSize);

// The tz zone the system is set to: $TZ (a leading ":" dropped), else the
// zone file /etc/localtime links to ("/usr/share/zoneinfo/Europe/Oslo").
// Empty when that is no zone of the database.
std::string SystemZone(const char* tzVariable, const std::string& localtimeTarget);
// SystemZone for this process.
std::string SystemZone();

// Loading step of the main window's activation: reads s.settingsPath (only
// the lines used, without ever blocking on a FIFO or device), or,
// when the file is missing, fills the defaults (FillDefaults) and writes
// them with SaveSettings.  On a
// file that is not valid: a beep and an error through `reporter` that names
// the file as not valid (for a line too long, which line and the longest
// length taken) and advises deleting it; on one that cannot be reached (its
// folder is a file, a loop of links), opened or read: a beep and an error
// naming the file with the system's reason, without that advice.
LoadResult LoadSettings(settings::Settings& s, const std::string& defaultFontName, float defaultFontSize,
                        report::Reporter& reporter);

// LoadSettings, and when that created the file, reads it back.
LoadResult LoadOrCreateSettings(settings::Settings& s, const std::string& defaultFontName, float defaultFontSize,
                                report::Reporter& reporter);

// Writes the whole file from `s` (through a temporary file in the same
// folder renamed over the old one, so a failure keeps the old file whole).
// A symbolic link at s.settingsPath is followed and its target replaced
// (created when the link dangles); the link itself stays.
// On failure: a beep and one error naming the file that cannot be written.  Returns true when the file was written.
bool SaveSettings(const settings::Settings& s, report::Reporter& reporter);

// Applies `change` to `s` and to the settings file as it stands (read
// again, so the fields a dialog holds unsaved are not written with it):
// how the window keeps its own lines (its place, the paper).  False when
// the file could not be read or written.
bool UpdateSettings(settings::Settings& s, const std::function<void(settings::Settings&)>& change,
                    report::Reporter& reporter);

}  // namespace settings
