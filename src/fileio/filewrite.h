#pragma once
// Writing output files and standard output with every
// error checked.  Paths are byte strings, passed to the system unchanged
// (a name that is not valid UTF-8 keeps its bytes).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// Removes the temporary files of a write in progress when SIGTERM, SIGINT,
// SIGHUP or SIGPIPE (a pipe written in place whose reader has gone) ends
// the program (which then ends by that signal).  Called once at start.
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

// The files of one run, written all or none.  A regular file (or a new
// name) is written through a temporary file in its folder (a name within
// NAME_MAX whatever the target's length), flushed to disk, and renamed over
// the target on Commit; links are followed (WriteTarget) and kept; a file
// the user may not write is refused (EACCES), as cp does.  A stream
// (StreamDescriptor) and anything else that exists and is no regular file
// (a terminal, a pipe, a FIFO, /dev/full) cannot be staged: Commit writes
// it in place, after every temporary file is written and before any is
// renamed.  A failure before the renames removes the temporary files and
// leaves every old file as it was; a set dropped without Commit does too.
class StagedFiles {
public:
    StagedFiles();
    ~StagedFiles();
    StagedFiles(const StagedFiles&) = delete;
    StagedFiles& operator=(const StagedFiles&) = delete;

    // Stages `data` for `path`; `name` says which file a failure of Commit
    // is about ("The image file x.png").  Returns an empty text (always for
    // a stream), or the system's reason (the set is then as it was before).
    std::string Stage(const std::string& path, std::string_view data, std::string name = {});

    struct Failure {
        std::string name;    // as given to Stage
        std::string reason;  // the system's reason
    };
    // Writes the in-place targets in the order staged, then renames the
    // temporary files over their targets and flushes their folders.
    // Nothing on success; the set is empty afterwards either way.
    std::optional<Failure> Commit();

    // Removes the temporary files; no target is touched.
    void Abort();

private:
    struct Entry;
    std::vector<Entry> entries_;
};

// Puts `data` into the file `path`: a set of one staged file, committed.
// Returns an empty text on success, else the system's reason.
std::string ReplaceFile(const std::string& path, std::string_view data);

}  // namespace fileio
