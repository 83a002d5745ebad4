#include "gui/app/MainMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "gui/ui/AppState.h"
#include "gui/ui/ProgramSettings.h"

namespace courtlog::app {

MainMenu::MainMenu(QMenuBar* bar) : bar_(bar) {
    QMenu* file = addMenu(nullptr, QStringLiteral("&File"), QStringLiteral("fileMenu"));
    QMenu* schedule = addMenu(file, QStringLiteral("&Schedule"), QStringLiteral("scheduleMenu"));
    addCommand(schedule, CmScheduleNew, QStringLiteral("&New..."));
    addCommand(schedule, CmScheduleEdit, QStringLiteral("&Edit..."));
    QMenu* team = addMenu(file, QStringLiteral("&Team"), QStringLiteral("teamMenu"));
    addCommand(team, CmTeamNew, QStringLiteral("&New..."));
    addCommand(team, CmTeamEdit, QStringLiteral("&Edit..."));
    team->addSeparator();
    addCommand(team, CmTeamImport, QStringLiteral("&Import..."));
    QMenu* game = addMenu(file, QStringLiteral("&Game"), QStringLiteral("gameMenu"));
    addCommand(game, CmGameNew, QStringLiteral("&New..."));
    addCommand(game, CmGameEdit, QStringLiteral("&Edit..."));
    game->addSeparator();
    addCommand(game, CmGameSave, QStringLiteral("&Save..."));
    addCommand(game, CmGameSaveAs, QStringLiteral("&Save As..."));
    addCommand(game, CmAutoSave, QStringLiteral("&Auto Save"), true);
    file->addSeparator();
    QMenu* print = addMenu(file, QStringLiteral("&Print"), QStringLiteral("printMenu"));
    addCommand(print, CmPrintGame, QStringLiteral("&Game..."));
    addCommand(print, CmPrintBlankSheets, QStringLiteral("&Blank ScoreSheets ..."));
    addCommand(file, CmPrinterSetup, QStringLiteral("Printer S&etup..."));
    // The text after the tab is what the menu shows as the shortcut; the key
    // itself is Alt+X.
    QAction* exit = addCommand(file, CmExit, QStringLiteral("E&xit\tAlt X"));
    exit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));

    QMenu* roster = addMenu(nullptr, QStringLiteral("&Roster"), QStringLiteral("rosterMenu"));
    addCommand(roster, CmAddPlayer, QStringLiteral("&Add Player..."));
    addCommand(roster, CmModifyPlayer, QStringLiteral("&Modify Player..."));

    QMenu* statistics = addMenu(nullptr, QStringLiteral("&Statistics"), QStringLiteral("statisticsMenu"));
    addCommand(statistics, CmStatistics, QStringLiteral("&Player and Team Statistics..."));
    addCommand(statistics, CmBoxScore, QStringLiteral("&Box Score..."));
    addCommand(statistics, CmShotAnalysis, QStringLiteral("&Shot Analysis..."));

    QMenu* options = addMenu(nullptr, QStringLiteral("&Options"), QStringLiteral("optionsMenu"));
    addCommand(options, CmSoundEffects, QStringLiteral("&Use Sound Effects"), true);
    addCommand(options, CmPromptForShot, QStringLiteral("&Prompt for Shot Location"), true);
    addCommand(options, CmLeagueOptions, QStringLiteral("&League Options"), true);
    addCommand(options, CmHtmlOptions, QStringLiteral("&HTML Options"));
    QMenu* wallpaper = addMenu(options, QStringLiteral("&Wallpaper"), QStringLiteral("wallpaperMenu"));
    addCommand(wallpaper, CmWallpaperChange, QStringLiteral("&Change ..."));
    wallpaper->addSeparator();
    auto* layouts = new QActionGroup(wallpaper);
    layouts->setExclusive(true);
    layouts->addAction(addCommand(wallpaper, CmWallpaperFit, QStringLiteral("&Fit to Window"), true));
    layouts->addAction(addCommand(wallpaper, CmWallpaperTile, QStringLiteral("&Tile in Window"), true));
    layouts->addAction(addCommand(wallpaper, CmWallpaperCenter, QStringLiteral("C&enter in Window"), true));

    QMenu* pda = addMenu(nullptr, QStringLiteral("&PDA Utilities"), QStringLiteral("pdaMenu"));
    QMenu* palmInstall = addMenu(pda, QStringLiteral("Palm &Install"), QStringLiteral("palmInstallMenu"));
    addCommand(palmInstall, CmPalmInstallCompanion, QStringLiteral("Courtlog &Companion"));
    addCommand(palmInstall, CmPalmInstallOther, QStringLiteral("&Other ..."));
    QMenu* palmExport = addMenu(pda, QStringLiteral("Palm &Export"), QStringLiteral("palmExportMenu"));
    addCommand(palmExport, CmGameToPalm, QStringLiteral("&Game to Palm ..."));
    addCommand(palmExport, CmTeamToPalm, QStringLiteral("&Team to Palm ..."));
    QMenu* palmImport = addMenu(pda, QStringLiteral("Palm &Import"), QStringLiteral("palmImportMenu"));
    addCommand(palmImport, CmGameFromPalm, QStringLiteral("&Game from Palm ..."));
    addCommand(palmImport, CmTeamFromPalm, QStringLiteral("&Team from Palm ..."));
    pda->addSeparator();
    QMenu* pocketExport =
        addMenu(pda, QStringLiteral("Pocket PC Export"), QStringLiteral("pocketPcExportMenu"));
    addCommand(pocketExport, CmGameToPocketPc, QStringLiteral("Game to Pocket PC ..."));
    addCommand(pocketExport, CmTeamToPocketPc, QStringLiteral("Team to Pocket PC ..."));
    QMenu* pocketImport =
        addMenu(pda, QStringLiteral("Pocket PC Import"), QStringLiteral("pocketPcImportMenu"));
    addCommand(pocketImport, CmGameFromPocketPc, QStringLiteral("Game from Pocket PC..."));
    addCommand(pocketImport, CmTeamFromPocketPc, QStringLiteral("Team from Pocket PC ..."));

    QMenu* help = addMenu(nullptr, QStringLiteral("&Help"), QStringLiteral("helpMenu"));
    addCommand(help, CmHelpContents, QStringLiteral("&Contents"));
    addCommand(help, CmAbout, QStringLiteral("&About..."));

    // Add Player and Modify Player start greyed; the first evaluation keeps
    // them so until a game is in progress.
    action(CmAddPlayer)->setEnabled(false);
    action(CmModifyPlayer)->setEnabled(false);

    for (QMenu* menu : menus_) QObject::connect(menu, &QMenu::aboutToShow, bar_, [this] { update(); });
}

