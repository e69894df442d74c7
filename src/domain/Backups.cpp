#include "Backups.h"

#include "ArchiveKinds.h"
#include "Environment.h"

#include "archive/AtomicSave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <set>
#include <utility>

namespace Backups {

namespace {

constexpr qint64 kBlockBytes = 1 << 20;

QString withSeparator(const QString& folder) {
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

// What the hook has done this run: the archives (by absolute path) already
// copied or found not to need a copy on a day, those whose failed copy was
// told on a day, and the warnings not yet shown.
struct HookState {
    std::set<std::pair<QString, QDate>> done;
    std::set<std::pair<QString, QDate>> warned;
    QStringList pending;
};

HookState& hookState() {
    static HookState state;
    return state;
}

void beforeFirstWrite(const ArchiveBytes& archive) {
    HookState& state = hookState();
    const QDate today = Clock::current().today();
    const std::pair<QString, QDate> key{QFileInfo(archive.path).absoluteFilePath(), today};
    if (state.done.count(key)) return;
    if (copyBeforeChange(archive, folder(), today) != Outcome::Failed) {
        state.done.insert(key);
        return;
    }
    // Tried again at the next change, but told only once a day.
    if (state.warned.insert(key).second)
        state.pending << warning(QFileInfo(archive.path).fileName());
}

} // namespace

QString folder() {
    return ProgramFolder::path() + kFolderName + u'/';
}

QString copyName(const QString& archiveName, QDate day) {
    return archiveName + u'.' + day.toString(u"yyyyMMdd");
}

std::vector<Copy> copies(const QString& backupFolder) {
    static const QRegularExpression named(QStringLiteral("^(.+)\\.(\\d{8})$"));
    std::vector<Copy> out;
    const QFileInfoList files =
        QDir(backupFolder).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo& file : files) {
        const QRegularExpressionMatch m = named.match(file.fileName());
        if (!m.hasMatch() || !layoutForFileName(m.captured(1))) continue;
        const QDate day = QDate::fromString(m.captured(2), u"yyyyMMdd");
        if (!day.isValid()) continue;
        out.push_back({m.captured(1), day, file.filePath(), file.size()});
    }
    std::sort(out.begin(), out.end(), [](const Copy& a, const Copy& b) {
        return a.archive != b.archive ? a.archive < b.archive : a.day < b.day;
    });
    return out;
}

Outcome copyBeforeChange(const ArchiveBytes& archive, const QString& backupFolder, QDate today,
                         QString* error) {
    auto failed = [error](const QString& why) {
        if (error) *error = why;
        return Outcome::Failed;
    };
    // A new archive holds nothing to lose.
    if (archive.size == 0) return Outcome::NotNeeded;
    const QString name = QFileInfo(archive.path).fileName();
    const QString target = withSeparator(backupFolder) + copyName(name, today);
    const QFileInfo there(target);
    if (there.exists() || there.isSymLink()) return Outcome::NotNeeded;
    if (!QDir().mkpath(backupFolder))
        return failed(QStringLiteral("cannot make the folder %1").arg(backupFolder));

    AtomicSave::Writer out;
    // A link at the copy's name is replaced, never followed out of Backup/.
    if (!out.open(target, AtomicSave::Links::Replace)) return failed(out.error());
    QByteArray block(static_cast<qsizetype>(std::min(archive.size, kBlockBytes)), '\0');
    for (qint64 at = 0; at < archive.size;) {
        const qint64 n = std::min<qint64>(block.size(), archive.size - at);
        if (!archive.read(block.data(), n, at))
            return failed(
                QStringLiteral("read: %1").arg(QString::fromLocal8Bit(std::strerror(errno))));
        if (!out.write(QByteArrayView(block.constData(), n))) return failed(out.error());
        at += n;
    }
    if (!out.commit()) return failed(out.error());
    prune(backupFolder, name, today);
    return Outcome::Made;
}

void prune(const QString& backupFolder, const QString& archiveName, QDate today) {
    std::vector<Copy> own = copies(backupFolder);
    own.erase(std::remove_if(own.begin(), own.end(),
                             [&](const Copy& c) { return c.archive != archiveName; }),
              own.end());
    if (own.empty()) return;
    const QDate oldestKept = today.addDays(-(kDaysKept - 1));
    const QDate newest = own.back().day;
    for (const Copy& c : own)
        if (c.day < oldestKept && c.day != newest) QFile::remove(c.path);
}

void install() {
    TRecordArchive::setBeforeFirstWrite(beforeFirstWrite);
}

void uninstall() {
    TRecordArchive::setBeforeFirstWrite({});
    hookState() = HookState();
}

QString warning(const QString& archiveName) {
    return QStringLiteral("Attenzione: non è stato possibile fare la copia di sicurezza di %1.")
        .arg(archiveName);
}

QString takeWarning() {
    const QString text = hookState().pending.join(u' ');
    hookState().pending.clear();
    return text;
}

} // namespace Backups
