#include "cli/cli.h"

#include "render/page.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <iostream>

#include "astro/valuerule.h"
#include "ui/core/settingsfile.h"

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

// True when the text starts (after blanks) with a number the value rule reads.
bool hasNumber(const std::string& s) {
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    if (i < s.size() && s[i] == '.') ++i;
    return i < s.size() && s[i] >= '0' && s[i] <= '9';
}

std::string pad(const std::string& s, std::size_t w) {
    std::string r = s;
    std::size_t n = astro::charCount(s);
    if (n < w) r.append(w - n, ' ');
    return r;
}

// General number format of the printed month line (no fixed decimals).
std::string general(double v) { return render::GeneralNumber(v); }

}  // namespace

std::string Usage() {
    return "Usage: almucan [--month yyyymm [options]]\n"
           "\n"
           "Without --month the window starts.  With --month the month is calculated\n"
           "and printed on standard output.\n"
           "\n"
           "  --month yyyymm       month to calculate (1900..2100)\n"
           "  --summer-time        summer time in force (one hour added to the zone)\n"
           "  --settings-dir DIR   folder of Almucan.INI (default ~/.config/Almucan)\n"
           "  --lon DEG            longitude, east positive (-180..180), not saved\n"
           "  --lat DEG            latitude, north positive (-90..90), not saved\n"
           "  --tz HOURS           time zone, east positive, whole hours (-12..12)\n"
           "  --tsv                the month table as tab-separated values\n"
           "  --events             the sorted event keys (the clipboard text, CR LF)\n"
           "  --png FILE           draw the screen page into a PNG image\n"
           "  --size WxH           size of the PNG image (default 1000x700)\n"
           "  --pdf FILE           print the month page into a PDF file\n"
           "  --paper a4|letter    paper of the PDF page (default a4)\n"
           "  --landscape          landscape PDF page\n"
           "  --help               this text\n";
}

ParseResult ParseArgs(const std::vector<std::string>& args) {
    ParseResult r;
    Options& o = r.options;
    auto need = [&](std::size_t& i, const std::string& name) -> std::optional<std::string> {
        if (i + 1 >= args.size()) {
            r.error = "option " + name + " needs a value";
            return std::nullopt;
        }
        return args[++i];
    };
    auto setText = [&](TextOutput t) {
        if (o.textChosen && o.text != t) {
            r.error = "--tsv and --events exclude each other";
            return;
        }
        o.text = t;
        o.textChosen = true;
    };
    for (std::size_t i = 0; i < args.size() && r.error.empty(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            o.help = true;
        } else if (a == "--month") {
            if (auto v = need(i, a)) o.month = *v;
        } else if (a == "--summer-time") {
            o.summerTime = true;
        } else if (a == "--settings-dir") {
            if (auto v = need(i, a)) o.settingsDir = *v;
        } else if (a == "--lon") {
            if (auto v = need(i, a)) o.lon = *v;
        } else if (a == "--lat") {
            if (auto v = need(i, a)) o.lat = *v;
        } else if (a == "--tz") {
            if (auto v = need(i, a)) o.tz = *v;
        } else if (a == "--tsv") {
            setText(TextOutput::Tsv);
        } else if (a == "--events") {
            setText(TextOutput::Events);
        } else if (a == "--png") {
            if (auto v = need(i, a)) o.png = *v;
        } else if (a == "--size") {
            if (auto v = need(i, a))
                if (!parseSize(*v, o.width, o.height)) r.error = "--size wants WxH, e.g. 1000x700";
        } else if (a == "--pdf") {
            if (auto v = need(i, a)) o.pdf = *v;
        } else if (a == "--paper") {
            if (auto v = need(i, a)) {
                if (*v != "a4" && *v != "letter")
                    r.error = "--paper wants a4 or letter";
                else
                    o.paper = *v;
            }
        } else if (a == "--landscape") {
            o.landscape = true;
        } else {
            r.error = "unknown option " + a;
        }
    }
    // Graphic outputs alone print no table unless a text output is asked for.
    if (!o.textChosen && (o.png || o.pdf)) o.text = TextOutput::None;
    return r;
}