QMenu* MainMenu::addMenu(QMenu* parent, const QString& caption, const QString& objectName) {
    QMenu* menu = parent ? parent->addMenu(caption) : bar_->addMenu(caption);
    menu->setObjectName(objectName);
    menus_.push_back(menu);
    return menu;
}

QAction* MainMenu::addCommand(QMenu* menu, int command, const QString& caption, bool checkable) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QStringLiteral("command%1").arg(command));
    action->setCheckable(checkable);
    actions_[command] = action;
    order_.push_back(command);
    return action;
}

QAction* MainMenu::action(int command) const {
    auto found = actions_.find(command);
    return found == actions_.end() ? nullptr : found->second;
}

void MainMenu::update() const {
    const ui::AppState& state = ui::appState();
    const Settings& settings = ui::programSettings();
    const bool game = state.gameInProgress;

    // Commands that would replace or leave the game being scored wait until
    // it is stopped; those that work on it need one.
    for (int command :
         {CmScheduleNew, CmScheduleEdit, CmGameNew, CmGameEdit, CmExit, CmGameFromPalm, CmGameFromPocketPc})
        action(command)->setEnabled(!game);
    for (int command : {CmGameSave, CmGameSaveAs, CmAutoSave, CmAddPlayer, CmModifyPlayer})
        action(command)->setEnabled(game);
    // Each analysis viewer exists at most once.
    action(CmStatistics)->setEnabled(!state.statsViewerOpen);
    action(CmBoxScore)->setEnabled(!state.boxScoreViewerOpen);
    action(CmShotAnalysis)->setEnabled(!state.shotViewerOpen);

    action(CmAutoSave)->setChecked(state.autoSave);
    action(CmSoundEffects)->setChecked(settings.soundOn);
    action(CmPromptForShot)->setChecked(settings.promptForShot);
    action(CmLeagueOptions)->setChecked(state.lastGameInHalves);
    action(CmWallpaperFit)->setChecked(settings.wallpaperLayout == 0);
    action(CmWallpaperTile)->setChecked(settings.wallpaperLayout == 1);
    action(CmWallpaperCenter)->setChecked(settings.wallpaperLayout == 2);
}

}  // namespace courtlog::app
