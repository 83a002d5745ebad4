#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include "GuiTestSupport.h"
#include "core/records/Codes.h"
#include "core/records/Game.h"
#include "gui/scoring/AddPlayer.h"
#include "gui/scoring/ModifyPlayer.h"

using namespace courtlog;
using namespace courtlog::testsupport;

namespace {

Game gameInPlay() {
    Game game = courtlog::testing::game(teamWithLineup("Eagles", 6), teamWithLineup("Owls", 6));
    game.visitorName = "Owls & Co";
    game.home.noPersonalInfo = game.visitor.noPersonalInfo = true;
    return game;
}

int foulsOf(const std::vector<PlayEvent>& events, const std::string& name) {
    int count = 0;
    for (const PlayEvent& e : events) count += e.kind == Foul && e.player.name == name;
    return count;
}

}  // namespace

TEST(AddPlayer, AddsABenchPlayerToTheCheckedTeam) {
    freshHooks();
    Game game = gameInPlay();
    gui::scoring::AddPlayer dialog(game);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Add Player"));
    EXPECT_EQ(control<QRadioButton>(&dialog, "homeButton")->text(), QStringLiteral("Eagles"));
    EXPECT_EQ(control<QRadioButton>(&dialog, "visitorButton")->text(), QStringLiteral("Owls && Co"));
    EXPECT_TRUE(control<QRadioButton>(&dialog, "homeButton")->isChecked());
    auto* numbers = control<QComboBox>(&dialog, "numberList");
    EXPECT_EQ(numbers->count(), 101);
    EXPECT_EQ(numbers->currentText(), QStringLiteral("00"));
    EXPECT_EQ(control<QComboBox>(&dialog, "positionList")->currentText(), QStringLiteral("Bench"));

    typeInto(&dialog, "nameEdit", QStringLiteral("Abcdefghijklmnopqrstuvwxyz1234"));
    numbers->setCurrentIndex(8);  // "7"
    control<QComboBox>(&dialog, "positionList")->setCurrentIndex(2);
    click(&dialog, "visitorButton");
    click(&dialog, "addPlayerButton");
    EXPECT_EQ(dialog.result(), 1);
    ASSERT_EQ(game.visitor.playerCount(), 7);
    EXPECT_EQ(game.home.playerCount(), 6);
    const Player& added = game.visitor.players[6];
    EXPECT_EQ(added.name, "Abcdefghijklmnopqrs");
    EXPECT_EQ(added.number, 7);
    EXPECT_EQ(added.position, 2);
    EXPECT_EQ(added.courtSlot, 0);

    gui::scoring::AddPlayer second(game);
    second.show();
    typeInto(&second, "nameEdit", QStringLiteral("Double Oh"));
    click(&second, "addPlayerButton");
    ASSERT_EQ(game.home.playerCount(), 7);
    EXPECT_EQ(game.home.players[6].number, -1);
    EXPECT_EQ(game.home.players[6].position, 0);
}

// The number offered is one nobody on the checked team wears; a number
// chosen by hand stays when the team changes; a number taken is pointed
// out, and No keeps the dialog open.
TEST(AddPlayer, OffersAFreeNumberAndPointsOutATakenOne) {
    freshHooks();
    Game game = gameInPlay();
    game.home.players[0].number = -1;
    game.home.players[1].number = 0;
    gui::scoring::AddPlayer dialog(game);
    dialog.show();
    auto* numbers = control<QComboBox>(&dialog, "numberList");
    EXPECT_EQ(numbers->currentText(), QStringLiteral("1"));
    click(&dialog, "visitorButton");
    EXPECT_EQ(numbers->currentText(), QStringLiteral("00"));
    numbers->setFocus();
    QTest::keyClick(numbers, Qt::Key_Down);  // "0", as a scorekeeper picks it
    click(&dialog, "homeButton");
    EXPECT_EQ(numbers->currentText(), QStringLiteral("0"));

    typeInto(&dialog, "nameEdit", QStringLiteral("Dee Fox"));
    gui::ui::testing::queueMessageAnswer(gui::ui::ResultNo);
    click(&dialog, "addPlayerButton");
    ASSERT_EQ(gui::ui::testing::shownMessages().size(), 1u);
    EXPECT_TRUE(gui::ui::testing::shownMessages()[0].text.startsWith(
        QStringLiteral("Eagles Player 2 already wears number 0.")));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(game.home.playerCount(), 6);
}

