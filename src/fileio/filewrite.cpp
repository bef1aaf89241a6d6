#include "fileio/filewrite.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <memory>
#include <vector>

#include <fcntl.h>
#include <locale.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fileio {

namespace {

// Temporary files being written, for the signal handler: a few slots of
// fixed size, so that the handler only reads memory and calls unlink.
constexpr int kSlots = 4;
char tempNames[kSlots][PATH_MAX];
volatile std::sig_atomic_t tempUsed[kSlots];

extern "C" void RemoveAndEnd(int sig) {
    for (int i = 0; i < kSlots; ++i)
        if (tempUsed[i]) ::unlink(tempNames[i]);
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

// Closes fd and keeps the first error.
std::string CloseChecked(int fd, std::string why) {
    if (::close(fd) != 0 && why.empty()) why = Reason(errno);
    return why;
}

}  // namespace

std::string Reason(int err) {
    static locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return cLocale ? strerror_l(err, cLocale) : std::strerror(err);
}

std::optional<int> StreamDescriptor(const std::string& path) {
    if (path == "-" || path == "/dev/stdout") return STDOUT_FILENO;
    if (path == "/dev/stderr") return STDERR_FILENO;
    for (const std::string& prefix :
         {std::string("/dev/fd/"), std::string("/proc/self/fd/"), "/proc/" + std::to_string(::getpid()) + "/fd/"}) {
        if (path.size() <= prefix.size() || path.size() > prefix.size() + 6 ||
            path.compare(0, prefix.size(), prefix) != 0)
            continue;
        int fd = 0;
        for (std::size_t i = prefix.size(); i < path.size(); ++i) {
            if (path[i] < '0' || path[i] > '9') return std::nullopt;
            fd = fd * 10 + (path[i] - '0');
        }
        return fd;
    }
    return std::nullopt;
}

bool SameTarget(const std::string& a, const std::string& b) {
    const std::optional<int> fa = StreamDescriptor(a), fb = StreamDescriptor(b);
    struct stat sa {
    }, sb{};
    if (fa || fb) {
        // Two descriptors, or a descriptor and a name, that lead to one file.
        const bool okA = fa ? ::fstat(*fa, &sa) == 0 : ::stat(a.c_str(), &sa) == 0;
        const bool okB = fb ? ::fstat(*fb, &sb) == 0 : ::stat(b.c_str(), &sb) == 0;
        if (fa && fb && *fa == *fb) return true;
        // One device (a terminal, /dev/null) takes any number of writers.
        return okA && okB && !S_ISCHR(sa.st_mode) && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    }
    const std::optional<std::string> ta = WriteTarget(a), tb = WriteTarget(b);
    if (!ta || !tb) return false;
    if (::stat(ta->c_str(), &sa) == 0 && ::stat(tb->c_str(), &sb) == 0)
        return !S_ISCHR(sa.st_mode) && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    // A name not yet made: the same name in the same folder.
    auto split = [](const std::string& p) {
        const std::size_t slash = p.rfind('/');
        return std::pair{slash == std::string::npos ? std::string(".") : p.substr(0, slash + 1),
                         slash == std::string::npos ? p : p.substr(slash + 1)};
    };
    const auto [da, na] = split(*ta);
    const auto [db, nb] = split(*tb);
    if (na != nb) return false;
    if (::stat(da.c_str(), &sa) == 0 && ::stat(db.c_str(), &sb) == 0)
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    // Folders yet to be made: the same name once made absolute.
    std::error_code ec;
    const auto fa2 = std::filesystem::absolute(*ta, ec).lexically_normal();
    const auto fb2 = std::filesystem::absolute(*tb, ec).lexically_normal();
    return !ec && fa2 == fb2;
}

void RemoveTemporariesOnSignals() {
    for (int sig : {SIGTERM, SIGINT, SIGHUP, SIGPIPE}) {
        struct sigaction sa {};
        sa.sa_handler = RemoveAndEnd;
        sigemptyset(&sa.sa_mask);
        for (int other : {SIGTERM, SIGINT, SIGHUP, SIGPIPE}) sigaddset(&sa.sa_mask, other);
        ::sigaction(sig, &sa, nullptr);
    }
}

TemporaryName::TemporaryName(const std::string& path) {
    if (path.size() >= PATH_MAX) return;
    for (int i = 0; i < kSlots; ++i) {
        if (tempUsed[i]) continue;
        std::memcpy(tempNames[i], path.c_str(), path.size() + 1);
        tempUsed[i] = 1;
        slot_ = i;
        return;
    }
}

TemporaryName::~TemporaryName() {
    if (slot_ >= 0) tempUsed[slot_] = 0;
}

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

namespace {

// Opens a new temporary file beside `target` for writing: ".NAME.PID-N.tmp",
// NAME cut short where the whole would pass the longest name a folder
// holds (NAME_MAX bytes), N counting up past names already taken.
// Returns the descriptor and sets `temp`, or -1 with errno set.
int OpenTemporary(const std::string& target, std::string& temp) {
    const std::size_t slash = target.rfind('/');
    const std::string dir = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string tail = "." + std::to_string(::getpid()) + "-" + std::to_string(attempt) + ".tmp";
        temp = dir + "." + base.substr(0, NAME_MAX - 1 - tail.size()) + tail;
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

// The folder of `path` as a name to open ("." for a bare name).
std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash + 1);
}

}  // namespace

