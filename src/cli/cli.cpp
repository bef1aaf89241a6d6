// The command-line run: location options, settings, the months, the files and the text outputs.
#include "cli/cli.h"

#include <cmath>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <iostream>

#include "calendar/calendar.h"
#include "text/numbers.h"
#include "text/strings.h"
#include "fileio/filewrite.h"
#include "cli/sites.h"
#include "cli/views.h"
#include "month/format.h"
#include "ical/darknights.h"
#include "month/months.h"
#include "render/page.h"
#include "render/printcheck.h"
#include "place/place.h"
#include "settings/location.h"
#include "settings/settingsfile.h"
#include "zone/zone.h"

namespace cli {

namespace {

std::string pad(const std::string& s, std::size_t w) {
    std::string r = s;
    std::size_t n = text::charCount(s);
    if (n < w) r.append(w - n, ' ');
    return r;
}

}  // namespace

std::string ResolveLocation(const Options& o, LocationChange& change) {
    change = LocationChange{};
    if (o.place) {
        const std::optional<place::City> p = place::Find(*o.place);
        if (!p) return place::NotFound(*o.place);
        change.longitude = p->longitude;
        change.latitude = p->latitude;
        change.zoneName = p->zone;
        change.name = p->name;
        return {};
    }
    struct Field {
        const std::optional<std::string>* text;
        std::optional<double>* target;
        text::NumberField field;
    } fields[] = {{&o.lon, &change.longitude, settings::Named(settings::kLongitudeField, "--lon")},
                  {&o.lat, &change.latitude, settings::Named(settings::kLatitudeField, "--lat")},
                  {&o.tz, &change.fixedHours, settings::Named(settings::kTimeZoneField, "--tz")}};
    for (const auto& f : fields) {
        if (!*f.text) continue;
        std::string why;
        const auto v = text::typedNumber(f.field, **f.text, why);
        if (!v) return text::fieldMessage(f.field, why);
        *f.target = *v;
    }
    if (o.lon || o.lat) change.name = "";
    if (o.zone) {
        if (auto e = zone::Check(*o.zone); e && e->kind == zone::Error::Kind::Unknown)
            return text::printable(e->message);
        change.zoneName = *o.zone;
    } else if (o.tz || o.summerTime) {
        change.zoneName = "";
    }
    return {};
}

void ApplyLocation(const LocationChange& change, settings::Settings& s) {
    zone::Place& p = s.place;
    if (change.longitude) p.longitude = *change.longitude;
    if (change.latitude) p.latitude = *change.latitude;
    if (change.fixedHours) p.clock.fixedHours = *change.fixedHours;
    if (change.zoneName) p.clock.zoneName = *change.zoneName;
    if (change.name) p.name = *change.name;
}

std::string TableText(const month::Month& r, const std::string& monthText) {
    std::string out = text::WindowTitle(text::kVersion) + "\n";
    out += render::MonthLineText(r.place, monthText) + "\n\n";
    const auto& h = month::Headings();
    const auto& sh = month::SubHeadings();
    auto line = [&](const std::array<std::string, 10>& cells, std::size_t last) {
        std::string l;
        for (std::size_t c = 0; c <= last; ++c) l += pad(cells[c], 6);
        while (!l.empty() && l.back() == ' ') l.pop_back();
        return l + "\n";
    };
    out += line(h, 8);
    out += line(sh, 8);
    const month::MonthTab tab = month::Table(r);
    for (int d = 1; d <= r.dayRows; ++d) out += line(tab[static_cast<std::size_t>(d)], 8);
    return out;
}

std::string TargetClash(const Options& o, const std::string& settingsPath) {
    const std::pair<const std::optional<std::string>*, const char*> targets[] = {
        {&o.png, "--png"}, {&o.pdf, "--pdf"}, {&o.ics, "--ics"}, {&o.chart, "--chart"}};
    for (std::size_t i = 0; i < std::size(targets); ++i) {
        const auto& [path, name] = targets[i];
        if (!*path) continue;
        const std::string shown = text::printable(**path);
        if (o.text != TextOutput::None && fileio::SameTarget(**path, "-"))
            return std::string(name) + " " + shown + " and the text output both go to standard output";
        if (fileio::SameTarget(**path, settingsPath)) return std::string(name) + " " + shown + " is the settings file";
        for (std::size_t j = i + 1; j < std::size(targets); ++j) {
            const auto& [other, otherName] = targets[j];
            if (*other && fileio::SameTarget(**path, **other))
                return std::string(name) + " and " + otherName + " name the same file " + shown;
        }
    }
    return {};
}

void StderrReporter::message(const std::string& text, const std::string&, report::Icon) {
    std::string t;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        t += text[i];
    }
    std::cerr << t << "\n";
}

