#include <gtest/gtest.h>

#include <QComboBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

#include "GuiTestSupport.h"
#include "core/records/Codes.h"
#include "core/records/Game.h"
#include "core/scoring/EventEditing.h"
#include "core/scoring/GameConsole.h"
#include "core/scoring/SheetFigures.h"
#include "gui/scoring/EditEvent.h"
#include "gui/scoring/EventEditorRoute.h"
#include "gui/scoring/ShotSpotDialog.h"

using namespace courtlog;
using namespace courtlog::testsupport;
using courtlog::gui::scoring::EditEvent;
using courtlog::testing::shotBy;
using courtlog::gui::scoring::ShotSpotDialog;

namespace {

// Eagles: players numbered 3.. ("Eagles Player 1" is number 3); the last has "00".
Game gameWithPlays() {
    Game game = courtlog::testing::game(teamWithLineup("Eagles", 6), teamWithLineup("Owls", 5));
    game.home.players[5].number = -1;
    game.addHomeEvent(shotBy(game.home.players[0], ThreePointMade, 57, 77, 0));
    game.addHomeEvent(playBy(game.home.players[1], Foul, DefensiveFoul, 0));
    game.addHomeEvent(playBy(Player{}, TimeOut, 0, 1));
    game.addHomeEvent(playBy(game.home.players[5], Steal, 0, 4));
    game.addHomeEvent(shotBy(game.home.players[2], TwoPointMade, 57, 47, 1));
    game.addVisitorEvent(shotBy(game.visitor.players[0], TwoPointMade, 57, 47, 0));
    return game;
}

QStringList entries(QComboBox* list) {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i) lines << list->itemText(i);
    return lines;
}

// Chooses an entry with the keyboard, as a user does on a closed drop-down.
void choose(EditEvent& editor, const char* listName, int row) {
    auto* list = control<QComboBox>(&editor, listName);
    ASSERT_NE(list, nullptr);
    ASSERT_LT(row, list->count());
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < row; ++i) QTest::keyClick(list, Qt::Key_Down);
    ASSERT_EQ(list->currentIndex(), row);
}

int chosen(EditEvent& editor, const char* listName) { return control<QComboBox>(&editor, listName)->currentIndex(); }

// The console model the editor hands its changes to when it closes.
struct Console {
    LeagueOptions league;
    scoring::GameConsole model;
    explicit Console(Game& game) : model(game, league) {}
};

// Saves, reads back and returns the file's copy, as the console's auto save
// would leave it.
Game savedAndLoaded(Game& game, const QTemporaryDir& dir) {
    const std::string path = dir.filePath(QStringLiteral("game.gam")).toStdString();
    EXPECT_TRUE(game.save(path));
    return courtlog::testing::gameOnDisk(path);
}

}  // namespace

