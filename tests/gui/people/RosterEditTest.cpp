#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "GuiTestSupport.h"
#include "gui/people/PersonalInfoDialog.h"
#include "gui/people/RosterEdit.h"

using namespace courtlog;
using namespace courtlog::testsupport;
using courtlog::gui::people::RosterEdit;

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

// Uniform numbers are refused where typed: letters and a third digit never
// get into the field, and an empty or other number is refused with a message
// when the player is added, updated or the editor is left with OK.
TEST(RosterEdit, NumbersOtherThanDoubleZeroAndZeroToNinetyNineAreRefused) {
    freshHooks();
    Team team = teamWithLineup("Owls", 2);
    RosterEdit editor(team);
    editor.show();
    auto* number = control<QLineEdit>(&editor, "numberEdit");
    typeInto(&editor, "numberEdit", QStringLiteral("99999999"));
    EXPECT_EQ(number->text(), QStringLiteral("99"));
    typeInto(&editor, "numberEdit", QStringLiteral("abc"));
    EXPECT_EQ(number->text(), QString());
    typeInto(&editor, "numberEdit", QStringLiteral("-3"));
    EXPECT_EQ(number->text(), QStringLiteral("3"));

    // An empty number: the player on display is not updated, the editor
    // stays on him.
    typeInto(&editor, "numberEdit", QString());
    clickRow(control<QListWidget>(&editor, "rosterList"), 1);
    EXPECT_EQ(editor.current(), 0);
    EXPECT_EQ(control<QListWidget>(&editor, "rosterList")->currentRow(), 0);
    ASSERT_EQ(gui::ui::testing::shownMessages().size(), 1u);
    EXPECT_EQ(gui::ui::testing::shownMessages()[0].caption, QStringLiteral("Edit Roster"));
    EXPECT_TRUE(gui::ui::testing::shownMessages()[0].text.contains(QStringLiteral("00 or a number from 0 to 99")));
    click(&editor, "okButton");
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(team.players[0].number, 3);

    // A number read from a file that no uniform has is refused on the way out.
    team.players[1].number = 150;
    RosterEdit second(team);
    second.show();
    clickRow(control<QListWidget>(&second, "rosterList"), 1);
    EXPECT_EQ(control<QLineEdit>(&second, "numberEdit")->text(), QStringLiteral("150"));
    click(&second, "okButton");
    EXPECT_TRUE(second.isVisible());
    typeInto(&second, "numberEdit", QStringLiteral("15"));
    click(&second, "okButton");
    EXPECT_FALSE(second.isVisible());
    EXPECT_EQ(team.players[1].number, 15);
}

