#pragma once

#include <QKeyCombination>
#include <vector>

namespace courtlog::gui::app {

class MainWindow;

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
    CmSeasonSite = 142,
    CmSoundEffects = 130,
    CmPromptForShot = 131,
    CmLeagueOptions = 132,
    CmHtmlOptions = 133,
    CmHandheldFolders = 134,
    CmLiveScoreboard = 135,
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

// One line of the main menu: a sub-menu opening or closing, a separator, or
// a command with what it does and the rules that enable and check it. The
// menu bar, the enabling of every item and the routing of every command are
// all read from the one table below.
struct MenuItem {
    enum class Kind { Menu, EndMenu, Separator, Command };
    Kind kind = Kind::Command;
    int command = 0;
    const char* caption = nullptr;     // with its access key; after a tab, the key shown
    const char* objectName = nullptr;  // of a sub-menu
    QKeyCombination shortcut{};
    void (*run)(MainWindow&) = nullptr;
    bool (*enabled)() = nullptr;  // null: always enabled
    bool (*checked)() = nullptr;  // null: no check mark
    int radioGroup = 0;           // items of one nonzero group exclude each other
};

// The whole main menu, top level first, in menu order.
const std::vector<MenuItem>& commandTable();

}  // namespace courtlog::gui::app
