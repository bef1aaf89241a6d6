#pragma once
// Civil dates of the proleptic Gregorian calendar on std::chrono: month
// lengths, weekdays, month steps, the month text "yyyymm", day counts from
// 1970-01-01 and the ISO 8601 texts of dates and UT instants.  The one
// place where a date is made from a day count or an instant.
#include <optional>
#include <string>
#include <string_view>

namespace calendar {

// The Modified Julian Date of 1970-01-01 0h UT, the start of Unix time.
inline constexpr int kMjdOf1970 = 40587;

struct YearMonth {
    int year = 0;
    int month = 0;
};

struct Date {
    int year = 0;
    int month = 0;
    int day = 0;
    int weekday = 0;  // 0 Sunday .. 6 Saturday
};

// Modified Julian Date (days, UT) of a date and hour: the day number may
// run past the month's end and carries on linearly.  Gregorian from
// 1582-10-15, Julian up to 1582-10-04.
double Mjd(int year, int month, int day, double hour);

// Days of the month (0 for a month outside 1..12).
int DaysInMonth(int year, int month);
// The weekday of a date: 0 Sunday .. 6 Saturday.
int Weekday(int year, int month, int day);
// The month `by` months after ym (before it when by is negative).
YearMonth ShiftedMonth(YearMonth ym, int by);

// Year and month of six ASCII digits yyyymm (blanks and tabs around them
// aside), in any range; empty for any other text.
std::optional<YearMonth> MonthTextValues(std::string_view text);
// The same, for years 1900..2100 and months 1..12 only.
std::optional<YearMonth> CheckMonthText(std::string_view text);

// Days from 1970-01-01 to a date (negative before it); the day may run
// past the month's end and carries on into the next months.
long long DaysSince1970(int year, int month, int day);
// The date of a day count from 1970-01-01.
Date DateOfDays(long long days);

// "2024-06-01".
std::string IsoDate(int year, int month, int day);
// "2024-06-01T20:21:34Z" of an instant given as an MJD (UT, days), rounded
// to the second.
std::string IsoInstant(double mjdUt);
// "20240601T203134Z", the basic form, of seconds since 1970 (UT).
std::string BasicUtc(long long unixSeconds);

}  // namespace calendar