TEST(RosterEdit, EmptyAndRepeatedNamesAreNotAdded) {
    freshHooks();
    Team team = teamWithLineup("Owls", 1);
    RosterEdit editor(team);
    editor.show();
    click(&editor, "clearDataButton");
    addPlayer(editor, QString(), QStringLiteral("5"), 1);
    addPlayer(editor, QStringLiteral("Owls Player 1"), QStringLiteral("6"), 1);
    EXPECT_EQ(team.playerCount(), 1);
    ASSERT_EQ(gui::ui::testing::shownMessages().size(), 2u);
    EXPECT_EQ(gui::ui::testing::shownMessages()[0].text, QStringLiteral("Type the player's name first."));
    EXPECT_TRUE(gui::ui::testing::shownMessages()[1].text.startsWith(
        QStringLiteral("Owls already has a player named Owls Player 1.")));
    // What was typed stays, ready to be corrected.
    EXPECT_EQ(control<QLineEdit>(&editor, "nameEdit")->text(), QStringLiteral("Owls Player 1"));
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

TEST(RosterEdit, AddKeepsNineteenCharactersAndBenchWhenNoPosition) {
    freshHooks();
    Team team;
    RosterEdit editor(team);
    editor.show();
    EXPECT_EQ(editor.current(), -1);
    EXPECT_EQ(control<QComboBox>(&editor, "positionList")->currentIndex(), -1);

    // A minus sign cannot be typed into the number.
    addPlayer(editor, kThirtyChars, QStringLiteral("-0"), -1);
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
    EXPECT_EQ(rosterTexts(editor), QStringList{QStringLiteral("0 - Abcdefghijklmnopqrs, B")});
    EXPECT_TRUE(gui::ui::testing::shownMessages().empty());
}

TEST(RosterEdit, UpdateKeepsTwentyFourCharactersAndOkNineteen) {
    freshHooks();
    Team team = teamWithLineup("Owls", 2);
    team.players[0].playedInPeriod[2] = 1;
    RosterEdit editor(team);
    editor.show();

    typeInto(&editor, "nameEdit", kThirtyChars);
    typeInto(&editor, "numberEdit", QStringLiteral("123456789"));  // two digits get in
    click(&editor, "updatePlayerButton");
    EXPECT_EQ(team.players[0].name, kThirtyChars.left(24).toStdString());
    EXPECT_EQ(team.players[0].number, 12);
    EXPECT_EQ(team.players[0].playedInPeriod[2], 0);  // updating clears the periods played
    EXPECT_EQ(team.players[0].courtSlot, 1);
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("Owls - Player 1 out of 2"));

    typeInto(&editor, "nameEdit", kThirtyChars);
    typeInto(&editor, "numberEdit", QStringLiteral("98"));
    click(&editor, "okButton");
    EXPECT_EQ(editor.result(), 1);
    EXPECT_EQ(team.players[0].name, kThirtyChars.left(19).toStdString());
    EXPECT_EQ(team.players[0].number, 98);
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
    QTest::keyClicks(control<QLineEdit>(&editor, "numberEdit"), QStringLiteral("5"));
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

TEST(RosterEdit, PersonalInfoOpensOnACopyThatCancelDrops) {
    freshHooks();
    Team team = teamWithLineup("Owls", 2);
    RosterEdit editor(team);
    editor.show();
    int rows = 0;
    whenModal<gui::people::PersonalInfoDialog>([&](gui::people::PersonalInfoDialog* dialog) {
        rows = dialog->workingTeam().playerCount();
        click(dialog, "cancelButton");
    });
    click(&editor, "personalInfoButton");
    EXPECT_EQ(rows, 2);
    EXPECT_TRUE(gui::ui::testing::shownMessages().empty());
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
    team.players[0].number = -3;  // e.g. from an old file
    RosterEdit editor(team);
    editor.show();
    EXPECT_EQ(control<QLineEdit>(&editor, "numberEdit")->text(), QStringLiteral("00"));
    EXPECT_EQ(control<QListWidget>(&editor, "rosterList")->item(0)->text(),
              QStringLiteral("00 - Owls Player 1, G"));
}

namespace {

void pressEnter(RosterEdit& editor) {
    QWidget* focus = editor.focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, Qt::Key_Return);
}

void typeHere(RosterEdit& editor, const QString& text) {
    for (const QChar ch : text) QTest::keyClick(editor.focusWidget(), ch.toLatin1());
}

}  // namespace

