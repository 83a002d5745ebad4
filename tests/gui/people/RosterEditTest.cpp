#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "../ui/DialogTestSupport.h"
#include "gui/people/RosterEdit.h"

using namespace courtlog;
using namespace courtlog::testsupport;
using courtlog::people::RosterEdit;

namespace {

QStringList rosterTexts(RosterEdit& editor) {
    QStringList texts;
    auto* list = control<QListWidget>(&editor, "rosterList");
    for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
    return texts;
}

QComboBox* lineup(RosterEdit& editor, int slot) {
    return control<QComboBox>(&editor, QStringLiteral("lineupList%1").arg(slot).toLatin1().constData());
}

void addPlayer(RosterEdit& editor, const QString& name, const QString& number, int position) {
    typeInto(&editor, "nameEdit", name);
    typeInto(&editor, "numberEdit", number);
    control<QComboBox>(&editor, "positionList")->setCurrentIndex(position);
    click(&editor, "addPlayerButton");
}

const QString kThirtyChars = QStringLiteral("Abcdefghijklmnopqrstuvwxyz1234");

}  // namespace

TEST(RosterEdit, ListTextsFollowNumberNameAndPositionLetter) {
    EXPECT_EQ(RosterEdit::listText(player("Jones", 7, 1)), QStringLiteral("07 - Jones, G"));
    EXPECT_EQ(RosterEdit::listText(player("Jones", -1, 1)), QStringLiteral("00 - Jones, G"));
    EXPECT_EQ(RosterEdit::listText(player("Jones", 23, 0)), QStringLiteral("23 - Jones, B"));
    EXPECT_EQ(RosterEdit::listText(player("Jones", 123, 3)), QStringLiteral("123 - Jones, F"));
    EXPECT_EQ(RosterEdit::listText(player("Jones", 5, -1)), QStringLiteral("05 - Jones, "));
    EXPECT_EQ(RosterEdit::listText(player("Ren\xE9", 5, 2)), QStringLiteral("05 - René, C"));
}

TEST(RosterEdit, NumbersAreReadFromTheStartOfTheText) {
    EXPECT_EQ(RosterEdit::readNumber(QStringLiteral("12"), 4), 12);
    EXPECT_EQ(RosterEdit::readNumber(QStringLiteral("00"), 4), 0);
    EXPECT_EQ(RosterEdit::readNumber(QStringLiteral("-3"), 4), -3);
    EXPECT_EQ(RosterEdit::readNumber(QStringLiteral("x7"), 4), 0);
    EXPECT_EQ(RosterEdit::readNumber(QStringLiteral("  8b"), 4), 8);
    EXPECT_EQ(RosterEdit::readNumber(QStringLiteral("123456"), 4), 1234);
    EXPECT_EQ(RosterEdit::readNumber(QStringLiteral("123456"), 9), 32767);  // held, not wrapped
    EXPECT_EQ(RosterEdit::readUniform(QStringLiteral("00"), 4), -1);
    EXPECT_EQ(RosterEdit::readUniform(QStringLiteral(" 00 "), 4), -1);
    EXPECT_EQ(RosterEdit::readUniform(QStringLiteral("000"), 4), 0);
    EXPECT_EQ(RosterEdit::readUniform(QStringLiteral("0"), 4), 0);
    EXPECT_EQ(RosterEdit::readUniform(QStringLiteral("07"), 4), 7);
}

TEST(RosterEdit, LookingAtAPlayerWhoWearsDoubleZeroKeepsHisNumber) {
    freshHooks();
    Team team = teamWithLineup("Owls", 3);
    team.players[1].number = -1;
    RosterEdit editor(team);
    editor.show();
    auto* list = control<QListWidget>(&editor, "rosterList");
    clickRow(list, 1);
    EXPECT_EQ(control<QLineEdit>(&editor, "numberEdit")->text(), QStringLiteral("00"));
    clickRow(list, 2);
    click(&editor, "okButton");
    EXPECT_EQ(team.players[1].number, -1);
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("00 - Owls Player 2, C"));
}

