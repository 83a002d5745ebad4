#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <memory>

#include "GuiTestSupport.h"
#include "gui/ui/AppState.h"
#include "gui/scoring/GameCommands.h"
#include "gui/ui/GameConsoleLink.h"
#include "gui/app/MainMenu.h"
#include "gui/app/Application.h"
#include "gui/app/MainWindow.h"
#include "gui/app/WallpaperArea.h"
#include "gui/handheld/HandheldFoldersDialog.h"
#include "GuiTestSupport.h"
#include "core/records/Game.h"
#include "core/records/Schedule.h"
#include "gui/ui/FileDialogs.h"
#include "gui/ui/Help.h"
#include "gui/ui/MessageBox.h"
#include "gui/ui/ProgramResources.h"
#include "gui/ui/Printing.h"
#include "gui/ui/ProgramSettings.h"
#include "gui/ui/Sound.h"
#include "GuiTestSupport.h"

using namespace courtlog;
using namespace courtlog::gui::app;
using namespace courtlog::gui::ui;

namespace {

const QRect kDesktop(0, 0, 1280, 1024);

using courtlog::testsupport::whenConsoleOpen;

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(startDir.isValid());
        ASSERT_TRUE(otherDir.isValid());
        previousDir = QDir::currentPath();
        gui::ui::testing::clearShownMessages();
        gui::ui::testing::clearPlayedSounds();
    }
    void TearDown() override {
        if (window) window->close();
        window.reset();
        QDir::setCurrent(previousDir);
        // Other tests expect the program's defaults.
        gui::ui::programSettings().setDefaults();
        appState() = AppState{};
    }

    // Where the program keeps its settings when the start folder has none:
    // the test's own configuration folder.
    QString settingsPath() const {
        return QString::fromStdString(courtlog::testing::scratchSettingsFolder() + "/crtlog.ini");
    }

    void writeSettingsFile(const WindowRect& rect) {
        QDir().mkpath(QFileInfo(settingsPath()).path());
        Settings settings;
        settings.setDefaults();
        settings.windowRect = rect;
        ASSERT_TRUE(settings.writeSettings(QFile::encodeName(settingsPath()).toStdString()));
    }

    Settings readWrittenSettings() {
        Settings settings;
        settings.setDefaults();
        settings.windowRect = {-1, -1, -1, -1};
        EXPECT_TRUE(settings.readSettings(QFile::encodeName(settingsPath()).toStdString()));
        return settings;
    }

    void start() {
        window = Application::initMainWindow({startDir.path(), kDesktop});
        ASSERT_TRUE(window);
    }

    QMenu* menu(const char* name) const {
        return window->menuBar()->findChild<QMenu*>(QString::fromLatin1(name));
    }

    // Opens a menu as the user does, which evaluates the enabling rules.
    void openAndCloseMenu(const char* name) {
        QMenu* m = menu(name);
        ASSERT_NE(m, nullptr);
        m->popup(QPoint(10, 10));
        QCoreApplication::processEvents();
        m->hide();
    }

    bool enabled(int command) const { return window->commandAction(command)->isEnabled(); }
    bool checked(int command) const { return window->commandAction(command)->isChecked(); }

    QTemporaryDir startDir;
    QTemporaryDir otherDir;
    QString previousDir;
    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, StartupSoundIsHeardOnceTheWindowIsDrawn) {
    start();
    const auto& started = gui::ui::testing::startedSounds();
    EXPECT_EQ(std::count(started.begin(), started.end(), int(gui::ui::SoundStartup)), 0);
    window->show();
    ASSERT_TRUE(testsupport::processUntil(
        [&] { return std::count(started.begin(), started.end(), int(gui::ui::SoundStartup)) == 1; }));
}

