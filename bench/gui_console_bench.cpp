// One play at the game console, as a scorekeeper records it: a click on a
// court button, a made free throw chosen in the event dialog, the auto save
// of the whole game handed to the background saver, and every repaint the
// play causes (score, the shooter's row on his team sheet, whatever else
// changed), drawn as the program draws them before the next click. "Until It
// Is On Disk" waits for the saver as well: the time until the play would
// survive a power cut. The console is opened the way the program opens
// it: over a main window whose client area the two team sheets cover. Games
// of 100, 800 and 30,000 plays per team. The second case also has the box
// score open beside the console, so each play rebuilds it and repaints its
// list; the third the statistics viewer as well (all three of its sets
// computed again at each play). The last has the live scoreboard feed on,
// written beside the game: against the first, what the feed adds.
//
//   cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCOURTLOG_BENCH=ON
//   cmake --build build-bench --target gui_console_bench
//   QT_QPA_PLATFORM=offscreen build-bench/gui_console_bench

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "BenchGames.h"
#include "GuiBench.h"
#include "core/records/BackgroundSave.h"
#include "core/stats/Stat.h"
#include "core/stats/StatisticsSets.h"
#include "gui/scoring/GameConsoleWindow.h"
#include "gui/scoring/PlayChoiceDialog.h"
#include "gui/scoring/TeamSheetPair.h"
#include "gui/scoring/TeamWindow.h"
#include "gui/stats/BoxScoreDialog.h"
#include "gui/stats/StatisticsViewer.h"
#include "gui/ui/AppState.h"
#include "gui/ui/ProgramSettings.h"

using namespace courtlog;
using courtlog::bench::drawPendingPaints;
using courtlog::bench::PaintCounter;

namespace {

// What is open or on beside the console.
// UntilOnDisk also waits each time until the background saver has written
// and flushed the game.
enum Beside { Nothing = 0, BoxScore = 1, Statistics = 2, ScoreboardFeed = 4, UntilOnDisk = 8 };

// Records one play per iteration at a console on a game of state.range(0)
// plays per team, answering the event dialog with choice, with the viewers
// and the feed of beside.
void recordPlays(benchmark::State& state, const char* choice, int beside) {
    QTemporaryDir dir;
    Game game = courtlog::bench::benchGame("Hawks", "Owls", static_cast<int>(state.range(0)));
    if (!game.save(QDir(dir.path()).filePath(QStringLiteral("bench.gam")).toStdString())) {
        state.SkipWithError("cannot save the game");
        return;
    }
    gui::ui::programSettings().setDefaults();
    gui::ui::programSettings().soundOn = false;
    gui::ui::programSettings().scoreboardFeedOn = (beside & ScoreboardFeed) != 0;
    gui::ui::appState().autoSave = true;

    // As the program starts a game: the sheets over the main window's client
    // area, the console beside them, told to refresh the sheets.
    QMainWindow mainWindow;
    mainWindow.setCentralWidget(new QWidget);
    mainWindow.resize(1366, 738);
    mainWindow.show();
    gui::scoring::TeamSheetPair sheets(gui::scoring::TeamSheetPair::clientAreaOf(&mainWindow), game);
    gui::scoring::GameConsoleWindow court(&mainWindow, game, gui::ui::programSettings().league);
    court.setFiguresChangedCallback(sheets.refreshCallback());
    sheets.placeConsole(&court);
    court.setModal(false);
    court.show();
    if (beside & BoxScore) (new gui::stats::BoxScoreDialog(&court, game))->showBesideConsole(&court);
    if (beside & Statistics) {
        // As Statistics > Player and Team Statistics opens it during a game.
        Stat selection;
        selection.addFile(game.fileName);
        selection.setTeamName(game.homeName);
        auto* viewer = new gui::stats::StatisticsViewer(&court, stats::StatisticsSets(std::move(selection)), &game);
        viewer->showBesideConsole(&court);
    }
    PaintCounter paints;
    drawPendingPaints(paints);
    auto* guard = court.findChild<QPushButton*>(QStringLiteral("homeSlot1Button"));
    const QString choiceName = QString::fromLatin1(choice);

    for (auto _ : state) {
        // The event dialog is answered as soon as it is up.
        QTimer::singleShot(0, [choiceName] {
            auto* dialog = qobject_cast<gui::scoring::PlayChoiceDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            auto* button = dialog->findChild<QAbstractButton*>(choiceName);
            QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->height() / 2, button->height() / 2));
        });
        QTest::mouseClick(guard, Qt::LeftButton);
        drawPendingPaints(paints);
        if (beside & UntilOnDisk) backgroundSaver().waitUntilIdle();
    }
    backgroundSaver().waitUntilIdle();
    state.counters["plays"] = static_cast<double>(game.homeEvents().size());
    state.counters["paints"] = benchmark::Counter(paints.paints, benchmark::Counter::kAvgIterations);
}

// A made free throw changes the score, the shooter's row on the sheet in
// both blocks, and his row and the totals in the box score.
constexpr const char* kPlay = "shotMadeFreeThrowButton";

void BM_OnePlayAtTheConsole(benchmark::State& state) { recordPlays(state, kPlay, Nothing); }

void BM_OnePlayUntilItIsOnDisk(benchmark::State& state) { recordPlays(state, kPlay, UntilOnDisk); }

void BM_OnePlayWithTheBoxScoreOpen(benchmark::State& state) { recordPlays(state, kPlay, BoxScore); }

void BM_OnePlayWithTheBoxScoreAndStatisticsOpen(benchmark::State& state) {
    recordPlays(state, kPlay, BoxScore | Statistics);
}

void BM_OnePlayWithTheScoreboardFeed(benchmark::State& state) { recordPlays(state, kPlay, ScoreboardFeed); }

// Each case: 5 runs of 50 plays, their median reported.
void fiftyPlaysFiveTimes(benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(50)->Repetitions(5)->ReportAggregatesOnly(true);
}

}  // namespace

BENCHMARK(BM_OnePlayAtTheConsole)->Arg(100)->Arg(800)->Arg(30000)->Apply(fiftyPlaysFiveTimes);
BENCHMARK(BM_OnePlayUntilItIsOnDisk)->Arg(800)->Arg(30000)->Apply(fiftyPlaysFiveTimes);
BENCHMARK(BM_OnePlayWithTheBoxScoreOpen)->Arg(100)->Arg(800)->Arg(30000)->Apply(fiftyPlaysFiveTimes);
BENCHMARK(BM_OnePlayWithTheBoxScoreAndStatisticsOpen)->Arg(800)->Apply(fiftyPlaysFiveTimes);
BENCHMARK(BM_OnePlayWithTheScoreboardFeed)->Arg(800)->Apply(fiftyPlaysFiveTimes);

int main(int argc, char** argv) { return courtlog::bench::runWindowBenchmarks(argc, argv); }