TEST(ModifyPlayer, RenamingAPlayerWithFoulsKeepsHisFoulCountInHisTeamOnly) {
    freshHooks();
    Game game = gameInPlay();
    game.visitor.players[1].name = "Eagles Player 2";  // a namesake in the other team
    const Player fouler = game.home.players[1];
    game.addHomeEvent(playBy(fouler, Foul, DefensiveFoul));
    game.addHomeEvent(playBy(fouler, Foul, DefensiveFoul));
    game.addHomeEvent(playBy(game.home.players[0], Foul, DefensiveFoul));
    game.addVisitorEvent(playBy(game.visitor.players[1], Foul, DefensiveFoul));

    gui::scoring::ModifyPlayer dialog(game);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Edit Player"));
    auto* list = control<QListWidget>(&dialog, "rosterList");
    ASSERT_EQ(list->count(), 6);
    EXPECT_EQ(control<QLineEdit>(&dialog, "nameEdit")->text(), QStringLiteral("Eagles Player 1"));
    clickRow(list, 1);
    typeInto(&dialog, "nameEdit", QStringLiteral("Renamed Fouler"));
    control<QComboBox>(&dialog, "numberList")->setCurrentIndex(0);  // "00"
    click(&dialog, "okButton");

    EXPECT_EQ(game.home.players[1].name, "Renamed Fouler");
    EXPECT_EQ(game.home.players[1].number, -1);
    EXPECT_EQ(foulsOf(game.homeEvents(), "Renamed Fouler"), 2);
    EXPECT_EQ(foulsOf(game.homeEvents(), "Eagles Player 2"), 0);
    EXPECT_EQ(game.homeEvents()[0].player.number, -1);
    EXPECT_EQ(game.visitor.players[1].name, "Eagles Player 2");
    EXPECT_EQ(foulsOf(game.visitorEvents(), "Eagles Player 2"), 1);
}

TEST(ModifyPlayer, SwitchingTeamsKeepsEditsAndCancelDropsThem) {
    freshHooks();
    Game game = gameInPlay();
    {
        gui::scoring::ModifyPlayer dialog(game);
        dialog.show();
        typeInto(&dialog, "nameEdit", QStringLiteral("Home One"));
        click(&dialog, "visitorButton");
        EXPECT_EQ(control<QLineEdit>(&dialog, "nameEdit")->text(), QStringLiteral("Owls Player 1"));
        typeInto(&dialog, "nameEdit", QStringLiteral("Away One"));
        click(&dialog, "cancelButton");
        EXPECT_EQ(game.home.players[0].name, "Eagles Player 1");
        EXPECT_EQ(game.visitor.players[0].name, "Owls Player 1");
    }
    gui::scoring::ModifyPlayer dialog(game);
    dialog.show();
    typeInto(&dialog, "nameEdit", QStringLiteral("Home One"));
    click(&dialog, "visitorButton");
    typeInto(&dialog, "nameEdit", QStringLiteral("Away One"));
    click(&dialog, "homeButton");
    EXPECT_EQ(control<QListWidget>(&dialog, "rosterList")->item(0)->text(), QStringLiteral("Home One"));
    click(&dialog, "okButton");
    EXPECT_EQ(game.home.players[0].name, "Home One");
    EXPECT_EQ(game.visitor.players[0].name, "Away One");
    EXPECT_EQ(game.home.players[0].number, 3);
}

TEST(ModifyPlayer, UnchangedNamesakesKeepTheirOwnNumbers) {
    freshHooks();
    Game game = gameInPlay();
    game.home.players[2].name = game.home.players[1].name;  // two players called the same
    gui::scoring::ModifyPlayer dialog(game);
    dialog.show();
    click(&dialog, "okButton");
    EXPECT_EQ(game.home.players[1].number, 4);
    EXPECT_EQ(game.home.players[2].number, 5);
}

