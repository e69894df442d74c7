#include "CliSupport.h"

#include "domain/ArchiveKinds.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace cli {

ArchiveRef resolveArchive(const Options& options, const QString& file) {
    ArchiveRef ref;
    ref.path = QDir::cleanPath(QDir(options.folder).filePath(file));
    if (!options.kind.isEmpty()) {
        ref.layout = layoutForKind(options.kind);
        if (!ref.layout)
            throw CliError(QStringLiteral("unknown kind '%1' (use daily, weekly, timetables or "
                                          "workers)")
                               .arg(options.kind));
    } else {
        ref.layout = layoutForFileName(QFileInfo(ref.path).fileName());
        if (!ref.layout)
            throw CliError(QStringLiteral("cannot tell the kind of archive from the name '%1' "
                                          "(expected NNNN.ore, NNNN.set, %2 or %3; or use --kind)")
                               .arg(QFileInfo(ref.path).fileName(), kTimetablesFile, kWorkersFile));
    }
    const QFileInfo info(ref.path);
    if (!info.exists()) throw CliError(QStringLiteral("no archive at %1").arg(ref.path));
    if (!info.isFile()) throw CliError(QStringLiteral("%1 is not a file").arg(ref.path));
    return ref;
}

void writeOut(const QByteArray& utf8) {
    std::fwrite(utf8.constData(), 1, static_cast<std::size_t>(utf8.size()), stdout);
}

void writeOut(const QString& text) {
    writeOut(text.toUtf8());
}

void writeErr(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    std::fwrite(utf8.constData(), 1, static_cast<std::size_t>(utf8.size()), stderr);
}

} // namespace cli
