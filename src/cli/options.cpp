// The command line's options: their parsing (CLI11), the rules between
// them, and the usage text.
#include <CLI/CLI.hpp>
#include <functional>

#include "cli/cli.h"
#include "cli/sites.h"
#include "text/numbers.h"
#include "text/strings.h"

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

// --darkness's words, blanks around them aside.
std::optional<settings::Darkness> darknessNamed(const std::string& v) {
    const std::string_view t = text::trimmed(v);
    if (t == "astronomical") return settings::Darkness::Astronomical;
    if (t == "nautical") return settings::Darkness::Nautical;
    if (t == "civil") return settings::Darkness::Civil;
    return std::nullopt;
}

constexpr text::NumberField kMoonMaxField{"--moon-max", 0, 100, false};

// CLI11's complaint as one line that names the option: "--month --tsv"
// gives "option --month needs a value (yyyymm)".
std::string Explain(const CLI::ParseError& e) {
    std::string what = e.what();
    static const std::string kMissing = " missing";
    auto colon = what.find(": ");
    if (e.get_name() == "ArgumentMismatch" && colon != std::string::npos && what.size() > kMissing.size() &&
        what.compare(what.size() - kMissing.size(), kMissing.size(), kMissing) == 0) {
        // "--month: 1 required yyyymm missing"
        auto type = what.rfind(' ', what.size() - kMissing.size() - 1);
        return "option " + what.substr(0, colon) + " needs a value (" +
               what.substr(type + 1, what.size() - kMissing.size() - type - 1) + ")";
    }
    return what;
}

// A check that a value is not empty: "the <what> is empty".
std::function<std::string(const std::string&)> notEmpty(const char* what) {
    return
        [what](const std::string& v) { return v.empty() ? std::string("the ") + what + " is empty" : std::string(); };
}

}  // namespace

std::string Usage() {
    return "Usage: almucan [--month yyyymm | --year yyyy | --places TEXT | --sites] [options]\n"
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
           "  --site NAME          a kept site (Almucan-sites.tsv beside Almucan.INI): its\n"
           "                       longitude, latitude and zone; excludes --lon, --lat,\n"
           "                       --tz, --zone, --place.  Two to four --site with\n"
           "                       --nights, --json or --ics compare the sites night by\n"
           "                       night\n"
           "  --sites              list the kept sites: name, longitude, latitude, zone\n"
           "                       (tab-separated, as the sites file holds them)\n"
           "  --tsv                the month table as tab-separated values\n"
           "  --events             the sorted event keys (the clipboard text, CR LF)\n"
           "  --nights             one line per night: dusk, dawn, Moon, dark and no Moon\n"
           "                       (tab-separated with --tsv; the Nights page with\n"
           "                       --png or --pdf)\n"
           "  --json               the month as JSON: crossings, intervals and nights\n"
           "  --ics FILE           the dark-and-no-Moon intervals as an iCalendar file\n"
           "  --darkness astronomical|nautical|civil\n"
           "                       the Sun below -18, -12 or -6 degrees counts as dark for\n"
           "                       --nights, --json's intervals and nights, and --ics\n"
           "  --moon-max PERCENT   a Moon lit at most PERCENT (0..100) at midnight does not\n"
           "                       spoil the dark (0: any Moon above the horizon does);\n"
           "                       without these two, the settings file's darkness= and\n"
           "                       moon-max= lines (default astronomical and 0)\n"
           "  --ephemeris standard|precise\n"
           "                       the low-precision theories (standard), or ERFA's\n"
           "                       IAU 2006/2000A Earth and Sun and its Moon series, the\n"
           "                       same minute as the published almanacs nearly always;\n"
           "                       without it, the settings file's ephemeris= line\n"
           "  --png FILE           draw the screen page into a PNG image\n"
           "  --size WxH           size of the PNG image (default 1000x700)\n"
           "  --pdf FILE           print the month page into a PDF file (a page a month)\n"
           "  --paper a4|letter    paper of the PDF page (default: the settings file's\n"
           "                       paper= line, else a4)\n"
           "  --landscape          landscape PDF page\n"
           "  --ink-saver          the PDF in the ink-saving style (night hatched, greys);\n"
           "                       the year chart in pale greys\n"
           "  --chart FILE         with --year: the year at a glance, a row a night from\n"
           "                       noon to noon, into FILE.png (--size, default 1000x1400)\n"
           "                       or FILE.pdf (one page, --paper, --landscape)\n"
           "  --version            the program's version\n"
           "  A FILE of - is standard output; two outputs never share a file.\n"
           "  --help               this text\n";
}

std::string VersionText() { return std::string("almucan ") + text::kVersion + "\n"; }

namespace {

// The parser of one command line: CLI11's application with the options,
// the texts they receive, and the rules between them.
class Parser {
public:
    explicit Parser(Options& o);
    // Parses `args`; the error text, or empty.
    std::string parse(const std::vector<std::string>& args);

private:
    CLI::Option* value(const std::string& name, std::string& to, const char* type);
    void defineOptions();
    void defineFiles();
    void defineRuleOptions();
    std::string windowModeError() const;
    std::string yearError() const;
    void collect();

