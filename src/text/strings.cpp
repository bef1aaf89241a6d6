// Texts alike in every locale: trimming, escapes, valid UTF-8, edit distances, day names.
#include "text/strings.h"

#include <algorithm>
#include <string>
#include <vector>

namespace text {

namespace {

bool blank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string_view trimmed(std::string_view t) {
    while (!t.empty() && blank(t.front())) t.remove_prefix(1);
    while (!t.empty() && blank(t.back())) t.remove_suffix(1);
    return t;
}

std::string printable(std::string_view t) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (char c : t) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F) {
            out += "\\x";
            out += kHex[u >> 4];
            out += kHex[u & 15];
        } else {
            out += c;
        }
    }
    return out;
}

std::string validUtf8(std::string_view t) {
    std::string out;
    out.reserve(t.size());
    auto byte = [&t](std::size_t i) { return static_cast<unsigned char>(t[i]); };
    for (std::size_t i = 0; i < t.size();) {
        const unsigned char b = byte(i);
        // The length its lead byte announces; 0 for a byte that never leads
        // (a continuation byte, C0 and C1 of overlong two-byte forms, F5..FF).
        std::size_t n = 0;
        if (b < 0x80)
            n = 1;
        else if (b >= 0xC2 && b <= 0xDF)
            n = 2;
        else if (b >= 0xE0 && b <= 0xEF)
            n = 3;
        else if (b >= 0xF0 && b <= 0xF4)
            n = 4;
        bool ok = n > 0 && n <= t.size() - i;
        for (std::size_t k = 1; ok && k < n; ++k) {
            // The second byte's range rules out overlong three- and
            // four-byte forms (E0, F0), the surrogates (ED) and code points
            // above U+10FFFF (F4).
            unsigned char lo = 0x80, hi = 0xBF;
            if (k == 1) {
                if (b == 0xE0) lo = 0xA0;
                if (b == 0xED) hi = 0x9F;
                if (b == 0xF0) lo = 0x90;
                if (b == 0xF4) hi = 0x8F;
            }
            ok = byte(i + k) >= lo && byte(i + k) <= hi;
        }
        if (ok) {
            out.append(t.substr(i, n));
            i += n;
        } else {
            out += "\xEF\xBF\xBD";
            ++i;
        }
    }
    return out;
}

std::size_t EditDistance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diag = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t up = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diag + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diag = up;
        }
    }
    return row[b.size()];
}

std::size_t charCount(std::string_view text) {
    std::size_t n = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

std::string padded(long long v, int width) {
    std::string s;
    const bool neg = v < 0;
    unsigned long long u = neg ? 0ULL - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
    do {
        s.insert(s.begin(), static_cast<char>('0' + u % 10));
        u /= 10;
    } while (u);
    while (static_cast<int>(s.size()) < width) s.insert(s.begin(), '0');
    return neg ? "-" + s : s;
}

std::string dayText(int year, int month, int day, int weekday) {
    static const char* const kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    return std::string(kDays[((weekday % 7) + 7) % 7]) + " " + std::to_string(day) + " " +
           kMonths[(month - 1 + 1200) % 12] + " " + std::to_string(year);
}

}  // namespace text
