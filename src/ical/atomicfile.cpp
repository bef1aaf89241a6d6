#include "ical/atomicfile.h"

#include <cerrno>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ical {

bool WriteFileAtomically(const std::string& path, const std::string& data, std::string& error) {
    auto fail = [&](const char* what, int err) {
        error = std::string("cannot ") + what + " " + path + ": " + std::strerror(err);
        return false;
    };
    if (path.empty()) {
        error = "no file name given";
        return false;
    }
    std::string pattern = path + ".tmpXXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    int fd = ::mkstemp(name.data());
    if (fd < 0) return fail("create a temporary file for", errno);
    // mkstemp creates 0600; the file gets the mode any new file of the user gets.
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, static_cast<mode_t>(0666 & ~mask));
    std::size_t done = 0;
    while (done < data.size()) {
        ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            int err = errno;
            ::close(fd);
            ::unlink(name.data());
            return fail("write", err);
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) {
        int err = errno;
        ::close(fd);
        ::unlink(name.data());
        return fail("write", err);
    }
    if (::close(fd) != 0) {
        int err = errno;
        ::unlink(name.data());
        return fail("write", err);
    }
    if (::rename(name.data(), path.c_str()) != 0) {
        int err = errno;
        ::unlink(name.data());
        return fail("replace", err);
    }
    return true;
}

}  // namespace ical
