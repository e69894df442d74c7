// renewals [--today dd/mm/yyyy]: the contracts due for renewal, as the
// worker editor's list shows them and in its order, for a reminder run from
// a scheduler. Only reads: a missing Dipendenti.pro lists nothing and is
// left missing.
#include "Commands.h"
#include "KindArgs.h"

#include "domain/Renewals.h"
#include "domain/WorkerRules.h"

#include <optional>

namespace cli {

namespace {

const QString kUsage =
    QStringLiteral("usage: velmora-cli [--folder DIR] renewals [--today dd/mm/yyyy]");

// The day given with --today, as a clock that tells it; none without it.
std::optional<FixedClock> givenToday(const QStringList& args) {
    const ParsedArgs parsed = parseArgs(args, {{{QStringLiteral("--today")}}}, 0, kUsage);
    if (!parsed.has(QStringLiteral("--today"))) return std::nullopt;
    const QString text = parsed.value(QStringLiteral("--today"));
    const std::optional<QDate> day = worker::contractDate(text);
    if (!day) usageError(QStringLiteral("'%1' is not a date dd/mm/yyyy").arg(text), kUsage);
    return FixedClock(QDateTime(*day, QTime(12, 0)));
}

} // namespace

int runRenewals(const Options& options, const QStringList& args) {
    const std::optional<FixedClock> given = givenToday(args);
    const Clock& clock = given ? static_cast<const Clock&>(*given) : Clock::current();
    const ArchiveKind& workers = archiveKind(ArchiveKindId::Workers);
    const QString path = kindArchive(options, workers);
    // Missing, the archive lists nothing; there but unreadable, it is an error.
    if (!archiveThere(path, *workers.layout)) return kExitOk;
    writeLines(dueRenewals(path, clock, MissingArchive::ListNothing));
    return kExitOk;
}

} // namespace cli
