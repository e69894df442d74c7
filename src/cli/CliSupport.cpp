#include "CliSupport.h"

#include "archive/AtomicSave.h"
#include "archive/RecordArchive.h"
#include "domain/ArchiveKinds.h"

#include <QCoreApplication>
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

ArchiveSnapshot readArchive(const ArchiveRef& ref) {
    const int size = ref.layout->size();
    TRecordArchive archive(size);
    archive.open(ref.path, TRecordArchive::Mode::ReadOnly);
    ArchiveSnapshot snapshot;
    snapshot.count = archive.count();
    snapshot.trailingBytes = archive.trailingBytes();
    if (snapshot.count > 0) {
        snapshot.records.resize(snapshot.count * size);
        archive.read(snapshot.records);
    }
    archive.close();
    return snapshot;
}

void refuseProtectedOutput(const Options& options, const QString& output) {
    const QFileInfo target(AtomicSave::finalTarget(output));
    const QString name = target.fileName();
    const bool protectedName =
        layoutForFileName(name) != nullptr ||
        name.compare(QStringLiteral("unins000.dll"), Qt::CaseInsensitive) == 0;
    if (!protectedName) return;
    const QString where = QFileInfo(target.absolutePath()).canonicalFilePath();
    for (const QString& folder : {options.folder, QCoreApplication::applicationDirPath()}) {
        const QString canonical = QFileInfo(folder).canonicalFilePath();
        if (!canonical.isEmpty() && canonical == where)
            throw CliError(QStringLiteral("refusing to write onto %1: it is one of the program's "
                                          "files; choose another output file")
                               .arg(target.filePath()));
    }
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

void writeLines(const std::vector<FoundLine>& lines) {
    QString out;
    for (const FoundLine& line : lines)
        out += line.text + u'\n';
    writeOut(out);
}

} // namespace cli
