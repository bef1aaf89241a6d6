// The settings file parser on arbitrary bytes: never crashes; an accepted
// text written back and parsed again gives the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "month/settings.h"
#include "ui/core/settingsfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    month::Settings s;
    if (!ui::ParseSettingsText(text, s)) return 0;
    std::string again = ui::SettingsFileText(s);
    month::Settings s2;
    if (!ui::ParseSettingsText(again, s2)) std::abort();
    if (ui::SettingsFileText(s2) != again) std::abort();
    return 0;
}
