#include <gtest/gtest.h>

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTemporaryDir>

#include "GuiTestSupport.h"
#include "gui/ui/AppState.h"
#include "gui/scoring/GameCommands.h"
#include "core/records/BackgroundSave.h"
#include "core/records/Game.h"
#include "gui/scoring/AddPlayer.h"
#include "gui/scoring/GameEdit.h"
#include "gui/ui/FileDialogs.h"
#include "gui/ui/GameConsoleLink.h"

using namespace courtlog;
using namespace courtlog::testsupport;
using courtlog::gui::scoring::GameEdit;

namespace {

struct TeamFiles {
    QTemporaryDir dir;
    QString home;
    QString visitor;
    TeamFiles() {
        home = QDir(dir.path()).filePath(QStringLiteral("eagles.tem"));
        visitor = QDir(dir.path()).filePath(QStringLiteral("owls.tem"));
        EXPECT_TRUE(teamWithLineup("Eagles", 6).saveTo(home.toStdString()));
        EXPECT_TRUE(teamWithLineup("Owls", 6).saveTo(visitor.toStdString()));
    }
    QString path(const char* name) const { return QDir(dir.path()).filePath(QString::fromLatin1(name)); }
};

// Describes a game between the two teams and leaves the dialog with button;
// the game file dialog that follows answers saveAs (nullopt: cancelled).
void describeGame(const TeamFiles& files, const char* button, std::optional<gui::ui::FileChoice> saveAs) {
    const QString home = files.home, visitor = files.visitor;
    const std::string which = button;
    whenModal<GameEdit>([home, visitor, which, saveAs](GameEdit* editor) {
        gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{home, 1});
        click(editor, "homeSelectButton");
        gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{visitor, 1});
        click(editor, "visitorSelectButton");
        typeInto(editor, "courtEdit", QStringLiteral("North Gym"));
        gui::ui::testing::queueFileAnswer(saveAs);
        click(editor, which.c_str());
    });
}

}  // namespace

TEST(GameCommands, NewGameIsSavedStartedAndTakesAPlayerDuringPlay) {
    freshHooks();
    TeamFiles files;
    describeGame(files, "startGameButton", gui::ui::FileChoice{files.path("final"), 1});

    bool addedDuringGame = false;
    bool inProgressDuringGame = false;
    whenModal<QDialog>(
        [&](QDialog* console) {
            inProgressDuringGame = gui::ui::appState().gameInProgress;
            whenModal<gui::scoring::AddPlayer>([](gui::scoring::AddPlayer* dialog) {
                typeInto(dialog, "nameEdit", QStringLiteral("Late Arrival"));
                click(dialog, "addPlayerButton");
            });
            addedDuringGame = gui::scoring::addPlayerCommand(console);
            // Stopping the game saves it with the player added beside the console.
            QTest::mouseClick(console->findChild<QPushButton*>(QStringLiteral("stopGameButton")),
                              Qt::LeftButton);
        },
        "gameConsole");
    gui::scoring::newGameCommand(nullptr);

    EXPECT_TRUE(inProgressDuringGame);
    EXPECT_TRUE(addedDuringGame);
    EXPECT_FALSE(gui::ui::appState().gameInProgress);
    EXPECT_EQ(gui::ui::appState().currentGame, nullptr);
    const QString saved = files.path("final.gam");
    ASSERT_TRUE(QFileInfo::exists(saved));
    Game game;
    ASSERT_TRUE(game.load(saved.toStdString()));
    EXPECT_EQ(game.homeName, "Eagles");
    EXPECT_EQ(game.visitorName, "Owls");
    EXPECT_EQ(game.court, "North Gym");
    ASSERT_EQ(game.home.playerCount(), 7);
    EXPECT_EQ(game.home.players[6].name, "Late Arrival");
}

TEST(GameCommands, CancellingTheSaveDialogStartsNoGameAndWritesNothing) {
    freshHooks();
    TeamFiles files;
    describeGame(files, "startGameButton", std::nullopt);
    gui::scoring::newGameCommand(nullptr);
    EXPECT_EQ(QDir(files.dir.path()).entryList(QDir::Files).size(), 2);
    EXPECT_EQ(gui::ui::appState().currentGame, nullptr);
    EXPECT_FALSE(gui::ui::appState().gameInProgress);
}

