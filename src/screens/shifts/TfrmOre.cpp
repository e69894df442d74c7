#include "TfrmOre.h"

#include "domain/BookingTexts.h"
#include "domain/Environment.h"
#include "screens/common/RecordEditor.h"
#include "screens/common/ScreenNames.h"

#include <QFileInfo>

namespace {

// The editor behind each routing tag, and the kind of its tables.
struct Calendar {
    const char* tag;
    const QString* editor;
    const TRecordLayout& (*layout)();
};
const Calendar kCalendars[] = {
    {"turni", &ScreenName::kTurni, TRecordLayout::daily},
    {"settimanale", &ScreenName::kSettimanale, TRecordLayout::weekly},
};

const Calendar* calendarOf(const QString& tag) {
    for (const Calendar& c : kCalendars)
        if (tag == QLatin1String(c.tag)) return &c;
    return nullptr;
}

// The year of the editor's archive (NNNN.ore, NNNN.set), from its first to
// its last day.
std::pair<QDate, QDate> wholeYear(const QString& tag) {
    const Calendar* c = calendarOf(tag);
    bool ok = false;
    int year =
        c ? QFileInfo(RecordEditor::archivePathOf(*c->editor)).completeBaseName().toInt(&ok) : 0;
    if (!ok || year < 1 || year > 9999) year = Clock::current().today().year();
    return {QDate(year, 1, 1), QDate(year, 12, 31)};
}

SearchScreen::PeriodList hoursIn(const QString& tag, const QDate& from, const QDate& to) {
    const Calendar* c = calendarOf(tag);
    if (!c) return {};
    const bookings::HoursReport report =
        bookings::readLedger(RecordEditor::archivePathOf(*c->editor), c->layout(),
                             MissingArchive::CreateEmpty)
            .hours(from, to);
    SearchScreen::PeriodList listed;
    for (const bookings::WorkerHours& w : report.workers)
        listed.lines.push_back({fitToWidth(w.worker, 40) + QStringLiteral("  Ore: ") +
                                    bookings::hoursText(w.minutes).rightJustified(7),
                                0});
    if (report.unreadable > 0)
        listed.note = QStringLiteral("Turni esclusi dal conteggio perché gli orari o la data non "
                                     "sono leggibili: %1.")
                          .arg(report.unreadable);
    return listed;
}

// The list has no filters and its lines stand for no record: the table it
// is given is never searched.
const SearchTable& noSearch() {
    static const SearchTable table{&TRecordLayout::daily(), {}, {}};
    return table;
}

} // namespace

TfrmOre::TfrmOre(QWidget* parent)
    : SearchScreen({.name = ScreenName::kOre,
                    .caption = QStringLiteral(" Ore di lavoro dei turnisti"),
                    .search = noSearch(),
                    .listTitle = QStringLiteral("Riepilogo ore di lavoro"),
                    .archivePath = nullptr,
                    .countsLines = false,
                    .listForPeriod = hoursIn,
                    .openingPeriod = wholeYear,
                    .picks = false},
                   parent) {}
