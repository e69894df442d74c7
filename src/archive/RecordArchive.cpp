#include "RecordArchive.h"

#include <QDeadlineTimer>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

const QString kArchiveErrorMessage = QStringLiteral(
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di "
    "possedere i privilegi di scrittura nella cartella di installazione del programma.");
const QString kArchiveBusyMessage = QStringLiteral(
    "Attenzione: l'archivio è in uso da un'altra copia del programma.\n\r\n\rAttendere "
    "qualche istante e riprovare.");

namespace {
int g_lockWaitMs = 5000;
constexpr int kLockRetryMs = 10;
std::function<void(bool)>& lockWaitHook() {
    static std::function<void(bool)> hook;
    return hook;
}

// Waits for the lock in short slices, telling the hook at each, until
// `tryLock` succeeds or the wait is over. False when it is over.
template <class TryLock> bool waitForLock(TryLock tryLock) {
    if (tryLock()) return true;
    const auto& hook = lockWaitHook();
    QDeadlineTimer deadline(g_lockWaitMs);
    bool locked = false;
    while (!deadline.hasExpired()) {
        if (hook) hook(true);
        QThread::msleep(kLockRetryMs);
        if ((locked = tryLock())) break;
    }
    if (hook) hook(false);
    return locked;
}
} // namespace

void TRecordArchive::setLockWaitMs(int ms) {
    g_lockWaitMs = ms;
}

void TRecordArchive::setLockWaitHook(std::function<void(bool)> hook) {
    lockWaitHook() = std::move(hook);
}

TRecordArchive::TRecordArchive(int recordSize) : recordSize_(recordSize) {}

TRecordArchive::~TRecordArchive() {
    try {
        close();
    } catch (const ArchiveError&) {
        // A destructor cannot report; the action that failed already did.
    }
}

void TRecordArchive::fail(const char* what) const {
    fail(what, std::strerror(errno));
}

void TRecordArchive::fail(const char* what, const char* reason) const {
    throw ArchiveError(std::string(what) + ": " + path_.toStdString() + ": " + reason);
}

void TRecordArchive::seek(qint64 index) {
    if (index < 0 || index > count()) throw ArchiveError("seek outside the archive");
    position_ = index;
}

qint64 TRecordArchive::count() const {
    return fileSize() / recordSize_;
}

qint64 TRecordArchive::trailingBytes() const {
    return fileSize() % recordSize_;
}

void TRecordArchive::forEach(const std::function<void(qint64, const char*)>& visit) {
    const qint64 total = count();
    constexpr qint64 kBlockBytes = 1 << 20;
    const qint64 perBlock = std::max<qint64>(1, kBlockBytes / recordSize_);
    QByteArray block;
    for (qint64 first = 0; first < total; first += perBlock) {
        const qint64 n = std::min(perBlock, total - first);
        block.resize(n * recordSize_);
        seek(first);
        read(block);
        for (qint64 i = 0; i < n; ++i)
            visit(first + i, block.constData() + i * recordSize_);
    }
    position_ = total;
}

// The file primitives of each system: move bytes at an offset, cut the
// file to a length, flush it to the disk. Reading, writing and putting a
// failed write back are built on them once, below, for both systems.
namespace {
#ifndef _WIN32
using NativeFile = int;

// Moves `size` bytes between `data` and the file at `offset`, however many
// calls it takes. False (errno set) when the file refuses or ends first.
bool transfer(NativeFile fd, char* data, qint64 size, qint64 offset, bool writing) {
    qint64 done = 0;
    while (done < size) {
        const auto left = static_cast<size_t>(size - done);
        const ssize_t n = writing ? ::pwrite(fd, data + done, left, offset + done)
                                  : ::pread(fd, data + done, left, offset + done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = writing ? ENOSPC : EIO;
            return false;
        }
        done += n;
    }
    return true;
}

void cutTo(NativeFile fd, qint64 length) {
    while (::ftruncate(fd, length) != 0 && errno == EINTR) {
    }
}

bool flushToDisk(NativeFile fd) {
    return ::fsync(fd) == 0;
}
#else
using NativeFile = void*;

// As above, through explicit offsets, so no file pointer is shared between
// calls. The system's error becomes EIO for the message of the failure.
bool transfer(NativeFile file, char* data, qint64 size, qint64 offset, bool writing) {
    qint64 done = 0;
    while (done < size) {
        const auto chunk = static_cast<DWORD>(std::min<qint64>(size - done, 1 << 30));
        const qint64 at = offset + done;
        OVERLAPPED where{};
        where.Offset = static_cast<DWORD>(at & 0xFFFFFFFF);
        where.OffsetHigh = static_cast<DWORD>(at >> 32);
        DWORD moved = 0;
        const BOOL ok = writing ? WriteFile(file, data + done, chunk, &moved, &where)
                                : ReadFile(file, data + done, chunk, &moved, &where);
        if (!ok || moved == 0) {
            errno = ok && writing ? ENOSPC : EIO;
            return false;
        }
        done += moved;
    }
    return true;
}

void cutTo(NativeFile file, qint64 length) {
    LARGE_INTEGER at{};
    at.QuadPart = length;
    if (SetFilePointerEx(file, at, nullptr, FILE_BEGIN)) SetEndOfFile(file);
}

bool flushToDisk(NativeFile file) {
    return FlushFileBuffers(file) != 0;
}
#endif
} // namespace