ChartFormat ChartFormatOf(const std::string& path) {
    if (path.size() < 4) return ChartFormat::Unknown;
    std::string tail = path.substr(path.size() - 4);
    for (char& c : tail) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    return tail == ".png" ? ChartFormat::Png : tail == ".pdf" ? ChartFormat::Pdf : ChartFormat::Unknown;
}

std::optional<std::string> SettingsDirOf(const Options& o, report::Reporter& rep) {
    std::optional<std::string> dir = o.settingsDir ? o.settingsDir : settings::DefaultSettingsDir();
    if (!dir) rep.error(settings::kNoSettingsDirMessage);
    return dir;
}

RunMonths MonthsOfRun(const Options& o) {
    RunMonths r;
    if (!o.year) {
        r.yms.push_back(*calendar::CheckMonthText(*o.month));
        r.texts.push_back(*o.month);
        return r;
    }
    const std::string year(text::trimmed(*o.year));
    for (int m = 1; m <= 12; ++m) {
        r.texts.push_back(year + (m < 10 ? "0" : "") + std::to_string(m));
        r.yms.push_back(*calendar::CheckMonthText(r.texts.back()));
    }
    return r;
}

int WriteOutputFiles(const std::vector<OutputFile>& outputs, report::Reporter& rep, fileio::StagedFiles* files) {
    // Each to its temporary file first, then those written in place, then
    // the renames.
    fileio::StagedFiles own;
    fileio::StagedFiles& staged = files ? *files : own;
    for (const OutputFile& f : outputs) {
        if (!f.path) continue;
        const std::string name = std::string("The ") + f.kind + " file " + text::printable(*f.path);
        const std::string why = staged.Stage(*f.path, f.bytes, name);
        if (!why.empty()) {
            rep.error(name + " could not be written: " + why);
            return 1;
        }
    }
    if (!files) {
        if (const auto failed = own.Commit()) {
            rep.error(failed->name + " could not be written: " + failed->reason);
            return 1;
        }
    }
    return 0;
}

int PlacesText(const std::string& text, std::string& out, report::Reporter& rep) {
    const std::vector<place::City> found = place::Search(text);
    if (found.empty()) {
        rep.error(place::NotFound(text));
        return 2;
    }
    for (const place::City& p : found) out += place::ListLine(p) + "\n";
    return 0;
}

