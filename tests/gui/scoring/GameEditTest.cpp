#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "GuiTestSupport.h"
#include "gui/ui/CalendarDialog.h"
#include "gui/people/TeamEdit.h"
#include "core/records/Game.h"
#include "gui/scoring/GameEdit.h"
#include "gui/ui/FileDialogs.h"

using namespace courtlog;
using namespace courtlog::testsupport;
using courtlog::gui::scoring::GameEdit;

namespace {

QString saveTeamFile(const QTemporaryDir& dir, Team team, const QString& name) {
    const QString path = QDir(dir.path()).filePath(name);
    EXPECT_TRUE(team.saveTo(path.toStdString()));
    return path;
}

QString text(GameEdit& editor, const char* editName) { return control<QLineEdit>(&editor, editName)->text(); }

// Selects both teams through their buttons, answering the file dialogs.
void selectTeams(GameEdit& editor, const QString& homeFile, const QString& visitorFile) {
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{homeFile, 1});
    click(&editor, "homeSelectButton");
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{visitorFile, 1});
    click(&editor, "visitorSelectButton");
}

}  // namespace

TEST(GameEdit, NewGameOpensWithTodayNoonAndNoTeams) {
    freshHooks();
    const QDate before = QDate::currentDate();
    Game game;
    // Around midnight the game may have seen the day before this test's.
    const QDate today = QDate(game.year, game.month, game.day);
    ASSERT_TRUE(today == before || today == before.addDays(1));
    game.court = "Main Hall";
    GameEdit editor(game);
    editor.show();
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("Edit Game Information"));
    EXPECT_EQ(text(editor, "dateEdit"),
              QStringLiteral("%1/%2/%3").arg(today.month()).arg(today.day()).arg(today.year()));
    EXPECT_EQ(text(editor, "timeEdit"), QStringLiteral("12:00"));
    EXPECT_EQ(text(editor, "seasonEdit"), QString::number(today.year()));
    EXPECT_EQ(text(editor, "courtEdit"), QStringLiteral("Main Hall"));
    EXPECT_TRUE(control<QLabel>(&editor, "homeSummary")->text().isEmpty());

    click(&editor, "okButton");
    ASSERT_EQ(gui::ui::testing::shownMessages().size(), 1u);
    EXPECT_EQ(gui::ui::testing::shownMessages()[0].text, QStringLiteral("Teams Not Selected."));
    EXPECT_EQ(gui::ui::testing::shownMessages()[0].caption, QStringLiteral("Cannot Save"));
    EXPECT_EQ(gui::ui::testing::shownMessages()[0].icon, gui::ui::MessageIcon::Exclamation);
    EXPECT_TRUE(editor.isVisible());

    click(&editor, "startGameButton");
    click(&editor, "visitorEditButton");
    ASSERT_EQ(gui::ui::testing::shownMessages().size(), 3u);
    EXPECT_EQ(gui::ui::testing::shownMessages()[1].text, QStringLiteral("You must first select teams."));
    EXPECT_EQ(gui::ui::testing::shownMessages()[2].text, QStringLiteral("You must first select a team."));
    EXPECT_EQ(gui::ui::testing::shownMessages()[2].caption, QStringLiteral("Team Not Selected"));
    EXPECT_TRUE(editor.isVisible());
}

// The ranges themselves are tested in the core (GameInfoRules); this is the
// dialog handing its fields to them and the texts and teams to the game.
TEST(GameEdit, FieldsAreReadBackWithinTheirRanges) {
    freshHooks();
    QTemporaryDir dir;
    const QString home = saveTeamFile(dir, teamWithLineup("Eagles", 5), QStringLiteral("home.tem"));
    const QString visitor = saveTeamFile(dir, teamWithLineup("Owls", 5), QStringLiteral("visitor.tem"));
    Game game;
    GameEdit editor(game);
    editor.show();
    selectTeams(editor, home, visitor);
    typeInto(&editor, "dateEdit", QStringLiteral("13/40/2004"));
    typeInto(&editor, "seasonEdit", QStringLiteral("  1999"));
    typeInto(&editor, "timeEdit", QStringLiteral("7:5"));
    typeInto(&editor, "referee2Edit", QStringLiteral("Ref \u00C6r\u00F8 with a very long name"));
    click(&editor, "okButton");
    ASSERT_EQ(editor.result(), 1);
    EXPECT_EQ(game.month, 1);
    EXPECT_EQ(game.day, 1);
    EXPECT_EQ(game.year, 2004);
    EXPECT_EQ(game.season, 1999);
    EXPECT_EQ(game.hour, 7);
    EXPECT_EQ(game.minute, 5);
    EXPECT_EQ(game.referee2, std::string("Ref \xC6r\xF8 with a very long"));
    EXPECT_EQ(game.homeName, "Eagles");
    EXPECT_EQ(game.visitorName, "Owls");
    EXPECT_EQ(game.isNew, 1);
}