TEST(RosterEdit, OpensOnTheFirstPlayerWithTheLineupShown) {
    freshHooks();
    Team team = teamWithLineup("Owls", 7);
    RosterEdit editor(team);
    editor.show();
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("Edit Roster"));
    EXPECT_EQ(editor.current(), 0);
    EXPECT_EQ(rosterTexts(editor).size(), 7);
    EXPECT_EQ(control<QListWidget>(&editor, "rosterList")->currentRow(), 0);
    EXPECT_EQ(control<QLineEdit>(&editor, "nameEdit")->text(), QStringLiteral("Owls Player 1"));
    EXPECT_EQ(control<QLineEdit>(&editor, "numberEdit")->text(), QStringLiteral("3"));
    for (int slot = 1; slot <= 5; ++slot) {
        EXPECT_EQ(lineup(editor, slot)->count(), 7);
        EXPECT_EQ(lineup(editor, slot)->currentIndex(), slot - 1);
    }
    EXPECT_TRUE(control<QPushButton>(&editor, "personalInfoButton")->isEnabled());

    Team inGame = teamWithLineup("Owls", 2);
    inGame.noPersonalInfo = true;
    RosterEdit gameEditor(inGame);
    EXPECT_FALSE(control<QPushButton>(&gameEditor, "personalInfoButton")->isEnabled());
}

TEST(RosterEdit, AddKeepsNineteenCharactersBenchWhenNoPositionAndNoNegativeNumbers) {
    freshHooks();
    Team team;
    RosterEdit editor(team);
    editor.show();
    EXPECT_EQ(editor.current(), -1);
    EXPECT_EQ(control<QComboBox>(&editor, "positionList")->currentIndex(), -1);

    addPlayer(editor, kThirtyChars, QStringLiteral("-3"), -1);
    ASSERT_EQ(team.playerCount(), 1);
    EXPECT_EQ(team.players[0].name, kThirtyChars.left(19).toStdString());
    EXPECT_EQ(team.players[0].position, 0);
    EXPECT_EQ(team.players[0].number, 0);
    EXPECT_EQ(team.players[0].courtSlot, 0);
    // The form is empty and no player is selected afterwards.
    EXPECT_EQ(editor.current(), -1);
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("No Player Selected"));
    EXPECT_TRUE(control<QLineEdit>(&editor, "nameEdit")->text().isEmpty());
    EXPECT_EQ(control<QListWidget>(&editor, "rosterList")->currentRow(), -1);
    EXPECT_EQ(rosterTexts(editor), QStringList{QStringLiteral("00 - Abcdefghijklmnopqrs, B")});
}

TEST(RosterEdit, UpdateKeepsTwentyFourCharactersAndOkNineteen) {
    freshHooks();
    Team team = teamWithLineup("Owls", 2);
    team.players[0].playedInPeriod[2] = 1;
    RosterEdit editor(team);
    editor.show();

    typeInto(&editor, "nameEdit", kThirtyChars);
    typeInto(&editor, "numberEdit", QStringLiteral("123456789"));
    click(&editor, "updatePlayerButton");
    EXPECT_EQ(team.players[0].name, kThirtyChars.left(24).toStdString());
    EXPECT_EQ(team.players[0].number, 32767);
    EXPECT_EQ(team.players[0].playedInPeriod[2], 0);  // updating clears the periods played
    EXPECT_EQ(team.players[0].courtSlot, 1);
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("Owls - Player 1 out of 2"));

    typeInto(&editor, "nameEdit", kThirtyChars);
    typeInto(&editor, "numberEdit", QStringLiteral("123456789"));
    click(&editor, "okButton");
    EXPECT_EQ(editor.result(), 1);
    EXPECT_EQ(team.players[0].name, kThirtyChars.left(19).toStdString());
    EXPECT_EQ(team.players[0].number, 1234);
}

TEST(RosterEdit, MovingThroughTheListSavesThePlayerOnDisplay) {
    freshHooks();
    Team team = teamWithLineup("Owls", 4);
    RosterEdit editor(team);
    editor.show();
    auto* list = control<QListWidget>(&editor, "rosterList");

    typeInto(&editor, "nameEdit", QStringLiteral("Renamed"));
    typeInto(&editor, "numberEdit", QStringLiteral("00"));
    control<QComboBox>(&editor, "positionList")->setCurrentIndex(3);
    clickRow(list, 2);
    EXPECT_EQ(team.players[0].name, "Renamed");
    EXPECT_EQ(team.players[0].number, -1);  // "00" typed is the uniform 00
    EXPECT_EQ(team.players[0].position, 3);
    EXPECT_EQ(editor.current(), 2);
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("Owls - Player 3 out of 4"));
    EXPECT_EQ(control<QLineEdit>(&editor, "nameEdit")->text(), QStringLiteral("Owls Player 3"));
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("00 - Renamed, F"));

    // Clear Data shows nobody; choosing a row then saves nothing first.
    click(&editor, "clearDataButton");
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("No Player Selected"));
    EXPECT_EQ(control<QComboBox>(&editor, "positionList")->currentIndex(), -1);
    typeInto(&editor, "nameEdit", QStringLiteral("Ghost"));
    clickRow(list, 3);
    EXPECT_EQ(team.players[2].name, "Owls Player 3");
    EXPECT_EQ(editor.current(), 3);
}

