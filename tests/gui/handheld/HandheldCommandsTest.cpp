#include <gtest/gtest.h>

#include <QListWidget>
#include <filesystem>

#include "GuiTestSupport.h"
#include "core/handheld/PalmExchange.h"
#include "gui/handheld/HandheldSetup.h"
#include "gui/handheld/PalmCommands.h"
#include "gui/handheld/PocketPcCommands.h"
#include "gui/handheld/SelectPalmUserDialog.h"
#include "gui/ui/AppState.h"
#include "gui/ui/FileDialogs.h"

using namespace courtlog;
using namespace courtlog::testsupport;
using courtlog::gui::handheld::SelectPalmUserDialog;
using courtlog::testing::readFile;
namespace fs = std::filesystem;
namespace hooks = courtlog::gui::ui::testing;

namespace {

// A start folder with a team file, a Palm desktop folder with the users
// asked for, and device folders sync1.. set up as partners.
class HandheldCommands : public ::testing::Test {
protected:
    courtlog::testing::ScratchFolder scratch;
    std::string palm = scratch.file("Palm");

    void SetUp() override {
        freshHooks();
        hooks::clearFileAnswers();
        gui::ui::appState() = {};
        gui::ui::appState().startDirectory = QString::fromStdString(scratch.file("start"));
        gui::ui::appState().homeDirectory = gui::ui::appState().startDirectory;
        fs::create_directories(scratch.file("start"));
        gui::handheld::testing::setHomeFolder(QString::fromStdString(scratch.file("home")));
        gui::handheld::loadHandheldFolders();
        gui::handheld::handheldFolders().palmDesktopFolder = palm;
        EXPECT_TRUE(courtlog::testing::team("Harbor Hawks", 7).saveTo(scratch.file("start/Hawks.tem")));
    }
    void TearDown() override {
        hooks::clearFileAnswers();
        gui::ui::appState() = {};
    }