// The stepping rule itself is tested in the core (GameInfoRules).
TEST(GameEdit, SeasonButtonsWrapBetweenZeroAndNineNineNineNine) {
    freshHooks();
    Game game;
    GameEdit editor(game);
    typeInto(&editor, "seasonEdit", QStringLiteral("9999"));
    click(&editor, "seasonUpButton");
    EXPECT_EQ(text(editor, "seasonEdit"), QStringLiteral("     0"));
    click(&editor, "seasonDownButton");
    EXPECT_EQ(text(editor, "seasonEdit"), QStringLiteral("  9999"));
    EXPECT_EQ(gui::ui::testing::playedSounds(), (std::vector<int>{gui::ui::SoundClick, gui::ui::SoundClick}));
}

TEST(GameEdit, SelectedTeamsAreSummarisedAndAnUnreadableFileChangesNothing) {
    freshHooks();
    QTemporaryDir dir;
    const QString home = saveTeamFile(dir, teamWithLineup("Eagles", 6), QStringLiteral("home.tem"));
    Game game;
    GameEdit editor(game);
    editor.show();
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{home, 1});
    click(&editor, "homeSelectButton");
    EXPECT_EQ(gui::ui::testing::lastFileDialogOptions().filters, QStringLiteral("Team Files (*.tem)|*.tem|"));
    EXPECT_EQ(control<QLabel>(&editor, "homeSummary")->text(),
              QStringLiteral("Name: Eagles\nCoach: Coach Eagles\nAssistant: Assistant Eagles\n"));
    EXPECT_EQ(game.home.playerCount(), 6);
    EXPECT_EQ(game.home.players[4].courtSlot, 5);
    EXPECT_TRUE(game.home.noPersonalInfo);

    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{QDir(dir.path()).filePath(QStringLiteral("gone.tem")), 1});
    click(&editor, "homeSelectButton");
    EXPECT_EQ(game.home.playerCount(), 6);
    EXPECT_TRUE(control<QLabel>(&editor, "visitorSummary")->text().isEmpty());
}

TEST(GameEdit, LineupCheckReportsTheVisitorsFirstAndTheFirstFaultySlot) {
    freshHooks();
    QTemporaryDir dir;
    Team duplicates = teamWithLineup("Eagles", 7);
    duplicates.players[3].courtSlot = 3;  // two in slot 3, nobody in slot 4
    Team incomplete = teamWithLineup("Owls", 7);
    incomplete.players[1].courtSlot = 0;
    const QString good = saveTeamFile(dir, teamWithLineup("Hawks", 7), QStringLiteral("good.tem"));
    const QString dup = saveTeamFile(dir, duplicates, QStringLiteral("dup.tem"));
    const QString inc = saveTeamFile(dir, incomplete, QStringLiteral("inc.tem"));

    struct Case {
        QString home, visitor, message;
    };
    const Case cases[] = {
        {dup, good, QStringLiteral("Duplicates in Home Team Starting Lineup")},
        {inc, inc, QStringLiteral("Incomplete Visiting Team Starting Lineup!")},
        {good, inc, QStringLiteral("Incomplete Visiting Team Starting Lineup!")},
        {inc, good, QStringLiteral("Incomplete Home Team Starting Lineup!")},
        {good, dup, QStringLiteral("Duplicates in Visiting Team Starting Lineup")},
    };
    for (const Case& c : cases) {
        Game game;
        GameEdit editor(game);
        editor.show();
        selectTeams(editor, c.home, c.visitor);
        gui::ui::testing::clearShownMessages();
        click(&editor, "startGameButton");
        ASSERT_EQ(gui::ui::testing::shownMessages().size(), 1u) << c.message.toStdString();
        EXPECT_EQ(gui::ui::testing::shownMessages()[0].text, c.message);
        EXPECT_EQ(gui::ui::testing::shownMessages()[0].caption, QStringLiteral("Lineup Error"));
        EXPECT_TRUE(editor.isVisible());
    }

    Game game;
    GameEdit editor(game);
    editor.show();
    selectTeams(editor, good, good);
    gui::ui::testing::clearPlayedSounds();
    click(&editor, "startGameButton");
    EXPECT_EQ(editor.result(), GameEdit::kStartGame);
    EXPECT_EQ(gui::ui::testing::playedSounds(), std::vector<int>{gui::ui::SoundGameStart});
}

TEST(GameEdit, LoadedGameShowsItsOwnInformationAndCancelKeepsIt) {
    freshHooks();
    Game game;
    game.isNew = 0;
    game.month = 3;
    game.day = 9;
    game.year = 2005;
    game.hour = 19;
    game.minute = 5;
    game.season = 2004;
    game.homeName = "Eagles";
    game.visitorName = "Owls";
    game.home = teamWithLineup("Eagles", 5);
    game.visitor = teamWithLineup("Owls", 5);
    GameEdit editor(game);
    editor.show();
    EXPECT_EQ(text(editor, "dateEdit"), QStringLiteral("3/9/2005"));
    EXPECT_EQ(text(editor, "timeEdit"), QStringLiteral("19:05"));
    EXPECT_EQ(text(editor, "seasonEdit"), QStringLiteral("2004"));
    EXPECT_TRUE(
        control<QLabel>(&editor, "visitorSummary")->text().startsWith(QStringLiteral("Name: Owls\n")));
    typeInto(&editor, "dateEdit", QStringLiteral("1/1/2001"));
    QTest::keyClick(&editor, Qt::Key_Escape);
    EXPECT_EQ(editor.result(), 2);
    EXPECT_EQ(game.year, 2005);
    EXPECT_EQ(game.isNew, 0);
}