TEST_F(MainWindowTest, FirstStartWithoutSettingsFile) {
    ASSERT_FALSE(QFile::exists(settingsPath()));
    start();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Basketball Courtlog"));
    // 640 x 480 centred on a 1280 x 1024 desktop.
    EXPECT_EQ(window->geometry(), QRect(320, 272, 640, 480));
    EXPECT_TRUE(checked(CmSoundEffects));
    EXPECT_TRUE(checked(CmPromptForShot));
    EXPECT_TRUE(checked(CmWallpaperFit));
    EXPECT_FALSE(checked(CmWallpaperTile));
    EXPECT_FALSE(checked(CmWallpaperCenter));
    EXPECT_TRUE(checked(CmAutoSave));
    EXPECT_FALSE(checked(CmLeagueOptions));
    ASSERT_FALSE(gui::ui::testing::playedSounds().empty());
    EXPECT_EQ(gui::ui::testing::playedSounds().front(), gui::ui::SoundStartup);
    EXPECT_EQ(QDir(appState().startDirectory), QDir(startDir.path()));

    // Closing writes the file with the centred rectangle.
    window->show();
    window->close();
    const Settings written = readWrittenSettings();
    EXPECT_EQ(written.windowRect, (WindowRect{320, 272, 960, 752}));
}

TEST_F(MainWindowTest, MenuCaptionsShortcutsAndSeparators) {
    start();
    QList<QString> topLevel;
    for (QAction* action : window->menuBar()->actions()) topLevel << action->text();
    EXPECT_EQ(topLevel,
              (QList<QString>{"&File", "&Roster", "&Statistics", "&Options", "&PDA Utilities", "&Help"}));

    QAction* exit = window->commandAction(CmExit);
    EXPECT_EQ(exit->text(), QStringLiteral("E&xit\tAlt X"));
    EXPECT_EQ(exit->shortcut(), QKeySequence(Qt::ALT | Qt::Key_X));
    EXPECT_EQ(window->commandAction(CmWallpaperCenter)->text(), QStringLiteral("C&enter in Window"));
    EXPECT_EQ(window->commandAction(CmTeamFromPocketPc)->text(), QStringLiteral("Team from Pocket PC ..."));
    EXPECT_EQ(window->commandAction(CmPrintBlankSheets)->text(), QStringLiteral("&Blank ScoreSheets ..."));

    // Separator positions: after Edit in Team and Game, before Print, after
    // Change in Wallpaper, between Palm and Pocket PC.
    auto shape = [](QMenu* m) {
        QString s;
        for (QAction* a : m->actions()) s += a->isSeparator() ? QStringLiteral("|") : QStringLiteral("x");
        return s;
    };
    EXPECT_EQ(shape(menu("teamMenu")), QStringLiteral("xx|x"));
    EXPECT_EQ(shape(menu("gameMenu")), QStringLiteral("xx|xxx"));
    EXPECT_EQ(shape(menu("fileMenu")), QStringLiteral("xxx|xxx"));
    EXPECT_EQ(shape(menu("wallpaperMenu")), QStringLiteral("x|xxx"));
    EXPECT_EQ(shape(menu("pdaMenu")), QStringLiteral("xxx|xx"));
    EXPECT_EQ(shape(menu("statisticsMenu")), QStringLiteral("xxx|x"));
    EXPECT_EQ(window->commandAction(CmSeasonSite)->text(), QStringLiteral("Season &Web Site..."));
    EXPECT_EQ(window->mainMenu().commands().size(), 42u);
}

