// One play at the game console, as a scorekeeper records it: a click on a
// court button, a choice in the event dialog, the repaint of the console and
// of both team sheets, and the auto save of the whole game. The console is
// opened the way the program opens it: over a main window whose client area
// the two team sheets cover. Games of 100, 800 and 30,000 plays per team.
// The second case also has the box score open beside the console, so each
// play rebuilds it and repaints its list. The third has the live scoreboard
// feed on, written beside the game: against the first, what the feed adds.
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

#include "core/records/Codes.h"
#include "core/records/Game.h"
#include "gui/scoring/GameConsoleWindow.h"
#include "gui/scoring/PlayChoiceDialog.h"
#include "gui/scoring/TeamSheetPair.h"
#include "gui/scoring/TeamWindow.h"
#include "gui/stats/BoxScoreDialog.h"
#include "gui/ui/AppState.h"
#include "gui/ui/ProgramSettings.h"

using namespace courtlog;

namespace {

Team team(const std::string& name) {
    Team t;
    t.name = name;
    t.noPersonalInfo = true;
    for (int i = 0; i < 12; ++i) {
        Player p;
        p.name = name + " Player " + std::to_string(i + 1);
        p.number = static_cast<std::int16_t>(i + 3);
        p.position = static_cast<std::int16_t>(1 + i % 3);
        p.courtSlot = static_cast<std::int16_t>(i < 5 ? i + 1 : 0);
        t.addPlayer(p, PersonalInfo::blank());
    }
    return t;
}

// count plays per team spread over the four quarters: shots, fouls, rebounds.
std::vector<PlayEvent> plays(const Team& t, int count) {
    std::vector<PlayEvent> list;
    for (int i = 0; i < count; ++i) {
        PlayEvent e;
        e.player = t.players[static_cast<std::size_t>(i % 12)];
        e.period = static_cast<std::int16_t>(i * 4 / count);
        switch (i % 4) {
            case 0: e.kind = Shot; e.shotResult = TwoPointMade; e.shotX = 57; e.shotY = 47; break;
            case 1: e.kind = Shot; e.shotResult = ThreePointMissed; e.shotX = 57; e.shotY = 77; break;
            case 2: e.kind = Rebound; e.reboundKind = DefensiveRebound; break;
            default: e.kind = Foul; e.foulKind = DefensiveFoul; break;
        }
        list.push_back(e);
    }
    return list;
}

// Records one play per iteration at a console on a game of 800 plays per
// team, answering the event dialog with choice; with the box score open
// beside it when boxScoreOpen, and the scoreboard feed written when
// scoreboardFeedOn.
void recordPlays(benchmark::State& state, const char* choice, bool boxScoreOpen, bool scoreboardFeedOn = false) {
    QTemporaryDir dir;
    Game game;
    game.home = team("Hawks");
    game.visitor = team("Owls");
    game.homeName = "Hawks";
    game.visitorName = "Owls";
    const int count = static_cast<int>(state.range(0));
    game.homeEvents = plays(game.home, count);
    game.visitorEvents = plays(game.visitor, count);
    game.currentPeriod = 3;
    if (!game.save(QDir(dir.path()).filePath(QStringLiteral("bench.gam")).toStdString())) {
        state.SkipWithError("cannot save the game");
        return;
    }
    gui::ui::programSettings().setDefaults();
    gui::ui::programSettings().soundOn = false;
    gui::ui::programSettings().scoreboardFeedOn = scoreboardFeedOn;
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
    gui::stats::BoxScoreDialog* boxScore = nullptr;
    if (boxScoreOpen) {
        boxScore = new gui::stats::BoxScoreDialog(&court, game);
        boxScore->showBesideConsole(&court);
    }
    QApplication::processEvents();
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
        court.repaint();
        sheets.homeSheet()->viewport()->repaint();
        sheets.visitorSheet()->viewport()->repaint();
        // The box score draws the rows that changed, as the program does
        // when it next turns to its events.
        if (boxScore) QApplication::processEvents();
    }
    state.counters["plays"] = static_cast<double>(game.homeEvents.size());
}

void BM_OnePlayAtTheConsole(benchmark::State& state) { recordPlays(state, "otherJumpBallButton", false); }

// A blocked shot changes the player's row and the totals row every time.
void BM_OnePlayWithTheBoxScoreOpen(benchmark::State& state) {
    recordPlays(state, "otherBlockedShotButton", true);
}

void BM_OnePlayWithTheScoreboardFeed(benchmark::State& state) {
    recordPlays(state, "otherJumpBallButton", false, true);
}

}  // namespace

BENCHMARK(BM_OnePlayAtTheConsole)
    ->Arg(100)
    ->Arg(800)
    ->Arg(30000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(50)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_OnePlayWithTheBoxScoreOpen)
    ->Arg(100)
    ->Arg(800)
    ->Arg(30000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(50)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

BENCHMARK(BM_OnePlayWithTheScoreboardFeed)
    ->Arg(800)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(50)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
