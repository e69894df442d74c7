#include "Renewals.h"

#include "WorkerRules.h"

#include "archive/FixedText.h"
#include "archive/Text.h"

#include <algorithm>
#include <optional>

namespace {

// The days of notice as the worker editor takes them: digits only, so a
// sign pasted in ("-5") does not push an expired contract out of the list.
std::optional<int> noticeDays(const QString& notice) {
    const QString digits = vtext::trimmed(notice);
    if (digits.isEmpty() ||
        !std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    bool whole = false;
    const int days = digits.toInt(&whole);
    if (!whole) return std::nullopt;
    return days;
}

} // namespace

bool renewalDue(const QString& expiry, const QString& notice, const Clock& clock) {
    const std::optional<QDate> end = worker::contractDate(expiry);
    const std::optional<int> days = noticeDays(notice);
    if (!end || !days) return true;
    return end->toJulianDay() - *days <= clock.today().toJulianDay();
}

const SearchTable& renewalList() {
    static const SearchTable table{&TRecordLayout::workers(),
                                   {},
                                   {{{}, {"Cognome", "Nome"}, 30},
                                    {QStringLiteral("  Tel. "), {"Recapito"}, 12},
                                    {QStringLiteral("  Scad. "), {"Scadenza"}, 10},
                                    {QString::fromUtf8("  Tot. € "), {"Totale"}, 12},
                                    {QString::fromUtf8("  Rata: € "), {"Rata"}, 12},
                                    {QStringLiteral("  Tipo: "), {"Acquisto"}, kInFull}}};
    return table;
}

std::vector<FoundLine> dueRenewals(const QString& path, const Clock& clock,
                                   MissingArchive missing) {
    const TRecordLayout& layout = *renewalList().layout;
    const TFieldDef& expiry = requireField(layout, QStringLiteral("Scadenza"));
    const TFieldDef& notice = requireField(layout, QStringLiteral("Preavviso"));
    const FixedClock listedAt(clock.now());
    return listArchive(
        path, layout, renewalList().line,
        [&](const char* record) {
            return renewalDue(TFixedText::load(record + expiry.offset, expiry.capacity),
                              TFixedText::load(record + notice.offset, notice.capacity), listedAt);
        },
        missing);
}