TEST_F(MainWindowTest, MenuEnablingWithAndWithoutAGame) {
    start();
    window->show();
    const std::vector<int> needNoGame{CmExit,         CmGameNew,      CmGameEdit,         CmScheduleNew,
                                      CmScheduleEdit, CmGameFromPalm, CmGameFromPocketPc, CmSeasonSite};
    const std::vector<int> needGame{CmGameSave, CmGameSaveAs, CmAutoSave, CmAddPlayer, CmModifyPlayer};

    openAndCloseMenu("fileMenu");
    for (int command : needNoGame) EXPECT_TRUE(enabled(command)) << command;
    for (int command : needGame) EXPECT_FALSE(enabled(command)) << command;

    // A game runs in the console; while it is open the menu follows.
    Game game;
    game.homeName = "Hawks";
    game.visitorName = "Owls";
    game.halves = 1;
    bool sawConsole = false;
    whenConsoleOpen([&] {
        QWidget* console = appState().console->consoleWidget();
        ASSERT_NE(console, nullptr);
        EXPECT_TRUE(console->isVisible());
        sawConsole = true;
        EXPECT_EQ(console->windowTitle(), QStringLiteral("Brenvik Basketball Courtlog"));
        EXPECT_TRUE(appState().gameInProgress);
        EXPECT_EQ(appState().currentGame, &game);
        openAndCloseMenu("rosterMenu");
        for (int command : needNoGame) EXPECT_FALSE(enabled(command)) << command;
        for (int command : needGame) EXPECT_TRUE(enabled(command)) << command;
        // Started from a file in halves: League Options carries the mark.
        EXPECT_TRUE(checked(CmLeagueOptions));
        // Exit by its key does nothing while the game is scored, and the
        // close box explains why the window stays.
        window->runCommand(CmExit);
        EXPECT_TRUE(window->isVisible());
        gui::ui::testing::clearShownMessages();
        window->close();
        EXPECT_TRUE(window->isVisible());
        ASSERT_EQ(gui::ui::testing::shownMessages().size(), 1u);
        EXPECT_EQ(gui::ui::testing::shownMessages()[0].text,
                  QStringLiteral("Stop the game in the game console before leaving the program."));
        // The game has no file: stop without saving.
        gui::ui::testing::queueMessageAnswer(gui::ui::ResultNo);
        QTest::mouseClick(console->findChild<QPushButton*>(QStringLiteral("stopGameButton")), Qt::LeftButton);
    });
    gui::scoring::startGameConsole(window.get(), game, true);
    EXPECT_TRUE(sawConsole);
    EXPECT_FALSE(appState().gameInProgress);
    EXPECT_EQ(appState().console, nullptr);
    openAndCloseMenu("optionsMenu");
    EXPECT_TRUE(enabled(CmExit));
    EXPECT_FALSE(enabled(CmAddPlayer));
    EXPECT_TRUE(checked(CmLeagueOptions));  // the mark stays until the next game

    // The viewer flags grey their own command only.
    appState().statsViewerOpen = true;
    openAndCloseMenu("statisticsMenu");
    EXPECT_FALSE(enabled(CmStatistics));
    EXPECT_TRUE(enabled(CmBoxScore));
    EXPECT_TRUE(enabled(CmShotAnalysis));
    appState().statsViewerOpen = false;
    openAndCloseMenu("statisticsMenu");
    EXPECT_TRUE(enabled(CmStatistics));
}

TEST_F(MainWindowTest, NewGameLeavesTheHalvesMarkAlone) {
    start();
    appState().lastGameInHalves = true;
    Game game;
    game.halves = 0;
    whenConsoleOpen([] {
        QWidget* console = appState().console->consoleWidget();
        ASSERT_NE(console, nullptr);
        gui::ui::testing::queueMessageAnswer(gui::ui::ResultNo);
        QTest::mouseClick(console->findChild<QPushButton*>(QStringLiteral("stopGameButton")), Qt::LeftButton);
    });
    gui::scoring::startGameConsole(window.get(), game, false);
    EXPECT_TRUE(appState().lastGameInHalves);
}

TEST_F(MainWindowTest, EscapeCancelsAndTheCloseBoxAsksToSaveTheGame) {
    start();
    Game game;
    game.homeName = "Hawks";
    game.visitorName = "Owls";
    const QString path = QDir(otherDir.path()).filePath(QStringLiteral("escape.gam"));
    game.fileName = QFile::encodeName(path).toStdString();
    game.homeName = "Renamed Hawks";  // a change made while the game runs
    bool stayedOnEscape = false;
    whenConsoleOpen([&stayedOnEscape] {
        QWidget* console = appState().console->consoleWidget();
        ASSERT_NE(console, nullptr);
        // Escape cancels the pending action and leaves the console open.
        QTest::keyClick(console, Qt::Key_Escape);
        stayedOnEscape = console->isVisible();
        gui::ui::testing::clearShownMessages();
        gui::ui::testing::queueMessageAnswer(gui::ui::ResultYes);
        console->close();
    });
    gui::scoring::startGameConsole(window.get(), game, false);
    EXPECT_TRUE(stayedOnEscape);
    EXPECT_FALSE(appState().gameInProgress);
    ASSERT_EQ(gui::ui::testing::shownMessages().size(), 1u);
    EXPECT_EQ(gui::ui::testing::shownMessages()[0].text, QStringLiteral("Save changes to game ?"));
    EXPECT_EQ(gui::ui::testing::shownMessages()[0].caption, QStringLiteral("Save Game ?"));
    EXPECT_EQ(gui::ui::testing::shownMessages()[0].buttons, gui::ui::MessageButtons::YesNo);
    Game saved;
    ASSERT_TRUE(saved.load(game.fileName));
    EXPECT_EQ(saved.homeName, "Renamed Hawks");
}