TEST(EditEvent, OpensWithTheListsAndTheLastPlayShown) {
    freshHooks();
    Game game = gameWithPlays();
    Console console(game);
    EditEvent editor(nullptr, console.model, true);
    editor.show();
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("Select an Event to Edit or Delete"));
    EXPECT_EQ(entries(control<QComboBox>(&editor, "eventList")),
              (QStringList{"1st  3 - Eagles Player 1, Shot, Three Point Made",
                           "1st  4 - Eagles Player 2, Foul, Defensive Foul", "2nd - Time Out",
                           "OT1 00 - Eagles Player 6, Steal", "2nd  5 - Eagles Player 3, Shot, Two Point Made"}));
    const QStringList players = entries(control<QComboBox>(&editor, "playerList"));
    ASSERT_EQ(players.size(), 6);
    EXPECT_EQ(players[0], QStringLiteral("3 - Eagles Player 1"));
    EXPECT_EQ(players[5], QStringLiteral("00 - Eagles Player 6"));
    EXPECT_EQ(entries(control<QComboBox>(&editor, "eventTypeList")).size(), 13);
    EXPECT_EQ(entries(control<QComboBox>(&editor, "quarterList")),
              (QStringList{"1st", "2nd", "3rd", "4th", "OT1", "OT2", "OT3", "OT4", "OT5", "OT6", "OT7", "OT8",
                           "OT9", "OT"}));
    // The last play is shown.
    EXPECT_EQ(chosen(editor, "eventList"), 4);
    EXPECT_EQ(chosen(editor, "playerList"), 2);
    EXPECT_EQ(chosen(editor, "eventTypeList"), Shot);
    EXPECT_EQ(entries(control<QComboBox>(&editor, "subTypeList")).size(), 7);
    EXPECT_EQ(chosen(editor, "subTypeList"), TwoPointMade);
    EXPECT_EQ(chosen(editor, "quarterList"), 1);
    // A time out keeps the player shown before it: the keys passed over
    // the foul by the second player on the way.
    choose(editor, "eventList", 2);
    EXPECT_EQ(chosen(editor, "playerList"), 1);
    EXPECT_EQ(chosen(editor, "eventTypeList"), TimeOut);
    EXPECT_EQ(control<QComboBox>(&editor, "subTypeList")->count(), 0);
    if (qEnvironmentVariableIsSet("COURTLOG_SHOTS")) {
        editor.grab().save(QStringLiteral("/tmp/edit-event.png"));
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&editor));
        QProcess::execute(QStringLiteral("import"),
                          {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("/tmp/edit-event-screen.png")});
    }
}

TEST(EditEvent, EditEachKindOfEvent) {
    freshHooks();
    QTemporaryDir dir;
    for (int kind = NoEvent; kind <= ShortTimeOut; ++kind) {
        SCOPED_TRACE(kind);
        Game game = gameWithPlays();
        Console console(game);
    EditEvent editor(nullptr, console.model, true);
        editor.show();
        choose(editor, "eventList", 1);  // the foul by player 2
        choose(editor, "playerList", 3);
        choose(editor, "eventTypeList", kind);
        const int subKinds = control<QComboBox>(&editor, "subTypeList")->count();
        EXPECT_EQ(chosen(editor, "subTypeList"), -1);  // a new kind starts with no sub-kind
        if (subKinds > 0) choose(editor, "subTypeList", subKinds - 1);
        choose(editor, "quarterList", 5);
        click(&editor, "updateEventButton");
        // Every selection is cleared and the list shows the new line.
        EXPECT_EQ(chosen(editor, "eventList"), -1);
        EXPECT_EQ(chosen(editor, "eventTypeList"), -1);
        EXPECT_EQ(chosen(editor, "quarterList"), -1);
        const QString line = control<QComboBox>(&editor, "eventList")->itemText(1);
        EXPECT_TRUE(line.startsWith(QStringLiteral("OT2"))) << line.toStdString();
        click(&editor, "okButton");
        EXPECT_FALSE(editor.isVisible());
        // "No Event" leaves the list when the editor closes; the file agrees.
        EXPECT_EQ(game.homeEventCount(), kind == NoEvent ? 4 : 5);
        if (kind != NoEvent) {
            const PlayEvent& e = game.homeEvents()[1];
            EXPECT_EQ(e.kind, kind);
            EXPECT_EQ(e.period, 5);
            EXPECT_EQ(scoring::subKindOf(e), subKinds > 0 ? subKinds - 1 : 0);
            const bool timeOut = kind == TimeOut || kind == ShortTimeOut;
            EXPECT_EQ(e.player.name, timeOut ? "" : "Eagles Player 4");
        }
        Game loaded = savedAndLoaded(game, dir);
        EXPECT_EQ(loaded.homeEvents(), game.homeEvents());
        // A shot changed into a missed three scores nothing.
        EXPECT_EQ(loaded.homeScore(), 5);
    }
}