TEST(RosterEdit, SamePlayerInFirstAndFourthListEndsInSlotFour) {
    freshHooks();
    Team team = teamWithLineup("Owls", 6);
    RosterEdit editor(team);
    editor.show();
    lineup(editor, 1)->setCurrentIndex(5);
    lineup(editor, 4)->setCurrentIndex(5);
    click(&editor, "okButton");
    EXPECT_EQ(team.players[5].courtSlot, 4);
    EXPECT_EQ(team.players[0].courtSlot, 0);
    EXPECT_EQ(team.players[3].courtSlot, 0);
    EXPECT_EQ(team.players[1].courtSlot, 2);
}

TEST(RosterEdit, DeleteRemovesTheChosenPlayerAndLeavesAnEmptyForm) {
    freshHooks();
    Team team = teamWithLineup("Owls", 3);
    team.personalInfo[1].phone = "555-0101";
    team.personalInfo[2].phone = "555-0102";
    RosterEdit editor(team);
    editor.show();
    clickRow(control<QListWidget>(&editor, "rosterList"), 1);
    click(&editor, "deleteButton");
    ASSERT_EQ(team.playerCount(), 2);
    EXPECT_EQ(team.players[1].name, "Owls Player 3");
    EXPECT_EQ(team.personalInfo[1].phone, "555-0102");
    EXPECT_EQ(editor.current(), -1);
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("No Player Selected"));

    // With nobody selected Delete does nothing.
    click(&editor, "deleteButton");
    EXPECT_EQ(team.playerCount(), 2);

    Team single = teamWithLineup("Solo", 1);
    RosterEdit soloEditor(single);
    soloEditor.show();
    click(&soloEditor, "deleteButton");
    EXPECT_EQ(single.playerCount(), 0);
    EXPECT_TRUE(rosterTexts(soloEditor).isEmpty());
    EXPECT_TRUE(control<QLineEdit>(&soloEditor, "nameEdit")->text().isEmpty());
    click(&soloEditor, "okButton");
    EXPECT_EQ(soloEditor.result(), 1);
}

TEST(RosterEdit, KeyboardAddsWithAltACancelsWithEscapeAndOksWithEnter) {
    freshHooks();
    Team team;
    RosterEdit editor(team);
    editor.show();
    editor.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
    auto* name = control<QLineEdit>(&editor, "nameEdit");
    name->setFocus();
    QTest::keyClicks(name, QStringLiteral("Keyboard"));
    QTest::keyClick(&editor, Qt::Key_A, Qt::AltModifier);
    ASSERT_TRUE(processUntil([&team] { return team.playerCount() == 1; }));
    EXPECT_EQ(team.players[0].name, "Keyboard");
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_EQ(editor.result(), 1);

    RosterEdit second(team);
    second.show();
    QTest::keyClick(&second, Qt::Key_Escape);
    EXPECT_EQ(second.result(), 2);
}

TEST(RosterEdit, PersonalInfoRouteSaysItComesLater) {
    freshHooks();
    Team team = teamWithLineup("Owls", 2);
    RosterEdit editor(team);
    editor.show();
    click(&editor, "personalInfoButton");
    ASSERT_EQ(ui::testing::shownMessages().size(), 1u);
    EXPECT_TRUE(ui::testing::shownMessages()[0].text.contains(QStringLiteral("personal information")));
    EXPECT_EQ(team.playerCount(), 2);
}

TEST(RosterEdit, EnterOnUpdatePlayerUpdatesAndKeepsTheEditorOpen) {
    freshHooks();
    Team team = teamWithLineup("Owls", 3);
    RosterEdit editor(team);
    editor.show();
    typeInto(&editor, "nameEdit", QStringLiteral("Renamed"));
    auto* update = control<QPushButton>(&editor, "updatePlayerButton");
    update->setFocus();
    QTest::keyClick(update, Qt::Key_Return);
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(team.players[0].name, "Renamed");
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("Owls - Player 1 out of 3"));
}

TEST(RosterEdit, OpeningShowsAnyNegativeNumberAsDoubleZero) {
    freshHooks();
    Team team = teamWithLineup("Owls", 2);
    team.players[0].number = -3;  // kept by OK from a typed "-3"
    RosterEdit editor(team);
    editor.show();
    EXPECT_EQ(control<QLineEdit>(&editor, "numberEdit")->text(), QStringLiteral("00"));
    EXPECT_EQ(control<QListWidget>(&editor, "rosterList")->item(0)->text(),
              QStringLiteral("00 - Owls Player 1, G"));
}
