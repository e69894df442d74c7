#pragma once
// The one way the program and its companion write a whole file (a PDF, a
// sheet printed to a file, the password store, a spreadsheet): the bytes go
// into a new file beside the old one, are flushed to the disk and only then
// take the old file's place. A failure at any step leaves the old file as it
// was and no stray file behind.

#include <QByteArray>
#include <QString>

namespace AtomicSave {

// Replaces (or creates) `path` with `bytes`. A symbolic link is followed, so
// its target is replaced and the link stays. An existing file keeps its
// permission bits. False on failure, with the reason in `error`.
bool save(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// The file a write to `path` really lands on: absolute, with symbolic links
// followed, even one that points at a file not there yet.
QString finalTarget(const QString& path);

} // namespace AtomicSave
