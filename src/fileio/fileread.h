#pragma once
// Reading files with a bound on what is read.  Only a regular file (links
// followed) is read, and it is opened without blocking: a FIFO with no
// writer cannot hang the program, nor a device such as /dev/zero fill its
// memory.  Paths are byte strings, passed to the system unchanged.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace fileio {

// How ReadBounded ended.
enum class ReadEnd {
    Whole,       // the end of the file was reached
    Stopped,     // `take` wanted no more
    Limit,       // maxBytes bytes were handed over; more may follow
    NotRegular,  // not a regular file (a FIFO, a device, a folder), or its
                 // kind cannot be told: nothing was read
    Failed,      // the file cannot be opened or read
};

// Reads the file at `path` from its start, handing the bytes to `take` in
// pieces of at most 16 KiB, until `take` returns false, the file ends or
// maxBytes bytes have been handed over.  On Failed `why` gets the system's
// reason ("Permission denied"); it is left alone otherwise.
ReadEnd ReadBounded(const std::string& path, std::size_t maxBytes, const std::function<bool(std::string_view)>& take,
                    std::string& why);

}  // namespace fileio
