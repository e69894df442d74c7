// How fast a whole yearly archive is read and decoded, as every search and
// export does: one sequential pass through forEach, against the naive seek and
// read of one record at a time; and the daily search from the file to its
// sorted lines, against one plain read of the same file. Items are records;
// the file is in the page cache after the first pass, so the figures are the
// program's own cost.
#include "archive/AtomicSave.h"
#include "archive/FixedText.h"
#include "archive/Record.h"
#include "archive/RecordArchive.h"
#include "domain/ArchiveSearch.h"
#include "domain/SearchTables.h"
#include "domain/SpreadsheetExport.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <map>

namespace {

constexpr int kRecords = 20000;

const TRecordLayout& kDaily = TRecordLayout::daily();

// A daily record filled as a busy office fills it: most slots in use, worker
// names, accented text, one attachment.
TRecord typicalRecord(int i) {
    TRecord r(kDaily);
    r.setText(u"Nome", QStringLiteral("Turno ordinario n. %1").arg(i));
    r.setText(u"Data", QStringLiteral("%1/%2/2024")
                           .arg(i % 28 + 1, 2, 10, QChar(u'0'))
                           .arg(i % 12 + 1, 2, 10, QChar(u'0')));
    r.setText(u"Periodo", u"inverno 2024");
    r.setText(u"Sede", u"Sede di via Garibaldi, 12");
    r.setText(u"Disposizioni",
              u"Timbrare il cartellino all'ingresso e all'uscita; la reperibilità è a rotazione.");
    r.setText(u"Annotazioni", u"Riunione di servizio il lunedì alle 13:30");
    for (int s = 1; s <= 9; ++s) {
        const QString slot = slotSuffix(s);
        r.setText(QStringLiteral("Inizio") + slot,
                  QStringLiteral("%1:00").arg(s + 7, 2, 10, QChar(u'0')));
        r.setText(QStringLiteral("Fine") + slot,
                  QStringLiteral("%1:00").arg(s + 8, 2, 10, QChar(u'0')));
        r.setText(QStringLiteral("Attivita") + slot,
                  u"Accoglienza, segreteria e sportello al pubblico");
        r.setText(QStringLiteral("Lavoratore") + slot,
                  u"Rossi Mario, Esposito Chiara, Bianchi Anna");
    }
    r.setText(u"File01", u"turni_marzo.pdf");
    r.setText(u"Desc01", u"Piano mensile firmato");
    return r;
}

// The archive is built once, in a temporary folder, for every benchmark.
const QString& archivePath() {
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString p = dir.filePath(QStringLiteral("2024.ore"));
        TRecordArchive a(kDaily.size());
        a.open(p);
        for (int i = 0; i < kRecords; ++i)
            a.write(typicalRecord(i).bytes());
        a.close();
        return p;
    }();
    return path;
}

// Every field of one record, as a search or an export turns it into text.
qsizetype decodeAll(const char* record) {
    qsizetype chars = 0;
    for (const TFieldDef& f : kDaily.fields())
        chars += TFixedText::load(record + f.offset, f.capacity).size();
    return chars;
}

template <typename Pass> void runPasses(benchmark::State& state, Pass pass) {
    const QString& path = archivePath(); // built before the clock starts
    TRecordArchive archive(kDaily.size());
    for (auto _ : state) {
        archive.open(path, TRecordArchive::Mode::ReadOnly);
        if (archive.count() != kRecords) std::abort();
        benchmark::DoNotOptimize(pass(archive));
        archive.close();
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}

qsizetype sequentialPass(TRecordArchive& archive, bool decode) {
    qsizetype sum = 0;
    archive.forEach([&](qint64, const char* record) {
        sum += decode ? decodeAll(record) : static_cast<unsigned char>(record[0]);
    });
    return sum;
}

qsizetype recordByRecordPass(TRecordArchive& archive, bool decode) {
    QByteArray buffer(kDaily.size(), '\0');
    qsizetype sum = 0;
    for (qint64 i = 0; i < kRecords; ++i) {
        archive.seek(i);
        archive.read(buffer);
        sum += decode ? decodeAll(buffer.constData())
                      : static_cast<unsigned char>(buffer.constData()[0]);
    }
    return sum;
}

void BM_ForEachDecodeEveryField(benchmark::State& state) {
    runPasses(state, [](TRecordArchive& a) { return sequentialPass(a, true); });
}
void BM_SeekReadDecodeEveryField(benchmark::State& state) {
    runPasses(state, [](TRecordArchive& a) { return recordByRecordPass(a, true); });
}
// The same two passes without decoding: what the reading alone costs.
void BM_ForEachNoDecode(benchmark::State& state) {
    runPasses(state, [](TRecordArchive& a) { return sequentialPass(a, false); });
}
void BM_SeekReadNoDecode(benchmark::State& state) {
    runPasses(state, [](TRecordArchive& a) { return recordByRecordPass(a, false); });
}

BENCHMARK(BM_ForEachDecodeEveryField)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SeekReadDecodeEveryField)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ForEachNoDecode)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SeekReadNoDecode)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor for any whole-archive pass: the file read in large blocks and
// nothing else.
void BM_PlainSequentialRead(benchmark::State& state) {
    const QString& path = archivePath();
    QByteArray block(1 << 20, Qt::Uninitialized);
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) std::abort();
        qint64 total = 0;
        for (qint64 n; (n = file.read(block.data(), block.size())) > 0;)
            total += n;
        if (total != qint64(kRecords) * kDaily.size()) std::abort();
        benchmark::DoNotOptimize(block.data());
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}