TEST_F(MainWindowTest, CheckMarksFollowTheToggles) {
    start();
    gui::ui::testing::clearPlayedSounds();

    window->commandAction(CmSoundEffects)->trigger();
    EXPECT_FALSE(gui::ui::programSettings().soundOn);
    EXPECT_FALSE(checked(CmSoundEffects));
    window->commandAction(CmPromptForShot)->trigger();
    EXPECT_FALSE(gui::ui::programSettings().promptForShot);
    EXPECT_FALSE(checked(CmPromptForShot));
    // Nothing sounds while sound effects are off, not even switching off.
    EXPECT_TRUE(gui::ui::testing::playedSounds().empty());
    window->commandAction(CmSoundEffects)->trigger();
    EXPECT_TRUE(checked(CmSoundEffects));
    EXPECT_EQ(gui::ui::testing::playedSounds(), std::vector<int>{gui::ui::SoundClick});

    window->commandAction(CmWallpaperTile)->trigger();
    EXPECT_EQ(gui::ui::programSettings().wallpaperLayout, 1);
    EXPECT_TRUE(checked(CmWallpaperTile));
    EXPECT_FALSE(checked(CmWallpaperFit));
    window->commandAction(CmWallpaperCenter)->trigger();
    EXPECT_EQ(gui::ui::programSettings().wallpaperLayout, 2);
    EXPECT_TRUE(checked(CmWallpaperCenter));
    EXPECT_FALSE(checked(CmWallpaperTile));

    // Auto Save is a program state, toggled while a game runs.
    appState().gameInProgress = true;
    window->updateCommandStates();
    window->commandAction(CmAutoSave)->trigger();
    EXPECT_FALSE(appState().autoSave);
    EXPECT_FALSE(checked(CmAutoSave));
    appState().gameInProgress = false;

    // Choosing League Options does not tick it by itself.
    QTimer::singleShot(0, [] {
        if (QWidget* dialog = QApplication::activeModalWidget())
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cancelButton")),
                              Qt::LeftButton);
    });
    window->commandAction(CmLeagueOptions)->trigger();
    EXPECT_FALSE(checked(CmLeagueOptions));

    // The toggles reach the settings file at exit.
    window->close();
    const Settings written = readWrittenSettings();
    EXPECT_TRUE(written.soundOn);
    EXPECT_FALSE(written.promptForShot);
    EXPECT_EQ(written.wallpaperLayout, 2);
}

// A setting changed by a command is in the settings file at once, not only
// at exit: a toggle of the Options menu and the League Options dialog.
TEST_F(MainWindowTest, ChangedSettingsAreWrittenWhenTheyChange) {
    start();
    window->runCommand(CmPromptForShot);
    EXPECT_FALSE(readWrittenSettings().promptForShot);

    testsupport::whenModal<QDialog>([](QDialog* dialog) {
        testsupport::click(dialog, "halvesRadio");
        testsupport::click(dialog, "okButton");
    });
    window->runCommand(CmLeagueOptions);
    const Settings written = readWrittenSettings();
    EXPECT_TRUE(written.league.halves);
    EXPECT_FALSE(written.promptForShot);
}

TEST_F(MainWindowTest, SettingsRectangleInsideTheDesktopIsUsed) {
    writeSettingsFile({100, 50, 900, 650});
    start();
    EXPECT_EQ(window->geometry(), QRect(100, 50, 800, 600));
}

