// The settings file parser on arbitrary bytes: never crashes; an accepted
// text written back and parsed again gives the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "settings/settings.h"
#include "settings/settingsfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    settings::Settings s;
    if (!settings::ParseSettingsText(text, s)) return 0;
    std::string again = settings::SettingsFileText(s);
    settings::Settings s2;
    if (!settings::ParseSettingsText(again, s2)) std::abort();
    if (settings::SettingsFileText(s2) != again) std::abort();
    return 0;
}
