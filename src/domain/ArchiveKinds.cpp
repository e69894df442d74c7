#include "ArchiveKinds.h"

#include "Environment.h"
#include "SearchTables.h"
#include "SpreadsheetExport.h"

#include "archive/Text.h"

#include <QRegularExpression>

#include <vector>

std::span<const ArchiveKind> archiveKinds() {
    static const std::vector<ArchiveKind> kinds = {
        {ArchiveKindId::Daily,
         QStringLiteral("daily"),
         &TRecordLayout::daily(),
         {},
         QStringLiteral(".ore"),
         &dailySearch(),
         &dailyExport(),
         PrintedSheet::DailyTable,
         HelpTopic::Calendar},
        {ArchiveKindId::Weekly,
         QStringLiteral("weekly"),
         &TRecordLayout::weekly(),
         {},
         QStringLiteral(".set"),
         &weeklySearch(),
         nullptr,
         PrintedSheet::WeeklyTable,
         HelpTopic::Calendar},
        {ArchiveKindId::Timetables,
         QStringLiteral("timetables"),
         &TRecordLayout::timetables(),
         QStringLiteral("Orari.pro"),
         {},
         &timetableSearch(),
         &timetableExport(),
         PrintedSheet::Timetable,
         HelpTopic::Timetables},
        {ArchiveKindId::Workers,
         QStringLiteral("workers"),
         &TRecordLayout::workers(),
         QStringLiteral("Dipendenti.pro"),
         {},
         &workerSearch(),
         &workerExport(),
         PrintedSheet::WorkerCard,
         HelpTopic::Workers},
    };
    return kinds;
}

const ArchiveKind& archiveKind(ArchiveKindId id) {
    for (const ArchiveKind& k : archiveKinds())
        if (k.id == id) return k;
    Q_UNREACHABLE();
}

const ArchiveKind* archiveKindNamed(QStringView name) {
    for (const ArchiveKind& k : archiveKinds())
        if (k.name == name) return &k;
    return nullptr;
}

const ArchiveKind* archiveKindOfFile(QStringView fileName) {
    // A yearly name: four digits and the suffix, nothing before or after.
    static const std::vector<QRegularExpression> yearly = [] {
        std::vector<QRegularExpression> patterns;
        for (const ArchiveKind& k : archiveKinds())
            patterns.emplace_back(QStringLiteral("^\\d{4}") +
                                      QRegularExpression::escape(k.yearlySuffix) +
                                      QStringLiteral("$"),
                                  QRegularExpression::CaseInsensitiveOption);
        return patterns;
    }();
    const std::span<const ArchiveKind> kinds = archiveKinds();
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        const ArchiveKind& k = kinds[i];
        if (k.yearly() ? yearly[i].match(fileName.toString()).hasMatch()
                       : fileName.compare(k.fileName, Qt::CaseInsensitive) == 0)
            return &k;
    }
    return nullptr;
}

QString archiveFileName(const ArchiveKind& kind, QStringView year) {
    return kind.yearly() ? vtext::trimmed(year) + kind.yearlySuffix : kind.fileName;
}

QString archivePath(ArchiveKindId id, QStringView year) {
    return ProgramFolder::path() + archiveFileName(archiveKind(id), year);
}

const TRecordLayout* layoutForKind(QStringView kind) {
    const ArchiveKind* k = archiveKindNamed(kind);
    return k ? k->layout : nullptr;
}

const TRecordLayout* layoutForFileName(QStringView fileName) {
    const ArchiveKind* k = archiveKindOfFile(fileName);
    return k ? k->layout : nullptr;
}