TEST_F(MainWindowTest, RectangleOnePixelOffTheDesktopGetsDefaultPlacement) {
    writeSettingsFile({641, 100, 1281, 580});
    start();
    window->show();
    QCoreApplication::processEvents();
    const QRect actual = window->geometry();
    EXPECT_NE(actual, QRect(641, 100, 640, 480));
    // The window system places a window of the default size, wholly on the
    // desktop.
    EXPECT_EQ(actual.size(), QSize(640, 480));
    EXPECT_TRUE(kDesktop.contains(actual)) << actual.x() << "," << actual.y();
    window->close();
    // At exit the window's actual rectangle is written.
    const Settings written = readWrittenSettings();
    EXPECT_EQ(written.windowRect, (WindowRect{actual.left(), actual.top(), actual.left() + actual.width(),
                                              actual.top() + actual.height()}));
}

TEST_F(MainWindowTest, MaximisedAtExitWritesTheNormalRectangle) {
    writeSettingsFile({100, 100, 740, 580});
    start();
    window->show();
    window->showMaximized();
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->isMaximizedForSettings());
    EXPECT_NE(window->geometry(), QRect(100, 100, 640, 480));
    window->close();
    EXPECT_EQ(readWrittenSettings().windowRect, (WindowRect{100, 100, 740, 580}));
}

TEST_F(MainWindowTest, MaximisedThenRestoredWritesTheRestoredRectangle) {
    writeSettingsFile({100, 100, 740, 580});
    start();
    window->show();
    window->showMaximized();
    QCoreApplication::processEvents();
    window->showNormal();
    QCoreApplication::processEvents();
    EXPECT_FALSE(window->isMaximizedForSettings());
    window->setGeometry(QRect(200, 150, 700, 500));
    QCoreApplication::processEvents();
    window->close();
    EXPECT_EQ(readWrittenSettings().windowRect, (WindowRect{200, 150, 900, 650}));
}

TEST_F(MainWindowTest, SettingsAreWrittenWhereTheUserKeepsThemWhateverFolderIsCurrent) {
    start();
    window->show();
    // A file dialog left another folder current.
    ASSERT_TRUE(QDir::setCurrent(otherDir.path()));
    window->runCommand(CmExit);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(QFile::exists(settingsPath()));
    EXPECT_TRUE(QDir(otherDir.path()).isEmpty());
    EXPECT_TRUE(QDir(startDir.path()).isEmpty());
}

TEST_F(MainWindowTest, HandheldFoldersOpenFromOptionsWithTheDevicesKeptBesideTheSettings) {
    courtlog::handheld::HandheldFolders kept;
    kept.partners = {{"Office", startDir.path().toStdString()}};
    QDir().mkpath(QFileInfo(settingsPath()).path());
    ASSERT_TRUE(kept.write(
        QFileInfo(settingsPath()).dir().filePath(QStringLiteral("crtlog-handheld.ini")).toStdString()));
    start();
    EXPECT_EQ(window->commandAction(CmHandheldFolders)->text(), QStringLiteral("Handheld &Folders..."));
    QStringList devices;
    courtlog::testsupport::whenModal<gui::handheld::HandheldFoldersDialog>([&](auto* dialog) {
        auto* list = courtlog::testsupport::control<QTreeWidget>(dialog, "partnerList");
        for (int i = 0; i < list->topLevelItemCount(); ++i) devices << list->topLevelItem(i)->text(0);
        courtlog::testsupport::click(dialog, "cancelButton");
    });
    window->commandAction(CmHandheldFolders)->trigger();
    EXPECT_EQ(devices, QStringList{QStringLiteral("Office")});
}

TEST_F(MainWindowTest, HtmlOptionsOpenFromTheOptionsMenu) {
    start();
    QString title;
    testsupport::whenModal<QDialog>([&title](QDialog* dialog) {
        title = dialog->windowTitle();
        testsupport::click(dialog, "cancelButton");
    }, "htmlOptionsDialog");
    window->commandAction(CmHtmlOptions)->trigger();
    EXPECT_EQ(title, QStringLiteral("Select HTML Options"));
}