TEST(GameCommands, EditGameShowsTheDamageThenTheDialogAndSavesOnlyUnderANewName) {
    freshHooks();
    TeamFiles files;
    const QString path = files.path("league.gam");
    describeGame(files, "okButton", gui::ui::FileChoice{path, 1});
    gui::scoring::newGameCommand(nullptr);
    ASSERT_TRUE(QFileInfo::exists(path));

    // Cut the file short: the message comes first, then the dialog on what was read.
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.resize(file.size() - 10));
    }
    const QByteArray damaged = [&] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    gui::ui::testing::clearShownMessages();
    QString courtShown;
    whenModal<GameEdit>([&courtShown](GameEdit* editor) {
        courtShown = control<QLineEdit>(editor, "courtEdit")->text();
        typeInto(editor, "courtEdit", QStringLiteral("South Gym"));
        click(editor, "okButton");
        if (editor->isVisible()) editor->done(2);
    });
    const QString recovered = files.path("recovered.gam");
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{path, 1});
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{recovered, 1});
    gui::scoring::editGameCommand(nullptr);

    // The message says why, as the command line does, and OK says why it
    // asks for a name before the save dialog opens.
    ASSERT_EQ(gui::ui::testing::shownMessages().size(), 2u);
    EXPECT_EQ(gui::ui::testing::shownMessages()[0].text,
              QStringLiteral("Can't load game !\n") + QString::fromStdString(Game::damagedFileMessage(path.toStdString())));
    EXPECT_EQ(gui::ui::testing::shownMessages()[0].caption, QStringLiteral("File corrupt ?"));
    EXPECT_TRUE(gui::ui::testing::shownMessages()[1].text.startsWith(
        QStringLiteral("%1 was not read whole, so it is not written over.").arg(path)))
        << gui::ui::testing::shownMessages()[1].text.toStdString();
    EXPECT_EQ(courtShown, QStringLiteral("North Gym"));
    // OK asked for a file instead of writing over the one that did not load.
    EXPECT_TRUE(gui::ui::testing::lastFileDialogOptions().initialName.isEmpty());
    QFile original(path);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    EXPECT_EQ(original.readAll(), damaged);
    Game game;
    ASSERT_TRUE(game.load(recovered.toStdString()));
    EXPECT_EQ(game.court, "South Gym");
}

TEST(GameCommands, AFailedSaveAsLeavesLaterSavesOnTheGamesOwnFile) {
    freshHooks();
    QTemporaryDir dir;
    const QString own = QDir(dir.path()).filePath(QStringLiteral("own.gam"));
    Game game = courtlog::testing::game("Eagles", "Owls");
    ASSERT_TRUE(game.save(own.toStdString()));
    gui::ui::appState().currentGame = &game;
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{QDir(dir.path()).filePath(QStringLiteral("gone/as.gam")), 1});
    gui::scoring::saveGameAsCommand(nullptr);
    game.court = "Later Hall";
    gui::scoring::saveGameCommand(nullptr);
    gui::ui::appState().currentGame = nullptr;

    ASSERT_EQ(gui::ui::testing::shownMessages().size(), 1u);
    EXPECT_TRUE(gui::ui::testing::shownMessages()[0].text.startsWith(QStringLiteral("Can't save game !")));
    Game back;
    ASSERT_TRUE(back.load(own.toStdString()));
    EXPECT_EQ(back.court, "Later Hall");
}

// Both ways of naming a game file ask before replacing one: Save As, and
// the dialog a new game (or one that did not load) is saved through.
TEST(GameCommands, SavingUnderANameAsksBeforeReplacingAFile) {
    freshHooks();
    QTemporaryDir dir;
    const QString own = QDir(dir.path()).filePath(QStringLiteral("own.gam"));
    const QString other = QDir(dir.path()).filePath(QStringLiteral("other.gam"));
    courtlog::testing::writeFile(other.toStdString(), "another game");
    Game game = courtlog::testing::game("Eagles", "Owls");
    ASSERT_TRUE(game.save(own.toStdString()));
    gui::ui::appState().currentGame = &game;
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{other, 1});
    gui::ui::testing::queueMessageAnswer(gui::ui::ResultNo);
    gui::scoring::saveGameAsCommand(nullptr);
    gui::ui::appState().currentGame = nullptr;

    Game fresh = courtlog::testing::game("Hawks", "Owls");
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{other, 1});
    gui::ui::testing::queueMessageAnswer(gui::ui::ResultNo);
    EXPECT_FALSE(gui::scoring::saveGameAsking(nullptr, fresh, QString()));

    EXPECT_EQ(messageTexts(), (std::vector<QString>{"Overwrite Existing File?", "Overwrite Existing File?"}));
    EXPECT_EQ(courtlog::testing::readFile(other.toStdString()), "another game");
    EXPECT_EQ(game.fileName, own.toStdString());
}

