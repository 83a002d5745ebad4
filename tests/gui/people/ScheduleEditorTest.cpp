#include <gtest/gtest.h>

#include <QComboBox>
#include <QDate>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>

#include "GuiTestSupport.h"
#include "core/records/Schedule.h"
#include "gui/people/ScheduleEditor.h"
#include "gui/ui/FileDialogs.h"

using namespace courtlog;
using namespace courtlog::testsupport;
using courtlog::gui::people::ScheduleEditor;
using courtlog::testing::scheduled;

namespace {

QTableWidget* listOf(QWidget* editor) { return control<QTableWidget>(editor, "scheduleList"); }

QStringList rowTexts(QWidget* editor, int row) {
    QStringList cells;
    for (int c = 0; c < listOf(editor)->columnCount(); ++c) cells << listOf(editor)->item(row, c)->text();
    return cells;
}

void clickListRow(QWidget* editor, int row) {
    QTableWidget* list = listOf(editor);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row, 0)).center());
}

QString caption(QWidget* editor, const char* button) { return control<QPushButton>(editor, button)->text(); }

QString todayText() {
    const QDate today = QDate::currentDate();
    return QStringLiteral("%1/%2/%3").arg(today.month()).arg(today.day()).arg(today.year());
}

}  // namespace

TEST(ScheduleEditor, AddUpdateAndDeleteKeepTheListAndTheFormInStep) {
    freshHooks();
    Schedule schedule;
    ScheduleEditor editor(schedule);
    editor.show();
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("Schedule"));
    EXPECT_EQ(listOf(&editor)->horizontalHeaderItem(5)->text(), QStringLiteral("Game File"));

    typeInto(&editor, "dateEdit", QStringLiteral("3/14/2024"));
    typeInto(&editor, "timeEdit", QStringLiteral("19:30"));
    typeInto(&editor, "courtEdit", QStringLiteral("Main Gym"));
    typeInto(&editor, "homeNameEdit", QStringLiteral("Hawks"));
    typeInto(&editor, "visitorNameEdit", QStringLiteral("Miners"));
    typeInto(&editor, "noteEdit", QStringLiteral("Bring water"));
    click(&editor, "addButton");
    ASSERT_EQ(listOf(&editor)->rowCount(), 1);
    EXPECT_EQ(rowTexts(&editor, 0), (QStringList{"3/14/2024", "19:30", "Game", "Hawks", "Miners", "", "Main Gym",
                                                 "Bring water"}));
    // The form is blank again, ready for the next event.
    EXPECT_EQ(control<QLineEdit>(&editor, "homeNameEdit")->text(), QString());
    EXPECT_EQ(control<QLineEdit>(&editor, "dateEdit")->text(), todayText());
    EXPECT_EQ(control<QLineEdit>(&editor, "timeEdit")->text(), QStringLiteral("12:00"));

    // A date that is no date is today; a time past the day is noon.
    typeInto(&editor, "dateEdit", QStringLiteral("13/1/2001"));
    typeInto(&editor, "timeEdit", QStringLiteral("25:70"));
    control<QComboBox>(&editor, "kindList")->setCurrentIndex(0);
    click(&editor, "addButton");
    ASSERT_EQ(schedule.entryCount(), 2);
    EXPECT_EQ(rowTexts(&editor, 1).mid(0, 3), (QStringList{todayText(), "12:00", "Practice"}));

    clickListRow(&editor, 0);
    EXPECT_EQ(control<QLineEdit>(&editor, "homeNameEdit")->text(), QStringLiteral("Hawks"));
    EXPECT_EQ(control<QComboBox>(&editor, "kindList")->currentText(), QStringLiteral("Game"));
    typeInto(&editor, "noteEdit", QStringLiteral("Bus at five"));
    click(&editor, "updateButton");
    EXPECT_EQ(rowTexts(&editor, 0)[7], QStringLiteral("Bus at five"));
    EXPECT_EQ(schedule.entryCount(), 2);

    // Update and Delete need a selected row.
    click(&editor, "deleteButton");
    click(&editor, "updateButton");
    EXPECT_EQ(schedule.entryCount(), 2);
    clickListRow(&editor, 1);
    click(&editor, "deleteButton");
    ASSERT_EQ(listOf(&editor)->rowCount(), 1);
    EXPECT_EQ(rowTexts(&editor, 0)[3], QStringLiteral("Hawks"));
}

