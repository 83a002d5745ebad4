// The statistics viewer over a season: opening it on all teams over the
// 1,000 games that bench/make_season.py writes (the season of
// bench/stats_season.sh), from OK in the game selection to the filled list
// painted; and a sort by a click on a column heading, to the list painted
// again. Goals: opening at most 300 ms, a sort at most 50 ms.
//
//   cmake --build build-bench --target gui_stats_bench && build-bench/gui_stats_bench

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QProcess>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "GuiBench.h"
#include "core/stats/Stat.h"
#include "core/stats/StatisticsSets.h"
#include "gui/stats/StatisticsViewer.h"
#include "gui/ui/ProgramSettings.h"

using namespace courtlog;
using courtlog::bench::drawPendingPaints;
using courtlog::bench::PaintCounter;

namespace {

// The season's game files, written once for every case.
const std::vector<std::string>& seasonFiles() {
    static QTemporaryDir folder;
    static std::vector<std::string> files;
    if (files.empty()) {
        const int made = QProcess::execute(QStringLiteral("python3"),
                                           {QStringLiteral(COURTLOG_BENCH_DIR "/make_season.py"), folder.path()});
        if (made != 0) return files;
        for (const QString& name : QDir(folder.path()).entryList({QStringLiteral("*.gam")}, QDir::Files, QDir::Name))
            files.push_back(QDir(folder.path()).filePath(name).toStdString());
    }
    return files;
}

stats::StatisticsSets allTeams(const std::vector<std::string>& files) {
    Stat selection;
    for (const std::string& file : files) selection.addFile(file);
    selection.setAllTeams(true);
    return stats::StatisticsSets(std::move(selection));
}

// The season for a case, or none (the case skipped) when it could not be
// written.
const std::vector<std::string>* seasonFor(benchmark::State& state) {
    const std::vector<std::string>& files = seasonFiles();
    if (files.size() != 1000) {
        state.SkipWithError("the season was not written (python3 bench/make_season.py)");
        return nullptr;
    }
    gui::ui::programSettings().setDefaults();
    return &files;
}

void BM_OpenTheViewerOnAllTeams(benchmark::State& state) {
    const std::vector<std::string>* season = seasonFor(state);
    if (!season) return;
    const std::vector<std::string>& files = *season;
    PaintCounter paints;
    for (auto _ : state) {
        // OK in the selection hands the viewer the chosen files.
        gui::stats::StatisticsViewer viewer(nullptr, allTeams(files));
        viewer.show();
        drawPendingPaints(paints);
        state.PauseTiming();
        viewer.close();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["games"] = static_cast<double>(files.size());
}

void BM_SortByAColumn(benchmark::State& state) {
    const std::vector<std::string>* season = seasonFor(state);
    if (!season) return;
    gui::stats::StatisticsViewer viewer(nullptr, allTeams(*season));
    viewer.show();
    PaintCounter paints;
    drawPendingPaints(paints);
    QHeaderView* header = viewer.findChild<QTableView*>()->horizontalHeader();
    // Points, then 2-pointers attempted, made, ...: a new column each time,
    // each clicked twice in turn (descending, then ascending).
    int click = 0;
    for (auto _ : state) {
        const int column = 2 + (click++ / 2) % 6;
        const QPoint middle(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                            header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, middle);
        drawPendingPaints(paints);
    }
    state.counters["lines"] = static_cast<double>(viewer.shownLines().size());
}

}  // namespace

BENCHMARK(BM_OpenTheViewerOnAllTeams)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5)->Repetitions(3);
BENCHMARK(BM_SortByAColumn)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(24)->Repetitions(3);

int main(int argc, char** argv) { return courtlog::bench::runWindowBenchmarks(argc, argv); }
