#include <gtest/gtest.h>

#include <QDialog>
#include <filesystem>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "GuiTestSupport.h"
#include "core/records/Game.h"
#include "core/records/Schedule.h"
#include "gui/people/ScheduleEditor.h"
#include "gui/scoring/GameEdit.h"
#include "gui/scoring/ScheduleCommands.h"
#include "gui/ui/AppState.h"
#include "gui/ui/FileDialogs.h"

using namespace courtlog;
using namespace courtlog::testsupport;
using courtlog::gui::people::ScheduleEditor;
using courtlog::gui::scoring::GameEdit;
using courtlog::testing::scheduled;

namespace {

QString q(const std::string& path) { return QString::fromStdString(path); }

void answerFile(const std::string& path) { gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{q(path), 1}); }

void clickListRow(QWidget* editor, int row) {
    auto* list = control<QTableWidget>(editor, "scheduleList");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row, 0)).center());
}

// A season file with one game whose two team files exist.
struct Season {
    courtlog::testing::ScratchFolder folder;
    std::string path = folder.file("season.sch");
    Season() {
        Schedule schedule;
        ScheduleEntry game = scheduled(GameEvent, 3, 14, 2024, 19, 30, "Hawks", "Miners", "Main Gym");
        game.homeFile = folder.saveTeam(teamWithLineup("Hawks", 6), "hawks.tem");
        game.visitorFile = folder.saveTeam(teamWithLineup("Miners", 6), "miners.tem");
        schedule.addEntry(game);
        EXPECT_TRUE(schedule.save(path));
    }
    Schedule reread() const {
        Schedule schedule;
        EXPECT_TRUE(schedule.load(path).ok());
        return schedule;
    }
};

}  // namespace

TEST(ScheduleCommands, StartMakesTheGameFromBothTeamFilesWithTheTypedCourtAndTime) {
    freshHooks();
    Season season;
    const std::string gamePath = season.folder.file("hawks-miners.gam");
    answerFile(season.path);
    QString courtShown, timeShown, homeShown;
    whenModal<ScheduleEditor>([&](ScheduleEditor* editor) {
        clickListRow(editor, 0);
        EXPECT_EQ(control<QPushButton>(editor, "gameButton")->text(), QStringLiteral("Start"));
        typeInto(editor, "courtEdit", QStringLiteral("North Court"));
        typeInto(editor, "timeEdit", QStringLiteral("18:45"));
        whenModal<GameEdit>([&](GameEdit* describe) {
            courtShown = control<QLineEdit>(describe, "courtEdit")->text();
            timeShown = control<QLineEdit>(describe, "timeEdit")->text();
            homeShown = control<QLabel>(describe, "homeSummary")->text();
            answerFile(gamePath);
            click(describe, "okButton");
        });
        click(editor, "gameButton");
    });
    gui::scoring::editScheduleCommand(nullptr);

    EXPECT_EQ(courtShown, QStringLiteral("North Court"));
    EXPECT_EQ(timeShown, QStringLiteral("18:45"));
    EXPECT_TRUE(homeShown.startsWith(QStringLiteral("Name: Hawks"))) << homeShown.toStdString();
    Game saved;
    ASSERT_TRUE(saved.load(gamePath));
    EXPECT_EQ(saved.court, "North Court");
    EXPECT_EQ(saved.hour, 18);
    EXPECT_EQ(saved.minute, 45);
    EXPECT_EQ(saved.home.playerCount(), 6);
    EXPECT_EQ(saved.visitorName, "Miners");
    // The entry names its game, so the schedule can continue it later.
    EXPECT_EQ(season.reread().entries[0].gameFile, gamePath);
    EXPECT_EQ(gui::ui::appState().currentGame, nullptr);
}

TEST(ScheduleCommands, EditContinuesTheEntrysGameAndSavesItBackOnOk) {
    freshHooks();
    Season season;
    Schedule schedule = season.reread();
    Game played = courtlog::testing::game("Hawks", "Miners");
    played.attendance = "120";
    schedule.entries[0].gameFile = season.folder.saveGame(played, "played.gam");
    ASSERT_TRUE(schedule.save(season.path));

    answerFile(season.path);
    whenModal<ScheduleEditor>([&](ScheduleEditor* editor) {
        clickListRow(editor, 0);
        EXPECT_EQ(control<QPushButton>(editor, "gameButton")->text(), QStringLiteral("Edit"));
        whenModal<GameEdit>([](GameEdit* describe) {
            typeInto(describe, "attendanceEdit", QStringLiteral("450"));
            click(describe, "okButton");
        });
        click(editor, "gameButton");
    });
    gui::scoring::editScheduleCommand(nullptr);
    Game back;
    ASSERT_TRUE(back.load(schedule.entries[0].gameFile));
    EXPECT_EQ(back.attendance, "450");
}