    Options& o;
    CLI::App app{"almucan"};
    std::string month, year, dir, lon, lat, tz, zoneName, placeName, placesText, png, size, pdf, paper, ics, chart;
    std::string darkness, moonMax, ephemeris;
    std::vector<std::string> siteNames;
    bool tsv = false, events = false, json = false;
    CLI::Option *oMonth = nullptr, *oYear = nullptr, *oSummer = nullptr, *oDir = nullptr, *oLon = nullptr,
                *oLat = nullptr, *oTz = nullptr, *oZone = nullptr, *oPlace = nullptr, *oPlaces = nullptr,
                *oTsv = nullptr, *oEvents = nullptr, *oNights = nullptr, *oJson = nullptr, *oPng = nullptr,
                *oSize = nullptr, *oPdf = nullptr, *oIcs = nullptr, *oPaper = nullptr, *oLandscape = nullptr,
                *oInkSaver = nullptr, *oChart = nullptr, *oDarkness = nullptr, *oMoonMax = nullptr, *oSite = nullptr,
                *oEphemeris = nullptr, *oSites = nullptr;
    // The options of a month: its place and its outputs, in the order of
    // the usage.
    std::vector<CLI::Option*> monthOptions;
};

Parser::Parser(Options& options) : o(options) {
    app.set_help_flag();  // --help prints Usage(), not CLI11's own text
    // A repeated option takes its last value.
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    defineOptions();
}

// CLI11 hands an option the next argument whatever it looks like; a long
// option there means the value was left out ("--month --tsv").
CLI::Option* Parser::value(const std::string& name, std::string& to, const char* type) {
    return app.add_option(name, to)->type_name(type)->check([](const std::string& v) {
        return v.rfind("--", 0) == 0 ? "needs a value, got the option " + v : std::string();
    });
}

// --darkness and --moon-max: what counts as a dark, moonless hour.
void Parser::defineRuleOptions() {
    oDarkness = value("--darkness", darkness, "astronomical|nautical|civil")->check([](const std::string& v) {
        return darknessNamed(v) ? std::string() : std::string("wants astronomical, nautical or civil");
    });
    oEphemeris = value("--ephemeris", ephemeris, "standard|precise")->check([](const std::string& v) {
        return month::EphemerisNamed(text::trimmed(v)) ? std::string() : std::string("wants standard or precise");
    });
    oMoonMax = value("--moon-max", moonMax, "PERCENT")->check([](const std::string& v) {
        std::string why;
        return text::typedNumber(kMoonMaxField, v, why) ? std::string()
                                                        : "wants a percentage from 0 to 100 (" + why + ")";
    });
}

void Parser::defineOptions() {
    oMonth = value("--month", month, "yyyymm");
    // Blanks around the year aside, as around the month.
    oYear = value("--year", year, "yyyy")->check([](const std::string& v) {
        const std::string t(text::trimmed(v));
        bool digits = t.size() == 4 && t.find_first_not_of("0123456789") == std::string::npos;
        return digits && std::stoi(t) >= 1900 && std::stoi(t) <= 2100
                   ? std::string()
                   : std::string("wants a year from 1900 to 2100 (yyyy)");
    });
    oSummer = app.add_flag("--summer-time", o.summerTime);
    oDir = value("--settings-dir", dir, "DIR")->check(notEmpty("folder name"));
    oLon = value("--lon", lon, "DEG");
    oLat = value("--lat", lat, "DEG");
    oTz = value("--tz", tz, "HOURS");
    oZone = value("--zone", zoneName, "NAME")->check(notEmpty("zone name"));
    oZone->excludes(oTz)->excludes(oSummer);
    oPlace = value("--place", placeName, "NAME")->check(notEmpty("place name"));
    oPlace->excludes(oLon)->excludes(oLat)->excludes(oTz)->excludes(oZone)->excludes(oSummer);
    oPlaces = value("--places", placesText, "TEXT")->check(notEmpty("text"));
    oSite = app.add_option("--site", siteNames)->type_name("NAME")->take_all()->check([](const std::string& v) {
        return v.empty() ? "the site name is empty" : v.rfind("--", 0) == 0 ? "needs a value, got the option " + v : "";
    });
    oSite->excludes(oLon)->excludes(oLat)->excludes(oTz)->excludes(oZone)->excludes(oSummer)->excludes(oPlace);
    oSites = app.add_flag("--sites", o.listSites);
    oTsv = app.add_flag("--tsv", tsv);
    oEvents = app.add_flag("--events", events);
    oNights = app.add_flag("--nights", o.nights);
    oJson = app.add_flag("--json", json);
    oTsv->excludes(oEvents);
    oJson->excludes(oTsv)->excludes(oEvents)->excludes(oNights);
    oNights->excludes(oEvents);
    defineFiles();
    defineRuleOptions();
    monthOptions = {oSummer,   oLon,   oLat,      oTz,      oZone, oPlace,    oTsv,   oEvents,
                    oNights,   oJson,  oIcs,      oPng,     oSize, oPdf,      oPaper, oLandscape,
                    oInkSaver, oChart, oDarkness, oMoonMax, oSite, oEphemeris};
    // --places and --sites list places and calculate nothing.
    for (CLI::Option* list : {oPlaces, oSites}) {
        for (CLI::Option* other : monthOptions) list->excludes(other);
        list->excludes(oMonth)->excludes(oYear);
    }
    oSites->excludes(oPlaces);
    app.add_flag("-h,--help", o.help);
    app.add_flag("--version", o.version);
}

// The options of the files: image, PDF, calendar and year chart.
void Parser::defineFiles() {
    oPng = value("--png", png, "FILE")->check(notEmpty("file name"));
    oSize = value("--size", size, "WxH")->check([](const std::string& v) {
        int w = 0, h = 0;
        return parseSize(v, w, h) ? std::string() : std::string("wants WxH, each from 50 to 20000, e.g. 1000x700");
    });
    oPdf = value("--pdf", pdf, "FILE")->check(notEmpty("file name"));
    oIcs = value("--ics", ics, "FILE")->check(notEmpty("file name"));
    oPaper = value("--paper", paper, "a4|letter")->check([](const std::string& v) {
        return v == "a4" || v == "letter" ? std::string() : std::string("wants a4 or letter");
    });
    oChart = value("--chart", chart, "FILE")->check([](const std::string& v) {
        return ChartFormatOf(v) == ChartFormat::Unknown ? std::string("wants a file name ending in .png or .pdf")
                                                        : std::string();
    });
    oLandscape = app.add_flag("--landscape", o.landscape);
    oInkSaver = app.add_flag("--ink-saver", o.inkSaver);
}

// Without --month or --year the window starts, and it takes only the
// settings folder: the options of a month would be passed over.
std::string Parser::windowModeError() const {
    if (oMonth->count() > 0 || oYear->count() > 0 || oPlaces->count() > 0 || o.listSites || o.help || o.version)
        return {};
    for (CLI::Option* opt : monthOptions)
        if (opt->count() > 0) return opt->get_name() + " needs --month or --year";
    return {};
}

// A year is twelve months of tables, pages and intervals: the outputs of
// one month only are refused; the year chart needs a year.
std::string Parser::yearError() const {
    if (oYear->count() == 0) return oChart->count() > 0 ? "--chart needs --year" : std::string();
    const char* one = oMonth->count() > 0 ? "--month" : oPng->count() > 0 ? "--png" : events ? "--events" : nullptr;
    return one ? std::string("--year and ") + one + " exclude each other" : std::string();
}

void Parser::collect() {
    auto take = [](CLI::Option* opt, const std::string& v, std::optional<std::string>& to) {
        if (opt->count() > 0) to = v;
    };
    take(oMonth, month, o.month);
    if (o.month) o.month = std::string(text::trimmed(*o.month));  // the page shows the six digits
    take(oYear, year, o.year);
    if (o.year) o.year = std::string(text::trimmed(*o.year));  // the months' texts and the PDF title
    take(oDir, dir, o.settingsDir);
    take(oLon, lon, o.lon);
    take(oLat, lat, o.lat);
    take(oTz, tz, o.tz);
    take(oZone, zoneName, o.zone);
    take(oPlace, placeName, o.place);
    take(oPlaces, placesText, o.places);
    o.sites = siteNames;
    take(oPng, png, o.png);
    take(oPdf, pdf, o.pdf);
    take(oIcs, ics, o.ics);
    take(oChart, chart, o.chart);
    o.sizeGiven = oSize->count() > 0;
    if (o.sizeGiven) parseSize(size, o.width, o.height);  // the last one given
    if (oPaper->count() > 0) o.paper = paper, o.paperGiven = true;
    if (oDarkness->count() > 0) o.darkness = darknessNamed(darkness);
    if (oEphemeris->count() > 0) o.ephemeris = month::EphemerisNamed(text::trimmed(ephemeris));
    std::string why;
    if (oMoonMax->count() > 0) o.moonMax = text::typedNumber(kMoonMaxField, moonMax, why);
    if (tsv || events || json) {
        o.text = tsv ? TextOutput::Tsv : events ? TextOutput::Events : TextOutput::Json;
        o.textChosen = true;
    }
    // --nights with --png or --pdf draws the Nights page instead of the text.
    if (o.nights && !o.png && !o.pdf) o.textChosen = true;
    // Graphic outputs alone print no table unless a text output is asked for.
    if (!o.textChosen && (o.png || o.pdf || o.ics || o.chart)) o.text = TextOutput::None;
}

std::string Parser::parse(const std::vector<std::string>& args) {
    try {
        std::vector<std::string> reversed(args.rbegin(), args.rend());  // CLI11's order
        app.parse(reversed);
    } catch (const CLI::ParseError& e) {
        return Explain(e);
    }
    if (std::string e = yearError(); !e.empty()) return e;
    if (std::string e = windowModeError(); !e.empty()) return e;
    collect();
    return SitesError(o);
}

}  // namespace

ParseResult ParseArgs(const std::vector<std::string>& args) {
    ParseResult r;
    Parser parser(r.options);
    r.error = parser.parse(args);
    return r;
}

}  // namespace cli
