// The system calls a test can make fail (DiskFault in Faults.h). Every
// test binary defines fsync, write and pwrite itself, so the program's code linked
// into it calls these instead of the C library's; while no fault is armed
// they hand each call straight on to the library's own. The program needs
// no hook of its own for this.
#undef _FILE_OFFSET_BITS

#include "support/Faults.h"

#include <QFileInfo>

#include <atomic>
#include <cerrno>
#include <climits>
#include <dlfcn.h>
#include <mutex>
#include <string>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace {

struct Armed {
    std::string folder; // canonical, with a trailing slash
    int left = 0;       // calls still to refuse; -1: all of them
    int refused = 0;
};

std::mutex g_mutex;
Armed g_flush;
Armed g_overwrite;
Armed g_full;
std::atomic<bool> g_anyArmed{false};

void updateAnyArmed() {
    g_anyArmed = !g_flush.folder.empty() || !g_overwrite.folder.empty() || !g_full.folder.empty();
}

// Whether `fd` is a regular file in `folder` (directly or below).
bool inFolder(int fd, const std::string& folder, struct stat* st) {
    if (folder.empty() || ::fstat(fd, st) != 0 || !S_ISREG(st->st_mode)) return false;
    char link[PATH_MAX];
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    const ssize_t n = ::readlink(self.c_str(), link, sizeof link);
    return n > 0 && std::string(link, static_cast<size_t>(n)).rfind(folder, 0) == 0;
}

// Takes one refusal of `armed` for a call on `fd`, when the file is in the
// armed folder. `writesAt`: for a write, where it writes, which must be
// inside the file already (an overwrite, not an append).
bool takeRefusal(Armed& armed, int fd, long long writesAt = -1) {
    if (!g_anyArmed) return false;
    std::lock_guard<std::mutex> lock(g_mutex);
    struct stat st {};
    if (armed.left == 0 || !inFolder(fd, armed.folder, &st)) return false;
    if (writesAt >= 0 && writesAt >= st.st_size) return false;
    if (armed.left > 0) --armed.left;
    ++armed.refused;
    return true;
}

template <class F> F* next(const char* name) {
    return reinterpret_cast<F*>(::dlsym(RTLD_NEXT, name));
}

template <class Offset>
ssize_t faultyPwrite(ssize_t (*real)(int, const void*, size_t, Offset), int fd, const void* data,
                     size_t size, Offset offset) {
    if (size > 0 && takeRefusal(g_overwrite, fd, offset)) {
        // The device gives out halfway: the first half is written.
        real(fd, data, size / 2, offset);
        errno = EIO;
        return -1;
    }
    if (size > 0 && takeRefusal(g_full, fd)) {
        errno = ENOSPC;
        return -1;
    }
    return real(fd, data, size, offset);
}

void arm(Armed& armed, const QString& folder, int times) {
    std::lock_guard<std::mutex> lock(g_mutex);
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    armed.folder =
        canonical.isEmpty() ? std::string() : QFile::encodeName(canonical + u'/').toStdString();
    armed.left = times;
    armed.refused = 0;
    updateAnyArmed();
}

int disarm(Armed& armed) {
    std::lock_guard<std::mutex> lock(g_mutex);
    armed.folder.clear();
    armed.left = 0;
    updateAnyArmed();
    return armed.refused;
}

int refusedSoFar(const Armed& armed) {
    std::lock_guard<std::mutex> lock(g_mutex);
    return armed.refused;
}

} // namespace

extern "C" int fsync(int fd) {
    static auto* const real = next<int(int)>("fsync");
    if (takeRefusal(g_flush, fd)) {
        errno = EIO;
        return -1;
    }
    return real(fd);
}

extern "C" ssize_t write(int fd, const void* data, size_t size) {
    static auto* const real = next<ssize_t(int, const void*, size_t)>("write");
    if (size > 0 && takeRefusal(g_full, fd)) {
        errno = ENOSPC;
        return -1;
    }
    return real(fd, data, size);
}

extern "C" ssize_t pwrite(int fd, const void* data, size_t size, off_t offset) {
    static auto* const real = next<ssize_t(int, const void*, size_t, off_t)>("pwrite");
    return faultyPwrite(real, fd, data, size, offset);
}

extern "C" ssize_t pwrite64(int fd, const void* data, size_t size, off64_t offset) {
    static auto* const real = next<ssize_t(int, const void*, size_t, off64_t)>("pwrite64");
    return faultyPwrite(real, fd, data, size, offset);
}

namespace {
Armed& armedFor(DiskFault::Kind kind) {
    switch (kind) {
    case DiskFault::Kind::Flush:
        return g_flush;
    case DiskFault::Kind::Overwrite:
        return g_overwrite;
    case DiskFault::Kind::Full:
        break;
    }
    return g_full;
}
} // namespace

DiskFault::DiskFault(Kind kind, const QString& folder) : kind_(kind) {
    arm(armedFor(kind), folder, kind == Kind::Overwrite ? 1 : -1);
}

DiskFault::~DiskFault() {
    disarm(armedFor(kind_));
}

int DiskFault::refused() const {
    return refusedSoFar(armedFor(kind_));
}
