#pragma once

#include <QString>
#include <map>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QObject;

namespace courtlog::app {

// Command numbers of the main menu. They name the commands in code and in
// the actions' object names ("command150" ...).
enum Command : int {
    CmScheduleNew = 150,
    CmScheduleEdit = 151,
    CmTeamNew = 101,
    CmTeamEdit = 102,
    CmTeamImport = 105,
    CmGameNew = 103,
    CmGameEdit = 104,
    CmGameSave = 106,
    CmGameSaveAs = 109,
    CmAutoSave = 122,
    CmPrintGame = 108,
    CmPrintBlankSheets = 118,
    CmPrinterSetup = 110,
    CmExit = 24310,
    CmAddPlayer = 120,
    CmModifyPlayer = 121,
    CmStatistics = 140,
    CmBoxScore = 11848,
    CmShotAnalysis = 141,
    CmSoundEffects = 130,
    CmPromptForShot = 131,
    CmLeagueOptions = 132,
    CmHtmlOptions = 133,
    CmWallpaperChange = 117,
    CmWallpaperFit = 114,
    CmWallpaperTile = 115,
    CmWallpaperCenter = 116,
    CmPalmInstallCompanion = 11842,
    CmPalmInstallOther = 11843,
    CmGameToPalm = 11844,
    CmTeamToPalm = 11845,
    CmGameFromPalm = 11847,
    CmTeamFromPalm = 11846,
    CmGameToPocketPc = 11849,
    CmTeamToPocketPc = 11850,
    CmGameFromPocketPc = 11851,
    CmTeamFromPocketPc = 11852,
    CmHelpContents = 111,
    CmAbout = 112,
};

// The main menu: its menus and actions, and the rules that enable and check
// the actions. The rules read the program-wide state and the settings, so
// they are evaluated again whenever a menu is about to show.
class MainMenu {
public:
    // Fills bar with the whole menu. Actions and menus are children of bar.
    explicit MainMenu(QMenuBar* bar);

    QAction* action(int command) const;
    // Every menu and sub-menu, top level first.
    const std::vector<QMenu*>& menus() const { return menus_; }
    // The command numbers in menu order.
    const std::vector<int>& commands() const { return order_; }

    // Enables and checks every action from the program-wide state and the
    // settings.
    void update() const;

private:
    QMenu* addMenu(QMenu* parent, const QString& caption, const QString& objectName);
    QAction* addCommand(QMenu* menu, int command, const QString& caption, bool checkable = false);

    QMenuBar* bar_;
    std::map<int, QAction*> actions_;
    std::vector<QMenu*> menus_;
    std::vector<int> order_;
};

}  // namespace courtlog::app
