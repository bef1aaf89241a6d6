// Civil dates on std::chrono's proleptic Gregorian calendar.
#include "calendar/calendar.h"

#include <chrono>
#include <cmath>

namespace calendar {

namespace {

using std::chrono::sys_days;
using std::chrono::year_month_day;

// Whole days and the seconds into the last one (floor division, so that
// instants before 1970 fall into the right day).
struct DaySeconds {
    long long days;
    long long seconds;
};
DaySeconds splitSeconds(long long s) {
    const long long days = (s >= 0 ? s : s - 86399) / 86400;
    return {days, s - days * 86400};
}

// v with leading zeros to `width` digits (v >= 0).
std::string digits(long long v, std::size_t width) {
    std::string s = std::to_string(v);
    return s.size() < width ? std::string(width - s.size(), '0') + s : s;
}

std::string_view trimmed(std::string_view t) {
    const auto first = t.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return t.substr(first, t.find_last_not_of(" \t") - first + 1);
}

}  // namespace

double Mjd(int year, int month, int day, double hour) {
    // Date key from the arguments as given, before any adjustment.
    double key = 10000.0 * year + 100.0 * month + day;
    long long y = year, n = month;
    if (y < 0) y = y + 1;  // no year 0 before the common era
    if (n <= 2) {          // January and February: months 13 and 14
        n = n + 12;
        y = y - 1;
    }
    // Whole-number divisions truncate toward zero.
    long long b;
    if (key <= 15821004.1)
        b = -2 + (y + 4716) / 4 - 1179;
    else
        b = y / 400 - y / 100 + y / 4;
    // n + 1 is 4..15: its part of 30.6001 days is the floor.
    double whole = static_cast<double>(365 * y - 679004) + static_cast<double>(b) +
                   std::floor(30.6001 * static_cast<double>(n + 1)) + static_cast<double>(day);
    return whole + hour / 24;
}

int DaysInMonth(int year, int month) {
    if (month < 1 || month > 12) return 0;
    const std::chrono::year_month_day_last last{std::chrono::year{year} /
                                                std::chrono::month{static_cast<unsigned>(month)} / std::chrono::last};
    return static_cast<int>(static_cast<unsigned>(last.day()));
}

int Weekday(int year, int month, int day) { return DateOfDays(DaysSince1970(year, month, day)).weekday; }

YearMonth ShiftedMonth(YearMonth ym, int by) {
    const int i = ym.year * 12 + (ym.month - 1) + by;
    return {i / 12, i % 12 + 1};
}

std::optional<YearMonth> MonthTextValues(std::string_view text) {
    const std::string_view t = trimmed(text);
    if (t.size() != 6 || t.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
    auto number = [&](std::size_t at, std::size_t n) {
        int v = 0;
        for (char c : t.substr(at, n)) v = v * 10 + (c - '0');
        return v;
    };
    return YearMonth{number(0, 4), number(4, 2)};
}

std::optional<YearMonth> CheckMonthText(std::string_view text) {
    const auto ym = MonthTextValues(text);
    if (!ym || ym->year < 1900 || ym->year > 2100 || ym->month < 1 || ym->month > 12) return std::nullopt;
    return ym;
}

long long DaysSince1970(int year, int month, int day) {
    // Day 1 of the month, then the day number carried on linearly.
    const sys_days first{std::chrono::year{year} / std::chrono::month{static_cast<unsigned>(month)} / 1};
    return first.time_since_epoch().count() + day - 1;
}

Date DateOfDays(long long days) {
    const sys_days d{std::chrono::days{days}};
    const year_month_day ymd{d};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day())), static_cast<int>(std::chrono::weekday{d}.c_encoding())};
}

std::string IsoDate(int year, int month, int day) {
    return digits(year, 4) + "-" + digits(month, 2) + "-" + digits(day, 2);
}

std::string IsoInstant(double mjdUt) {
    const auto [days, sec] = splitSeconds(std::llround((mjdUt - kMjdOf1970) * 86400));
    const Date d = DateOfDays(days);
    return IsoDate(d.year, d.month, d.day) + "T" + digits(sec / 3600, 2) + ":" + digits(sec / 60 % 60, 2) + ":" +
           digits(sec % 60, 2) + "Z";
}

std::string BasicUtc(long long unixSeconds) {
    const auto [days, sec] = splitSeconds(unixSeconds);
    const Date d = DateOfDays(days);
    return digits(d.year, 4) + digits(d.month, 2) + digits(d.day, 2) + "T" + digits(sec / 3600, 2) +
           digits(sec / 60 % 60, 2) + digits(sec % 60, 2) + "Z";
}

}  // namespace calendar
