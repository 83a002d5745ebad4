#include "gui/stats/StatisticsCommand.h"

#include <QString>

#include "core/records/Game.h"
#include "core/stats/Stat.h"
#include "core/stats/StatisticsSets.h"
#include "gui/stats/GameSelectionDialog.h"
#include "gui/stats/StatisticsViewer.h"
#include "gui/ui/AppState.h"
#include "gui/ui/GameConsoleLink.h"
#include "gui/ui/PickTeam.h"
#include "gui/ui/RecordPaths.h"
#include "gui/ui/SaveFailure.h"

namespace courtlog::gui::stats {

namespace {

void statisticsOfGameInProgress(QWidget* owner, Game& game) {
    ui::AppState& state = ui::appState();
    QWidget* console = state.console ? state.console->consoleWidget() : owner;
    // The file named under "Files used in analysis:" holds the game as shown.
    if (!game.fileName.empty()) {
        std::string reason;
        const std::string path = game.fileName;
        if (!game.save(path, &reason)) ui::showSaveFailure(console, QStringLiteral("game"), ui::fromRecordPath(path), reason);
    }
    ui::PickTeam pick(console, game);
    const int answer = pick.run();
    if (answer != ui::PickTeam::HomeTeam && answer != ui::PickTeam::VisitingTeam) return;
    Stat selection;
    selection.addFile(game.fileName);
    selection.setTeamName(answer == ui::PickTeam::HomeTeam ? game.homeName : game.visitorName);
    // Owned by the console: it goes when the game is stopped.
    auto* viewer = new StatisticsViewer(console, courtlog::stats::StatisticsSets(std::move(selection)), &game);
    viewer->showBesideConsole(console);
}

}  // namespace

void statisticsCommand(QWidget* owner) {
    ui::AppState& state = ui::appState();
    if (state.statsViewerOpen) return;  // one statistics viewer at a time
    if (state.gameInProgress && state.currentGame) {
        statisticsOfGameInProgress(owner, *state.currentGame);
        return;
    }
    GameSelectionDialog selection(owner, SelectionPurpose::Statistics);
    if (selection.run() != 1) return;
    Stat stat;
    for (const std::string& file : selection.choice().files) stat.addFile(file);
    stat.setTeamName(selection.choice().teamName);
    stat.setAllTeams(selection.choice().allTeams);
    StatisticsViewer viewer(owner, courtlog::stats::StatisticsSets(std::move(stat)));
    viewer.run();
}

}  // namespace courtlog::gui::stats