TEST(ScheduleEditor, ChoicesSetTheSideCaptionsAndAGameFixesTheTeams) {
    freshHooks();
    courtlog::testing::ScratchFolder folder;
    const std::string hawks = folder.saveTeam(teamWithLineup("Hawks", 5), "hawks.tem");
    const std::string played = folder.saveGame(courtlog::testing::game("Ravens", "Owls"), "played.gam");
    Schedule schedule;
    ScheduleEditor editor(schedule);
    editor.show();
    EXPECT_EQ((QStringList{caption(&editor, "gameButton"), caption(&editor, "homeTeamButton"),
                           caption(&editor, "visitorTeamButton")}),
              (QStringList{"Start", "Create", "Create"}));

    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{QString::fromStdString(hawks), 1});
    click(&editor, "homeTeamFileButton");
    EXPECT_EQ(control<QLineEdit>(&editor, "homeNameEdit")->text(), QStringLiteral("Hawks"));
    EXPECT_EQ(caption(&editor, "homeTeamButton"), QStringLiteral("Edit"));
    EXPECT_EQ(caption(&editor, "visitorTeamButton"), QStringLiteral("Create"));

    // Start on an event that is not in the schedule offers to add it first.
    gui::ui::testing::queueMessageAnswer(gui::ui::ResultYes);
    click(&editor, "gameButton");
    EXPECT_TRUE(messageShown(QStringLiteral("Want to Add This Event to Schedule Before Starting Game?")));
    ASSERT_EQ(schedule.entryCount(), 1);
    EXPECT_EQ(schedule.entries[0].homeFile, hawks);
    EXPECT_EQ(editor.result(), 0);  // still open

    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{QString::fromStdString(played), 1});
    click(&editor, "selectGameButton");
    EXPECT_EQ(control<QLineEdit>(&editor, "gameEdit")->text(), QStringLiteral("Ravens vs. Owls"));
    EXPECT_EQ((QStringList{caption(&editor, "gameButton"), caption(&editor, "homeTeamButton"),
                           caption(&editor, "visitorTeamButton")}),
              (QStringList{"Edit", "N/A", "N/A"}));
    click(&editor, "visitorTeamFileButton");
    click(&editor, "homeTeamButton");
    EXPECT_EQ(messageTexts(), (std::vector<QString>{"Want to Add This Event to Schedule Before Starting Game?",
                                                    "Teams already set in Game File",
                                                    "Edit Team by Selecting Game Edit Button"}));
    click(&editor, "gameButton");
    EXPECT_EQ(editor.result(), ScheduleEditor::kContinueGame);
    EXPECT_EQ(editor.formGameFile(), played);
}

// A team file cut short is refused when it is chosen for an event, with
// the damage said, as every use of a team refuses it.
TEST(ScheduleEditor, ADamagedTeamIsNotChosen) {
    freshHooks();
    courtlog::testing::ScratchFolder folder;
    const std::string hawks = folder.saveTeam(teamWithLineup("Hawks", 5), "hawks.tem");
    std::string bytes = courtlog::testing::readFile(hawks);
    bytes.resize(Team::kHeaderSize + 2 * Player::kRecordSize);
    courtlog::testing::writeFile(hawks, bytes);
    Schedule schedule;
    ScheduleEditor editor(schedule);
    editor.show();
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{QString::fromStdString(hawks), 1});
    click(&editor, "homeTeamFileButton");
    EXPECT_EQ(messageTexts(), std::vector<QString>{"The team file hawks.tem is damaged: 2 of its 5 players could be read."});
    EXPECT_EQ(gui::ui::testing::shownMessages()[0].caption, QStringLiteral("Damaged Team File"));
    EXPECT_TRUE(control<QLineEdit>(&editor, "homeNameEdit")->text().isEmpty());
    EXPECT_EQ(caption(&editor, "homeTeamButton"), QStringLiteral("Create"));
}

TEST(ScheduleEditor, HeaderClicksSortAndColumnWidthsAreKept) {
    freshHooks();
    Schedule schedule;
    schedule.addEntry(scheduled(GameEvent, 3, 14, 2024, 19, 30, "Bears"));
    schedule.addEntry(scheduled(GameEvent, 1, 5, 2024, 17, 0, "Wolves"));
    schedule.addEntry(scheduled(GameEvent, 2, 9, 2023, 9, 15, "Hawks"));
    ScheduleEditor editor(schedule);
    editor.show();
    QHeaderView* header = listOf(&editor)->horizontalHeader();
    auto clickHeader = [&](int column) {
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + 10, header->height() / 2));
    };
    clickHeader(3);
    EXPECT_EQ((QStringList{rowTexts(&editor, 0)[3], rowTexts(&editor, 1)[3], rowTexts(&editor, 2)[3]}),
              (QStringList{"Wolves", "Hawks", "Bears"}));
    clickHeader(0);
    EXPECT_EQ(rowTexts(&editor, 0)[0], QStringLiteral("2/9/2023"));

    header->resizeSection(7, 321);
    click(&editor, "cancelButton");
    EXPECT_EQ(editor.result(), 2);
    EXPECT_EQ(gui::ui::programSettings().scheduleColumnWidths[7], 321);
    EXPECT_EQ(gui::ui::programSettings().scheduleColumnWidths[0], 75);
    gui::ui::programSettings().setDefaults();
}

// The editor as a user sees it. Under a 1366 x 768 virtual display with
// COURTLOG_SCREENSHOT=<file.png> a picture of it is kept.
TEST(ScheduleEditor, OpensWithEveryColumnInViewAndNeverShrinksBelowThat) {
    freshHooks();
    Schedule schedule;
    schedule.addEntry(scheduled(GameEvent, 3, 14, 2024, 19, 30, "Harbor Hawks", "Valley Miners", "Main Gym",
                                "Bring the scorebook"));
    schedule.addEntry(scheduled(PracticeEvent, 3, 16, 2024, 17, 0, "Harbor Hawks", "", "North Court"));
    ScheduleEditor editor(schedule);
    editor.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
    const QSize opened = editor.size();
    EXPECT_EQ(editor.minimumSize(), opened);
    editor.resize(opened.width() + 200, opened.height() + 100);
    EXPECT_TRUE(processUntil([&] { return editor.size() == QSize(opened.width() + 200, opened.height() + 100); }));
    // The grown list shows every column whole.
    QTableWidget* list = listOf(&editor);
    EXPECT_GE(list->viewport()->width(), list->horizontalHeader()->length());
    if (const QByteArray path = qgetenv("COURTLOG_SCREENSHOT"); !path.isEmpty()) {
        editor.resize(opened);
        processUntil([&] { return editor.size() == opened; });
        editor.screen()->grabWindow(0).save(QString::fromLocal8Bit(path));
    }
}