// A schedule file that is there but cannot be read (here a folder) or
// trusted is said, and never written unless the user names a file for the
// schedule that replaces it: Cancel opens nothing, and the editor's OK asks
// for a name, asking again before replacing the damaged file.
TEST(ScheduleCommands, AnUnreadableOrDamagedFileIsSaidAndKept) {
    freshHooks();
    Season season;
    const std::string folder = season.folder.file("folder.sch");
    std::filesystem::create_directory(folder);
    answerFile(folder);
    gui::ui::testing::queueMessageAnswer(gui::ui::ResultCancel);
    gui::scoring::editScheduleCommand(nullptr);
    ASSERT_EQ(messageTexts().size(), 1u);
    EXPECT_TRUE(messageTexts()[0].startsWith(QStringLiteral("Can't load schedule !\nCan't read %1").arg(q(folder))))
        << messageTexts()[0].toStdString();

    std::string bytes = courtlog::testing::readFile(season.path);
    bytes[8] = 9;  // nine entries claimed, one there
    courtlog::testing::writeFile(season.path, bytes);
    gui::ui::testing::clearShownMessages();
    answerFile(season.path);
    gui::ui::testing::queueMessageAnswer(gui::ui::ResultOk);
    int rowsShown = -1;
    whenModal<ScheduleEditor>([&](ScheduleEditor* editor) {
        rowsShown = control<QTableWidget>(editor, "scheduleList")->rowCount();
        typeInto(editor, "homeNameEdit", QStringLiteral("Hawks"));
        click(editor, "addButton");
        answerFile(season.path);
        gui::ui::testing::queueMessageAnswer(gui::ui::ResultNo);
        answerFile(season.folder.file("fresh.sch"));
        click(editor, "okButton");
    });
    gui::scoring::editScheduleCommand(nullptr);
    EXPECT_EQ(rowsShown, 0);
    ASSERT_EQ(messageTexts().size(), 2u);
    EXPECT_TRUE(messageTexts()[0].contains(QStringLiteral("The schedule file names more entries than it holds")));
    EXPECT_EQ(messageTexts()[1], QStringLiteral("Overwrite Existing File?"));
    EXPECT_TRUE(gui::ui::testing::lastFileDialogOptions().initialName.isEmpty());
    EXPECT_EQ(courtlog::testing::readFile(season.path), bytes);
    Schedule fresh;
    ASSERT_TRUE(fresh.load(season.folder.file("fresh.sch")).ok());
    EXPECT_EQ(fresh.entryCount(), 1);
}

// Cancel in the editor keeps the file as it was; a name that does not
// exist yet starts a schedule there, written on OK.
TEST(ScheduleCommands, CancelWritesNothingAndAMissingFileStartsANewSchedule) {
    freshHooks();
    Season season;
    const std::string before = courtlog::testing::readFile(season.path);
    answerFile(season.path);
    whenModal<ScheduleEditor>([&](ScheduleEditor* editor) {
        typeInto(editor, "homeNameEdit", QStringLiteral("Ravens"));
        click(editor, "addButton");
        click(editor, "cancelButton");
    });
    gui::scoring::editScheduleCommand(nullptr);
    EXPECT_EQ(courtlog::testing::readFile(season.path), before);

    const std::string next = season.folder.file("next.sch");
    answerFile(next);
    whenModal<ScheduleEditor>([&](ScheduleEditor* editor) {
        typeInto(editor, "homeNameEdit", QStringLiteral("Ravens"));
        click(editor, "addButton");
        click(editor, "okButton");
    });
    gui::scoring::editScheduleCommand(nullptr);
    EXPECT_TRUE(messageTexts().empty());
    Schedule written;
    ASSERT_TRUE(written.load(next).ok());
    EXPECT_EQ(written.entryCount(), 1);
}

TEST(ScheduleCommands, ANewScheduleThatCannotBeWrittenIsSaidAndSavedElsewhere) {
    freshHooks();
    courtlog::testing::ScratchFolder folder;
    const std::string nowhere = folder.file("no-such-folder/season.sch");
    whenModal<ScheduleEditor>([&](ScheduleEditor* editor) {
        typeInto(editor, "homeNameEdit", QStringLiteral("Hawks"));
        click(editor, "addButton");
        answerFile(nowhere);
        answerFile(folder.file("season"));
        click(editor, "okButton");
    });
    gui::scoring::newScheduleCommand(nullptr);
    ASSERT_FALSE(messageTexts().empty());
    EXPECT_TRUE(messageTexts()[0].startsWith(QStringLiteral("Can't save %1 !").arg(q(nowhere))))
        << messageTexts()[0].toStdString();
    Schedule saved;
    ASSERT_TRUE(saved.load(folder.file("season.sch")).ok());
    ASSERT_EQ(saved.entryCount(), 1);
    EXPECT_EQ(saved.entries[0].homeName, "Hawks");
}