struct StagedFiles::Entry {
    std::string name;
    std::string target;         // the file replaced, or the target written in place
    std::string temp;           // empty: written in place on Commit
    std::optional<int> stream;  // a descriptor written in place
    std::string data;           // what an in-place target gets
    std::unique_ptr<TemporaryName> guard;
};

StagedFiles::StagedFiles() = default;

StagedFiles::~StagedFiles() { Abort(); }

std::string StagedFiles::Stage(const std::string& path, std::string_view data, std::string name) {
    if (path.empty()) return Reason(ENOENT);
    Entry e{std::move(name), path, {}, StreamDescriptor(path), {}, {}};
    // Standard output and other open descriptors: written in place as a
    // stream, whatever file or pipe stands behind them.
    if (e.stream) {
        e.data = data;
        entries_.push_back(std::move(e));
        return {};
    }
    // Through a link: replace the file it names, not the link.
    const std::optional<std::string> resolved = WriteTarget(path);
    if (!resolved) return Reason(ELOOP);
    e.target = *resolved;
    struct stat st {};
    const bool exists = ::stat(e.target.c_str(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode)) {
        e.data = data;
        entries_.push_back(std::move(e));
        return {};
    }
    // A file the user may not write is not replaced behind its back.
    if (exists && ::faccessat(AT_FDCWD, e.target.c_str(), W_OK, AT_EACCESS) != 0) return Reason(errno);
    const int fd = OpenTemporary(e.target, e.temp);
    if (fd < 0) return Reason(errno);
    e.guard = std::make_unique<TemporaryName>(e.temp);
    std::string why = WriteAll(fd, data);
    if (why.empty() && exists && ::fchmod(fd, st.st_mode & 07777) != 0) why = Reason(errno);
    if (why.empty() && ::fsync(fd) != 0) why = Reason(errno);
    why = CloseChecked(fd, why);
    if (!why.empty()) {
        ::unlink(e.temp.c_str());
        return why;
    }
    entries_.push_back(std::move(e));
    return {};
}

std::optional<StagedFiles::Failure> StagedFiles::Commit() {
    auto fail = [this](const Entry& e, std::string why) {
        Failure f{e.name, std::move(why)};
        Abort();
        return f;
    };
    for (const Entry& e : entries_) {
        if (!e.temp.empty()) continue;
        if (e.stream) {
            if (std::string why = WriteAll(*e.stream, e.data); !why.empty()) return fail(e, why);
            continue;
        }
        const int fd = ::open(e.target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
        if (fd < 0) return fail(e, Reason(errno));
        if (std::string why = CloseChecked(fd, WriteAll(fd, e.data)); !why.empty()) return fail(e, why);
    }
    std::vector<std::string> folders;
    for (Entry& e : entries_) {
        if (e.temp.empty()) continue;
        if (::rename(e.temp.c_str(), e.target.c_str()) != 0) return fail(e, Reason(errno));
        e.temp.clear();
        e.guard.reset();
        const std::string folder = FolderOf(e.target);
        if (std::find(folders.begin(), folders.end(), folder) == folders.end()) folders.push_back(folder);
    }
    // The renames themselves reach the disk with their folders.
    std::optional<Failure> failed;
    for (const std::string& folder : folders) {
        const int dfd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dfd < 0) continue;
        std::string why;
        if (::fsync(dfd) != 0 && errno != EINVAL && errno != EROFS) why = Reason(errno);
        why = CloseChecked(dfd, why);
        if (!why.empty() && !failed) {
            const auto e = std::find_if(entries_.begin(), entries_.end(),
                                        [&](const Entry& x) { return FolderOf(x.target) == folder; });
            failed = Failure{e->name, why};
        }
    }
    entries_.clear();
    return failed;
}

void StagedFiles::Abort() {
    for (const Entry& e : entries_)
        if (!e.temp.empty()) ::unlink(e.temp.c_str());
    entries_.clear();
}

std::string ReplaceFile(const std::string& path, std::string_view data) {
    StagedFiles file;
    if (std::string why = file.Stage(path, data); !why.empty()) return why;
    const std::optional<StagedFiles::Failure> failed = file.Commit();
    return failed ? failed->reason : std::string();
}

}  // namespace fileio
