// Bounded reading of regular files, for the settings file and the zone files.
#include "fileio/fileread.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "fileio/filewrite.h"

namespace fileio {

namespace {

// ReadBounded on the open descriptor of a regular file.
ReadEnd readPieces(int fd, std::size_t maxBytes, const std::function<bool(std::string_view)>& take, std::string& why) {
    char buf[16 * 1024];
    for (std::size_t done = 0;;) {
        if (done == maxBytes) return ReadEnd::Limit;
        const ssize_t n = ::read(fd, buf, std::min(sizeof buf, maxBytes - done));
        if (n < 0) {
            if (errno == EINTR) continue;
            why = Reason(errno);
            return ReadEnd::Failed;
        }
        if (n == 0) return ReadEnd::Whole;
        done += static_cast<std::size_t>(n);
        if (!take({buf, static_cast<std::size_t>(n)})) return ReadEnd::Stopped;
    }
}

}  // namespace

ReadEnd ReadBounded(const std::string& path, std::size_t maxBytes, const std::function<bool(std::string_view)>& take,
                    std::string& why) {
    // Without O_NONBLOCK, opening a FIFO would wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        why = Reason(errno);
        return ReadEnd::Failed;
    }
    struct stat st {};
    const ReadEnd end =
        ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) ? readPieces(fd, maxBytes, take, why) : ReadEnd::NotRegular;
    ::close(fd);
    return end;
}

}  // namespace fileio
