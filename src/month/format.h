#pragma once
// The one formatter of the month model: the table's cells, the event keys,
// the clipboard text, the TSV table and the hours of the page's bars.
#include <array>
#include <string>
#include <vector>

#include "month/model.h"

namespace month {

// Headings of row 0 on the screen and sub-headings of the printed page.
const std::array<std::string, 10>& Headings();
const std::array<std::string, 10>& SubHeadings();

// An hhmm number (0..2400) as four digits with leading zeros: "0931".
std::string ClockCell(int hhmm);
// The same as "09:31", the clock text of the nights, the JSON and the calendar.
std::string ClockText(int hhmm);

// Day column: "dd X" for every valid day, X from "SMTWTFS".
void FillDayColumn(MonthTab& tab, int year, int month);

// Columns 1 to 6 of a day row: the crossings the cells keep as "hhmm",
// "----" for a missing one, or the day mark ("a.h."/"b.h." for Moon and
// Sun, "a.b."/"a.d." for twilight) with an empty second cell.
void FillEventCells(std::array<std::string, 10>& row, const Day& day);

// Columns 7 and 8 of rows 1..31: each interval's begin in its begin row
// and its end in its end row, a later one replacing an earlier one.
void FillDarkCells(MonthTab& tab, const std::vector<Interval>& intervals);

// The 124 event keys of rows 1..31 (unsorted, in entry order).
std::vector<std::string> EventKeys(const MonthTab& tab);
// Ordinal sort of the keys (code unit by code unit).
void SortKeys(std::vector<std::string>& keys);
// The clipboard text: every key followed by CR LF.
std::string ClipboardText(const std::vector<std::string>& keys);

// The month's table: headings in row 0, columns 0 to 8 of rows 1..31
// filled, column 9 empty.
MonthTab Table(const Month& m);
// The 124 event keys of the month's table, sorted.
std::vector<std::string> SortedKeys(const MonthTab& table);
// The clipboard text of the month: its sorted keys, each followed by CR LF.
std::string ClipboardText(const Month& m);

// Rows 0 to dayRows of the table, cells separated by tabs, rows ended by LF.
std::string TsvText(const Month& m);

// The hours of the local day a horizon's bar covers, from its cells' rise to
// its set (over midnight when the rise is later): 0 for no rise, 24 for no
// set, 0..24 above all day and 24..24 (nothing) below all day.
struct BarHours {
    double from = 0;
    double to = 24;
};
BarHours BarOf(const HorizonDay& b);

}  // namespace month
