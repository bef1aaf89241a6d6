// The value rule on arbitrary text: never crashes, and a text of letters
// only (other than e and E) gives 0.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "text/valuerule.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    double v = text::value(text);
    // A text made only of letters other than e/E holds no number.
    bool letters = size > 0;
    for (char c : text) {
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) || c == 'e' || c == 'E')
            letters = false;
    }
    if (letters && v != 0) std::abort();
    return 0;
}
