#pragma once
// Writing output files and standard output with every
// error checked.  Paths are byte strings, passed to the system unchanged
// (a name that is not valid UTF-8 keeps its bytes).
#include <optional>
#include <string>
#include <string_view>

namespace fileio {

// Writes all of `data` to the open descriptor fd, retrying short writes
// and interrupted calls.  Returns an empty text, or the system's reason.
std::string WriteAll(int fd, std::string_view data);

// The file a write to `path` replaces: `path` with its symbolic links
// followed, also to a name that does not exist yet (a dangling link).  A
// relative link is read from the link's folder.  Nothing for a loop of
// links (more than 40 in a row).
std::optional<std::string> WriteTarget(std::string path);

// Puts `data` into the file `path`.  A regular file (or a new name) is
// written through a temporary file in the same folder, flushed to disk and
// renamed over the target, so that a failure leaves an existing file as it
// was; links are followed (WriteTarget) and kept.  Anything
// else that exists (a device such as /dev/null, a FIFO) is written in place.
// Returns an empty text on success, else the system's reason.
std::string ReplaceFile(const std::string& path, std::string_view data);

}  // namespace fileio
