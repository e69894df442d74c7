// The repair of a damaged yearly archive of 20 000 and of 100 000 daily
// tables (a length byte of 255 every thousand records, a torn last record)
// against one plain read of the same file and against a plain copy of it
// through the atomic save (read in blocks, written, flushed, put in place):
// the repair reads once and writes once, so it should cost about what the
// copy costs. x_read and x_copy are the repair's time over those two; peak_MB
// is the largest resident memory of a process that does only that one pass
// over the file, which stays flat however long the archive is.
#include "archive/ArchiveRepair.h"
#include "archive/AtomicSave.h"
#include "archive/Record.h"
#include "archive/RecordArchive.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <map>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const TRecordLayout& kDaily = TRecordLayout::daily();
constexpr int kDamageEvery = 1000;
constexpr int kTornBytes = 100;

TRecord typicalRecord(int i) {
    TRecord r(kDaily);
    r.setText(u"Nome", QStringLiteral("Turno ordinario n. %1").arg(i));
    r.setText(u"Data", QStringLiteral("%1/%2/2024")
                           .arg(i % 28 + 1, 2, 10, QChar(u'0'))
                           .arg(i % 12 + 1, 2, 10, QChar(u'0')));
    r.setText(u"Sede", u"Sede di via Garibaldi, 12");
    r.setText(u"Disposizioni", u"Timbrare il cartellino all'ingresso e all'uscita.");
    for (int s = 1; s <= 9; ++s) {
        const QString slot = slotSuffix(s);
        r.setText(QStringLiteral("Inizio") + slot,
                  QStringLiteral("%1:00").arg(s + 7, 2, 10, QChar(u'0')));
        r.setText(QStringLiteral("Fine") + slot,
                  QStringLiteral("%1:00").arg(s + 8, 2, 10, QChar(u'0')));
        r.setText(QStringLiteral("Attivita") + slot, u"Accoglienza e sportello al pubblico");
        r.setText(QStringLiteral("Lavoratore") + slot, u"Rossi Mario, Bianchi Anna");
    }
    return r;
}

QTemporaryDir& scratch() {
    static QTemporaryDir dir;
    return dir;
}

// The damaged archive of `records` records, built once.
const QString& archivePath(int records) {
    static std::map<int, QString> paths;
    auto& path = paths[records];
    if (!path.isEmpty()) return path;
    path = scratch().filePath(QStringLiteral("%1.ore").arg(2000 + records / 1000));
    const int nome = kDaily.field(kDaily.indexOf(u"Nome")).offset;
    AtomicSave::Writer out;
    if (!out.open(path)) std::abort();
    QByteArray block;
    for (int i = 0; i < records; ++i) {
        QByteArray record = typicalRecord(i).bytes();
        if (i % kDamageEvery == 0) record[nome] = '\xff';
        block += record;
        if (block.size() >= (1 << 20) || i + 1 == records) {
            if (!out.write(block)) std::abort();
            block.clear();
        }
    }
    if (!out.write(QByteArray(kTornBytes, 'z')) || !out.commit()) std::abort();
    return path;
}

const QString& outputPath() {
    static const QString path = scratch().filePath(QStringLiteral("riparato.ore"));
    return path;
}

void plainRead(const QString& path) {
    TRecordArchive archive(kDaily.size());
    archive.open(path, TRecordArchive::Mode::ReadOnly);
    long sum = 0;
    archive.forEach([&sum](qint64, const char* record) { sum += record[0]; });
    archive.close();
    benchmark::DoNotOptimize(sum);
}

void plainCopy(const QString& path) {
    TRecordArchive archive(kDaily.size());
    archive.open(path, TRecordArchive::Mode::ReadOnly);
    AtomicSave::Writer out;
    if (!out.open(outputPath())) std::abort();
    const qint64 total = archive.count();
    const qint64 perBlock = (1 << 20) / kDaily.size();
    QByteArray block;
    for (qint64 first = 0; first < total; first += perBlock) {
        block.resize(std::min(perBlock, total - first) * kDaily.size());
        archive.seek(first);
        archive.read(block);
        if (!out.write(block)) std::abort();
    }
    archive.close();
    if (!out.commit()) std::abort();
}

RepairReport repair(const QString& path) {
    AtomicSave::Writer out;
    if (!out.open(outputPath())) std::abort();
    const RepairReport report =
        repairArchive(path, kDaily, [&out](QByteArrayView block) { return out.write(block); });
    if (!report.written || !out.commit()) std::abort();
    return report;
}

// Seconds of one call, the best of three.
double secondsOf(const std::function<void()>& work) {
    double best = 1e9;
    for (int i = 0; i < 3; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        best = std::min(
            best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

// The largest resident memory, in MB, of a process that runs `work` alone.
double peakMegabytes(const std::function<void()>& work) {
    const pid_t child = ::fork();
    if (child == 0) {
        work();
        ::_exit(0);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || ::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        std::abort();
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_PlainRead(benchmark::State& state) {
    const QString& path = archivePath(static_cast<int>(state.range(0)));
    for (auto _ : state)
        plainRead(path);
    state.counters["peak_MB"] = peakMegabytes([&] { plainRead(path); });
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_PlainCopy(benchmark::State& state) {
    const QString& path = archivePath(static_cast<int>(state.range(0)));
    for (auto _ : state)
        plainCopy(path);
    state.counters["peak_MB"] = peakMegabytes([&] { plainCopy(path); });
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_Repair(benchmark::State& state) {
    const int records = static_cast<int>(state.range(0));
    const QString& path = archivePath(records);
    const double read = secondsOf([&] { plainRead(path); });
    const double copy = secondsOf([&] { plainCopy(path); });
    double spent = 0;
    RepairReport report;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        report = repair(path);
        spent += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    // The repair found what the file was built with.
    if (report.records != records || report.droppedBytes != kTornBytes ||
        report.clamped != (records + kDamageEvery - 1) / kDamageEvery)
        std::abort();
    const double each = spent / static_cast<double>(state.iterations());
    state.counters["x_read"] = each / read;
    state.counters["x_copy"] = each / copy;
    state.counters["peak_MB"] = peakMegabytes([&] { repair(path); });
    state.SetItemsProcessed(state.iterations() * records);
}

BENCHMARK(BM_PlainRead)->Arg(20000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PlainCopy)
    ->Arg(20000)
    ->Arg(100000)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_Repair)
    ->Arg(20000)
    ->Arg(100000)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

BENCHMARK_MAIN();