// "Cerca" of the daily search with two filters, from the file to the sorted
// lines. Every record passes the first pair, so every line is built and
// sorted: the dearest case. The second pair lists one month.
void runDailySearch(benchmark::State& state, const std::map<QString, QString>& typed,
                    std::size_t expected) {
    const QString& path = archivePath();
    const SearchTable& daily = dailySearch();
    std::vector<SearchFilter> filters;
    for (const QString& field : daily.filterFields)
        filters.push_back({typed.count(field) ? typed.at(field) : QString(), field});
    for (auto _ : state) {
        const std::vector<FoundLine> lines =
            searchArchive(path, *daily.layout, filters, daily.line, MissingArchive::ListNothing);
        if (lines.size() != expected) std::abort();
        benchmark::DoNotOptimize(lines.data());
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}
void BM_DailySearchTwoFiltersEveryRecord(benchmark::State& state) {
    runDailySearch(state, {{"Sede", "garibaldi"}, {"Lavoratore02", "BIANCHI"}}, kRecords);
}
void BM_DailySearchTwoFiltersOneMonth(benchmark::State& state) {
    runDailySearch(state, {{"Data", "/03/2024"}, {"Lavoratore02", "bianchi"}}, kRecords / 12 + 1);
}

BENCHMARK(BM_PlainSequentialRead)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DailySearchTwoFiltersEveryRecord)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DailySearchTwoFiltersOneMonth)->Unit(benchmark::kMillisecond)->UseRealTime();

// The worker export from the archive to the spreadsheet file, against the
// same input and output without the export: the worker archive read whole
// and a file of the export's size saved the same atomic way.
TRecord typicalWorker(int i) {
    TRecord r(TRecordLayout::workers());
    r.setText(u"Cognome", QStringLiteral("Esposito %1").arg(i));
    r.setText(u"Nome", u"Niccolò");
    r.setText(u"CodFisc", u"SPSNCC80A01F839X");
    r.setText(u"DataNasc", u"01/01/1980");
    r.setText(u"ComuneNasc", u"Napoli");
    r.setText(u"Indirizzo", u"Via Toledo, 256");
    r.setText(u"ComuneRes", u"Napoli");
    r.setText(u"Recapito", u"Cellulare");
    r.setText(u"TelCel", u"333 1234567");
    r.setText(u"Email", u"n.esposito@example.org");
    r.setText(u"Categoria", u"Dipendente & collaboratore");
    r.setText(u"Qualifiche", u"Istruttore di nuoto");
    r.setText(u"Familiari", u"lunedì-venerdì 9-13 <solo mattina>");
    r.setText(u"Iban", u"IT60X0542811101000000123456");
    r.setText(u"Pagamento", u"Bonifico mensile");
    r.setText(u"TipoDoc", u"Carta d'identità");
    r.setText(u"NumDoc", u"AB1234567");
    r.setText(u"Note", u"Disponibile anche per sostituzioni nel fine settimana");
    return r;
}

struct WorkerFiles {
    QTemporaryDir dir;
    QString archive;
    QString output;
    qint64 exportSize = 0;
};

WorkerFiles& workerFiles() {
    static WorkerFiles files = [] {
        WorkerFiles f;
        f.archive = f.dir.filePath(QStringLiteral("Dipendenti.pro"));
        f.output = f.dir.filePath(QStringLiteral("Personale_Interno.xls"));
        TRecordArchive a(TRecordLayout::workers().size());
        a.open(f.archive);
        for (int i = 0; i < kRecords; ++i)
            a.write(typicalWorker(i).bytes());
        a.close();
        return f;
    }();
    return files;
}

std::vector<QStringList> workerRows(const QString& archive) {
    std::vector<QStringList> rows;
    rows.reserve(kRecords);
    readExportRows(archive, workerExport(), TRecordArchive::Mode::ReadOnly,
                   [&](QStringList cells) { rows.push_back(std::move(cells)); });
    return rows;
}

void BM_ExportWorkers(benchmark::State& state) {
    WorkerFiles& f = workerFiles();
    for (auto _ : state) {
        const std::vector<QStringList> rows = workerRows(f.archive);
        if (rows.size() != kRecords || !writeSpreadsheet(f.output, workerExport(), rows))
            std::abort();
    }
    f.exportSize = QFileInfo(f.output).size();
    state.counters["file_bytes"] = static_cast<double>(f.exportSize);
    state.SetItemsProcessed(state.iterations() * kRecords);
}

void BM_ReadAndSaveSameBytes(benchmark::State& state) {
    WorkerFiles& f = workerFiles();
    if (f.exportSize == 0)
        f.exportSize = spreadsheetBytes(workerExport(), workerRows(f.archive)).size();
    const QByteArray output(f.exportSize, 'x');
    for (auto _ : state) {
        QFile file(f.archive);
        if (!file.open(QIODevice::ReadOnly)) std::abort();
        const QByteArray input = file.readAll();
        if (input.size() != qint64(kRecords) * TRecordLayout::workers().size()) std::abort();
        benchmark::DoNotOptimize(input.data());
        if (!AtomicSave::save(f.output, output)) std::abort();
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}

BENCHMARK(BM_ExportWorkers)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadAndSaveSameBytes)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