// Options > Live Scoreboard... edits a copy: Cancel keeps the settings, OK
// stores the choice and the folder picked with Browse, and they reach the file.
TEST_F(MainWindowTest, LiveScoreboardOpensFromOptionsAndIsKeptWithTheSettings) {
    start();
    EXPECT_EQ(window->commandAction(CmLiveScoreboard)->text(), QStringLiteral("Live &Scoreboard..."));
    const QString feedFolder = otherDir.path();
    for (const char* button : {"cancelButton", "okButton"}) {
        testsupport::whenModal<QDialog>([&](QDialog* dialog) {
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Live Scoreboard"));
            testsupport::control<QCheckBox>(dialog, "feedOnCheck")->setChecked(true);
            gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{feedFolder});
            testsupport::click(dialog, "browseButton");
            EXPECT_EQ(testsupport::control<QLineEdit>(dialog, "feedFolderEdit")->text(), feedFolder);
            testsupport::click(dialog, button);
        }, "liveScoreboardDialog");
        window->commandAction(CmLiveScoreboard)->trigger();
        EXPECT_EQ(gui::ui::programSettings().scoreboardFeedOn, button == std::string("okButton"));
    }
    window->close();
    const Settings written = readWrittenSettings();
    EXPECT_TRUE(written.scoreboardFeedOn);
    EXPECT_EQ(written.scoreboardFeedFolder, feedFolder.toStdString());
}

// A file handed to the program opens where its File command would open it:
// named on the command line, dropped on the window, or of a kind it does
// not know (a message, and the window stays).
TEST_F(MainWindowTest, FilesOpenFromTheCommandLineAndByDropping) {
    const QDir folder(startDir.path());
    Game game = courtlog::testing::game("Hawks", "Owls");
    game.court = "North Gym";
    ASSERT_TRUE(game.save(folder.filePath(QStringLiteral("final.gam")).toStdString()));
    ASSERT_TRUE(Schedule().save(folder.filePath(QStringLiteral("season.sch")).toStdString()));
    courtlog::testing::writeFile(folder.filePath(QStringLiteral("notes.doc")).toStdString(), "notes");

    struct Case {
        QString file;
        const char* dialogClass;
        const char* textEdit;  // a field showing the file's content
        QString text;
    };
    const QString samples = QStringLiteral(COURTLOG_SAMPLES);
    const std::vector<Case> cases{
        {folder.filePath(QStringLiteral("final.gam")), "courtlog::gui::scoring::GameEdit", "courtEdit",
         QStringLiteral("North Gym")},
        {samples + QStringLiteral("/harbor-hawks.tem"), "courtlog::gui::people::TeamEdit", "teamNameEdit",
         QStringLiteral("Harbor Hawks")},
        {samples + QStringLiteral("/valley-miners.csv"), "courtlog::gui::people::TeamEdit", nullptr, {}},
        {folder.filePath(QStringLiteral("season.sch")), "courtlog::gui::people::ScheduleEditor", nullptr, {}},
    };
    window = Application::initMainWindow({startDir.path(), kDesktop, QStringLiteral("final.gam")});
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        QString opened;
        QString shown;
        testsupport::whenModal<QDialog>([&](QDialog* dialog) {
            opened = QString::fromLatin1(dialog->metaObject()->className());
            if (c.textEdit) shown = testsupport::control<QLineEdit>(dialog, c.textEdit)->text();
            dialog->reject();
        });
        if (i == 0) {
            // The start-up file opens once the event loop runs.
            ASSERT_TRUE(testsupport::processUntil([&] { return !opened.isEmpty(); }));
        } else {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(c.file)});
            QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(window.get(), &enter);
            EXPECT_TRUE(enter.isAccepted()) << c.file.toStdString();
            QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(window.get(), &drop);
            ASSERT_TRUE(testsupport::processUntil([&] { return !opened.isEmpty(); })) << c.file.toStdString();
        }
        EXPECT_EQ(opened, QString::fromLatin1(c.dialogClass)) << c.file.toStdString();
        EXPECT_EQ(shown, c.text) << c.file.toStdString();
    }

    gui::ui::testing::clearShownMessages();
    window->openFile(folder.filePath(QStringLiteral("notes.doc")));
    ASSERT_EQ(gui::ui::testing::shownMessages().size(), 1u);
    EXPECT_TRUE(gui::ui::testing::shownMessages()[0].text.startsWith(QStringLiteral("Can't open ")));
}

