#pragma once

#include <QMainWindow>
#include <QRect>

#include "gui/app/MainMenu.h"

namespace courtlog::gui::app {

class WallpaperArea;

// The program's one main window: the menu, the wallpaper behind everything,
// and the routing of every menu command. While a game is in progress the
// team sheets are children of its client area.

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    const MainMenu& mainMenu() const { return menu_; }
    QAction* commandAction(int command) const { return menu_.action(command); }
    // The client area under the menu bar, where the wallpaper is drawn.
    WallpaperArea* clientArea() const { return area_; }

    // Enables and checks every menu item from the program-wide state; runs
    // whenever a menu is about to show and after each command.
    void updateCommandStates();
    // Runs a menu command as if its item had been chosen.
    void runCommand(int command);

    // Loads the wallpaper picture from path (or its bare file name in the
    // current directory); false, with the old picture kept, when neither loads.
    bool loadWallpaper(const QString& path);
    // The start-up load: the settings' picture, else "logo.bmp".
    void loadStartupWallpaper();
    // Applies the settings' wallpaper layout to the client area.
    void applyWallpaperLayout();

    // The rectangle kept for the settings file: the one read at start-up,
    // refreshed from the window at exit unless the window is maximised.
    QRect keptRect() const { return keptRect_; }
    void setKeptRect(const QRect& rect) { keptRect_ = rect; }
    bool isMaximizedForSettings() const { return maximized_; }

    // Commands of the command table that belong to the main window itself.
    void changeWallpaper();
    void setWallpaperLayout(int layout);
    void toggleSoundEffects();
    void runLeagueOptions();
    void printBlankScoreSheets();
    void addPlayer();
    void modifyPlayer();

    // Opens a file handed to the program as its File command would: a game
    // in the game information dialog, a team or a roster in the team editor,
    // a schedule in its editor. Anything else gets a message; the window
    // stays either way.
    void openFile(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Files dropped from a file manager are opened once the drop is over.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void writeSettingsAtExit();

    MainMenu menu_;
    WallpaperArea* area_ = nullptr;
    QRect keptRect_;
    bool maximized_ = false;
    bool settingsWritten_ = false;
};

}  // namespace courtlog::gui::app