TEST(ModifyPlayer, SwappedNamesStayWithTheirOwnPlayersAndPlays) {
    freshHooks();
    Game game = gameInPlay();
    game.addHomeEvent(playBy(game.home.players[0], Foul, DefensiveFoul));
    game.addHomeEvent(playBy(game.home.players[1], Foul, DefensiveFoul));
    game.addHomeEvent(playBy(game.home.players[1], Foul, DefensiveFoul));
    gui::scoring::ModifyPlayer dialog(game);
    dialog.show();
    auto* list = control<QListWidget>(&dialog, "rosterList");
    // The scorekeeper entered two names the wrong way round: swap them,
    // and move player 3 to a name player 4 gives up at the same time.
    typeInto(&dialog, "nameEdit", QStringLiteral("Eagles Player 2"));
    clickRow(list, 1);
    typeInto(&dialog, "nameEdit", QStringLiteral("Eagles Player 1"));
    clickRow(list, 2);
    typeInto(&dialog, "nameEdit", QStringLiteral("Eagles Player 4"));
    clickRow(list, 3);
    typeInto(&dialog, "nameEdit", QStringLiteral("Eagles Player 9"));
    click(&dialog, "okButton");

    EXPECT_EQ(game.home.players[0].name, "Eagles Player 2");
    EXPECT_EQ(game.home.players[0].number, 3);
    EXPECT_EQ(game.home.players[1].name, "Eagles Player 1");
    EXPECT_EQ(game.home.players[1].number, 4);
    EXPECT_EQ(game.home.players[2].name, "Eagles Player 4");
    EXPECT_EQ(game.home.players[3].name, "Eagles Player 9");
    EXPECT_EQ(foulsOf(game.homeEvents(), "Eagles Player 2"), 1);
    EXPECT_EQ(foulsOf(game.homeEvents(), "Eagles Player 1"), 2);
    EXPECT_EQ(game.homeEvents()[0].player.number, 3);
    EXPECT_EQ(game.homeEvents()[1].player.number, 4);
}

// Add Player refuses an empty name and one the team already has, in the
// dialog's own words, and stays open with what was typed.
TEST(AddPlayer, EmptyAndRepeatedNamesAreRefused) {
    freshHooks();
    Game game = gameInPlay();
    gui::scoring::AddPlayer dialog(game);
    dialog.show();
    click(&dialog, "addPlayerButton");
    typeInto(&dialog, "nameEdit", QStringLiteral("Eagles Player 2"));
    click(&dialog, "addPlayerButton");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(game.home.playerCount(), 6);
    const std::vector<QString> texts = messageTexts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], QStringLiteral("Type the player's name first."));
    EXPECT_TRUE(texts[1].startsWith(QStringLiteral("Eagles already has a player named Eagles Player 2.")));
    EXPECT_EQ(gui::ui::testing::shownMessages()[1].caption, QStringLiteral("Add Player"));
    // The same name on the other team is another player.
    click(&dialog, "visitorButton");
    click(&dialog, "addPlayerButton");
    EXPECT_EQ(game.visitor.playerCount(), 7);
}

TEST(ModifyPlayer, ARenameOntoAnotherPlayersNameOrToNothingIsRefused) {
    freshHooks();
    Game game = gameInPlay();
    gui::scoring::ModifyPlayer dialog(game);
    dialog.show();
    typeInto(&dialog, "nameEdit", QString());
    clickRow(control<QListWidget>(&dialog, "rosterList"), 1);
    EXPECT_EQ(control<QListWidget>(&dialog, "rosterList")->currentRow(), 0);
    typeInto(&dialog, "nameEdit", QStringLiteral("Eagles Player 3"));
    click(&dialog, "okButton");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(game.home.players[0].name, "Eagles Player 1");
    ASSERT_EQ(messageTexts().size(), 2u);
    EXPECT_EQ(messageTexts()[0], QStringLiteral("Type the player's name first."));
    EXPECT_TRUE(messageTexts()[1].startsWith(QStringLiteral("Eagles already has a player named Eagles Player 3.")));
}
