// Numbers as text: the value rule, number texts, typed numbers and their messages.
#include "text/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>

#include "text/strings.h"

namespace text {

namespace {

bool ignorable(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// strtod in the C locale whatever the process locale is (Qt sets it from
// the environment, which could make "," the decimal point).
double strtodC(const char* s) {
    static locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return strtod_l(s, nullptr, cLocale);
}

// Whether `t` is one decimal number: sign, digits with at most one point
// (at least one digit), optional exponent with digits.
bool decimalNumber(std::string_view t) {
    std::size_t i = 0, digits = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    for (; i < t.size() && isDigit(t[i]); ++i) ++digits;
    if (i < t.size() && t[i] == '.')
        for (++i; i < t.size() && isDigit(t[i]); ++i) ++digits;
    if (digits == 0) return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        std::size_t expDigits = 0;
        for (; i < t.size() && isDigit(t[i]); ++i) ++expDigits;
        if (expDigits == 0) return false;
    }
    return i == t.size();
}

std::string withoutLeadingBlank(std::string t) {
    if (!t.empty() && t.front() == ' ') t.erase(0, 1);
    return t;
}

}  // namespace

double value(std::string_view text) {
    // Collect the characters that form the number, skipping the ignorable
    // whitespace wherever it stands.
    std::string num;
    num.reserve(text.size());
    std::size_t i = 0;
    auto skip = [&] {
        while (i < text.size() && ignorable(text[i])) ++i;
    };
    skip();
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        num += text[i++];
    }
    bool digits = false, point = false;
    for (;;) {
        skip();
        if (i >= text.size()) break;
        char c = text[i];
        if (isDigit(c)) {
            num += c;
            digits = true;
            ++i;
        } else if (c == '.' && !point) {
            num += c;
            point = true;
            ++i;
        } else {
            break;
        }
    }
    if (!digits) return 0.0;
    // Optional exponent: taken only when at least one digit follows.
    skip();
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        std::string ex = "e";
        while (j < text.size() && ignorable(text[j])) ++j;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ex += text[j++];
        bool expDigits = false;
        for (;;) {
            while (j < text.size() && ignorable(text[j])) ++j;
            if (j < text.size() && isDigit(text[j])) {
                // Keep the exponent text short: leading zeros carry nothing and
                // a huge exponent overflows either way.
                if (!(ex.size() <= 2 && text[j] == '0' && !expDigits) && ex.size() < 12) ex += text[j];
                expDigits = true;
                ++j;
            } else {
                break;
            }
        }
        if (expDigits) {
            if (ex == "e" || ex == "e+" || ex == "e-") ex += '0';
            num += ex;
        }
    }
    return strtodC(num.c_str());
}

std::string numberText(double v, int digits) {
    if (std::isnan(v)) return " 0";
    const char* sign = std::signbit(v) && v != 0.0 ? "-" : " ";
    if (v == 0.0) return " 0";
    if (std::isinf(v)) return std::string(sign) + "1E+309";
    double a = std::fabs(v);
    // Round to `digits` significant digits in scientific form.
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, digits - 1);
    std::string sci(buf, res.ptr);
    std::size_t epos = sci.find('e');
    std::string mant = sci.substr(0, epos);
    int exp10 = std::atoi(sci.c_str() + epos + 1);
    std::string ds;  // significant digits without the point
    for (char c : mant)
        if (c != '.') ds += c;
    while (ds.size() > 1 && ds.back() == '0') ds.pop_back();

    std::string out = sign;
    if (exp10 < -4 || exp10 >= digits) {
        out += ds[0];
        if (ds.size() > 1) {
            out += '.';
            out += ds.substr(1);
        }
        out += exp10 < 0 ? "E-" : "E+";
        int e = std::abs(exp10);
        if (e < 10) out += '0';
        out += std::to_string(e);
        return out;
    }
    if (exp10 < 0) {
        out += '.';
        out.append(static_cast<std::size_t>(-exp10 - 1), '0');
        out += ds;
        return out;
    }
    std::size_t intDigits = static_cast<std::size_t>(exp10) + 1;
    if (ds.size() <= intDigits) {
        out += ds;
        out.append(intDigits - ds.size(), '0');
    } else {
        out += ds.substr(0, intDigits);
        out += '.';
        out += ds.substr(intDigits);
    }
    return out;
}

std::string numberTextSingle(float v) { return numberText(static_cast<double>(v), 7); }

float toSingle(double v) {
    // Doubles beyond the float range round to the largest float or to
    // infinity exactly as IEEE round-to-nearest does; spelled out so that no
    // out-of-range conversion is ever performed.
    constexpr double maxF = 3.4028234663852886e38;        // FLT_MAX
    constexpr double overflowAt = 3.4028235677973366e38;  // FLT_MAX + half an ulp
    if (std::isfinite(v) && std::fabs(v) > maxF) {
        if (std::fabs(v) >= overflowAt) return v > 0 ? INFINITY : -INFINITY;
        return v > 0 ? 3.4028234663852886e38f : -3.4028234663852886e38f;
    }
    return static_cast<float>(v);
}

std::string BoxNumberText(double v) { return withoutLeadingBlank(numberText(v)); }
std::string BoxNumberTextSingle(float v) { return withoutLeadingBlank(numberTextSingle(v)); }

std::string GeneralNumber(double v) {
    std::string t = withoutLeadingBlank(numberText(v));
    if (t.rfind(".", 0) == 0) t = "0" + t;
    if (t.rfind("-.", 0) == 0) t = "-0" + t.substr(1);
    return t;
}

std::optional<double> typedNumber(const NumberField& field, std::string_view typed, std::string& reason) {
    const std::string_view t = trimmed(typed);
    reason.clear();
    if (t.empty()) {
        reason = "nothing typed";
    } else if (!decimalNumber(t)) {
        std::string pointed(t);
        const std::size_t comma = pointed.find(',');
        if (comma != std::string::npos) pointed[comma] = '.';
        reason =
            comma != std::string::npos && decimalNumber(pointed) ? "use a point: " + pointed : "not a decimal number";
    } else {
        const double v = value(t);
        if (!std::isfinite(v) || v < field.lower || v > field.upper)
            reason = "out of range";
        else if (field.whole && std::trunc(v) != v)
            reason = "not a whole number";
        else
            return v == 0 ? 0.0 : v;  // "-0" is plain zero
    }
    return std::nullopt;
}

std::string fieldMessage(const NumberField& field, const std::string& reason) {
    return std::string(field.name) + " wants a number from " + significant(field.lower, 15) + " to " +
           significant(field.upper, 15) + "; " + reason;
}

std::string fixed(double v, int decimals) {
    char buf[400];
    auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
    return res.ec == std::errc() ? std::string(buf, res.ptr) : std::string("0");
}

std::string significant(double v, int digits) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, digits);
    return res.ec == std::errc() ? std::string(buf, res.ptr) : std::string("0");
}

}  // namespace text