TEST(GameEdit, EditTeamReplacesTheGamesTeamOnlyOnOk) {
    freshHooks();
    Game game;
    game.isNew = 0;
    game.home = teamWithLineup("Eagles", 5);
    game.visitor = teamWithLineup("Owls", 5);
    game.homeName = "Eagles";
    game.visitorName = "Owls";
    GameEdit editor(game);
    editor.show();

    whenModal<gui::people::TeamEdit>([](gui::people::TeamEdit* team) {
        typeInto(team, "coachEdit", QStringLiteral("Dropped"));
        click(team, "cancelButton");
    });
    click(&editor, "homeEditButton");
    EXPECT_EQ(game.home.coach, "Coach Eagles");

    whenModal<gui::people::TeamEdit>([](gui::people::TeamEdit* team) {
        typeInto(team, "teamNameEdit", QStringLiteral("Grey Owls"));
        typeInto(team, "coachEdit", QStringLiteral("New Coach"));
        click(team, "okButton");
    });
    click(&editor, "visitorEditButton");
    EXPECT_EQ(game.visitor.coach, "New Coach");
    EXPECT_TRUE(
        control<QLabel>(&editor, "visitorSummary")->text().contains(QStringLiteral("Coach: New Coach")));
    click(&editor, "okButton");
    EXPECT_EQ(game.visitorName, "Grey Owls");
}

TEST(GameEdit, DateButtonOpensThePickerOnTodayWhenTheTextIsNoDate) {
    freshHooks();
    Game game;
    GameEdit editor(game);
    editor.show();
    typeInto(&editor, "dateEdit", QStringLiteral("13/40/2004"));
    int pickerYear = 0, pickerMonth = 0, pickerDay = 0;
    whenModal<gui::ui::CalendarDialog>([&](gui::ui::CalendarDialog* picker) {
        pickerYear = picker->year();
        pickerMonth = picker->month();
        pickerDay = picker->day();
        picker->done(1);
    });
    click(&editor, "dateButton");
    const QDate today = QDate::currentDate();
    EXPECT_EQ(pickerYear, today.year());
    EXPECT_EQ(pickerMonth, today.month());
    EXPECT_EQ(pickerDay, today.day());
    EXPECT_EQ(text(editor, "dateEdit"),
              QStringLiteral("%1/%2/%3").arg(today.month()).arg(today.day()).arg(today.year()));
}

TEST(GameEdit, TabOrderFollowsTheLayoutAndAccessKeysPressTheirButtons) {
    freshHooks();
    Game game;
    GameEdit editor(game);
    EXPECT_EQ(tabOrder(&editor).join(QLatin1Char(' ')),
              QStringLiteral(
                  "dateButton dateEdit timeEdit seasonEdit seasonUpButton seasonDownButton courtEdit "
                  "attendanceEdit referee1Edit referee2Edit referee3Edit homeSelectButton homeEditButton "
                  "visitorSelectButton visitorEditButton okButton startGameButton cancelButton"));
    editor.show();
    editor.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
    // Alt+D is the visiting team's Edit Team: without a team it says so.
    QTest::keyClick(&editor, Qt::Key_D, Qt::AltModifier);
    ASSERT_TRUE(processUntil([] { return !gui::ui::testing::shownMessages().empty(); }));
    EXPECT_EQ(gui::ui::testing::shownMessages()[0].text, QStringLiteral("You must first select a team."));
}

TEST(GameEdit, EnterOnAFocusedButtonPressesThatButton) {
    freshHooks();
    QTemporaryDir dir;
    const QString good = saveTeamFile(dir, teamWithLineup("Hawks", 7), QStringLiteral("good.tem"));

    // Tabbing to Cancel and pressing Enter cancels; it does not take the
    // typed date as OK would.
    Game game;
    game.isNew = 0;
    game.year = 2005;
    game.home = teamWithLineup("Eagles", 5);
    game.visitor = teamWithLineup("Owls", 5);
    GameEdit editor(game);
    editor.show();
    typeInto(&editor, "dateEdit", QStringLiteral("1/1/2001"));
    auto* cancel = control<QPushButton>(&editor, "cancelButton");
    cancel->setFocus();
    QTest::keyClick(cancel, Qt::Key_Return);
    EXPECT_EQ(editor.result(), 2);
    EXPECT_EQ(game.year, 2005);

    // Enter on St&art Game starts the game.
    Game second;
    GameEdit starter(second);
    starter.show();
    selectTeams(starter, good, good);
    auto* start = control<QPushButton>(&starter, "startGameButton");
    start->setFocus();
    QTest::keyClick(start, Qt::Key_Return);
    EXPECT_EQ(starter.result(), GameEdit::kStartGame);
}
