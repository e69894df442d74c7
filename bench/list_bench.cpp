// How long the result list of a search screen takes to fill with the lines
// of a large year: 20 000 daily lines, from the sorted texts to a list ready
// to paint, laid out as the screen shows it.
#include "screens/common/ResultList.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

constexpr int kLines = 20000;

QStringList dailyLines() {
    QStringList lines;
    for (int i = 0; i < kLines; ++i)
        lines << QStringLiteral("Turno ordinario n. %1").arg(i).leftJustified(30) +
                     QStringLiteral("  Data: %1/03/2024  Sede: ")
                         .arg(i % 28 + 1, 2, 10, QChar(u'0')) +
                     QStringLiteral("Sede di via Garibaldi, 12").leftJustified(30) +
                     QStringLiteral("  Note: Riunione di servizio il lunedì alle 13:30");
    return lines;
}

void BM_FillResultList(benchmark::State& state) {
    const QStringList lines = dailyLines();
    QWidget window;
    window.resize(1080, 660);
    QListWidget* list = ResultList::create(&window, QStringLiteral("lstRecords"));
    list->resize(1040, 480);
    window.show();
    for (auto _ : state) {
        ResultList::fill(list, lines);
        // The layout a shown list does before it paints.
        list->doItemsLayout();
        QApplication::processEvents();
        if (list->count() != kLines) std::abort();
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}

BENCHMARK(BM_FillResultList)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    // Measured without a desktop, as on the build machine.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