TEST(EditEvent, DeletingAThreeLowersTheScoreAtOnce) {
    freshHooks();
    QTemporaryDir dir;
    Game game = gameWithPlays();
    ASSERT_EQ(game.homeScore(), 5);
    Console console(game);
    EditEvent editor(nullptr, console.model, true);
    editor.show();
    choose(editor, "eventList", 0);
    click(&editor, "deleteEventButton");
    EXPECT_EQ(control<QComboBox>(&editor, "eventList")->count(), 4);
    EXPECT_EQ(chosen(editor, "eventList"), -1);
    // Without a play chosen Delete and Update do nothing.
    click(&editor, "deleteEventButton");
    click(&editor, "updateEventButton");
    EXPECT_EQ(control<QComboBox>(&editor, "eventList")->count(), 4);
    EXPECT_TRUE(gui::ui::testing::shownMessages().empty());
    // Cancel keeps the deletion already made.
    click(&editor, "cancelButton");
    EXPECT_EQ(game.homeScore(), 2);
    EXPECT_EQ(game.homeEventCount(), 4);
    Game loaded = savedAndLoaded(game, dir);
    EXPECT_EQ(loaded.homeScore(), 2);
    EXPECT_EQ(loaded.homeEventCount(), 4);
    EXPECT_EQ(scoring::teamSheetFigures(loaded, true).rows[0].game.points, 0);
}

TEST(EditEvent, TimeOutIntoAFoulNeedsAPlayer) {
    freshHooks();
    Game game = gameWithPlays();
    // Opened on the visitors first: the shown player stays unchosen.
    game.addHomeEvent(playBy(Player{}, ShortTimeOut, 0, 1));
    Console console(game);
    EditEvent editor(nullptr, console.model, true);
    editor.show();
    EXPECT_EQ(chosen(editor, "playerList"), -1);
    choose(editor, "eventTypeList", Foul);
    choose(editor, "subTypeList", OffensiveFoul);
    click(&editor, "updateEventButton");
    ASSERT_EQ(gui::ui::testing::shownMessages().size(), 1u);
    EXPECT_EQ(gui::ui::testing::shownMessages()[0].text, QStringLiteral("Select a Player to update this event."));
    EXPECT_EQ(gui::ui::testing::shownMessages()[0].caption, QStringLiteral("Update Event"));
    EXPECT_EQ(control<QComboBox>(&editor, "eventList")->itemText(5), QStringLiteral("2nd - 20-Sec Time Out"));
    choose(editor, "playerList", 4);
    click(&editor, "updateEventButton");
    click(&editor, "okButton");
    EXPECT_EQ(game.homeEvents()[5].kind, Foul);
    EXPECT_EQ(game.homeEvents()[5].foulKind, OffensiveFoul);
    EXPECT_EQ(game.homeEvents()[5].player.name, "Eagles Player 5");
    EXPECT_EQ(scoring::teamSheetFigures(game, true).rows[4].personalFouls, 1);
}

TEST(EditEvent, NothingChosenLeavesThePlayAndSaysWhatToChoose) {
    freshHooks();
    Game game = gameWithPlays();
    std::vector<PlayEvent> plays = game.homeEvents();
    plays[3].period = 20;  // as a damaged file could hold
    game.setEvents(true, std::move(plays));
    const PlayEvent before = game.homeEvents()[3];
    Console console(game);
    EditEvent editor(nullptr, console.model, true);
    editor.show();
    choose(editor, "eventList", 3);
    EXPECT_EQ(chosen(editor, "quarterList"), -1);
    choose(editor, "eventTypeList", Turnover);
    click(&editor, "okButton");
    EXPECT_TRUE(editor.isVisible());
    ASSERT_EQ(gui::ui::testing::shownMessages().size(), 1u);
    EXPECT_EQ(gui::ui::testing::shownMessages()[0].text,
              QStringLiteral("Select a Sub Type and a Quarter to update this event."));
    EXPECT_EQ(gui::ui::testing::shownMessages()[0].icon, gui::ui::MessageIcon::Exclamation);
    EXPECT_EQ(game.homeEvents()[3], before);
    choose(editor, "subTypeList", LostBall);
    choose(editor, "quarterList", 2);
    click(&editor, "okButton");
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(game.homeEvents()[3].turnoverKind, LostBall);
    EXPECT_EQ(game.homeEvents()[3].period, 2);
}

