// The value rule on arbitrary text: never crashes, and a text of letters
// only (other than e and E) gives 0.
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "text/valuerule.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double v = text::value(text);
    bool letters = size > 0;
    for (unsigned char c : text) letters = letters && std::isalpha(c) && c != 'e' && c != 'E';
    if (letters && v != 0) std::abort();
    return 0;
}
