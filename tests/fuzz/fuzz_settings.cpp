// The settings file parser on arbitrary bytes (its number lines go through
// the value rule): never crashes; an accepted text written back and parsed
// again gives the same text.
#include <cstdint>
#include <cstdlib>

#include "settings/settingsfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    settings::Settings s, again;
    if (!settings::ParseSettingsText({reinterpret_cast<const char*>(data), size}, s)) return 0;
    const std::string text = settings::SettingsFileText(s);
    if (!settings::ParseSettingsText(text, again) || settings::SettingsFileText(again) != text) std::abort();
    return 0;
}
