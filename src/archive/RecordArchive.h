#pragma once
// TRecordArchive: a file of fixed-size records with no header, addressed by
// 0-based index. One user action opens it, works and closes it. While open,
// the file is locked so two copies of the program sharing a folder cannot
// interleave their writes; a write reaches the disk before close() returns.

#include <QByteArray>
#include <QString>

#include <functional>
#include <stdexcept>

// The one message every failed archive action shows.
extern const QString kArchiveErrorMessage;
// Shown instead when another copy of the program kept the archive for
// longer than the wait: nothing failed, the user only has to try again.
extern const QString kArchiveBusyMessage;

class ArchiveError : public std::runtime_error {
  public:
    explicit ArchiveError(const std::string& what) : std::runtime_error(what) {}
};

// Another copy of the program still holds the archive after the wait.
class ArchiveBusy : public ArchiveError {
  public:
    using ArchiveError::ArchiveError;
};

// An open archive's bytes as they stand, read through its own locked
// descriptor: what the hook before an opening's first write is shown.
struct ArchiveBytes {
    QString path;
    qint64 size = 0;
    // Reads `length` bytes at `offset`; false (errno set) when the file
    // refuses or ends first.
    std::function<bool(char* data, qint64 length, qint64 offset)> read;
};

class TRecordArchive {
  public:
    // OpenOrCreate is for writing; ReadOrCreate for the program's reading
    // actions (browse, search), which work in a folder without write access;
    // ReadOnly for the command line, which never creates a file.
    enum class Mode { OpenOrCreate, ReadOrCreate, ReadOnly };

    explicit TRecordArchive(int recordSize);
    ~TRecordArchive();
    TRecordArchive(const TRecordArchive&) = delete;
    TRecordArchive& operator=(const TRecordArchive&) = delete;

    // OpenOrCreate opens the file for reading and writing, creating it empty
    // only when it does not exist (an existing file is never truncated).
    // ReadOrCreate opens it for reading; a missing file is created empty
    // where the folder allows it and is otherwise an empty archive.
    // ReadOnly opens an existing file and never creates or changes anything.
    // Whatever the mode, a path that is not a regular file (a folder, a
    // named pipe, a device) or cannot be reached (a loop of symbolic links)
    // is an ArchiveError with the system's reason, never an empty archive,
    // and open() never waits on a pipe. Throws ArchiveBusy when another
    // copy keeps the file past the wait.
    void open(const QString& path, Mode mode = Mode::OpenOrCreate);
    qint64 count() const;
    void seek(qint64 index);
    void read(QByteArray& buffer);
    // Writes one record at the position. A write that fails leaves the
    // archive as it was: an append is cut back, a record updated in place
    // gets its old bytes back.
    void write(const QByteArray& buffer);
    qint64 position() const { return position_; }
    // Flushes written records to the disk and releases the file.
    void close();
    bool isOpen() const;

    // Bytes after the last whole record (an incomplete record is never read).
    qint64 trailingBytes() const;
    // Reads every record from the first to the last in one sequential pass,
    // in large blocks.
    void forEach(const std::function<void(qint64 index, const char* record)>& visit);

    // How long open() waits for another copy of the program to release the
    // file before it gives up.
    static void setLockWaitMs(int ms);
    // Called with true at every slice of a wait for the lock and with false
    // once when the wait is over, so a window can keep painting and show
    // that it is busy. Empty: the wait only sleeps.
    static void setLockWaitHook(std::function<void(bool waiting)> hook);
    // Called before the first write of each opening changes the file, with
    // the file as it stands under this opening's lock, so what the hook
    // reads is a whole state (the program's daily backup). It must not
    // throw: whatever it does, the write goes on. Empty: none.
    static void setBeforeFirstWrite(std::function<void(const ArchiveBytes&)> hook);

  private:
    [[noreturn]] void fail(const char* what) const;
    [[noreturn]] void fail(const char* what, const char* reason) const;
    // Puts the archive back as it was before a failed write.
    void undoWrite(qint64 offset, const QByteArray& old);
    // Tries `tryLock` in short slices until it succeeds or the wait is over;
    // false when it is over.
    static bool waitForLock(const std::function<bool()>& tryLock);

    // The system's half, in RecordArchive_posix.cpp or RecordArchive_win.cpp.
    // Opens path_ in `mode` and locks it (or marks it absent_).
    void openFile(Mode mode);
    bool hasFile() const;
    qint64 fileSize() const;
    // Moves `size` bytes between `data` and the file at `offset`, however
    // many calls it takes. False (errno set) when the file refuses or ends
    // first.
    bool transfer(char* data, qint64 size, qint64 offset, bool writing) const;
    void cutTo(qint64 length) const;
    // False (errno set) when the bytes may not have reached the disk.
    bool flushToDisk() const;
    // Closes the file, which also releases its lock; false (errno set) when
    // the system reports a failure.
    bool closeFile();
#ifndef _WIN32
    // Closes and throws unless the opened path is a regular file.
    void refuseOtherThanFile();
    void lock(bool exclusive);
#endif

    int recordSize_;
    qint64 position_ = 0;
    bool dirty_ = false;
    // The file's length before the first append of this opening, or -1:
    // what a failed append or flush cuts the file back to.
    qint64 lengthBeforeAppend_ = -1;
    // A missing archive that could not be created: read as empty.
    bool absent_ = false;
    QString path_;
#ifdef _WIN32
    void* handle_ = nullptr;
#else
    int fd_ = -1;
#endif
};
