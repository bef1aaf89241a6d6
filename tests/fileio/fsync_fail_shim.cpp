// Preloaded into the program (LD_PRELOAD) by the command-line tests: while
// ALMUCAN_FAIL_FSYNC is set, fsync and fdatasync fail with EIO, as on a
// disk that cannot keep what was written; otherwise the system's own run.
#include <cerrno>
#include <cstdlib>

#include <dlfcn.h>

namespace {

int Flush(const char* name, int fd) {
    if (std::getenv("ALMUCAN_FAIL_FSYNC")) {
        errno = EIO;
        return -1;
    }
    using Call = int (*)(int);
    const auto system = reinterpret_cast<Call>(::dlsym(RTLD_NEXT, name));
    return system ? system(fd) : 0;
}

}  // namespace

extern "C" int fsync(int fd) { return Flush("fsync", fd); }
extern "C" int fdatasync(int fd) { return Flush("fdatasync", fd); }