void TRecordArchive::read(QByteArray& buffer) {
    const qint64 records = buffer.size() / recordSize_;
    if (records <= 0 || position_ + records > count()) throw ArchiveError("read past the end");
    if (!transfer(native(), buffer.data(), buffer.size(), position_ * recordSize_, false))
        fail("read");
    position_ += records;
}

void TRecordArchive::write(const QByteArray& buffer) {
    if (buffer.size() != recordSize_) throw ArchiveError("record of the wrong size");
    // Not opened, or a missing archive that could not be created.
    if (!isOpen() || absent_) {
        errno = EBADF;
        fail("write");
    }
    const qint64 offset = position_ * recordSize_;
    const qint64 length = fileSize();
    // What an update in place overwrites, to put back if the write fails.
    QByteArray old;
    if (offset < length) {
        old.resize(std::min<qint64>(recordSize_, length - offset));
        if (!transfer(native(), old.data(), old.size(), offset, false)) fail("read");
    } else if (lengthBeforeAppend_ < 0) {
        lengthBeforeAppend_ = length;
    }
    if (!transfer(native(), const_cast<char*>(buffer.constData()), buffer.size(), offset, true)) {
        const int saved = errno;
        undoWrite(offset, old);
        errno = saved;
        fail("write");
    }
    dirty_ = true;
    ++position_;
}

void TRecordArchive::undoWrite(qint64 offset, const QByteArray& old) {
    if (!old.isEmpty())
        transfer(native(), const_cast<char*>(old.constData()), old.size(), offset, true);
    if (lengthBeforeAppend_ >= 0) cutTo(native(), lengthBeforeAppend_);
    flushToDisk(native());
}

#ifndef _WIN32

bool TRecordArchive::isOpen() const {
    return fd_ >= 0 || absent_;
}

void TRecordArchive::open(const QString& path, Mode mode) {
    close();
    path_ = path;
    position_ = 0;
    dirty_ = false;
    lengthBeforeAppend_ = -1;
    const QByteArray native = path.toLocal8Bit();
    const bool writable = mode == Mode::OpenOrCreate;
    // Non-blocking, so a named pipe where the archive should be is refused
    // below instead of waiting for a writer; a regular file ignores it.
    const int access = (writable ? O_RDWR : O_RDONLY) | O_CLOEXEC | O_NONBLOCK;
    fd_ = ::open(native.constData(), access);
    if (fd_ < 0 && errno == ENOENT && mode != Mode::ReadOnly) {
        fd_ = ::open(native.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NONBLOCK, 0666);
        if (fd_ < 0 && errno == EEXIST) fd_ = ::open(native.constData(), access);
        // Reading a year nobody has used yet, in a folder that cannot take
        // the new file: there is simply nothing to read.
        if (fd_ < 0 && !writable && (errno == EACCES || errno == EROFS || errno == EPERM)) {
            absent_ = true;
            return;
        }
    }
    if (fd_ < 0) fail("open");
    refuseOtherThanFile();
    lock(writable);
}

void TRecordArchive::refuseOtherThanFile() {
    struct stat st {};
    const int kind = ::fstat(fd_, &st) == 0 ? static_cast<int>(st.st_mode & S_IFMT) : -1;
    if (kind == S_IFREG) {
        // Reads and writes of a regular file never wait anyway; clearing the
        // flag keeps them plain.
        ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
        return;
    }
    const int saved = errno;
    ::close(fd_);
    fd_ = -1;
    // A folder opens for reading on this system, and would read as an
    // empty archive; anything else but a file (a named pipe, a device) is
    // no archive either.
    if (kind < 0) {
        errno = saved;
        fail("stat");
    }
    if (kind == S_IFDIR) {
        errno = EISDIR;
        fail("open");
    }
    fail("open", "not a regular file");
}

