#include "AtomicSave.h"

#include <QDir>
#include <QFileInfo>

// What both systems share; each system's Writer is in AtomicSave_posix.cpp
// or AtomicSave_win.cpp.

namespace AtomicSave {

namespace {

bool g_namedTemporaries = false;

} // namespace

void testing::useNamedTemporaries(bool named) {
    g_namedTemporaries = named;
}

bool testing::namedTemporaries() {
    return g_namedTemporaries;
}

QString finalTarget(const QString& path) {
    QString target = QFileInfo(path).absoluteFilePath();
    for (int hops = 0; hops < 40; ++hops) {
        const QFileInfo info(target);
        if (!info.isSymLink()) break;
        target = QDir(info.absolutePath()).absoluteFilePath(info.symLinkTarget());
    }
    return QDir::cleanPath(target);
}

bool save(const QString& path, const QByteArray& bytes, QString* error, Links links) {
    Writer writer;
    if (writer.open(path, links) && writer.write(bytes) && writer.commit()) return true;
    if (error) *error = writer.error();
    return false;
}

} // namespace AtomicSave
