// The formatter of the month model: table cells, event keys, clipboard text, TSV and bar hours.
#include "month/format.h"

#include <algorithm>

#include "month/monthcalc.h"

namespace month {

namespace {

std::string twoDigits(int v) { return {static_cast<char>('0' + v / 10 % 10), static_cast<char>('0' + v % 10)}; }

}  // namespace

const std::array<std::string, 10>& Headings() {
    static const std::array<std::string, 10> h = {"Day",          "Moon", "",         "Sun", "",
                                                  "Ast.Twilight", "",     "D.a.n.M.", "",    "Phase"};
    return h;
}

const std::array<std::string, 10>& SubHeadings() {
    static const std::array<std::string, 10> h = {"", "Rise", "Set", "Rise", "Set", "Beg.", "End", "Beg.", "End", ""};
    return h;
}

std::string ClockCell(int hhmm) {
    // Written by hand: formatting through snprintf took a twentieth of the
    // month calculation.
    std::string text(4, '0');
    int v = std::clamp(hhmm, 0, 9999);
    for (int i = 3; i >= 0; --i, v /= 10) text[static_cast<std::size_t>(i)] = static_cast<char>('0' + v % 10);
    return text;
}

std::string ClockText(int hhmm) {
    const std::string c = ClockCell(hhmm);
    return c.substr(0, 2) + ":" + c.substr(2);
}

void FillDayColumn(MonthTab& tab, int year, int month) {
    static const char letters[] = "SMTWTFS";
    int days = calendar::DaysInMonth(year, month);
    for (int d = 1; d <= days; ++d) {
        tab[static_cast<std::size_t>(d)][0] = twoDigits(d) + " " + letters[calendar::Weekday(year, month, d)];
    }
}

void FillEventCells(std::array<std::string, 10>& row, const Day& day) {
    static const char* const markAbove[kTableHorizons] = {"a.h.", "a.h.", "a.b."};
    static const char* const markBelow[kTableHorizons] = {"b.h.", "b.h.", "a.d."};
    for (std::size_t i = 0; i < kTableHorizons; ++i) {
        const HorizonDay& b = day.horizons[i];
        std::string& first = row[2 * i + 1];
        std::string& second = row[2 * i + 2];
        if (!day.exists) {
            first = second = "----";
            continue;
        }
        switch (b.mark()) {
            case DayMark::Above:
                first = markAbove[i];
                second.clear();
                continue;
            case DayMark::Below:
                first = markBelow[i];
                second.clear();
                continue;
            case DayMark::None:
                break;
        }
        const Crossing* r = b.cellRise();
        const Crossing* s = b.cellSet();
        first = r ? ClockCell(r->hhmm) : "----";
        second = s ? ClockCell(s->hhmm) : "----";
    }
}

void FillDarkCells(MonthTab& tab, const std::vector<Interval>& intervals) {
    for (const Interval& iv : intervals) {
        tab[static_cast<std::size_t>(iv.beginDay)][7] = ClockCell(iv.beginHhmm);
        if (iv.endDay > 0) tab[static_cast<std::size_t>(iv.endDay)][8] = ClockCell(iv.endHhmm);
    }
}

std::vector<std::string> EventKeys(const MonthTab& tab) {
    std::vector<std::string> keys;
    keys.reserve(124);
    for (int d = 1; d <= 31; ++d) {
        const auto& row = tab[static_cast<std::size_t>(d)];
        std::string dd = twoDigits(d);
        keys.push_back(dd + row[1] + "mr");
        keys.push_back(dd + row[2] + "ms");
        keys.push_back(dd + row[5] + "de");
        keys.push_back(dd + row[6] + "db");
    }
    return keys;
}

void SortKeys(std::vector<std::string>& keys) {
    // std::string compares char by char as unsigned values, a shorter text
    // that begins a longer one first: the ordinal order.
    std::sort(keys.begin(), keys.end());
}

std::string ClipboardText(const std::vector<std::string>& keys) {
    std::string out;
    out.reserve(keys.size() * 10);
    for (const auto& k : keys) {
        out += k;
        out += "\r\n";
    }
    return out;
}

MonthTab Table(const Month& m) {
    MonthTab tab;  // every cell an empty string
    tab[0] = Headings();
    FillDayColumn(tab, m.ym.year, m.ym.month);
    for (int d = 1; d <= 31; ++d) FillEventCells(tab[static_cast<std::size_t>(d)], m.day(d));
    FillDarkCells(tab, m.intervals);
    return tab;
}

std::vector<std::string> SortedKeys(const MonthTab& table) {
    std::vector<std::string> keys = EventKeys(table);
    SortKeys(keys);
    return keys;
}

std::string ClipboardText(const Month& m) { return ClipboardText(SortedKeys(Table(m))); }

std::string TsvText(const Month& m) {
    const MonthTab tab = Table(m);
    std::string out;
    for (int row = 0; row <= m.dayRows; ++row) {
        const auto& cells = tab[static_cast<std::size_t>(row)];
        for (std::size_t c = 0; c < cells.size(); ++c) {
            if (c) out += '\t';
            out += cells[c];
        }
        out += '\n';
    }
    return out;
}

BarHours BarOf(const HorizonDay& b) {
    switch (b.mark()) {
        case DayMark::Above:
            return {0, 24};
        case DayMark::Below:
            return {24, 24};
        case DayMark::None:
            break;
    }
    // The hours of the clock time the cell shows: hh + mm / 60.
    auto hours = [](const Crossing& c) { return (c.hhmm / 100) + (c.hhmm % 100) / 60.0; };
    const Crossing* r = b.cellRise();
    const Crossing* s = b.cellSet();
    return {r ? hours(*r) : 0, s ? hours(*s) : 24};
}

}  // namespace month