    void addUsers(std::initializer_list<const char*> users) {
        for (const char* user : users) {
            fs::create_directories(palm + "/" + user + "/Install");
            fs::create_directories(palm + "/" + user + "/Backup");
        }
    }
    void addPartners(int count) {
        for (int i = 1; i <= count; ++i) {
            fs::create_directories(scratch.file("sync" + std::to_string(i)));
            gui::handheld::handheldFolders().partners.push_back(
                {"Device " + std::to_string(i), scratch.file("sync" + std::to_string(i))});
        }
    }
    static void answerFile(const std::string& path) {
        hooks::queueFileAnswer(gui::ui::FileChoice{QString::fromStdString(path), 1});
    }
    static const hooks::ShownMessage& lastMessage() { return hooks::shownMessages().back(); }
};

// Fails the test and closes the user list when it opens.
class NoUserListExpected {
public:
    NoUserListExpected() {
        QObject::connect(&timer_, &QTimer::timeout, [] {
            if (auto* list = qobject_cast<SelectPalmUserDialog*>(QApplication::activeModalWidget())) {
                ADD_FAILURE() << "Select Palm User opened";
                list->reject();
            }
        });
        timer_.start(5);
    }

private:
    QTimer timer_;
};

TEST_F(HandheldCommands, OneUserGetsTheFileInstalledWithoutBeingAsked) {
    addUsers({"Ann"});
    fs::remove(palm + "/Ann/Install");  // made for the file
    courtlog::testing::writeFile(scratch.file("start/Extra.pdb"), "database bytes");
    answerFile(scratch.file("start/Extra.pdb"));
    NoUserListExpected noList;
    gui::handheld::palmInstallOtherCommand(nullptr);

    EXPECT_EQ(gui::ui::testing::lastFileDialogOptions().filters, QStringLiteral("Palm Game File (*.pdb)|*.pdb|"));
    EXPECT_EQ(readFile(palm + "/Ann/Install/Extra.pdb"), "database bytes");
    EXPECT_EQ(lastMessage().text, QStringLiteral("Extra.pdb should be available on your Palm after your next HotSync"));
    EXPECT_EQ(lastMessage().caption, QStringLiteral("Palm Companion File Successfully Installed"));
}

TEST_F(HandheldCommands, TwoUsersAreListedInOrderAndTheChosenOneGetsTheTeam) {
    addUsers({"Ben", "Ann"});
    answerFile(scratch.file("start/Hawks.tem"));
    QStringList listed;
    whenModal<SelectPalmUserDialog>([&](SelectPalmUserDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Select Palm User"));
        auto* list = control<QListWidget>(dialog, "palmUserList");
        for (int i = 0; i < list->count(); ++i) listed << list->item(i)->text();
        clickRow(list, 1);
        click(dialog, "okButton");
    });
    gui::handheld::teamToPalmCommand(nullptr);

    EXPECT_EQ(listed, (QStringList{"Ann", "Ben"}));
    // X.pdb beside X.tem, and the same database queued for Ben.
    const std::string database = scratch.file("start/Hawks.pdb");
    ASSERT_TRUE(fs::exists(database));
    EXPECT_EQ(readFile(palm + "/Ben/Install/Hawks.pdb"), readFile(database));
    EXPECT_FALSE(fs::exists(palm + "/Ann/Install/Hawks.pdb"));
    EXPECT_EQ(lastMessage().text, QStringLiteral("Hawks.pdb should be available on your Palm after your next HotSync"));
}

TEST_F(HandheldCommands, WithoutAPalmFolderTheCommandSaysWhereToSetItAndWritesNothing) {
    gui::handheld::handheldFolders().palmDesktopFolder.clear();  // and no Palm in the home folder
    answerFile(scratch.file("start/Hawks.tem"));
    gui::handheld::teamToPalmCommand(nullptr);

    EXPECT_EQ(lastMessage().caption, QStringLiteral("Palm Desktop Folder Not Found"));
    EXPECT_TRUE(lastMessage().text.contains(QStringLiteral("Options > Handheld Folders")));
    EXPECT_EQ(lastMessage().icon, gui::ui::MessageIcon::Information);
    EXPECT_FALSE(fs::exists(scratch.file("start/Hawks.pdb")));
}

TEST_F(HandheldCommands, TeamFromPalmStartsInBackupAndProposesTheTeamName) {
    addUsers({"Ann"});
    const std::string database = palm + "/Ann/Backup/Hawks.pdb";
    Team hawks = courtlog::testing::team("Harbor Hawks", 6);
    ASSERT_TRUE(exportToPalm(hawks, database));

    hooks::queueFileAnswer(std::nullopt);  // the database is not chosen yet
    gui::handheld::teamFromPalmCommand(nullptr);
    EXPECT_EQ(hooks::lastFileDialogOptions().initialDirectory, QString::fromStdString(palm + "/Ann/Backup"));
    EXPECT_EQ(hooks::lastFileDialogOptions().filters, QStringLiteral("Palm Team Files (*.pdb)|*.pdb|"));

    answerFile(database);
    answerFile(scratch.file("start/Hawks"));  // ".tem" is added
    gui::handheld::teamFromPalmCommand(nullptr);
    EXPECT_EQ(hooks::lastFileDialogOptions().initialName, QStringLiteral("Hawks.tem"));
    EXPECT_EQ(hooks::lastFileDialogOptions().initialDirectory, gui::ui::appState().startDirectory);
    const std::string saved = scratch.file("start/Hawks.tem");
    EXPECT_EQ(lastMessage().text, QString::fromStdString("Team Created from Palm Database: " + saved));
    EXPECT_EQ(lastMessage().caption, QStringLiteral("Team Import Complete"));
    Team back;
    back.fileName = saved;
    ASSERT_TRUE(back.load());
    EXPECT_EQ(back.players, hawks.players);
}

TEST_F(HandheldCommands, ARefusedDatabaseSavesNothing) {
    addUsers({"Ann"});
    const std::string database = palm + "/Ann/Backup/Final.pdb";
    Game game = courtlog::testing::game("Harbor Hawks", "Valley Miners");
    ASSERT_TRUE(exportToPalm(game, database));
    answerFile(database);
    answerFile(scratch.file("start/Final.tem"));  // would be the save dialog's answer
    gui::handheld::teamFromPalmCommand(nullptr);

    EXPECT_EQ(lastMessage().text, QStringLiteral("Not a Palm Team"));
    EXPECT_EQ(lastMessage().caption, QStringLiteral("Load Error"));
    EXPECT_EQ(hooks::pendingFileAnswers(), 1u) << "no save dialog";
    EXPECT_FALSE(fs::exists(scratch.file("start/Final.tem")));
}

TEST_F(HandheldCommands, GameToPalmSendsTheGameBeingScoredAsItStands) {
    addUsers({"Ann"});
    Game game = courtlog::testing::game("Harbor Hawks", "Valley Miners");
    ASSERT_TRUE(game.save(scratch.file("start/Final.gam")));
    game.addHomeEvent(courtlog::testing::play("Harbor Hawks Player 1", Shot, TwoPointMade));  // not saved yet
    gui::ui::appState().gameInProgress = true;
    gui::ui::appState().currentGame = &game;

    answerFile(scratch.file("start/Final.pdb"));  // the only dialog: the database's name
    gui::handheld::gameToPalmCommand(nullptr);
    EXPECT_EQ(hooks::lastFileDialogOptions().initialName, QStringLiteral("Final.pdb"));
    EXPECT_EQ(game.fileName, scratch.file("start/Final.gam")) << "the game goes on saving to its own file";
    Game sent;
    ASSERT_TRUE(importFromPalm(palm + "/Ann/Install/Final.pdb", sent));
    EXPECT_EQ(sent.homeEvents(), game.homeEvents());
}

TEST_F(HandheldCommands, MissingCompanionIsLookedForOnlyWhenTheUserSaysSo) {
    addUsers({"Ann"});
    hooks::queueMessageAnswer(gui::ui::ResultNo);
    gui::handheld::palmInstallCompanionCommand(nullptr);
    ASSERT_EQ(hooks::shownMessages().size(), 1u);
    EXPECT_EQ(lastMessage().text, QStringLiteral("Unable to locate the Courtlog Companion Application.\n\n"
                                                 "Would you like to manually search your computer for this file ?"));
    EXPECT_EQ(lastMessage().caption, QString::fromStdString(scratch.file("start/Hoopmate.prc")));

    courtlog::testing::writeFile(scratch.file("Hoopmate.prc"), "companion");
    hooks::queueMessageAnswer(gui::ui::ResultYes);
    answerFile(scratch.file("Hoopmate.prc"));
    gui::handheld::palmInstallCompanionCommand(nullptr);
    EXPECT_EQ(hooks::lastFileDialogOptions().filters, QStringLiteral("Palm Application File (*.prc)|*.prc|"));
    EXPECT_EQ(readFile(palm + "/Ann/Install/Hoopmate.prc"), "companion");
}

TEST_F(HandheldCommands, ThreeDevicesAnsweredNoThenYesTakeTheSecond) {
    addPartners(3);
    answerFile(scratch.file("start/Hawks.tem"));
    hooks::queueMessageAnswer(gui::ui::ResultNo);
    hooks::queueMessageAnswer(gui::ui::ResultYes);
    answerFile(scratch.file("sync2/Hawks.tem"));
    gui::handheld::teamToPocketPcCommand(nullptr);

    EXPECT_EQ(messageTexts(), (std::vector<QString>{"Export file to this device : Device 1 ?\n(1 of 3 found)",
                                                    "Export file to this device : Device 2 ?\n(2 of 3 found)"}));
    EXPECT_EQ(hooks::lastFileDialogOptions().initialDirectory, QString::fromStdString(scratch.file("sync2")));
    EXPECT_EQ(hooks::lastFileDialogOptions().initialName, QStringLiteral("Hawks.tem"));
    EXPECT_EQ(readFile(scratch.file("sync2/Hawks.tem")).size(), readFile(scratch.file("start/Hawks.tem")).size());
    // The next dialog for a team opens where this one found its team.
    EXPECT_EQ(gui::ui::rememberedFolder(courtlog::FileFolder::Teams), gui::ui::appState().startDirectory);
}

TEST_F(HandheldCommands, NoToEveryDeviceEndsWithTheFolderMessage) {
    addPartners(3);
    for (int i = 0; i < 3; ++i) hooks::queueMessageAnswer(gui::ui::ResultNo);
    hooks::queueFileAnswer(std::nullopt);  // taken only if a file dialog wrongly opened
    gui::handheld::gameFromPocketPcCommand(nullptr);

    ASSERT_EQ(hooks::shownMessages().size(), 4u);
    EXPECT_EQ(lastMessage().caption, QStringLiteral("Cannot find path to Synchronize Files"));
    EXPECT_TRUE(lastMessage().text.contains(QStringLiteral("Options > Handheld Folders")));
    EXPECT_EQ(hooks::pendingFileAnswers(), 1u) << "no file dialog";
}

TEST_F(HandheldCommands, GameFromPocketPcSavesTheCopyWhereTheProgramStarted) {
    addPartners(1);
    Game game = courtlog::testing::game("Harbor Hawks", "Valley Miners");
    ASSERT_TRUE(game.save(scratch.file("sync1/Final.gam")));
    answerFile(scratch.file("sync1/Final.gam"));
    answerFile(scratch.file("start/Final.gam"));
    gui::handheld::gameFromPocketPcCommand(nullptr);

    EXPECT_TRUE(hooks::shownMessages().empty()) << "one device: no question";
    EXPECT_EQ(hooks::lastFileDialogOptions().filters, QStringLiteral("PC Game File (*.gam)|*.gam|"));
    EXPECT_EQ(hooks::lastFileDialogOptions().initialName, QStringLiteral("Final.gam"));
    EXPECT_EQ(readFile(scratch.file("start/Final.gam")).size(), readFile(scratch.file("sync1/Final.gam")).size());
}

// The copies a handheld command saves ask before replacing a file there:
// No keeps the copy already on the device and in the start folder.
TEST_F(HandheldCommands, CopiesAskBeforeReplacingAFile) {
    addPartners(1);
    courtlog::testing::writeFile(scratch.file("sync1/Hawks.tem"), "device copy");
    answerFile(scratch.file("start/Hawks.tem"));
    answerFile(scratch.file("sync1/Hawks.tem"));
    hooks::queueMessageAnswer(gui::ui::ResultNo);
    gui::handheld::teamToPocketPcCommand(nullptr);
    EXPECT_EQ(messageTexts(), std::vector<QString>{QStringLiteral("Overwrite Existing File?")});
    EXPECT_EQ(readFile(scratch.file("sync1/Hawks.tem")), "device copy");

    addUsers({"Ann"});
    Team onPalm = courtlog::testing::team("Harbor Hawks", 6);
    ASSERT_TRUE(exportToPalm(onPalm, palm + "/Ann/Backup/Hawks.pdb"));
    const std::string before = readFile(scratch.file("start/Hawks.tem"));
    answerFile(palm + "/Ann/Backup/Hawks.pdb");
    answerFile(scratch.file("start/Hawks.tem"));
    hooks::queueMessageAnswer(gui::ui::ResultNo);
    gui::handheld::teamFromPalmCommand(nullptr);
    EXPECT_EQ(lastMessage().text, QStringLiteral("Overwrite Existing File?"));
    EXPECT_EQ(readFile(scratch.file("start/Hawks.tem")), before);
}

// A team file cut short is refused by the Palm and Pocket PC copies, as
// by every other use of a team: the damage is said and nothing is written.
TEST_F(HandheldCommands, ADamagedTeamIsNotCopied) {
    addUsers({"Ann"});
    addPartners(1);
    std::string bytes = readFile(scratch.file("start/Hawks.tem"));
    bytes.resize(bytes.size() - 100);
    courtlog::testing::writeFile(scratch.file("start/Hawks.tem"), bytes);

    answerFile(scratch.file("start/Hawks.tem"));
    gui::handheld::teamToPalmCommand(nullptr);
    EXPECT_EQ(lastMessage().caption, QStringLiteral("Damaged Team File"));
    EXPECT_TRUE(lastMessage().text.startsWith(QStringLiteral("The team file Hawks.tem is damaged")))
        << lastMessage().text.toStdString();
    EXPECT_FALSE(fs::exists(scratch.file("start/Hawks.pdb")));

    answerFile(scratch.file("start/Hawks.tem"));
    answerFile(scratch.file("sync1/Hawks.tem"));
    gui::handheld::teamToPocketPcCommand(nullptr);
    EXPECT_EQ(lastMessage().caption, QStringLiteral("Damaged Team File"));
    EXPECT_EQ(hooks::pendingFileAnswers(), 1u) << "no save dialog";
    EXPECT_FALSE(fs::exists(scratch.file("sync1/Hawks.tem")));
}

}  // namespace
