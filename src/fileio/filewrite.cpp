#include "fileio/filewrite.h"

#include <cerrno>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fileio {

namespace {

std::string Reason(int err) { return std::strerror(err); }

// Closes fd and keeps the first error.
std::string CloseChecked(int fd, std::string why) {
    if (::close(fd) != 0 && why.empty()) why = Reason(errno);
    return why;
}

}  // namespace

std::string WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return Reason(errno);
        }
        if (n == 0) return Reason(EIO);
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return {};
}

std::optional<std::string> WriteTarget(std::string path) {
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
        std::vector<char> buf(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 255) + 1);
        const ssize_t n = ::readlink(path.c_str(), buf.data(), buf.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= buf.size()) return std::nullopt;
        std::string next(buf.data(), static_cast<std::size_t>(n));
        if (next.front() != '/') {
            const std::size_t slash = path.rfind('/');
            if (slash != std::string::npos) next = path.substr(0, slash + 1) + next;
        }
        path = std::move(next);
    }
    return std::nullopt;
}

std::string ReplaceFile(const std::string& path, std::string_view data) {
    if (path.empty()) return Reason(ENOENT);
    // Through a link: replace the file it names, not the link.
    const std::optional<std::string> resolved = WriteTarget(path);
    if (!resolved) return Reason(ELOOP);
    const std::string& target = *resolved;
    struct stat st {};
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode)) {
        int fd = ::open(target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
        if (fd < 0) return Reason(errno);
        return CloseChecked(fd, WriteAll(fd, data));
    }
    std::string::size_type slash = target.rfind('/');
    std::string dir = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = dir + "." + base + "." +
               std::to_string(::getpid()) + "-" + std::to_string(attempt) + ".tmp";
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return Reason(errno);
    }
    if (fd < 0) return Reason(EEXIST);
    std::string why = WriteAll(fd, data);
    if (why.empty() && exists && ::fchmod(fd, st.st_mode & 07777) != 0) why = Reason(errno);
    if (why.empty() && ::fsync(fd) != 0) why = Reason(errno);
    why = CloseChecked(fd, why);
    if (why.empty() && ::rename(temp.c_str(), target.c_str()) != 0) why = Reason(errno);
    if (!why.empty()) ::unlink(temp.c_str());
    return why;
}

}  // namespace fileio
