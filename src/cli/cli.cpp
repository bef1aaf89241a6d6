#include "cli/cli.h"

#include <CLI/CLI.hpp>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <iostream>

#include "text/valuerule.h"
#include "fileio/filewrite.h"
#include "ical/darknights.h"
#include "render/page.h"
#include "render/printcheck.h"
#include "settings/location.h"
#include "settings/settingsfile.h"
#include "zone/zone.h"

namespace cli {

namespace {

bool parseSize(const std::string& s, int& w, int& h) {
    auto x = s.find_first_of("xX");
    if (x == std::string::npos) return false;
    try {
        std::size_t p1 = 0, p2 = 0;
        long lw = std::stol(s.substr(0, x), &p1);
        long lh = std::stol(s.substr(x + 1), &p2);
        if (p1 != x || p2 != s.size() - x - 1) return false;
        if (lw < 50 || lh < 50 || lw > 20000 || lh > 20000) return false;
        w = static_cast<int>(lw);
        h = static_cast<int>(lh);
        return true;
    } catch (...) {
        return false;
    }
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
    return "Usage: almucan [--month yyyymm | --year yyyy] [options]\n"
           "\n"
           "Without --month or --year the window starts.  With --month the month is\n"
           "calculated and printed on standard output; with --year the twelve months.\n"
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
           "  --tsv                the month table as tab-separated values\n"
           "  --events             the sorted event keys (the clipboard text, CR LF)\n"
           "  --ics FILE           the dark-and-no-Moon intervals as an iCalendar file\n"
           "  --png FILE           draw the screen page into a PNG image\n"
           "  --size WxH           size of the PNG image (default 1000x700)\n"
           "  --pdf FILE           print the month page into a PDF file (a page a month)\n"
           "  --paper a4|letter    paper of the PDF page (default a4)\n"
           "  --landscape          landscape PDF page\n"
           "  --help               this text\n";
}

ParseResult ParseArgs(const std::vector<std::string>& args) {
    ParseResult r;
    Options& o = r.options;
    CLI::App app("almucan");
    app.set_help_flag();  // --help prints Usage(), not CLI11's own text
    // A repeated option takes its last value, as options have always done.
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    std::string month, year, dir, lon, lat, tz, zoneName, png, size, pdf, paper, ics;
    bool tsv = false, events = false;
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
    CLI::Option* oYear = value("--year", year, "yyyy")->check([](const std::string& v) {
        bool digits = v.size() == 4 && v.find_first_not_of("0123456789") == std::string::npos;
        return digits && std::stoi(v) >= 1900 && std::stoi(v) <= 2100
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
    CLI::Option* oTsv = app.add_flag("--tsv", tsv);
    CLI::Option* oEvents = app.add_flag("--events", events);
    oTsv->excludes(oEvents);
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
    app.add_flag("--landscape", o.landscape);
    app.add_flag("-h,--help", o.help);
    try {
        std::vector<std::string> reversed(args.rbegin(), args.rend());  // CLI11's order
        app.parse(reversed);
    } catch (const CLI::ParseError& e) {
        r.error = Explain(e);
        return r;
    }
    auto take = [](CLI::Option* opt, const std::string& v, std::optional<std::string>& to) {
        if (opt->count() > 0) to = v;
    };
    take(oMonth, month, o.month);
    take(oYear, year, o.year);
    if (o.year) {
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
    take(oPng, png, o.png);
    take(oPdf, pdf, o.pdf);
    take(oIcs, ics, o.ics);
    if (oSize->count() > 0) parseSize(size, o.width, o.height);  // the last one given
    if (oPaper->count() > 0) o.paper = paper;
    if (tsv || events) {
        o.text = tsv ? TextOutput::Tsv : TextOutput::Events;
        o.textChosen = true;
    }
    // Graphic outputs alone print no table unless a text output is asked for.
    if (!o.textChosen && (o.png || o.pdf || o.ics)) o.text = TextOutput::None;
    return r;
}

std::string ApplyLocation(const Options& o, settings::Settings& s) {
    struct Field {
        const std::optional<std::string>* text;
        double* target;
        const settings::LocationField& field;
        const char* name;
    } fields[] = {{&o.lon, &s.longitude, settings::kLongitudeField, "--lon"},
                  {&o.lat, &s.latitude, settings::kLatitudeField, "--lat"},
                  {&o.tz, &s.timeZone, settings::kTimeZoneField, "--tz"}};
    for (const auto& f : fields) {
        if (!*f.text) continue;
        auto v = settings::LocationValue(f.field, **f.text);
        if (!v) {
            char buf[160];
            std::snprintf(buf, sizeof buf, "%s wants a number from %g to %g%s, a zero typed as 0",
                          f.name, f.field.lower, f.field.upper, f.field.whole ? " (whole hours)" : "");
            return buf;
        }
        *f.target = *v;
    }
    if (o.zone) {
        if (auto e = zone::Check(*o.zone); e && e->kind == zone::Error::Kind::Unknown) return e->message;
        s.zoneName = *o.zone;
    } else if (o.tz || o.summerTime) {
        s.zoneName.clear();
    }
    return {};
}

std::string TableText(const month::MonthResult& r, const settings::Settings& s,
                      const std::string& monthText, bool summerTime) {
    std::string out = settings::WindowTitle(s.version) + "\n";
    out += render::MonthLineText(s, monthText, summerTime) + "\n\n";
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

void StderrReporter::message(const std::string& text, const std::string&, report::Icon) {
    std::string t;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        t += text[i];
    }
    std::cerr << t << "\n";
}

int Run(const Options& o, const GraphicOutputs& g, std::string& out, report::Reporter& rep) {
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
    std::error_code ec;
    std::filesystem::create_directories(*dir, ec);
    s.settingsPath = settings::SettingsPathFor(*dir);
    std::string fontName = "Sans Serif";
    float fontSize = 10;
    if (g.defaultFont && !std::filesystem::exists(s.settingsPath, ec)) g.defaultFont(fontName, fontSize);
    if (settings::LoadOrCreateSettings(s, fontName, fontSize, rep) == settings::LoadResult::NotValid)
        return 1;
    s.outputDevice = settings::OutputDevice::Screen;
    ApplyLocation(o, s);
    // An unknown name on line 11 is said and the fixed zone used; a zone
    // file that cannot be read ends the run.
    if (const auto problem = settings::ZoneProblem(s)) {
        rep.error(problem->message);
        if (problem->kind == zone::Error::Kind::Unreadable) return 1;
    }
    // The PDF page is laid out with the settings' margins: the print
    // dialog's rule applies.
    if (o.pdf && !render::CheckPrintLayout(
                     s.marginTop, s.marginBottom, s.marginLeft, s.marginRight,
                     o.paper == "letter" ? render::kPaperCodeLetter : render::kPaperCodeA4,
                     o.landscape ? render::kOrientationCodeLandscape : render::kOrientationCodePortrait, rep)) {
        return 2;
    }

    const month::Location loc = month::LocationOf(s);
    std::vector<std::string> texts;
    if (o.year) {
        for (int m = 1; m <= 12; ++m)
            texts.push_back(*o.year + (m < 10 ? "0" : "") + std::to_string(m));
    } else {
        texts.push_back(*o.month);
    }
    std::vector<month::MonthResult> months;
    for (const std::string& t : texts) {
        auto r = month::CalculateMonth(t, o.summerTime, loc, rep);
        if (!r) return 2;
        months.push_back(std::move(*r));
    }

    // Every file is made first, so that a failure writes none.  The
    // calendar holds the intervals that begin in these months, each
    // followed to its end through the months after.
    std::string pngBytes, pdfBytes, icsText;
    if (o.png && !g.png(months[0], s, texts[0], o.summerTime, o.width, o.height, pngBytes, rep))
        return 1;
    if (o.pdf && !g.pdf(months, s, texts, o.summerTime, o.paper, o.landscape, pdfBytes, rep))
        return 1;
    if (o.ics)
        icsText = ical::DarkNightsCalendar(months, ical::Place{loc, o.summerTime},
                                           static_cast<ical::UnixTime>(std::time(nullptr)));
    struct File {
        const std::optional<std::string>& path;
        const std::string& bytes;
        const char* kind;
    };
    for (const File& f : {File{o.png, pngBytes, "image"}, File{o.pdf, pdfBytes, "PDF"},
                          File{o.ics, icsText, "iCalendar"}}) {
        if (!f.path) continue;
        std::string why = fileio::ReplaceFile(*f.path, f.bytes);
        if (!why.empty()) {
            rep.error(std::string("The ") + f.kind + " file " + *f.path + " could not be written: " + why);
            return 1;
        }
    }
    // A year: the twelve tables in a row, a blank line between the text
    // tables and each TSV table introduced by its month line.
    for (std::size_t i = 0; i < months.size(); ++i) {
        switch (o.text) {
            case TextOutput::Table:
                out += (i ? "\n" : "") + TableText(months[i], s, texts[i], o.summerTime);
                break;
            case TextOutput::Tsv:
                if (o.year) out += render::MonthLineText(s, texts[i], o.summerTime) + "\n";
                out += month::TsvText(months[i]);
                break;
            case TextOutput::Events: out += months[i].clipboard; break;
            case TextOutput::None: break;
        }
    }
    return 0;
}

}  // namespace cli
