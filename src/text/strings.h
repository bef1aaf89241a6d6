#pragma once
// Texts the same way everywhere in Almucan, whatever the locale: trimming,
// escaping for messages, valid UTF-8, character counts, edit distances,
// zero-padded whole numbers and English day names.
#include <cstddef>
#include <string>
#include <string_view>

namespace text {

// `t` without the blanks and tabs around it.
std::string_view trimmed(std::string_view t);
// A name, month or path for a message: control characters (below 0x20 and
// 0x7F) written as "\x1B", so that an echoed text cannot steer a terminal.
std::string printable(std::string_view t);
// `t` as valid UTF-8: each byte that does not belong to a well-formed
// character (a stray continuation byte, a lead byte whose sequence is cut
// short, an overlong form, a surrogate, a code point above U+10FFFF)
// becomes U+FFFD, one for every such byte; valid characters stay as they
// are.  A Latin-1 "Troms\xF8" becomes "Troms\uFFFD".
std::string validUtf8(std::string_view t);

// The number of single-character insertions, deletions and substitutions
// that turn one text into the other (Levenshtein), byte by byte: how close
// a mistyped name is to a known one.
std::size_t EditDistance(std::string_view a, std::string_view b);

// Character-wise helpers on UTF-8 texts: a character is one code point.
std::size_t charCount(std::string_view text);

// A whole number with leading zeros to at least `width` digits ("%0*lld"):
// padded(7, 2) is "07", padded(-5, 3) "-005".
std::string padded(long long v, int width);

// English names, whatever the locale: "Sat 1 Jun 2024" of a Gregorian date
// (weekday 0 = Sunday).
std::string dayText(int year, int month, int day, int weekday);

}  // namespace text
