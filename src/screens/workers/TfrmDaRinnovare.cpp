#include "TfrmDaRinnovare.h"

#include "domain/ArchiveKinds.h"
#include "domain/Environment.h"
#include "domain/Renewals.h"
#include "screens/common/ScreenNames.h"

static QString workerArchive() {
    return archivePath(ArchiveKindId::Workers);
}

// Today at the moment the screen shows; the list is not refreshed while it
// stays open.
static std::vector<FoundLine> dueNow() {
    return dueRenewals(workerArchive(), Clock::current(), MissingArchive::CreateEmpty);
}

TfrmDaRinnovare::TfrmDaRinnovare(QWidget* parent)
    : SearchScreen({.name = ScreenName::kDaRinnovare,
                    .caption = QStringLiteral(" Riepilogo contratti in scadenza o scaduti"),
                    .search = renewalList(),
                    .listTitle = QStringLiteral("Riepilogo contratti in scadenza o scaduti"),
                    .archivePath = workerArchive,
                    .listOnShow = dueNow},
                   parent) {}