TEST(RosterEdit, EnterInTheFieldsAddsThePlayerTypedAndKeepsTheEditorOpen) {
    freshHooks();
    Team team;
    team.name = "Owls";
    RosterEdit editor(team);
    editor.show();
    editor.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
    // Name, Tab, number, Enter, as fast as a scorekeeper types a roster.
    for (const auto& [name, number] : {std::pair{"Ann Lee", "4"}, std::pair{"Bo Kim", "00"}}) {
        ASSERT_EQ(editor.focusWidget(), control<QLineEdit>(&editor, "nameEdit"));
        typeHere(editor, QString::fromLatin1(name));
        QTest::keyClick(editor.focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(editor.focusWidget(), control<QLineEdit>(&editor, "numberEdit"));
        typeHere(editor, QString::fromLatin1(number));
        pressEnter(editor);
        EXPECT_TRUE(editor.isVisible());
    }
    EXPECT_EQ(rosterTexts(editor), (QStringList{QStringLiteral("04 - Ann Lee, B"), QStringLiteral("00 - Bo Kim, B")}));
    ASSERT_EQ(team.playerCount(), 2);

    // Changing the selected player and pressing Enter updates him, still open.
    clickRow(control<QListWidget>(&editor, "rosterList"), 0);
    typeInto(&editor, "numberEdit", QStringLiteral("12"));
    pressEnter(editor);
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(team.players[0].number, 12);
    EXPECT_EQ(rosterTexts(editor).at(0), QStringLiteral("12 - Ann Lee, B"));

    // With nothing pending, Enter is OK.
    pressEnter(editor);
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(editor.result(), 1);
}

TEST(RosterEdit, EnterOnAFocusedButtonStillPressesThatButton) {
    freshHooks();
    Team team = teamWithLineup("Owls", 2);
    RosterEdit editor(team);
    editor.show();
    typeInto(&editor, "nameEdit", QStringLiteral("Changed"));
    auto* cancel = control<QPushButton>(&editor, "cancelButton");
    cancel->setFocus();
    QTest::keyClick(cancel, Qt::Key_Return);
    EXPECT_EQ(editor.result(), 2);
    EXPECT_EQ(team.players[0].name, "Owls Player 1");
}

// The editor opens with the first player selected: fixing his name and
// pressing Enter updates him, never adds a second player. With nobody
// selected (Clear Data, or after an add) Enter adds the player typed. A
// number another player wears is pointed out: No goes back to the number,
// Yes keeps it.
TEST(RosterEdit, EnterUpdatesTheSelectedPlayerAndAddsWhenNobodyIsSelected) {
    freshHooks();
    Team team = teamWithLineup("Owls", 1);
    RosterEdit editor(team);
    editor.show();
    typeInto(&editor, "nameEdit", QStringLiteral("Owls Playr 1"));
    pressEnter(editor);
    typeInto(&editor, "nameEdit", QStringLiteral("Owls Player One "));
    typeInto(&editor, "numberEdit", QStringLiteral("007"));
    pressEnter(editor);
    EXPECT_EQ(rosterTexts(editor), QStringList{QStringLiteral("07 - Owls Player One, G")});

    click(&editor, "clearDataButton");
    for (const auto& [name, number] : {std::pair{"Cy Dunn", "0"}, std::pair{"Ari Solberg", "00"}}) {
        typeInto(&editor, "nameEdit", QString::fromLatin1(name));
        typeInto(&editor, "numberEdit", QString::fromLatin1(number));
        pressEnter(editor);
    }
    EXPECT_EQ(rosterTexts(editor), (QStringList{QStringLiteral("07 - Owls Player One, G"),
                                                QStringLiteral("0 - Cy Dunn, B"), QStringLiteral("00 - Ari Solberg, B")}));
    EXPECT_TRUE(gui::ui::testing::shownMessages().empty());

    typeInto(&editor, "nameEdit", QStringLiteral("Dee Fox"));
    typeInto(&editor, "numberEdit", QStringLiteral("7"));
    gui::ui::testing::queueMessageAnswer(gui::ui::ResultNo);
    pressEnter(editor);
    ASSERT_EQ(gui::ui::testing::shownMessages().size(), 1u);
    EXPECT_TRUE(gui::ui::testing::shownMessages()[0].text.startsWith(
        QStringLiteral("Owls Player One already wears number 7.")));
    EXPECT_EQ(team.playerCount(), 3);
    EXPECT_EQ(editor.focusWidget(), control<QLineEdit>(&editor, "numberEdit"));
    gui::ui::testing::queueMessageAnswer(gui::ui::ResultYes);
    pressEnter(editor);
    EXPECT_EQ(rosterTexts(editor).value(3), QStringLiteral("07 - Dee Fox, B"));
    EXPECT_TRUE(editor.isVisible());
}