std::string ApplyLocation(const Options& o, month::Settings& s) {
    struct Field {
        const std::optional<std::string>* text;
        double* target;
        double lo, hi;
        bool whole;
        const char* name;
    } fields[] = {{&o.lon, &s.longitude, -180, 180, false, "--lon"},
                  {&o.lat, &s.latitude, -90, 90, false, "--lat"},
                  {&o.tz, &s.timeZone, -12, 12, true, "--tz"}};
    for (const auto& f : fields) {
        if (!*f.text) continue;
        const std::string& t = **f.text;
        double v = astro::value(t);
        bool ok = hasNumber(t) && std::isfinite(v) && v >= f.lo && v <= f.hi &&
                  (!f.whole || v == std::floor(v));
        if (!ok) {
            char buf[160];
            std::snprintf(buf, sizeof buf, "%s wants a number from %g to %g%s", f.name, f.lo, f.hi,
                          f.whole ? " (whole hours)" : "");
            return buf;
        }
        *f.target = v;
    }
    return {};
}

std::string TableText(const month::MonthResult& r, const month::Settings& s,
                      const std::string& monthText, bool summerTime) {
    std::string out = "Almucan V" + s.version + " - Rise and Set for Sun and Moon\n";
    out += "Month: " + monthText + "   Long.: " + general(s.longitude) +
           "   Lat.: " + general(s.latitude) + "   Time Zone: " + general(s.timeZone);
    if (summerTime) out += ", Summertime";
    out += "\n\n";
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

void StderrReporter::message(const std::string& text, const std::string&, astro::Icon) {
    std::string t;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        t += text[i];
    }
    std::cerr << t << "\n";
}

int Run(const Options& o, const GraphicOutputs& g, std::string& out, astro::Reporter& rep) {
    month::Settings s;
    const std::optional<std::string> dir = o.settingsDir ? o.settingsDir : ui::DefaultSettingsDir();
    if (!dir) {
        rep.error(ui::kNoSettingsDirMessage);
        return 1;
    }
    std::error_code ec;
    std::filesystem::create_directories(*dir, ec);
    s.settingsPath = ui::SettingsPathFor(*dir);
    std::string fontName = "Sans Serif";
    float fontSize = 10;
    if (g.defaultFont && !std::filesystem::exists(s.settingsPath, ec)) g.defaultFont(fontName, fontSize);
    ui::LoadResult lr = ui::LoadSettings(s, fontName, fontSize, rep);
    if (lr == ui::LoadResult::Created) lr = ui::LoadSettings(s, fontName, fontSize, rep);
    if (lr == ui::LoadResult::NotValid) return 1;
    s.outputDevice = "S";

    std::string err = ApplyLocation(o, s);
    if (!err.empty()) {
        rep.error(err);
        return 2;
    }
    month::Location loc{s.longitude, s.latitude, s.timeZone};
    auto r = month::CalculateMonth(*o.month, o.summerTime, loc, rep);
    if (!r) return 2;

    if (o.png) {
        if (!g.png) {
            rep.error("PNG output needs the Qt build of Almucan");
            return 1;
        }
        if (!g.png(*r, s, *o.month, o.summerTime, o.width, o.height, *o.png, rep)) return 1;
    }
    if (o.pdf) {
        if (!g.pdf) {
            rep.error("PDF output needs the Qt build of Almucan");
            return 1;
        }
        if (!g.pdf(*r, s, *o.month, o.summerTime, o.paper, o.landscape, *o.pdf, rep)) return 1;
    }
    switch (o.text) {
        case TextOutput::Table: out = TableText(*r, s, *o.month, o.summerTime); break;
        case TextOutput::Tsv: out = month::TsvText(*r); break;
        case TextOutput::Events: out = r->clipboard; break;
        case TextOutput::None: break;
    }
    return 0;
}

}  // namespace cli