TEST_F(MainWindowTest, KeysForExitAndHelp) {
    start();
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

    gui::ui::testing::recordHelpInstead(true);
    gui::ui::testing::setHelpFolders({QStringLiteral(COURTLOG_RESOURCES)});
    QTest::keyClick(window.get(), Qt::Key_F1);
    gui::ui::testing::recordHelpInstead(false);
    gui::ui::testing::setHelpFolders({});
    EXPECT_TRUE(gui::ui::testing::lastHelpUrl().toLocalFile().endsWith(QStringLiteral("help/crhelp.html")))
        << gui::ui::testing::lastHelpUrl().toString().toStdString();

    QTest::keyClick(window.get(), Qt::Key_X, Qt::AltModifier);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(QFile::exists(settingsPath()));
}

TEST_F(MainWindowTest, BlankScoreSheetsAskThePageCount) {
    start();
    gui::ui::programSettings().league.halves = true;
    bool sawDialog = false;
    testsupport::whenModal<QDialog>([&](QDialog* dialog) {
        sawDialog = true;
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Print Game"));
        // One page, laid out as the league plays.
        auto* field = dialog->findChild<QSpinBox*>(QStringLiteral("pageCountField"));
        EXPECT_EQ(field->value(), 1);
        EXPECT_TRUE(dialog->findChild<QRadioButton*>(QStringLiteral("halvesRadio"))->isChecked());
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("printButton")), Qt::LeftButton);
    });
    const QString printed = QDir(startDir.path()).filePath(QStringLiteral("blank.pdf"));
    gui::ui::testing::printToFileInstead(printed);
    window->commandAction(CmPrintBlankSheets)->trigger();
    EXPECT_TRUE(sawDialog);
    const QStringList pages = testsupport::pdfText(printed).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    EXPECT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages.value(0).contains(QStringLiteral("2nd Half")));

    // Cancel prints nothing.
    QFile::remove(printed);
    testsupport::whenModal<QDialog>([](QDialog* dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cancelButton")), Qt::LeftButton);
    });
    window->commandAction(CmPrintBlankSheets)->trigger();
    gui::ui::testing::printToFileInstead({});
    EXPECT_FALSE(QFile::exists(printed));
}

// Wallpaper painting, checked on what the window shows.
class WallpaperTest : public MainWindowTest {
protected:
    static constexpr QRgb kMarker = 0xffff0000;
    static constexpr QRgb kBody = 0xff0000ff;

    // A 100 x 50 picture with a red top-left pixel on blue.
    QString makePicture() {
        QImage picture(100, 50, QImage::Format_RGB32);
        picture.fill(kBody);
        picture.setPixel(0, 0, kMarker);
        const QString path = QDir(otherDir.path()).filePath(QStringLiteral("wall.bmp"));
        EXPECT_TRUE(picture.save(path, "BMP"));
        return path;
    }

    QImage clientImage() {
        QCoreApplication::processEvents();
        return window->clientArea()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    void startWithPicture() {
        start();
        window->show();
        const QString path = makePicture();
        gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{path, 1});
        window->commandAction(CmWallpaperChange)->trigger();
        EXPECT_EQ(gui::ui::testing::lastFileDialogOptions().filters,
                  QStringLiteral("Bitmap Files (*.bmp)|*.bmp|"));
        EXPECT_EQ(gui::ui::programSettings().wallpaperFile, QFile::encodeName(path).toStdString());
        // A 640 x 480 client area under the menu bar.
        window->resize(640, 480 + window->menuBar()->sizeHint().height());
        QCoreApplication::processEvents();
        ASSERT_EQ(window->clientArea()->size(), QSize(640, 480));
    }
};

