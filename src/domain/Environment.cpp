#include "Environment.h"

#include "archive/AtomicSave.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
std::unique_ptr<Clock>& clockSlot() {
    static std::unique_ptr<Clock> clock = std::make_unique<Clock>();
    return clock;
}
QString& folderOverride() {
    static QString folder;
    return folder;
}
QString withSeparator(const QString& folder) {
    return folder.endsWith(u'/') ? folder : folder + u'/';
}
} // namespace

const Clock& Clock::current() {
    return *clockSlot();
}

void Clock::install(std::unique_ptr<Clock> clock) {
    clockSlot() = clock ? std::move(clock) : std::make_unique<Clock>();
}

QString ProgramFolder::configFile() {
    const QString given = qEnvironmentVariable("VELMORA_CONF");
    return given.isEmpty() ? QStringLiteral("/etc/velmora.conf") : given;
}

namespace {

// The folder the configuration's VELMORA_FOLDER names, or an empty text.
// The file is KEY=VALUE lines as a shell reads them: '#' starts a comment
// line, blanks around the key and the value are dropped, a value may stand
// in single or double quotes, and the last assignment counts. Only an
// absolute folder counts: a relative one would depend on where the program
// was started.
QString configuredFolder() {
    QFile file(ProgramFolder::configFile());
    if (!file.open(QIODevice::ReadOnly)) return {};
    QString folder;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(u'#')) continue;
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0 || line.left(equals).trimmed() != u"VELMORA_FOLDER") continue;
        QString value = line.mid(equals + 1).trimmed();
        if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
            value.back() == value.front())
            value = value.mid(1, value.size() - 2);
        folder = value;
    }
    return QDir::isAbsolutePath(folder) ? QDir::cleanPath(folder) : QString();
}

QString userFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Velmora");
}

} // namespace

ProgramFolder::Choice ProgramFolder::choose(const QString& programFolder) {
    const QString own = withSeparator(programFolder);
    const bool shared = QFileInfo::exists(own + kSharedMarker) || !QFileInfo(own).isWritable();
    if (!shared) return {Kind::Own, own};
    const QString configured = configuredFolder();
    if (!configured.isEmpty()) return {Kind::Shared, withSeparator(configured)};
    return {Kind::User, withSeparator(userFolder())};
}

QString ProgramFolder::programPath() {
    return withSeparator(QDir::fromNativeSeparators(QCoreApplication::applicationDirPath()));
}

QString ProgramFolder::path() {
    if (!folderOverride().isEmpty()) return folderOverride();
    static const QString chosen = choose(programPath()).folder;
    return chosen;
}

void ProgramFolder::override(const QString& folder) {
    folderOverride() = folder.isEmpty() ? QString() : withSeparator(folder);
}

QString ProgramFolder::prepare(const QString& programFolder) {
    if (!folderOverride().isEmpty()) return {};
    const Choice choice = choose(programFolder);
    const QString shown = QDir::toNativeSeparators(choice.folder);
    switch (choice.kind) {
    case Kind::Own:
        return {};
    case Kind::Shared:
        // The administrator's folder, perhaps a share not mounted yet: never
        // made here, where it would hide the share's own.
        if (!QFileInfo(choice.folder).isDir())
            return QStringLiteral("Attenzione: la cartella dei dati %1, indicata in %2, non "
                                  "esiste o non è raggiungibile.")
                .arg(shown, QDir::toNativeSeparators(configFile()));
        break;
    case Kind::User: {
        const QFileInfo info(QDir::cleanPath(choice.folder));
        // Parents as the system makes them; the folder itself for its user alone.
        const bool made =
            info.isDir() ||
            (QDir().mkpath(info.absolutePath()) &&
             QDir().mkdir(info.filePath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        if (!made)
            return QStringLiteral("Attenzione: impossibile creare la cartella dei dati %1.")
                .arg(shown);
        break;
    }
    }
    const QString store = choice.folder + kStoreFile;
    if (QFileInfo::exists(store)) return {};
    QFile first(withSeparator(programFolder) + kStoreFile);
    QString error;
    if (!first.open(QIODevice::ReadOnly))
        error = first.errorString();
    else if (const QByteArray bytes = first.readAll(); first.error() != QFileDevice::NoError)
        error = first.errorString();
    else
        AtomicSave::save(store, bytes, &error);
    if (error.isEmpty()) return {};
    return QStringLiteral("Attenzione: impossibile copiare il file della password nella "
                          "cartella dei dati %1 (%2).")
        .arg(shown, error);
}
