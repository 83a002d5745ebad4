// One play at the game console, as a scorekeeper records it: a click on a
// court button, a choice in the event dialog, the repaint of the console and
// the auto save of the whole game, on a game that already holds 800 plays
// per team. The second case has the box score open beside the console, so
// each play also rebuilds it and repaints its list.
//
//   cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCOURTLOG_BENCH=ON
//   cmake --build build-bench --target gui_console_bench
//   QT_QPA_PLATFORM=offscreen build-bench/gui_console_bench

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "core/records/Codes.h"
#include "core/records/Game.h"
#include "gui/scoring/GameConsoleWindow.h"
#include "gui/scoring/PlayChoiceDialog.h"
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

// 800 plays per team spread over the four quarters: shots, fouls, rebounds.
std::vector<PlayEvent> plays(const Team& t) {
    std::vector<PlayEvent> list;
    for (int i = 0; i < 800; ++i) {
        PlayEvent e;
        e.player = t.players[static_cast<std::size_t>(i % 12)];
        e.period = static_cast<std::int16_t>(i / 200);
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
// beside it when boxScoreOpen.
void recordPlays(benchmark::State& state, const char* choice, bool boxScoreOpen) {
    QTemporaryDir dir;
    Game game;
    game.home = team("Hawks");
    game.visitor = team("Owls");
    game.homeName = "Hawks";
    game.visitorName = "Owls";
    game.homeEvents = plays(game.home);
    game.visitorEvents = plays(game.visitor);
    game.currentPeriod = 3;
    if (!game.save(QDir(dir.path()).filePath(QStringLiteral("bench.gam")).toStdString())) {
        state.SkipWithError("cannot save the game");
        return;
    }
    gui::ui::programSettings().setDefaults();
    gui::ui::programSettings().soundOn = false;
    gui::ui::appState().autoSave = true;

    gui::scoring::GameConsoleWindow court(nullptr, game, gui::ui::programSettings().league);
    court.resize(800, 660);
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

}  // namespace

BENCHMARK(BM_OnePlayAtTheConsole)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(100)->Repetitions(5);
BENCHMARK(BM_OnePlayWithTheBoxScoreOpen)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(100)
    ->Repetitions(5);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
