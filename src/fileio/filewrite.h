#pragma once
// Writing output files and standard output with every
// error checked.  Paths are byte strings, passed to the system unchanged
// (a name that is not valid UTF-8 keeps its bytes).
#include <optional>
#include <string>
#include <string_view>

namespace fileio {

// The system's text for the error number `err` ("No such file or
// directory"), the same in every locale.
std::string Reason(int err);

// The open descriptor a target names when it is a stream rather than a
// file name: "-" and "/dev/stdout" are standard output, "/dev/stderr"
// standard error, "/dev/fd/N" and "/proc/self/fd/N" (also with this
// process's id) descriptor N.  Nothing for any other name.
std::optional<int> StreamDescriptor(const std::string& path);

// Whether a write to `a` and one to `b` would reach the same file or
// stream (links followed; a name not yet made compared by its folder).
bool SameTarget(const std::string& a, const std::string& b);

// Removes the temporary file of a write in progress when SIGTERM, SIGINT
// or SIGHUP ends the program (which then ends by that signal).  Called
// once at start.
void RemoveTemporariesOnSignals();

// A temporary file that such a signal removes while this lives.
class TemporaryName {
public:
    explicit TemporaryName(const std::string& path);
    ~TemporaryName();
    TemporaryName(const TemporaryName&) = delete;
    TemporaryName& operator=(const TemporaryName&) = delete;

private:
    int slot_ = -1;
};

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
// renamed over the target (and the folder flushed), so that a failure
// leaves an existing file as it was; links are followed (WriteTarget) and
// kept; a file the user may not write is refused (EACCES), as cp does.  A
// stream (StreamDescriptor) and anything else that exists and is no
// regular file (a terminal, a pipe, a FIFO, /dev/null) is written in place.
// Returns an empty text on success, else the system's reason.
std::string ReplaceFile(const std::string& path, std::string_view data);

}  // namespace fileio