TEST(EditEvent, MadeTwoIntoMissedTwoMovesTheSpotForThatTeam) {
    freshHooks();
    ShotSpotDialog::teamOrientation(false) = 180;
    ShotSpotDialog::teamOrientation(true) = 0;
    Game game = gameWithPlays();
    Console console(game);
    EditEvent editor(nullptr, console.model, false);
    editor.show();
    choose(editor, "subTypeList", TwoPointMissed);
    gui::ui::testing::queueMessageAnswer(gui::ui::ResultYes);
    whenModal<ShotSpotDialog>([](ShotSpotDialog* dialog) {
        EXPECT_EQ(dialog->orientation(), 180);  // the visitors' court
        // Upright (57, 47) starts at (61, 152) on the court turned round.
        // (the platform may nudge the pointer by a pixel or two as it moves it).
        const int k = ShotSpotDialog::kCourtScale;
        EXPECT_LE((dialog->lastMousePosition() - QPoint(61 * k, 152 * k + ShotSpotDialog::kButtonRowHeight))
                      .manhattanLength(),
                  4 + 2 * k);
        QTest::mouseClick(dialog, Qt::LeftButton, {},
                          QPoint(100 * k + k / 2, 180 * k + k / 2 + ShotSpotDialog::kButtonRowHeight));
    });
    click(&editor, "updateEventButton");
    ASSERT_EQ(gui::ui::testing::shownMessages().size(), 1u);
    EXPECT_EQ(gui::ui::testing::shownMessages()[0].text, QStringLiteral("Do you want to update the shot point?"));
    EXPECT_EQ(gui::ui::testing::shownMessages()[0].caption, QStringLiteral("Update Shot Point?"));
    EXPECT_EQ(gui::ui::testing::shownMessages()[0].icon, gui::ui::MessageIcon::Question);
    EXPECT_EQ(gui::ui::testing::shownMessages()[0].buttons, gui::ui::MessageButtons::YesNo);
    click(&editor, "okButton");
    const PlayEvent& e = game.visitorEvents()[0];
    EXPECT_EQ(e.shotResult, TwoPointMissed);
    EXPECT_EQ(e.shotX, 18);
    EXPECT_EQ(e.shotY, 19);
    ShotSpotDialog::teamOrientation(false) = 0;
}

TEST(EditEvent, HalvesPeriodsAndNoEventRemovedOnCancel) {
    freshHooks();
    Game game = gameWithPlays();
    game.halves = 1;
    int result = 0;
    whenModal<EditEvent>([&](EditEvent* editor) {
        EXPECT_EQ(entries(control<QComboBox>(editor, "quarterList")).mid(0, 5),
                  (QStringList{"1st", "1st", "2nd", "2nd", "OT1"}));
        EXPECT_EQ(control<QComboBox>(editor, "eventList")->itemText(2), QStringLiteral("1st - Time Out"));
        choose(*editor, "eventList", 0);
        choose(*editor, "quarterList", 1);  // the second "1st"
        gui::ui::testing::queueMessageAnswer(gui::ui::ResultNo);
        click(editor, "updateEventButton");
        choose(*editor, "eventList", 1);
        choose(*editor, "eventTypeList", NoEvent);
        click(editor, "updateEventButton");
        EXPECT_EQ(control<QComboBox>(editor, "eventList")->itemText(1),
                  QStringLiteral("1st  4 - Eagles Player 2, No Event, "));
        click(editor, "cancelButton");
    });
    Console console(game);
    result = gui::scoring::editEvents(nullptr, console.model, true) ? 1 : 0;
    EXPECT_EQ(result, 1);
    EXPECT_EQ(game.homeEvents()[0].period, 1);
    ASSERT_EQ(game.homeEventCount(), 4);
    EXPECT_EQ(game.homeEvents()[1].kind, TimeOut);
    EXPECT_EQ(game.homeScore(), 5);
}
