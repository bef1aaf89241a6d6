#pragma once
// Writing a whole file so that readers see either the old file or the new
// one, never a part (Qt-free; Qt code uses QSaveFile).
#include <string>

namespace ical {

// Writes `data` to a temporary file in the folder of `path`, flushes it to
// disk and renames it over `path`.  On failure the temporary file is
// removed, `path` is untouched and `error` names the step and the reason.
bool WriteFileAtomically(const std::string& path, const std::string& data, std::string& error);

}  // namespace ical
