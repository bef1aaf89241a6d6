// The command line: its arguments (CLI11) and the outputs of a run.
#include "cli/cli.h"

#include <CLI/CLI.hpp>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <iostream>

#include "calendar/calendar.h"
#include "text/numbers.h"
#include "text/strings.h"
#include "fileio/filewrite.h"
#include "cli/views.h"
#include "month/format.h"
#include "ical/darknights.h"
#include "render/page.h"
#include "render/printcheck.h"
#include "place/place.h"
#include "settings/location.h"
#include "settings/settingsfile.h"
#include "zone/zone.h"

namespace cli {

namespace {

// "WxH", blanks around it aside; each side a whole number of pixels.
bool parseSize(const std::string& s, int& w, int& h) {
    static constexpr text::NumberField kSide{"--size", 50, 20000, true};
    const std::string_view t = text::trimmed(s);
    const auto x = t.find_first_of("xX");
    if (x == std::string_view::npos) return false;
    std::string why;
    const auto lw = text::typedNumber(kSide, t.substr(0, x), why);
    const auto lh = text::typedNumber(kSide, t.substr(x + 1), why);
    // No blanks inside: " 800 x 600" is not taken for "800x600".
    if (!lw || !lh || text::trimmed(t.substr(0, x)).size() != x ||
        text::trimmed(t.substr(x + 1)).size() != t.size() - x - 1)
        return false;
    w = static_cast<int>(*lw);
    h = static_cast<int>(*lh);
    return true;
}

std::string pad(const std::string& s, std::size_t w) {
    std::string r = s;
    std::size_t n = text::charCount(s);
    if (n < w) r.append(w - n, ' ');
    return r;
}

// CLI11's complaint as one line that names the option: "--month --tsv"
// gives "option --month needs a value (yyyymm)".
std::string Explain(const CLI::ParseError& e) {
    std::string what = e.what();
    static const std::string kMissing = " missing";
    auto colon = what.find(": ");
    if (e.get_name() == "ArgumentMismatch" && colon != std::string::npos &&
        what.size() > kMissing.size() &&
        what.compare(what.size() - kMissing.size(), kMissing.size(), kMissing) == 0) {
        // "--month: 1 required yyyymm missing"
        auto type = what.rfind(' ', what.size() - kMissing.size() - 1);
        return "option " + what.substr(0, colon) + " needs a value (" +
               what.substr(type + 1, what.size() - kMissing.size() - type - 1) + ")";
    }
    return what;
}

}  // namespace

std::string Usage() {
    return "Usage: almucan [--month yyyymm | --year yyyy | --places TEXT] [options]\n"
           "\n"
           "Without --month or --year the window starts (of the options below it takes\n"
           "only --settings-dir).  With --month the month is calculated and printed on\n"
           "standard output; with --year the twelve months.\n"
           "\n"
           "  --month yyyymm       month to calculate (1900..2100)\n"
           "  --year yyyy          the twelve months of a year (1900..2100)\n"
           "  --summer-time        summer time in force (one hour added to the zone)\n"
           "  --settings-dir DIR   folder of Almucan.INI (default ~/.config/Almucan)\n"
           "  --lon DEG            longitude, east positive (-180..180), not saved\n"
           "  --lat DEG            latitude, north positive (-90..90), not saved\n"
           "  --tz HOURS           time zone, east positive, whole hours (-12..12)\n"
           "  --zone NAME          time zone of the tz database (Europe/Vienna), its summer\n"
           "                       time day by day; excludes --tz and --summer-time\n"
           "  --place NAME         a city by name (Tromso, \"Springfield\"): its longitude,\n"
           "                       latitude and zone; excludes --lon, --lat, --tz, --zone\n"
           "  --places TEXT        list the cities matching TEXT, most populous first:\n"
           "                       name, region, country, latitude, longitude, zone;\n"
           "                       excludes the options of a month\n"
           "  --tsv                the month table as tab-separated values\n"
           "  --events             the sorted event keys (the clipboard text, CR LF)\n"
           "  --nights             one line per night: dusk, dawn, Moon, dark and no Moon\n"
           "                       (tab-separated with --tsv)\n"
           "  --json               the month as JSON: crossings, intervals and nights\n"
           "  --ics FILE           the dark-and-no-Moon intervals as an iCalendar file\n"
           "  --png FILE           draw the screen page into a PNG image\n"
           "  --size WxH           size of the PNG image (default 1000x700)\n"
           "  --pdf FILE           print the month page into a PDF file (a page a month)\n"
           "  --paper a4|letter    paper of the PDF page (default a4)\n"
           "  --landscape          landscape PDF page\n"
           "  --ink-saver          the PDF in the ink-saving style (night hatched, greys)\n"
           "  --version            the program's version\n"
           "  A FILE of - is standard output; two outputs never share a file.\n"
           "  --help               this text\n";
}

std::string VersionText() { return std::string("almucan ") + text::kVersion + "\n"; }

ParseResult ParseArgs(const std::vector<std::string>& args) {
    ParseResult r;
    Options& o = r.options;
    CLI::App app("almucan");
    app.set_help_flag();  // --help prints Usage(), not CLI11's own text
    // A repeated option takes its last value, as options have always done.
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    std::string month, year, dir, lon, lat, tz, zoneName, placeName, placesText, png, size, pdf, paper, ics;
    bool tsv = false, events = false, json = false;
    // CLI11 hands an option the next argument whatever it looks like; a
    // long option there means the value was left out ("--month --tsv").
    auto value = [&app](const std::string& name, std::string& to, const char* type) {
        return app.add_option(name, to)->type_name(type)->check([](const std::string& v) {
            return v.rfind("--", 0) == 0 ? "needs a value, got the option " + v : std::string();
        });
    };
    auto notEmpty = [](const char* what) {
        return [what](const std::string& v) {
            return v.empty() ? std::string("the ") + what + " is empty" : std::string();
        };
    };
    CLI::Option* oMonth = value("--month", month, "yyyymm");
    // Blanks around the year aside, as around the month.
    CLI::Option* oYear = value("--year", year, "yyyy")->check([](const std::string& v) {
        const std::string t(text::trimmed(v));
        bool digits = t.size() == 4 && t.find_first_not_of("0123456789") == std::string::npos;
        return digits && std::stoi(t) >= 1900 && std::stoi(t) <= 2100
                   ? std::string()
                   : std::string("wants a year from 1900 to 2100 (yyyy)");
    });
    CLI::Option* oSummer = app.add_flag("--summer-time", o.summerTime);
    CLI::Option* oDir = value("--settings-dir", dir, "DIR")->check(notEmpty("folder name"));
    CLI::Option* oLon = value("--lon", lon, "DEG");
    CLI::Option* oLat = value("--lat", lat, "DEG");
    CLI::Option* oTz = value("--tz", tz, "HOURS");
    CLI::Option* oZone = value("--zone", zoneName, "NAME")->check(notEmpty("zone name"));
    oZone->excludes(oTz)->excludes(oSummer);
    CLI::Option* oPlace = value("--place", placeName, "NAME")->check(notEmpty("place name"));
    oPlace->excludes(oLon)->excludes(oLat)->excludes(oTz)->excludes(oZone)->excludes(oSummer);
    CLI::Option* oPlaces = value("--places", placesText, "TEXT")->check(notEmpty("text"));
    CLI::Option* oTsv = app.add_flag("--tsv", tsv);
    CLI::Option* oEvents = app.add_flag("--events", events);
    CLI::Option* oNights = app.add_flag("--nights", o.nights);
    CLI::Option* oJson = app.add_flag("--json", json);
    oTsv->excludes(oEvents);
    oJson->excludes(oTsv)->excludes(oEvents)->excludes(oNights);
    oNights->excludes(oEvents);
    CLI::Option* oPng = value("--png", png, "FILE")->check(notEmpty("file name"));
    CLI::Option* oSize = value("--size", size, "WxH")->check([](const std::string& v) {
        int w = 0, h = 0;
        return parseSize(v, w, h) ? std::string() : std::string("wants WxH, each from 50 to 20000, e.g. 1000x700");
    });
    CLI::Option* oPdf = value("--pdf", pdf, "FILE")->check(notEmpty("file name"));
    CLI::Option* oIcs = value("--ics", ics, "FILE")->check(notEmpty("file name"));
    CLI::Option* oPaper = value("--paper", paper, "a4|letter")->check(
        [](const std::string& v) {
            return v == "a4" || v == "letter" ? std::string() : std::string("wants a4 or letter");
        });
    CLI::Option* oLandscape = app.add_flag("--landscape", o.landscape);
    CLI::Option* oInkSaver = app.add_flag("--ink-saver", o.inkSaver);
    // The options of a month: its place and its outputs, in the order of
    // the usage.
    CLI::Option* const monthOptions[] = {oSummer, oLon,  oLat,  oTz,   oZone, oPlace,
                                         oTsv,    oEvents, oNights, oJson, oIcs, oPng,
                                         oSize,   oPdf,  oPaper, oLandscape, oInkSaver};
    // --places lists places and calculates nothing.
    for (CLI::Option* other : monthOptions) oPlaces->excludes(other);
    oPlaces->excludes(oMonth)->excludes(oYear);
    app.add_flag("-h,--help", o.help);
    app.add_flag("--version", o.version);
    try {
        std::vector<std::string> reversed(args.rbegin(), args.rend());  // CLI11's order
        app.parse(reversed);
    } catch (const CLI::ParseError& e) {
        r.error = Explain(e);
        return r;
    }
    // Without --month or --year the window starts, and it takes only the
    // settings folder: the options of a month would be passed over.
    if (oMonth->count() == 0 && oYear->count() == 0 && oPlaces->count() == 0 && !o.help && !o.version) {
        for (CLI::Option* opt : monthOptions) {
            if (opt->count() > 0) {
                r.error = opt->get_name() + " needs --month or --year";
                return r;
            }
        }
    }
    auto take = [](CLI::Option* opt, const std::string& v, std::optional<std::string>& to) {
        if (opt->count() > 0) to = v;
    };
    take(oMonth, month, o.month);
    if (o.month) o.month = std::string(text::trimmed(*o.month));  // the page shows the six digits
    take(oYear, year, o.year);
    if (o.year) {
        o.year = std::string(text::trimmed(*o.year));  // the months' texts and the PDF title
        // A year is twelve months of tables, pages and intervals: the
        // outputs of one month only are refused.
        const char* one = o.month          ? "--month"
                          : oPng->count() > 0 ? "--png"
                          : events           ? "--events"
                                             : nullptr;
        if (one) {
            r.error = std::string("--year and ") + one + " exclude each other";
            return r;
        }
    }
    take(oDir, dir, o.settingsDir);
    take(oLon, lon, o.lon);
    take(oLat, lat, o.lat);
    take(oTz, tz, o.tz);
    take(oZone, zoneName, o.zone);
    take(oPlace, placeName, o.place);
    take(oPlaces, placesText, o.places);
    take(oPng, png, o.png);
    take(oPdf, pdf, o.pdf);
    take(oIcs, ics, o.ics);
    if (oSize->count() > 0) parseSize(size, o.width, o.height);  // the last one given
    if (oPaper->count() > 0) o.paper = paper;
    if (tsv || events || json) {
        o.text = tsv ? TextOutput::Tsv : events ? TextOutput::Events : TextOutput::Json;
        o.textChosen = true;
    }
    if (o.nights) o.textChosen = true;
    // Graphic outputs alone print no table unless a text output is asked for.
    if (!o.textChosen && (o.png || o.pdf || o.ics)) o.text = TextOutput::None;
    return r;
}

std::string ApplyLocation(const Options& o, settings::Settings& s) {
    struct Field {
        const std::optional<std::string>* text;
        double* target;
        text::NumberField field;
    } fields[] = {{&o.lon, &s.place.longitude, settings::Named(settings::kLongitudeField, "--lon")},
                  {&o.lat, &s.place.latitude, settings::Named(settings::kLatitudeField, "--lat")},
                  {&o.tz, &s.place.clock.fixedHours, settings::Named(settings::kTimeZoneField, "--tz")}};
    if (o.place) {
        const std::optional<place::Place> p = place::Find(*o.place);
        if (!p) return place::NotFound(*o.place);
        s.place.longitude = p->longitude;
        s.place.latitude = p->latitude;
        s.place.clock.zoneName = p->zone;
        s.place.name = p->name;
        return {};
    }
    for (const auto& f : fields) {
        if (!*f.text) continue;
        std::string why;
        const auto v = text::typedNumber(f.field, **f.text, why);
        if (!v) return text::fieldMessage(f.field, why);
        *f.target = *v;
    }
    if (o.lon || o.lat) s.place.name.clear();
    if (o.zone) {
        if (auto e = zone::Check(*o.zone); e && e->kind == zone::Error::Kind::Unknown) return text::printable(e->message);
        s.place.clock.zoneName = *o.zone;
    } else if (o.tz || o.summerTime) {
        s.place.clock.zoneName.clear();
    }
    return {};
}

std::string TableText(const month::MonthResult& r, const std::string& monthText) {
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
    for (int d = 1; d <= r.dayRows; ++d) out += line(r.tab[static_cast<std::size_t>(d)], 8);
    return out;
}

std::string TargetClash(const Options& o, const std::string& settingsPath) {
    const std::pair<const std::optional<std::string>*, const char*> targets[] = {
        {&o.png, "--png"}, {&o.pdf, "--pdf"}, {&o.ics, "--ics"}};
    for (std::size_t i = 0; i < std::size(targets); ++i) {
        const auto& [path, name] = targets[i];
        if (!*path) continue;
        const std::string shown = text::printable(**path);
        if (o.text != TextOutput::None && fileio::SameTarget(**path, "-"))
            return std::string(name) + " " + shown + " and the text output both go to standard output";
        if (fileio::SameTarget(**path, settingsPath))
            return std::string(name) + " " + shown + " is the settings file";
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

int PlacesText(const std::string& text, std::string& out, report::Reporter& rep) {
    const std::vector<place::Place> found = place::Search(text);
    if (found.empty()) {
        rep.error(place::NotFound(text));
        return 2;
    }
    for (const place::Place& p : found) out += place::ListLine(p) + "\n";
    return 0;
}

int Run(const Options& o, const GraphicOutputs& g, std::string& out, report::Reporter& rep,
        fileio::StagedFiles* files) {
    // Everything the arguments alone decide is checked before the settings
    // file may be created.
    if (o.month && !month::AcceptMonthText(*o.month, rep)) {
        return 2;
    }
    settings::Settings s;
    std::string err = ApplyLocation(o, s);
    if (!err.empty()) {
        rep.error(err);
        return 2;
    }
    if ((o.png && !g.png) || (o.pdf && !g.pdf)) {
        rep.error(std::string(o.png && !g.png ? "PNG" : "PDF") +
                  " output needs the Qt build of Almucan");
        return 1;
    }

    const std::optional<std::string> dir = o.settingsDir ? o.settingsDir : settings::DefaultSettingsDir();
    if (!dir) {
        rep.error(settings::kNoSettingsDirMessage);
        return 1;
    }
    s.settingsPath = settings::SettingsPathFor(*dir);
    err = TargetClash(o, s.settingsPath);
    if (!err.empty()) {
        rep.error(err);
        return 2;
    }
    std::error_code ec;
    std::filesystem::create_directories(*dir, ec);
    std::string fontName = "Sans Serif";
    float fontSize = 10;
    if (g.defaultFont && !std::filesystem::exists(s.settingsPath, ec)) g.defaultFont(fontName, fontSize);
    if (settings::LoadOrCreateSettings(s, fontName, fontSize, rep) == settings::LoadResult::NotValid)
        return 1;
    ApplyLocation(o, s);
    // An unknown name on line 11 is said and the fixed zone used; a zone
    // file that cannot be read ends the run.
    if (const auto problem = settings::ZoneProblem(s)) {
        rep.error(problem->message);
        if (problem->kind == zone::Error::Kind::Unreadable) return 1;
    }
    // The PDF page is laid out with the settings' margins and print font:
    // the print dialog's rule applies.
    if (o.pdf && !render::CheckPrintLayout(
                     s.marginTop, s.marginBottom, s.marginLeft, s.marginRight,
                     o.paper == "letter" ? render::kPaperCodeLetter : render::kPaperCodeA4,
                     o.landscape ? render::kOrientationCodeLandscape : render::kOrientationCodePortrait,
                     g.printFont ? g.printFont(s.fontName, s.fontSize, o.paper, o.landscape)
                                 : render::PrintFontExtent{},
                     rep)) {
        return 2;
    }

    const month::Place place = zone::InForce(s.place, o.summerTime);
    std::vector<std::string> texts;
    if (o.year) {
        for (int m = 1; m <= 12; ++m)
            texts.push_back(*o.year + (m < 10 ? "0" : "") + std::to_string(m));
    } else {
        texts.push_back(*o.month);
    }
    std::vector<month::MonthResult> months;
    for (const std::string& t : texts) {
        auto r = month::CalculateMonth(t, place, rep);
        if (!r) return 2;
        months.push_back(std::move(*r));
    }

    // Every file is made first, so that a failure writes none.  The
    // calendar holds the intervals that begin in these months, each
    // followed to its end through the months after.
    std::string pngBytes, pdfBytes, icsText;
    if (o.png && !g.png(months[0], texts[0], o.width, o.height, pngBytes, rep))
        return 1;
    // --ink-saver is for this run only: the file is not written again.
    const render::PrintStyle style{s.marginTop,  s.marginBottom, s.marginLeft,          s.marginRight,
                                   s.fontName, s.fontSize,   s.inkSaver || o.inkSaver};
    if (o.pdf && !g.pdf(months, style, texts, o.paper, o.landscape, pdfBytes, rep))
        return 1;
    if (o.ics)
        icsText = ical::DarkNightsCalendar(months, static_cast<ical::UnixTime>(std::time(nullptr)));
    struct File {
        const std::optional<std::string>& path;
        const std::string& bytes;
        const char* kind;
    };
    // All are written or none: each to its temporary file first, then
    // those written in place, then the renames.
    fileio::StagedFiles own;
    fileio::StagedFiles& staged = files ? *files : own;
    for (const File& f : {File{o.png, pngBytes, "image"}, File{o.pdf, pdfBytes, "PDF"},
                          File{o.ics, icsText, "iCalendar"}}) {
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
    // A year: the twelve tables in a row, a blank line between the text
    // tables and each TSV table introduced by its month line.
    const bool wantNights = o.nights || o.text == TextOutput::Json;
    std::string json;
    for (std::size_t i = 0; i < months.size(); ++i) {
        std::vector<month::Night> nights;
        // The last night of a month ends in the next month's first day: the
        // next month of a year is already calculated.
        std::optional<month::MonthResult> after;
        if (wantNights) {
            if (i + 1 == months.size()) after = month::CalculateMonth(calendar::ShiftedMonth(months[i].ym, 1), place);
            nights = month::Nights(months[i], after ? *after : months[i + 1]);
        }
        if (o.text == TextOutput::Json) {
            json += (i ? ",\n" : "") + MonthJson(months[i], nights);
            continue;
        }
        if (o.nights && o.text != TextOutput::None) {
            if (o.year || o.text == TextOutput::Table)
                out += (i && o.text == TextOutput::Table ? "\n" : "") +
                       render::MonthLineText(months[i].place, texts[i]) + "\n";
            out += o.text == TextOutput::Tsv ? NightsTsv(nights) : NightsText(nights);
            continue;
        }
        switch (o.text) {
            case TextOutput::Table:
                out += (i ? "\n" : "") + TableText(months[i], texts[i]);
                break;
            case TextOutput::Tsv:
                if (o.year) out += render::MonthLineText(months[i].place, texts[i]) + "\n";
                out += month::TsvText(months[i]);
                break;
            case TextOutput::Events: out += months[i].clipboard; break;
            case TextOutput::Json:
            case TextOutput::None: break;
        }
    }
    // A year is a JSON array of its months.
    if (o.text == TextOutput::Json) out += o.year ? "[\n" + json + "]\n" : json;
    return 0;
}

}  // namespace cli
