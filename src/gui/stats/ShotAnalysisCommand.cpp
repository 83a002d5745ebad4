#include "gui/stats/ShotAnalysisCommand.h"

#include "core/records/Game.h"
#include "core/stats/ShotAnalysis.h"
#include "gui/stats/GameSelectionDialog.h"
#include "gui/stats/ShotChartDialog.h"
#include "gui/ui/AppState.h"
#include "gui/ui/GameConsoleLink.h"
#include "gui/ui/PickTeam.h"

namespace courtlog::gui::stats {

void shotAnalysisCommand(QWidget* owner) {
    ui::AppState& state = ui::appState();
    if (state.shotViewerOpen) return;  // one shot chart at a time
    courtlog::stats::ShotAnalysis analysis;
    if (state.gameInProgress && state.currentGame) {
        Game& game = *state.currentGame;
        QWidget* console = state.console ? state.console->consoleWidget() : owner;
        ui::PickTeam pick(console, game);
        const int answer = pick.run();
        if (answer != ui::PickTeam::HomeTeam && answer != ui::PickTeam::VisitingTeam) return;
        // The game in progress stands for the one (nameless) file.
        analysis.addFile("");
        analysis.setTeamName(answer == ui::PickTeam::HomeTeam ? game.homeName : game.visitorName);
        analysis.readGameInProgress(&game);
        // Owned by the console: it goes when the game is stopped.
        auto* chart = new ShotChartDialog(console, std::move(analysis));
        chart->showBesideConsole(console);
        return;
    }
    GameSelectionDialog selection(owner, SelectionPurpose::ShotAnalysis);
    if (selection.run() != 1) return;
    for (const std::string& file : selection.choice().files) analysis.addFile(file);
    analysis.setTeamName(selection.choice().teamName);
    analysis.setAllTeams(selection.choice().allTeams);
    ShotChartDialog chart(owner, std::move(analysis));
    chart.run();
}

}  // namespace courtlog::gui::stats
