// The POSIX half of TRecordArchive: descriptors, fcntl record locks,
// pread/pwrite at explicit offsets.
#include "RecordArchive.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool TRecordArchive::hasFile() const {
    return fd_ >= 0;
}

bool TRecordArchive::transfer(char* data, qint64 size, qint64 offset, bool writing) const {
    qint64 done = 0;
    while (done < size) {
        const auto left = static_cast<size_t>(size - done);
        const ssize_t n = writing ? ::pwrite(fd_, data + done, left, offset + done)
                                  : ::pread(fd_, data + done, left, offset + done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = writing ? ENOSPC : EIO;
            return false;
        }
        done += n;
    }
    return true;
}

void TRecordArchive::cutTo(qint64 length) const {
    while (::ftruncate(fd_, length) != 0 && errno == EINTR) {
    }
}

bool TRecordArchive::flushToDisk() const {
    return ::fsync(fd_) == 0;
}

bool TRecordArchive::closeFile() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
}

void TRecordArchive::openFile(Mode mode) {
    const QByteArray native = path_.toLocal8Bit();
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