TEST_F(WallpaperTest, FitStretchesOverTheWholeArea) {
    startWithPicture();
    window->commandAction(CmWallpaperFit)->trigger();
    const QImage image = clientImage();
    ASSERT_EQ(image.size(), QSize(640, 480));
    // The marker pixel becomes a 6.4 x 9.6 block at the top left.
    EXPECT_EQ(image.pixel(0, 0), kMarker);
    EXPECT_EQ(image.pixel(5, 8), kMarker);
    EXPECT_EQ(image.pixel(7, 10), kBody);
    EXPECT_EQ(image.pixel(639, 479), kBody);
}

TEST_F(WallpaperTest, CentreDrawsAt270And215) {
    startWithPicture();
    window->commandAction(CmWallpaperTile)->trigger();
    window->commandAction(CmWallpaperCenter)->trigger();
    const QImage image = clientImage();
    EXPECT_EQ(image.pixel(270, 215), kMarker);
    EXPECT_EQ(image.pixel(369, 264), kBody);
    // The old tiles around the centred picture are gone.
    for (QPoint outside : {QPoint(269, 215), QPoint(370, 215), QPoint(270, 214), QPoint(270, 265),
                           QPoint(0, 0), QPoint(639, 479)}) {
        EXPECT_NE(image.pixel(outside), kMarker) << outside.x() << "," << outside.y();
        EXPECT_NE(image.pixel(outside), kBody) << outside.x() << "," << outside.y();
    }
}

TEST_F(WallpaperTest, TileDrawsSevenColumnsAndTenRows) {
    startWithPicture();
    window->commandAction(CmWallpaperTile)->trigger();
    const QImage image = clientImage();
    int markers = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == kMarker) {
                ++markers;
                EXPECT_EQ(x % 100, 0);
                EXPECT_EQ(y % 50, 0);
            }
    EXPECT_EQ(markers, 7 * 10);
    EXPECT_EQ(image.pixel(600, 450), kMarker);
    EXPECT_EQ(image.pixel(639, 479), kBody);  // the last tiles are clipped
}

TEST_F(WallpaperTest, ResizingRepaintsForTheNewSize) {
    startWithPicture();
    window->commandAction(CmWallpaperCenter)->trigger();
    window->resize(440, 280 + window->menuBar()->sizeHint().height());
    QCoreApplication::processEvents();
    ASSERT_EQ(window->clientArea()->size(), QSize(440, 280));
    const QImage image = clientImage();
    EXPECT_EQ(image.pixel(170, 115), kMarker);
}

TEST_F(WallpaperTest, UnreadablePictureKeepsTheOldOne) {
    startWithPicture();
    const std::string before = gui::ui::programSettings().wallpaperFile;
    const QString broken = QDir(otherDir.path()).filePath(QStringLiteral("broken.bmp"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a bitmap");
    file.close();
    gui::ui::testing::clearShownMessages();
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{broken, 1});
    window->commandAction(CmWallpaperChange)->trigger();
    EXPECT_EQ(gui::ui::programSettings().wallpaperFile, before);
    ASSERT_EQ(gui::ui::testing::shownMessages().size(), 1u);
    EXPECT_EQ(clientImage().pixel(639, 479), kBody);
}

TEST_F(WallpaperTest, MissingWallpaperFallsBackToLogoAtStartUp) {
    Settings settings;
    settings.setDefaults();
    settings.wallpaperFile = "/no/such/folder/nothing.bmp";
    QDir().mkpath(QFileInfo(settingsPath()).path());
    ASSERT_TRUE(settings.writeSettings(QFile::encodeName(settingsPath()).toStdString()));
    start();
    EXPECT_EQ(gui::ui::programSettings().wallpaperFile, "logo.bmp");
    EXPECT_FALSE(window->clientArea()->picture().isNull());
}

TEST_F(WallpaperTest, LogoIsAlsoBuiltIntoTheProgram) {
    // The last resort at start-up when no logo.bmp lies beside the program
    // or in the current folder.
    gui::ui::ensureProgramResources();
    const QImage builtIn(QStringLiteral(":/pictures/logo.bmp"));
    const QImage shipped(QStringLiteral(COURTLOG_RESOURCES "/pictures/logo.bmp"));
    ASSERT_FALSE(builtIn.isNull());
    EXPECT_EQ(builtIn, shipped);
}

}  // namespace
