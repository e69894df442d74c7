#include "RecordArchive.h"

#include <QDeadlineTimer>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <cstring>

// What both systems share: the messages, the wait for the lock, reading in
// blocks, and writing with its undo, built on the file operations of each
// system (RecordArchive_posix.cpp, RecordArchive_win.cpp).

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
std::function<void(const ArchiveBytes&)>& beforeFirstWrite() {
    static std::function<void(const ArchiveBytes&)> hook;
    return hook;
}
} // namespace

bool TRecordArchive::waitForLock(const std::function<bool()>& tryLock) {
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

void TRecordArchive::setLockWaitMs(int ms) {
    g_lockWaitMs = ms;
}

void TRecordArchive::setLockWaitHook(std::function<void(bool)> hook) {
    lockWaitHook() = std::move(hook);
}

void TRecordArchive::setBeforeFirstWrite(std::function<void(const ArchiveBytes&)> hook) {
    beforeFirstWrite() = std::move(hook);
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

bool TRecordArchive::isOpen() const {
    return hasFile() || absent_;
}

void TRecordArchive::open(const QString& path, Mode mode) {
    close();
    path_ = path;
    position_ = 0;
    dirty_ = false;
    lengthBeforeAppend_ = -1;
    openFile(mode);
}

void TRecordArchive::close() {
    absent_ = false;
    if (!hasFile()) return;
    const bool flushFailed = dirty_ && !flushToDisk();
    int saved = errno;
    if (flushFailed) {
        // Records appended in this opening may not have reached the disk:
        // take them away rather than leave a record that is half there.
        undoWrite(0, {});
    }
    dirty_ = false;
    const bool closeFailed = !closeFile();
    if (!flushFailed) saved = errno;
    if (flushFailed || closeFailed) {
        errno = saved;
        fail("close");
    }
}

void TRecordArchive::read(QByteArray& buffer) {
    const qint64 records = buffer.size() / recordSize_;
    if (records <= 0 || position_ + records > count()) throw ArchiveError("read past the end");
    if (!transfer(buffer.data(), buffer.size(), position_ * recordSize_, false)) fail("read");
    position_ += records;
}

void TRecordArchive::write(const QByteArray& buffer) {
    if (buffer.size() != recordSize_) throw ArchiveError("record of the wrong size");
    // Not opened, or a missing archive that could not be created.
    if (!isOpen() || absent_) {
        errno = EBADF;
        fail("write");
    }
    // Nothing written yet in this opening: the file is still as it was.
    if (!dirty_ && beforeFirstWrite())
        beforeFirstWrite()({path_, fileSize(), [this](char* data, qint64 size, qint64 offset) {
                                return transfer(data, size, offset, false);
                            }});
    const qint64 offset = position_ * recordSize_;
    const qint64 length = fileSize();
    // What an update in place overwrites, to put back if the write fails.
    QByteArray old;
    if (offset < length) {
        old.resize(std::min<qint64>(recordSize_, length - offset));
        if (!transfer(old.data(), old.size(), offset, false)) fail("read");
    } else if (lengthBeforeAppend_ < 0) {
        lengthBeforeAppend_ = length;
    }
    if (!transfer(const_cast<char*>(buffer.constData()), buffer.size(), offset, true)) {
        const int saved = errno;
        undoWrite(offset, old);
        errno = saved;
        fail("write");
    }
    dirty_ = true;
    ++position_;
}

void TRecordArchive::undoWrite(qint64 offset, const QByteArray& old) {
    if (!old.isEmpty()) transfer(const_cast<char*>(old.constData()), old.size(), offset, true);
    if (lengthBeforeAppend_ >= 0) cutTo(lengthBeforeAppend_);
    flushToDisk();
}
