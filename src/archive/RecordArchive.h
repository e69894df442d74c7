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

class ArchiveError : public std::runtime_error {
  public:
    explicit ArchiveError(const std::string& what) : std::runtime_error(what) {}
};

class TRecordArchive {
  public:
    enum class Mode { OpenOrCreate, ReadOnly };

    explicit TRecordArchive(int recordSize);
    ~TRecordArchive();
    TRecordArchive(const TRecordArchive&) = delete;
    TRecordArchive& operator=(const TRecordArchive&) = delete;

    // OpenOrCreate opens the file for reading and writing, creating it empty
    // only when it does not exist (an existing file is never truncated).
    // ReadOnly opens an existing file and never creates or changes anything.
    void open(const QString& path, Mode mode = Mode::OpenOrCreate);
    qint64 count() const;
    void seek(qint64 index);
    void read(QByteArray& buffer);
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

  private:
    qint64 fileSize() const;
    void fail(const char* what) const;

    int recordSize_;
    qint64 position_ = 0;
    bool dirty_ = false;
    QString path_;
#ifdef _WIN32
    void* handle_ = nullptr;
#else
    int fd_ = -1;
#endif
};
