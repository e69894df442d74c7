#include "KindArgs.h"

#include <QDir>

namespace cli {

bool everyKind(const ArchiveKind&) {
    return true;
}

QStringList kindNames(KindOffer offers) {
    QStringList names;
    for (const ArchiveKind& k : archiveKinds())
        if (offers(k)) names << k.name;
    return names;
}

QString spokenList(const QStringList& items, const QString& last) {
    if (items.size() < 2) return items.join(QString());
    return items.mid(0, items.size() - 1).join(QStringLiteral(", ")) + u' ' + last + u' ' +
           items.last();
}

const ArchiveKind& offeredKind(const QString& name, KindOffer offers, const QString& what,
                               const QString& usage) {
    const ArchiveKind* kind = archiveKindNamed(name);
    if (kind && offers(*kind)) return *kind;
    usageError(QStringLiteral("unknown %1 '%2' (%3)")
                   .arg(what, name, spokenList(kindNames(offers), QStringLiteral("or"))),
               usage);
}

QString kindYear(const ArchiveKind& kind, const ParsedArgs& parsed, KindOffer offers,
                 const QString& usage) {
    const QString year = parsed.value(QStringLiteral("--year"));
    if (kind.yearly()) {
        if (!isYear(year)) usageError(QStringLiteral("--year needs a four-digit year"), usage);
        return year;
    }
    if (parsed.has(QStringLiteral("--year"))) {
        QStringList yearly;
        for (const ArchiveKind& k : archiveKinds())
            if (offers(k) && k.yearly()) yearly << k.name;
        usageError(QStringLiteral("--year is for %1 only: %2 has one archive")
                       .arg(spokenList(yearly, QStringLiteral("and")), kind.name),
                   usage);
    }
    return {};
}

QString kindArchive(const Options& options, const ArchiveKind& kind, const QString& year) {
    return QDir::cleanPath(QDir(options.folder).filePath(archiveFileName(kind, year)));
}

} // namespace cli
