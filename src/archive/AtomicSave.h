#pragma once
// The one way the program and its companion write a file (a PDF, a sheet
// printed to a file, the password store, a spreadsheet, an attached file):
// the bytes go into a new file beside the old one, are flushed to the disk
// and only then take the old file's place. A failure at any step leaves the
// old file as it was and no stray file behind.
//
// Where the system allows it the new file has no name until it is put in
// place, so even a killed process leaves nothing. Otherwise it gets a short
// hidden name tied to its output, whatever the length of the output's own,
// and a later write of the same output removes those that a killed writer
// left, never one that a live writer still holds.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <memory>

namespace AtomicSave {

// What a write does with a symbolic link at the output's name.
enum class Links {
    // The link's target is replaced and the link stays.
    Follow,
    // The link itself is replaced by the new file; whatever it points to is
    // never opened, and nothing outside the output's folder is written.
    Replace,
};

// Writes one file in pieces: open() makes the new file beside the output,
// each write() puts all its bytes there or fails, commit() flushes the file
// and puts it in the output's place. A writer destroyed, discarded or failed
// before its commit leaves the old output as it was and nothing else.
//
// An existing output that is not a regular file (a folder, a pipe, a device,
// a socket) is refused without being opened.
class Writer {
  public:
    Writer();
    ~Writer();
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    bool open(const QString& path, Links links = Links::Follow);
    bool write(QByteArrayView bytes);
    bool commit();
    // Gives the new file up; the output stays as it was.
    void discard();

    bool isOpen() const;
    // Why the last step failed.
    QString error() const;

  private:
    struct State;
    std::unique_ptr<State> d_;
};

// Replaces (or creates) `path` with `bytes` through a Writer. An existing
// file keeps its permission bits. False on failure, with the reason in
// `error`.
bool save(const QString& path, const QByteArray& bytes, QString* error = nullptr,
          Links links = Links::Follow);

// The file a write to `path` really lands on: absolute, with symbolic links
// followed, even one that points at a file not there yet.
QString finalTarget(const QString& path);

namespace testing {
// Makes writers use named temporaries even where unnamed ones work, so the
// tests reach the way systems without them go.
void useNamedTemporaries(bool named);
bool namedTemporaries();
} // namespace testing

} // namespace AtomicSave
