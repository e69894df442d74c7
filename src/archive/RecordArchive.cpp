#include "RecordArchive.h"

#include <QDeadlineTimer>
#include <QThread>

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

namespace {
int g_lockWaitMs = 5000;
constexpr int kLockRetryMs = 10;
} // namespace

void TRecordArchive::setLockWaitMs(int ms) {
    g_lockWaitMs = ms;
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
    throw ArchiveError(std::string(what) + ": " + path_.toStdString() + ": " +
                       std::strerror(errno));
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

#ifndef _WIN32

bool TRecordArchive::isOpen() const {
    return fd_ >= 0;
}

void TRecordArchive::open(const QString& path, Mode mode) {
    close();
    path_ = path;
    position_ = 0;
    dirty_ = false;
    const QByteArray native = path.toLocal8Bit();
    const bool writable = mode == Mode::OpenOrCreate;
    fd_ = ::open(native.constData(), (writable ? O_RDWR : O_RDONLY) | O_CLOEXEC);
    if (fd_ < 0 && errno == ENOENT && writable) {
        fd_ = ::open(native.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ < 0 && errno == EEXIST) fd_ = ::open(native.constData(), O_RDWR | O_CLOEXEC);
    }
    if (fd_ < 0) fail("open");

    struct flock lock {};
    lock.l_type = writable ? F_WRLCK : F_RDLCK;
    lock.l_whence = SEEK_SET; // l_start = l_len = 0: the whole file, however long
    QDeadlineTimer deadline(g_lockWaitMs);
    while (::fcntl(fd_, F_SETLK, &lock) != 0) {
        if ((errno != EACCES && errno != EAGAIN) || deadline.hasExpired()) {
            const int saved = errno;
            ::close(fd_);
            fd_ = -1;
            errno = saved;
            fail("lock");
        }
        QThread::msleep(kLockRetryMs);
    }
}

qint64 TRecordArchive::fileSize() const {
    struct stat st {};
    if (fd_ < 0 || ::fstat(fd_, &st) != 0) fail("stat");
    return st.st_size;
}

void TRecordArchive::read(QByteArray& buffer) {
    const qint64 records = buffer.size() / recordSize_;
    if (records <= 0 || position_ + records > count()) throw ArchiveError("read past the end");
    qint64 done = 0;
    while (done < buffer.size()) {
        const ssize_t n =
            ::pread(fd_, buffer.data() + done, static_cast<size_t>(buffer.size() - done),
                    position_ * recordSize_ + done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) fail("read");
        done += n;
    }
    position_ += records;
}

void TRecordArchive::write(const QByteArray& buffer) {
    if (buffer.size() != recordSize_) throw ArchiveError("record of the wrong size");
    qint64 done = 0;
    while (done < buffer.size()) {
        const ssize_t n =
            ::pwrite(fd_, buffer.constData() + done, static_cast<size_t>(buffer.size() - done),
                     position_ * recordSize_ + done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) fail("write");
        done += n;
    }
    dirty_ = true;
    ++position_;
}

void TRecordArchive::close() {
    if (fd_ < 0) return;
    const int fd = fd_;
    fd_ = -1;
    const bool flushFailed = dirty_ && ::fsync(fd) != 0;
    const int saved = errno;
    // Closing the descriptor also releases the lock.
    const bool closeFailed = ::close(fd) != 0;
    dirty_ = false;
    if (flushFailed || closeFailed) {
        errno = flushFailed ? saved : errno;
        fail("close");
    }
}

#else // Windows

bool TRecordArchive::isOpen() const {
    return handle_ != nullptr;
}

void TRecordArchive::open(const QString& path, Mode mode) {
    close();
    path_ = path;
    position_ = 0;
    dirty_ = false;
    const bool writable = mode == Mode::OpenOrCreate;
    HANDLE h = CreateFileW(reinterpret_cast<LPCWSTR>(path.utf16()),
                           writable ? (GENERIC_READ | GENERIC_WRITE) : GENERIC_READ,
                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           writable ? OPEN_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) fail("open");
    OVERLAPPED ov{};
    const DWORD flags = (writable ? LOCKFILE_EXCLUSIVE_LOCK : 0) | LOCKFILE_FAIL_IMMEDIATELY;
    QDeadlineTimer deadline(g_lockWaitMs);
    while (!LockFileEx(h, flags, 0, MAXDWORD, MAXDWORD, &ov)) {
        if (deadline.hasExpired()) {
            CloseHandle(h);
            fail("lock");
        }
        QThread::msleep(kLockRetryMs);
    }
    handle_ = h;
}

qint64 TRecordArchive::fileSize() const {
    LARGE_INTEGER size{};
    if (!handle_ || !GetFileSizeEx(static_cast<HANDLE>(handle_), &size)) fail("stat");
    return size.QuadPart;
}

void TRecordArchive::read(QByteArray& buffer) {
    const qint64 records = buffer.size() / recordSize_;
    if (records <= 0 || position_ + records > count()) throw ArchiveError("read past the end");
    LARGE_INTEGER at{};
    at.QuadPart = position_ * recordSize_;
    DWORD got = 0;
    if (!SetFilePointerEx(static_cast<HANDLE>(handle_), at, nullptr, FILE_BEGIN) ||
        !ReadFile(static_cast<HANDLE>(handle_), buffer.data(), static_cast<DWORD>(buffer.size()),
                  &got, nullptr) ||
        got != static_cast<DWORD>(buffer.size()))
        fail("read");
    position_ += records;
}

void TRecordArchive::write(const QByteArray& buffer) {
    if (buffer.size() != recordSize_) throw ArchiveError("record of the wrong size");
    LARGE_INTEGER at{};
    at.QuadPart = position_ * recordSize_;
    DWORD put = 0;
    if (!SetFilePointerEx(static_cast<HANDLE>(handle_), at, nullptr, FILE_BEGIN) ||
        !WriteFile(static_cast<HANDLE>(handle_), buffer.constData(),
                   static_cast<DWORD>(buffer.size()), &put, nullptr) ||
        put != static_cast<DWORD>(buffer.size()))
        fail("write");
    dirty_ = true;
    ++position_;
}

void TRecordArchive::close() {
    if (!handle_) return;
    HANDLE h = static_cast<HANDLE>(handle_);
    handle_ = nullptr;
    const bool flushFailed = dirty_ && !FlushFileBuffers(h);
    dirty_ = false;
    const bool closeFailed = !CloseHandle(h); // also releases the lock
    if (flushFailed || closeFailed) fail("close");
}

#endif
