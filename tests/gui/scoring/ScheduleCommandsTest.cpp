#include <gtest/gtest.h>

#include <QDialog>
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

TEST(ScheduleCommands, ADamagedFileIsReplacedOnlyWhenTheUserSaysSo) {
    freshHooks();
    Season season;
    std::string bytes = courtlog::testing::readFile(season.path);
    bytes[8] = 9;  // nine entries claimed, one there
    courtlog::testing::writeFile(season.path, bytes);
    const QString question =
        QStringLiteral("The schedule %1 is damaged: start an empty one and replace it?").arg(q(season.path));

    answerFile(season.path);
    gui::ui::testing::queueMessageAnswer(gui::ui::ResultNo);
    gui::scoring::editScheduleCommand(nullptr);
    EXPECT_EQ(messageTexts(), std::vector<QString>{question});
    EXPECT_EQ(courtlog::testing::readFile(season.path), bytes);

    answerFile(season.path);
    gui::ui::testing::queueMessageAnswer(gui::ui::ResultYes);
    int rowsShown = -1;
    whenModal<ScheduleEditor>([&](ScheduleEditor* editor) {
        rowsShown = control<QTableWidget>(editor, "scheduleList")->rowCount();
        click(editor, "cancelButton");
    });
    gui::scoring::editScheduleCommand(nullptr);
    EXPECT_EQ(rowsShown, 0);
    EXPECT_EQ(courtlog::testing::readFile(season.path).size(), 12u);
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
