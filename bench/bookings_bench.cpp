// The double bookings of a large year against one plain read of its file:
// 20 000 daily tables (about 55 a day), eight slots each with two workers
// from a staff of 3 000, one slot overnight, and about two hundred tables
// that book again the workers of another table of their day. Finding the double bookings
// reads the file once and should cost at most three times that read.
#include "archive/Record.h"
#include "archive/RecordArchive.h"
#include "domain/Bookings.h"

#include <QDate>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

constexpr int kTables = 20000;
constexpr int kStaff = 3000;

QString workerName(int i) {
    static const char* const kSurnames[] = {"Rossi",   "Bianchi", "Verdi",  "Esposito", "Romano",
                                            "Colombo", "Ricci",   "Marino", "Greco",    "Bruno"};
    return QStringLiteral("%1 %2 Nome%3").arg(QLatin1String(kSurnames[i % 10])).arg(i).arg(i % 7);
}

const QString& archivePath() {
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath(QStringLiteral("2024.ore"));
        TRecordArchive archive(TRecordLayout::daily().size());
        archive.open(file);
        const QDate first(2024, 1, 1);
        for (int t = 0; t < kTables; ++t) {
            TRecord r(TRecordLayout::daily());
            r.setText(u"Nome", QStringLiteral("Turno ordinario n. %1").arg(t));
            r.setText(u"Data", first.addDays(t % 366).toString(u"dd/MM/yyyy"));
            r.setText(u"Sede", QStringLiteral("Sede di via Garibaldi, 12"));
            for (int s = 1; s <= 8; ++s) {
                const int start = s == 8 ? 22 : 4 + 2 * s;
                r.setText(QStringLiteral("Inizio") + slotSuffix(s),
                          QStringLiteral("%1:00").arg(start, 2, 10, QChar(u'0')));
                r.setText(QStringLiteral("Fine") + slotSuffix(s),
                          QStringLiteral("%1:00").arg((start + (s == 8 ? 8 : 2)) % 24, 2, 10,
                                                      QChar(u'0')));
                r.setText(QStringLiteral("Attivita") + slotSuffix(s),
                          QStringLiteral("Assistenza ai reparti"));
                // Now and then a table of the same day takes the workers of
                // one 366 tables before it: double bookings across tables.
                const int from = (t % 97 == 0 && t >= 366) ? t - 366 : t;
                const int w = (from * 16 + 2 * s) % kStaff;
                r.setText(QStringLiteral("Lavoratore") + slotSuffix(s),
                          workerName(w) + QStringLiteral(", ") + workerName(w + 1));
            }
            archive.seek(archive.count());
            archive.write(r.bytes());
        }
        archive.close();
        return file;
    }();
    return path;
}

void BM_PlainRead(benchmark::State& state) {
    const QString& path = archivePath();
    for (auto _ : state) {
        TRecordArchive archive(TRecordLayout::daily().size());
        archive.open(path, TRecordArchive::Mode::ReadOnly);
        long sum = 0;
        archive.forEach([&sum](qint64, const char* record) { sum += record[0]; });
        archive.close();
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kTables);
}

void BM_Conflicts(benchmark::State& state) {
    const QString& path = archivePath();
    std::size_t found = 0;
    for (auto _ : state) {
        const std::vector<bookings::Conflict> conflicts =
            bookings::readLedger(path, TRecordLayout::daily(), MissingArchive::ListNothing)
                .conflicts();
        found = conflicts.size();
        benchmark::DoNotOptimize(found);
    }
    if (found == 0) std::abort(); // the year is meant to hold some
    state.counters["conflicts"] = static_cast<double>(found);
    state.SetItemsProcessed(state.iterations() * kTables);
}

BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Conflicts)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
