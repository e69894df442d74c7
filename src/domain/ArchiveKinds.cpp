#include "ArchiveKinds.h"

#include <QRegularExpression>

const TRecordLayout* layoutForKind(QStringView kind) {
    for (const TRecordLayout* l : {&TRecordLayout::daily(), &TRecordLayout::weekly(),
                                   &TRecordLayout::timetables(), &TRecordLayout::workers()})
        if (l->kind() == kind) return l;
    return nullptr;
}

const TRecordLayout* layoutForFileName(QStringView fileName) {
    static const QRegularExpression yearly(QStringLiteral("^\\d{4}\\.(ore|set)$"),
                                           QRegularExpression::CaseInsensitiveOption);
    const QString name = fileName.toString();
    if (name.compare(kTimetablesFile, Qt::CaseInsensitive) == 0)
        return &TRecordLayout::timetables();
    if (name.compare(kWorkersFile, Qt::CaseInsensitive) == 0) return &TRecordLayout::workers();
    const auto m = yearly.match(name);
    if (!m.hasMatch()) return nullptr;
    return m.captured(1).compare(u"ore", Qt::CaseInsensitive) == 0 ? &TRecordLayout::daily()
                                                                   : &TRecordLayout::weekly();
}
