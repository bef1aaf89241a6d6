#pragma once
// Command-line mode: argument parsing (CLI11) and the outputs of one month.
#include <optional>
#include <string>
#include <vector>

#include "report/reporter.h"
#include "month/monthcalc.h"
#include "month/months.h"
#include "month/nights.h"
#include "render/nightspage.h"
#include "render/page.h"
#include "render/yearchart.h"
#include "settings/settings.h"

namespace fileio {
class StagedFiles;
}

namespace cli {

enum class TextOutput { Table, Tsv, Events, Json, None };

struct Options {
    std::optional<std::string> month;
    std::optional<std::string> year;  // "yyyy", 1900..2100; excludes month
    bool summerTime = false;
    std::optional<std::string> settingsDir;
    std::optional<std::string> lon, lat, tz;
    std::optional<std::string> zone;  // a tz database name; excludes tz and summerTime
    // A place by name: its coordinates and zone for this run; excludes
    // lon, lat, tz, zone and summerTime.
    std::optional<std::string> place;
    // Lists the places matching a name instead of calculating.
    std::optional<std::string> places;
    // Kept sites by name (--site, each once or more): one is the place of
    // the run; two to four are compared night by night.  Exclude the other
    // place options.
    std::vector<std::string> sites;
    bool listSites = false;  // --sites: the kept sites instead of calculating
    TextOutput text = TextOutput::Table;
    bool nights = false;  // the nights instead of the month table (text or --tsv)
    // What counts as dark for --nights, --json and --ics (--darkness,
    // --moon-max); the settings file's darkness= and moon-max= when not given.
    std::optional<settings::Darkness> darkness;
    std::optional<double> moonMax;  // percent, 0..100
    // The ephemeris of the months (--ephemeris); the settings file's
    // ephemeris= line when not given.
    std::optional<month::Ephemeris> ephemeris;
    bool textChosen = false;
    std::optional<std::string> png;
    int width = 1000, height = 700;
    bool sizeGiven = false;  // --size given (the year chart's image has a taller default)
    // --chart: the year chart into a file ending in .pdf or .png (needs --year).
    std::optional<std::string> chart;
    std::optional<std::string> pdf;
    std::optional<std::string> ics;
    std::string paper = "a4";
    bool paperGiven = false;  // --paper given; else the settings file's paper= line
    bool landscape = false;
    bool inkSaver = false;  // the PDF in the ink-saving style
    bool help = false;
    bool version = false;  // --version: VersionText() and exit 0
};

struct ParseResult {
    Options options;
    std::string error;  // empty when the arguments are fine
};

// The options as given; an error for an option that is not taken, options
// that exclude each other (--places and any option of a month), and an
// option of a month (its place or an output) without --month or --year,
// where the window would start without it.
ParseResult ParseArgs(const std::vector<std::string>& args);
std::string Usage();
// "almucan 0.9" and a line end: the answer to --version.
std::string VersionText();

// What --place/--lon/--lat/--tz/--zone/--summer-time change in the
// settings' place: each value set is taken over, the rest kept.
struct LocationChange {
    std::optional<double> longitude, latitude, fixedHours;
    std::optional<std::string> zoneName;  // "" sets the zone name aside (the fixed zone)
    std::optional<std::string> name;      // "" sets the place's name aside
};

// Checks the location options against the location dialog's bounds, the
// place and the zone databases, looking each up once; returns an error
// text, or empty with `change` set.  --place gives the place's
// coordinates, zone and name; --zone names the zone; --tz or
// --summer-time set the zone name aside (the fixed zone for this run);
// --lon or --lat set the place's name aside.
std::string ResolveLocation(const Options& o, LocationChange& change);
// Applies a resolved change to the settings' place.
void ApplyLocation(const LocationChange& change, settings::Settings& s);

// Why the outputs of `o` cannot all be written: two name the same file or
// stream, one is the settings file, or one shares standard output with the
// text output.  Empty when they are apart.
std::string TargetClash(const Options& o, const std::string& settingsPath);

// The month table as the window shows it, for a terminal.
std::string TableText(const month::Month& r, const std::string& monthText);

// Writes messages to standard error (CR LF as line breaks); no beep.
class StderrReporter final : public report::Reporter {
public:
    void beep() override {}
    void message(const std::string& text, const std::string& title, report::Icon icon) override;
};

// Hooks for the outputs that need Qt (set by main when Qt is built in).
struct GraphicOutputs {
    // Draw the page and put the file's bytes into `bytes`; return false
    // after reporting a failure.
    bool (*png)(const month::Month&, const std::string& monthText, int width, int height, std::string& bytes,
                report::Reporter&) = nullptr;
    // One printed page per month, in the order given.
    bool (*pdf)(const std::vector<month::Month>&, const render::PrintStyle&, const std::vector<std::string>& monthTexts,
                const std::string& paper, bool landscape, std::string& bytes, report::Reporter&) = nullptr;
    // The year chart as a PNG image of width x height pixels, and as a
    // one-page PDF document on the paper with the margins and print font of
    // `style`.
    bool (*chartPng)(const render::YearChart&, int width, int height, std::string& bytes, report::Reporter&) = nullptr;
    bool (*chartPdf)(const render::YearChart&, const render::PrintStyle&, const std::string& paper, bool landscape,
                     std::string& bytes, report::Reporter&) = nullptr;
    // The Nights page (--nights): the screen page as an image, and one
    // printed page per month.
    bool (*nightsPng)(const render::MonthNights&, const std::string& monthText, int width, int height,
                      std::string& bytes, report::Reporter&) = nullptr;
    bool (*nightsPdf)(const std::vector<render::MonthNights>&, const render::PrintStyle&,
                      const std::vector<std::string>& monthTexts, const std::string& paper, bool landscape,
                      std::string& bytes, report::Reporter&) = nullptr;
    // The font recorded in a newly created settings file.
    void (*defaultFont)(std::string& name, float& size) = nullptr;
    // The print font measured on the PDF page (paper "a4" or "letter").
    render::PrintFontExtent (*printFont)(const std::string& fontName, float fontSize, const std::string& paper,
                                         bool landscape) = nullptr;
};

// The folder of the settings file for `o` (--settings-dir, else the
// user's configuration folder); nothing after saying there is none.
std::optional<std::string> SettingsDirOf(const Options& o, report::Reporter& rep);

// The months of the run with their texts as the month line shows them: the
// month typed, or the twelve months of the year.
struct RunMonths {
    std::vector<month::YearMonth> yms;
    std::vector<std::string> texts;
};
RunMonths MonthsOfRun(const Options& o);

// An output file of a run: its path (none: not asked for), its bytes and
// its kind for messages ("image").
struct OutputFile {
    const std::optional<std::string>& path;
    const std::string& bytes;
    const char* kind;
};
// Stages every file asked for into `files` (or, when null, a set of its
// own, committed): all are written or none.  0, or 1 after reporting the
// file that could not be written.
int WriteOutputFiles(const std::vector<OutputFile>& outputs, report::Reporter& rep, fileio::StagedFiles* files);

// --places: one line per place matching `text` (place::ListLine, LF) into
// `out`, exact names first, then most populous first; returns the exit code:
// 0, or 2 after saying why none matches (the closest names).
int PlacesText(const std::string& text, std::string& out, report::Reporter& rep);

// What a --chart file name asks for by its ending, in any case: ".png" an
// image, ".pdf" a PDF document; any other is refused.
enum class ChartFormat { Png, Pdf, Unknown };
ChartFormat ChartFormatOf(const std::string& path);

// The whole command-line run (--month, --year or --sites); returns the process exit code.
// 0 success, 1 settings file not valid or an output failed, 2 bad input
// (a month, location or print layout, margins or font, that is refused).  Every argument is
// checked before the settings file is created; the image and the PDF are
// both drawn before either file is written.  The files are staged together
// (fileio::StagedFiles) and committed here, or, when `files` is given, left
// staged there for the caller to add standard output and commit.
int Run(const Options& o, const GraphicOutputs& g, std::string& out, report::Reporter& rep,
        fileio::StagedFiles* files = nullptr);

}  // namespace cli