void TRecordArchive::lock(bool exclusive) {
    struct flock request {};
    request.l_type = exclusive ? F_WRLCK : F_RDLCK;
    request.l_whence = SEEK_SET; // l_start = l_len = 0: the whole file, however long
    int refusal = 0;
    const bool locked = waitForLock([&] {
        if (::fcntl(fd_, F_SETLK, &request) == 0) return true;
        refusal = errno;
        // Some network shares keep no record locks: work unlocked there
        // rather than fail every action.
        return refusal == ENOLCK || refusal == EOPNOTSUPP || refusal == ENOTSUP;
    });
    if (locked) return;
    ::close(fd_);
    fd_ = -1;
    if (refusal == EACCES || refusal == EAGAIN)
        throw ArchiveBusy("in use by another copy: " + path_.toStdString());
    errno = refusal;
    fail("lock");
}

qint64 TRecordArchive::fileSize() const {
    if (absent_) return 0;
    struct stat st {};
    if (fd_ < 0 || ::fstat(fd_, &st) != 0) fail("stat");
    return st.st_size;
}

void TRecordArchive::close() {
    absent_ = false;
    if (fd_ < 0) return;
    bool flushFailed = dirty_ && ::fsync(fd_) != 0;
    int saved = errno;
    if (flushFailed) {
        // Records appended in this opening may not have reached the disk:
        // take them away rather than leave a record that is half there.
        undoWrite(0, {});
    }
    const int fd = fd_;
    fd_ = -1;
    dirty_ = false;
    // Closing the descriptor also releases the lock.
    const bool closeFailed = ::close(fd) != 0;
    if (!flushFailed) saved = errno;
    if (flushFailed || closeFailed) {
        errno = saved;
        fail("close");
    }
}

#else // Windows

bool TRecordArchive::isOpen() const {
    return handle_ != nullptr || absent_;
}

void TRecordArchive::open(const QString& path, Mode mode) {
    close();
    path_ = path;
    position_ = 0;
    dirty_ = false;
    lengthBeforeAppend_ = -1;
    const bool writable = mode == Mode::OpenOrCreate;
    HANDLE h = CreateFileW(reinterpret_cast<LPCWSTR>(path.utf16()),
                           writable ? (GENERIC_READ | GENERIC_WRITE) : GENERIC_READ,
                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           mode == Mode::ReadOnly ? OPEN_EXISTING : OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    // Reading a year nobody has used yet, in a folder that cannot take the
    // new file: there is simply nothing to read. An archive that is there
    // but cannot be read is a failure, as on the other systems.
    if (h == INVALID_HANDLE_VALUE && mode == Mode::ReadOrCreate &&
        GetLastError() == ERROR_ACCESS_DENIED &&
        GetFileAttributesW(reinterpret_cast<LPCWSTR>(path.utf16())) == INVALID_FILE_ATTRIBUTES) {
        absent_ = true;
        return;
    }
    if (h == INVALID_HANDLE_VALUE) fail("open");
    // A named pipe or a device is no archive.
    if (GetFileType(h) != FILE_TYPE_DISK) {
        CloseHandle(h);
        fail("open", "not a regular file");
    }
    const DWORD flags = (writable ? LOCKFILE_EXCLUSIVE_LOCK : 0) | LOCKFILE_FAIL_IMMEDIATELY;
    if (!waitForLock([&] {
            OVERLAPPED ov{};
            return LockFileEx(h, flags, 0, MAXDWORD, MAXDWORD, &ov) != 0;
        })) {
        CloseHandle(h);
        throw ArchiveBusy("in use by another copy: " + path_.toStdString());
    }
    handle_ = h;
}

qint64 TRecordArchive::fileSize() const {
    if (absent_) return 0;
    LARGE_INTEGER size{};
    if (!handle_ || !GetFileSizeEx(static_cast<HANDLE>(handle_), &size)) fail("stat");
    return size.QuadPart;
}

void TRecordArchive::close() {
    absent_ = false;
    if (!handle_) return;
    const bool flushFailed = dirty_ && !flushToDisk(handle_);
    // As on the other systems: records appended in this opening that may not
    // have reached the disk are taken away.
    if (flushFailed) undoWrite(0, {});
    HANDLE h = static_cast<HANDLE>(handle_);
    handle_ = nullptr;
    dirty_ = false;
    const bool closeFailed = !CloseHandle(h); // also releases the lock
    if (flushFailed || closeFailed) {
        errno = EIO;
        fail("close");
    }
}

#endif
