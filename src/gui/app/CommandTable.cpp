#include "gui/app/CommandTable.h"

#include "gui/app/AboutDialog.h"
#include "gui/app/MainWindow.h"
#include "gui/handheld/HandheldFoldersDialog.h"
#include "gui/handheld/PalmCommands.h"
#include "gui/handheld/PocketPcCommands.h"
#include "gui/output/HtmlOptionsDialog.h"
#include "gui/output/LiveScoreboardDialog.h"
#include "gui/output/PrintGameCommand.h"
#include "gui/people/TeamCommands.h"
#include "gui/scoring/GameCommands.h"
#include "gui/scoring/ScheduleCommands.h"
#include "gui/stats/BoxScoreCommand.h"
#include "gui/stats/SeasonSiteCommand.h"
#include "gui/stats/ShotAnalysisCommand.h"
#include "gui/stats/StatisticsCommand.h"
#include "gui/ui/AppState.h"
#include "gui/ui/Help.h"
#include "gui/ui/Printing.h"
#include "gui/ui/ProgramSettings.h"

namespace courtlog::gui::app {

namespace {

using Kind = MenuItem::Kind;

MenuItem menu(const char* caption, const char* objectName) { return {Kind::Menu, 0, caption, objectName}; }
MenuItem endMenu() { return {Kind::EndMenu}; }
MenuItem separator() { return {Kind::Separator}; }
MenuItem command(int id, const char* caption, void (*run)(MainWindow&), bool (*enabled)() = nullptr,
                 bool (*checked)() = nullptr, int radioGroup = 0) {
    MenuItem item{Kind::Command, id, caption};
    item.run = run;
    item.enabled = enabled;
    item.checked = checked;
    item.radioGroup = radioGroup;
    return item;
}

// Commands that would replace or leave the game being scored wait until it
// is stopped; those that work on it need one.
bool noGame() { return !ui::appState().gameInProgress; }
bool inGame() { return ui::appState().gameInProgress; }

// Routes to the subsystems: each command is served by one function there.
template <void (*f)(QWidget*)>
void route(MainWindow& window) {
    f(&window);
}

}  // namespace

const std::vector<MenuItem>& commandTable() {
    static const std::vector<MenuItem> table = [] {
        std::vector<MenuItem> t{
            menu("&File", "fileMenu"),
            menu("&Schedule", "scheduleMenu"),
            command(CmScheduleNew, "&New...", route<scoring::newScheduleCommand>, noGame),
            command(CmScheduleEdit, "&Edit...", route<scoring::editScheduleCommand>, noGame),
            endMenu(),
            menu("&Team", "teamMenu"),
            command(CmTeamNew, "&New...", route<people::newTeamCommand>),
            command(CmTeamEdit, "&Edit...", route<people::editTeamCommand>),
            separator(),
            command(CmTeamImport, "&Import...", route<people::importTeamCommand>),
            endMenu(),
            menu("&Game", "gameMenu"),
            command(CmGameNew, "&New...", route<scoring::newGameCommand>, noGame),
            command(CmGameEdit, "&Edit...", route<scoring::editGameCommand>, noGame),
            separator(),
            command(CmGameSave, "&Save...", route<scoring::saveGameCommand>, inGame),
            command(CmGameSaveAs, "&Save As...", route<scoring::saveGameAsCommand>, inGame),
            command(
                CmAutoSave, "&Auto Save",
                [](MainWindow&) { ui::appState().autoSave = !ui::appState().autoSave; }, inGame,
                [] { return ui::appState().autoSave; }),
            endMenu(),
            separator(),
            menu("&Print", "printMenu"),
            command(CmPrintGame, "&Game...", route<output::printGameCommand>),
            command(CmPrintBlankSheets, "&Blank ScoreSheets ...",
                    [](MainWindow& w) { w.printBlankScoreSheets(); }),
            endMenu(),
            command(CmPrinterSetup, "Printer S&etup...", route<ui::printerSetup>),
            // The text after the tab is what the menu shows as the shortcut;
            // the key itself is Alt+X.
            command(
                CmExit, "E&xit\tAlt X", [](MainWindow& w) { w.close(); }, noGame),
            endMenu(),

            menu("&Roster", "rosterMenu"),
            command(
                CmAddPlayer, "&Add Player...", [](MainWindow& w) { w.addPlayer(); }, inGame),
            command(
                CmModifyPlayer, "&Modify Player...", [](MainWindow& w) { w.modifyPlayer(); }, inGame),
            endMenu(),

            // Each analysis viewer exists at most once.
            menu("&Statistics", "statisticsMenu"),
            command(CmStatistics, "&Player and Team Statistics...", route<stats::statisticsCommand>,
                    [] { return !ui::appState().statsViewerOpen; }),
            command(CmBoxScore, "&Box Score...", route<stats::boxScoreCommand>,
                    [] { return !ui::appState().boxScoreViewerOpen; }),
            command(CmShotAnalysis, "&Shot Analysis...", route<stats::shotAnalysisCommand>,
                    [] { return !ui::appState().shotViewerOpen; }),
            separator(),
            command(CmSeasonSite, "Season &Web Site...", route<stats::seasonSiteCommand>, noGame),
            endMenu(),

            menu("&Options", "optionsMenu"),
            command(
                CmSoundEffects, "&Use Sound Effects", [](MainWindow& w) { w.toggleSoundEffects(); }, nullptr,
                [] { return ui::programSettings().soundOn; }),
            command(
                CmPromptForShot, "&Prompt for Shot Location",
                [](MainWindow&) {
                    ui::programSettings().promptForShot = !ui::programSettings().promptForShot;
                },
                nullptr, [] { return ui::programSettings().promptForShot; }),
            command(
                CmLeagueOptions, "&League Options", [](MainWindow& w) { w.runLeagueOptions(); }, nullptr,
                [] { return ui::appState().lastGameInHalves; }),
            command(CmHtmlOptions, "&HTML Options", route<output::htmlOptionsCommand>),
            command(CmHandheldFolders, "Handheld &Folders...", route<handheld::handheldFoldersCommand>),
            command(CmLiveScoreboard, "Live &Scoreboard...", route<output::liveScoreboardCommand>),
            menu("&Wallpaper", "wallpaperMenu"),
            command(CmWallpaperChange, "&Change ...", [](MainWindow& w) { w.changeWallpaper(); }),
            separator(),
            command(
                CmWallpaperFit, "&Fit to Window", [](MainWindow& w) { w.setWallpaperLayout(0); }, nullptr,
                [] { return ui::programSettings().wallpaperLayout == 0; }, 1),
            command(
                CmWallpaperTile, "&Tile in Window", [](MainWindow& w) { w.setWallpaperLayout(1); }, nullptr,
                [] { return ui::programSettings().wallpaperLayout == 1; }, 1),
            command(
                CmWallpaperCenter, "C&enter in Window", [](MainWindow& w) { w.setWallpaperLayout(2); },
                nullptr, [] { return ui::programSettings().wallpaperLayout == 2; }, 1),
            endMenu(),
            endMenu(),

            menu("&PDA Utilities", "pdaMenu"),
            menu("Palm &Install", "palmInstallMenu"),
            command(CmPalmInstallCompanion, "Courtlog &Companion",
                    route<handheld::palmInstallCompanionCommand>),
            command(CmPalmInstallOther, "&Other ...", route<handheld::palmInstallOtherCommand>),
            endMenu(),
            menu("Palm &Export", "palmExportMenu"),
            command(CmGameToPalm, "&Game to Palm ...", route<handheld::gameToPalmCommand>),
            command(CmTeamToPalm, "&Team to Palm ...", route<handheld::teamToPalmCommand>),
            endMenu(),
            menu("Palm &Import", "palmImportMenu"),
            command(CmGameFromPalm, "&Game from Palm ...", route<handheld::gameFromPalmCommand>, noGame),
            command(CmTeamFromPalm, "&Team from Palm ...", route<handheld::teamFromPalmCommand>),
            endMenu(),
            separator(),
            menu("Pocket PC Export", "pocketPcExportMenu"),
            command(CmGameToPocketPc, "Game to Pocket PC ...", route<handheld::gameToPocketPcCommand>),
            command(CmTeamToPocketPc, "Team to Pocket PC ...", route<handheld::teamToPocketPcCommand>),
            endMenu(),
            menu("Pocket PC Import", "pocketPcImportMenu"),
            command(CmGameFromPocketPc, "Game from Pocket PC...", route<handheld::gameFromPocketPcCommand>,
                    noGame),
            command(CmTeamFromPocketPc, "Team from Pocket PC ...", route<handheld::teamFromPocketPcCommand>),
            endMenu(),
            endMenu(),

            menu("&Help", "helpMenu"),
            command(CmHelpContents, "&Contents", route<ui::openHelpContents>),
            command(CmAbout, "&About...", [](MainWindow& w) { AboutDialog(&w).run(); }),
            endMenu(),
        };
        for (MenuItem& item : t)
            if (item.command == CmExit) item.shortcut = QKeyCombination(Qt::ALT, Qt::Key_X);
        return t;
    }();
    return table;
}

}  // namespace courtlog::gui::app