namespace {

// The checks that the arguments alone decide, made before the settings
// file may be created: the month text, the location options (resolved
// into `change`) and the outputs this build can make.  0 or the exit code.
int checkArguments(const Options& o, const GraphicOutputs& g, report::Reporter& rep, LocationChange& change) {
    if (o.month && !month::AcceptMonthText(*o.month, rep)) return 2;
    if (const std::string err = ResolveLocation(o, change); !err.empty()) {
        rep.error(err);
        return 2;
    }
    const bool chartPdf = o.chart && ChartFormatOf(*o.chart) == ChartFormat::Pdf;
    const bool chartPng = o.chart && ChartFormatOf(*o.chart) == ChartFormat::Png;
    const bool noPng = (o.png && !(o.nights ? g.nightsPng != nullptr : g.png != nullptr)) || (chartPng && !g.chartPng);
    const bool noPdf = (o.pdf && !(o.nights ? g.nightsPdf != nullptr : g.pdf != nullptr)) || (chartPdf && !g.chartPdf);
    if (noPng || noPdf) {
        rep.error(std::string(noPng ? "PNG" : "PDF") + " output needs the Qt build of Almucan");
        return 1;
    }
    return 0;
}

// The settings file (created with defaults when missing) with the location
// options applied, and the checks that need it: the output targets apart
// from it, its zone, its print layout for the PDF.  0 or the exit code.
int loadSettings(Options& o, const GraphicOutputs& g, const LocationChange& change, report::Reporter& rep,
                 settings::Settings& s) {
    const std::optional<std::string> dir = SettingsDirOf(o, rep);
    if (!dir) return 1;
    s.settingsPath = settings::SettingsPathFor(*dir);
    if (const std::string err = TargetClash(o, s.settingsPath); !err.empty()) {
        rep.error(err);
        return 2;
    }
    std::error_code ec;
    std::filesystem::create_directories(*dir, ec);
    std::string fontName = "Sans Serif";
    float fontSize = 10;
    if (g.defaultFont && !std::filesystem::exists(s.settingsPath, ec)) g.defaultFont(fontName, fontSize);
    if (settings::LoadOrCreateSettings(s, fontName, fontSize, rep) == settings::LoadResult::NotValid) return 1;
    if (!o.paperGiven) o.paper = s.paper == settings::Paper::Letter ? "letter" : "a4";
    ApplyLocation(change, s);
    // An unknown name on line 11 is said and the fixed zone used; a zone
    // file that cannot be read ends the run.
    if (const auto problem = settings::ZoneProblem(s)) {
        rep.error(problem->message);
        if (problem->kind == zone::Error::Kind::Unreadable) return 1;
    }
    // The PDF page is laid out with the settings' margins and print font:
    // the print dialog's rule applies.
    if ((o.pdf || (o.chart && ChartFormatOf(*o.chart) == ChartFormat::Pdf)) &&
        !render::CheckPrintLayout(
            s.marginTop, s.marginBottom, s.marginLeft, s.marginRight,
            o.paper == "letter" ? render::kPaperCodeLetter : render::kPaperCodeA4,
            o.landscape ? render::kOrientationCodeLandscape : render::kOrientationCodePortrait,
            g.printFont ? g.printFont(s.fontName, s.fontSize, o.paper, o.landscape) : render::PrintFontExtent{}, rep)) {
        return 2;
    }
    return 0;
}

// The year chart's image height without --size: some three pixels a night.
constexpr int kChartPngHeight = 1400;

// The year chart's bytes: a PNG image of --size (by default tall enough
// for a row of three pixels a night) or a PDF page in the print style.
bool writeChart(const Options& o, const GraphicOutputs& g, const render::PrintStyle& style, month::Months& store,
                const month::DarkRule& rule, std::string& bytes, report::Reporter& rep) {
    const int year = std::stoi(*o.year);
    const std::vector<month::Night> nights = month::NightsOf(store, {year, 1}, 12, rule);
    render::YearChart chart{year, &nights, &store, o.inkSaver, std::nullopt};
    if (ChartFormatOf(*o.chart) == ChartFormat::Png)
        return g.chartPng(chart, o.width, o.sizeGiven ? o.height : kChartPngHeight, bytes, rep);
    chart.inkSaver = style.inkSaver;
    return g.chartPdf(chart, style, o.paper, o.landscape, bytes, rep);
}

// The nights of each month of the run, with the months they are read from.
std::vector<render::MonthNights> nightsOfRun(const RunMonths& run, month::Months& store, const month::DarkRule& rule) {
    std::vector<render::MonthNights> all(run.yms.size());
    for (std::size_t i = 0; i < run.yms.size(); ++i) {
        all[i].month = &store.at(run.yms[i]);
        all[i].next = &store.at(calendar::ShiftedMonth(run.yms[i], 1));
        all[i].nights = month::Nights(*all[i].month, *all[i].next, rule);
    }
    return all;
}

// The image and the PDF of the Nights page (--nights) or of the month page.
bool drawPages(const Options& o, const GraphicOutputs& g, const render::PrintStyle& style, const RunMonths& run,
               month::Months& store, const month::DarkRule& rule, std::string& pngBytes, std::string& pdfBytes,
               report::Reporter& rep) {
    if (o.nights) {
        const std::vector<render::MonthNights> nights = nightsOfRun(run, store, rule);
        if (o.png && !g.nightsPng(nights[0], run.texts[0], o.width, o.height, pngBytes, rep)) return false;
        return !o.pdf || g.nightsPdf(nights, style, run.texts, o.paper, o.landscape, pdfBytes, rep);
    }
    std::vector<month::Month> months;
    for (const month::YearMonth ym : run.yms) months.push_back(store.at(ym));
    if (o.png && !g.png(months[0], run.texts[0], o.width, o.height, pngBytes, rep)) return false;
    return !o.pdf || g.pdf(months, style, run.texts, o.paper, o.landscape, pdfBytes, rep);
}

// The image, the PDF and the calendar, all drawn first and then staged
// together: all are written or none.  0 or the exit code.
int writeFiles(const Options& o, const GraphicOutputs& g, const settings::Settings& s, const RunMonths& run,
               month::Months& store, report::Reporter& rep, fileio::StagedFiles* files) {
    const month::DarkRule rule = DarkRuleOf(o, s);
    std::string pngBytes, pdfBytes, icsText;
    // --ink-saver is for this run only: the file is not written again.
    render::PrintStyle style = settings::PrintStyleOf(s);
    style.inkSaver = style.inkSaver || o.inkSaver;
    if (!drawPages(o, g, style, run, store, rule, pngBytes, pdfBytes, rep)) return 1;
    // The calendar holds the intervals that begin in these months, each
    // followed to its end through the months after.
    if (o.ics)
        icsText = ical::DarkNightsCalendar(run.yms, store, static_cast<ical::UnixTime>(std::time(nullptr)), rule);
    std::string chartBytes;
    if (o.chart && !writeChart(o, g, style, store, rule, chartBytes, rep)) return 1;
    return WriteOutputFiles({{o.png, pngBytes, "image"},
                             {o.pdf, pdfBytes, "PDF"},
                             {o.ics, icsText, "iCalendar"},
                             {o.chart, chartBytes, "year chart"}},
                            rep, files);
}

// The text output of the months: a year's twelve tables in a row, a blank
// line between the text tables and each TSV table introduced by its month
// line; a year's JSON an array of its months.
std::string textOutput(const Options& o, const RunMonths& run, month::Months& store, const month::DarkRule& rule) {
    std::string out, json;
    const bool wantNights = o.nights || o.text == TextOutput::Json;
    for (std::size_t i = 0; i < run.yms.size(); ++i) {
        const month::Month& m = store.at(run.yms[i]);
        const std::string& monthText = run.texts[i];
        // The last night of a month ends in the next month's first day.
        std::vector<month::Night> nights;
        if (wantNights) nights = month::Nights(m, store.at(calendar::ShiftedMonth(m.ym, 1)), rule);
        if (o.text == TextOutput::Json) {
            json += (i ? ",\n" : "") + MonthJson(m, nights, rule);
            continue;
        }
        if (o.nights && o.text != TextOutput::None) {
            if (o.year || o.text == TextOutput::Table)
                out +=
                    (i && o.text == TextOutput::Table ? "\n" : "") + render::MonthLineText(m.place, monthText) + "\n";
            out += o.text == TextOutput::Tsv ? NightsTsv(nights) : NightsText(nights, rule);
            continue;
        }
        switch (o.text) {
            case TextOutput::Table:
                out += (i ? "\n" : "") + TableText(m, monthText);
                break;
            case TextOutput::Tsv:
                if (o.year) out += render::MonthLineText(m.place, monthText) + "\n";
                out += month::TsvText(m);
                break;
            case TextOutput::Events:
                out += month::ClipboardText(m);
                break;
            case TextOutput::Json:
            case TextOutput::None:
                break;
        }
    }
    if (o.text == TextOutput::Json) out += o.year ? "[\n" + json + "]\n" : json;
    return out;
}

}  // namespace

int Run(const Options& given, const GraphicOutputs& g, std::string& out, report::Reporter& rep,
        fileio::StagedFiles* files) {
    if (given.listSites) return SitesText(given, out, rep);
    // Without --paper the PDF takes the paper last chosen in the window.
    Options o = given;
    LocationChange change;
    if (const int code = checkArguments(o, g, rep, change)) return code;
    settings::Settings s;
    if (const int code = loadSettings(o, g, change, rep, s)) return code;
    if (!o.sites.empty()) {
        std::vector<zone::Place> sites;
        if (const int code = SitesOfRun(o, s.settingsPath, sites, rep)) return code;
        if (sites.size() > 1) return CompareSites(o, s, sites, out, rep, files);
        s.place = sites.front();
    }
    // Each month is calculated once, for every view that needs it.
    month::Months store(zone::InForce(s.place, o.summerTime), EphemerisOf(o, s));
    const RunMonths run = MonthsOfRun(o);
    if (const int code = writeFiles(o, g, s, run, store, rep, files)) return code;
    out += textOutput(o, run, store, DarkRuleOf(o, s));
    return 0;
}

}  // namespace cli
