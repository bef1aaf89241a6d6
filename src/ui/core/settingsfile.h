#pragma once
// The settings file "Almucan.INI": ten lines, CR LF, in the program's own
// folder (here the per-user configuration folder).  Parsing and formatting
// are pure functions; the file functions use the standard library only.
#include <string>
#include <string_view>

#include "astro/reporter.h"
#include "month/settings.h"

namespace ui {

inline constexpr const char* kSettingsFileName = "Almucan.INI";

// The per-user configuration folder of the program:
// $XDG_CONFIG_HOME/Almucan, else $HOME/.config/Almucan.
std::string DefaultSettingsDir();
// dir + "/" + "Almucan.INI", with exactly one separator.
std::string SettingsPathFor(const std::string& dir);

// The ten lines of the file for `s`, each ended by CR LF.
std::string SettingsFileText(const month::Settings& s);

// Reads a file's contents into `s` (fields longitude .. fontSize).  False
// when the first line is not "Almucan V" + s.version or there are fewer
// than ten lines; `s` is then unchanged.
bool ParseSettingsText(std::string_view data, month::Settings& s);

enum class LoadResult {
    Loaded,        // the file was read into the record
    Created,       // missing; written with defaults (the caller reads it back)
    CreateFailed,  // missing and could not be written; defaults stay in memory
    NotValid,      // wrong header, too short or unreadable: message shown
};

// Loading step of the main window's activation: reads s.settingsPath, or,
// when the file is missing, fills the defaults (location 16.33 / 48.25 /
// 1, margins 0, the given font) and writes them with SaveSettings.  On a
// file that is not valid: beep and "INI-file <path> not valid." CR LF
// "Please delete it." through `reporter`.
LoadResult LoadSettings(month::Settings& s, const std::string& defaultFontName,
                        float defaultFontSize, astro::Reporter& reporter);

// Writes the whole file from `s` (through a temporary file in the same
// folder renamed over the old one, so a failure keeps the old file whole).
// On failure: beep and "Can't write" CR LF "   " + path CR LF "to disk."
// once.  Returns true when the file was written.
bool SaveSettings(const month::Settings& s, astro::Reporter& reporter);

}  // namespace ui