// A player added beside the console is in the game file and on the bench
// at once, and Ctrl+Z at the console takes him away again, the plays
// before him still there to take back.
TEST(GameCommands, APlayerAddedDuringTheGameIsSavedAtOnceAndUndoneAtTheConsole) {
    freshHooks();
    gui::ui::appState().autoSave = true;
    TeamFiles files;
    describeGame(files, "startGameButton", gui::ui::FileChoice{files.path("late"), 1});
    const auto playersInFile = [&files] {
        backgroundSaver().waitUntilIdle();
        Game saved;
        return saved.load(files.path("late.gam").toStdString()) ? saved.home.playerCount() : -1;
    };
    int added = -1, undone = -1;
    QStringList benchAfterAdding;
    whenModal<QDialog>(
        [&](QDialog* console) {
            QTest::mouseClick(console->findChild<QPushButton*>(QStringLiteral("homeTimeOutButton")), Qt::LeftButton);
            whenModal<gui::scoring::AddPlayer>([](gui::scoring::AddPlayer* dialog) {
                typeInto(dialog, "nameEdit", QStringLiteral("Late Arrival"));
                click(dialog, "addPlayerButton");
            });
            EXPECT_TRUE(gui::scoring::addPlayerCommand(console));
            added = playersInFile();
            benchAfterAdding = comboItems(console, "homeBenchList");
            QTest::keyClick(console, Qt::Key_Z, Qt::ControlModifier);
            undone = playersInFile();
            EXPECT_EQ(comboItems(console, "homeBenchList").size(), benchAfterAdding.size() - 1);
            // The time out before him is taken back next.
            QTest::keyClick(console, Qt::Key_Z, Qt::ControlModifier);
            EXPECT_EQ(control<QLabel>(console, "lastStepLabel")->text(), QStringLiteral("Undone: Time out, Eagles"));
            // Stopped without saving: what is in the file was saved already.
            gui::ui::testing::queueMessageAnswer(gui::ui::ResultNo);
            QTest::mouseClick(console->findChild<QPushButton*>(QStringLiteral("stopGameButton")), Qt::LeftButton);
        },
        "gameConsole");
    gui::scoring::newGameCommand(nullptr);
    EXPECT_EQ(added, 7);
    EXPECT_TRUE(benchAfterAdding.contains(QStringLiteral("00-Late Arrival"))) << benchAfterAdding.join(u'|').toStdString();
    EXPECT_EQ(undone, 6);
}

TEST(GameCommands, RosterCommandsNeedAGameInProgress) {
    freshHooks();
    EXPECT_FALSE(gui::scoring::addPlayerCommand(nullptr));
    EXPECT_FALSE(gui::scoring::modifyPlayerCommand(nullptr));
}

// During a game the focus goes back to the console when a menu of the
// main window or a dialog beside the console closes, so the player keys
// work on.
TEST(GameCommands, TheConsoleTakesTheFocusBackAfterAMenuOrADialog) {
    freshHooks();
    TeamFiles files;
    describeGame(files, "startGameButton", gui::ui::FileChoice{files.path("focus"), 1});
    QWidget mainWindow;
    mainWindow.resize(300, 200);
    mainWindow.show();
    bool backAfterDialog = false;
    bool backAfterMenu = false;
    whenModal<QDialog>(
        [&](QDialog* console) {
            whenModal<QDialog>([](QDialog* modify) { click(modify, "cancelButton"); }, "modifyPlayer");
            gui::scoring::modifyPlayerCommand(&mainWindow);
            backAfterDialog = processUntil([console] { return console->isActiveWindow(); });

            QMenu menu(&mainWindow);
            menu.addAction(QStringLiteral("Prompt for Shot Location"));
            mainWindow.activateWindow();
            menu.popup(mainWindow.mapToGlobal(QPoint(10, 10)));
            EXPECT_TRUE(processUntil([&menu] { return menu.isVisible(); }));
            menu.hide();
            backAfterMenu = processUntil([console] { return console->isActiveWindow(); });
            QTest::mouseClick(console->findChild<QPushButton*>(QStringLiteral("stopGameButton")), Qt::LeftButton);
        },
        "gameConsole");
    gui::scoring::newGameCommand(nullptr);
    EXPECT_TRUE(backAfterDialog);
    EXPECT_TRUE(backAfterMenu);
}

// While a game is scored the console has the keyboard, and the main
// window's menus are still reached from it: Alt with a menu's letter opens
// that menu, F10 the first one; a letter no menu has does nothing there.
TEST(GameCommands, AltWithAMenuLetterAndF10OpenTheMainMenusFromTheConsole) {
    freshHooks();
    TeamFiles files;
    describeGame(files, "startGameButton", gui::ui::FileChoice{files.path("menus"), 1});
    QMainWindow mainWindow;
    QMenuBar* bar = mainWindow.menuBar();
    bar->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("&Save"));
    bar->addMenu(QStringLiteral("&Roster"))->addAction(QStringLiteral("&Add Player..."));
    mainWindow.resize(400, 300);
    mainWindow.show();
    QString opened, first, none;
    whenModal<QDialog>(
        [&](QDialog* console) {
            const auto openedBy = [&](QKeyCombination keys) {
                QTest::keyClick(console, keys.key(), keys.keyboardModifiers());
                processUntil([bar] { return bar->activeAction() != nullptr; });
                const QString text = bar->activeAction() ? bar->activeAction()->text() : QString();
                if (QMenu* menu = bar->activeAction() ? bar->activeAction()->menu() : nullptr) menu->hide();
                bar->setActiveAction(nullptr);
                return text;
            };
            opened = openedBy(QKeyCombination(Qt::AltModifier, Qt::Key_R));
            first = openedBy(QKeyCombination(Qt::Key_F10));
            none = openedBy(QKeyCombination(Qt::AltModifier, Qt::Key_Q));
            QTest::mouseClick(console->findChild<QPushButton*>(QStringLiteral("stopGameButton")), Qt::LeftButton);
        },
        "gameConsole");
    gui::scoring::newGameCommand(&mainWindow);
    EXPECT_EQ(opened, QStringLiteral("&Roster"));
    EXPECT_EQ(first, QStringLiteral("&File"));
    EXPECT_TRUE(none.isEmpty());
}
