#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "CaseNames.h"
#include "RecordBuilders.h"
#include "core/records/ScheduleForm.h"
#include "core/records/ScheduleListing.h"
#include "core/records/ScheduledFiles.h"

namespace courtlog {
namespace {

using testing::ScratchFolder;
using testing::scheduled;

constexpr EventDate kToday{2025, 6, 7};

struct FormCase {
    const char* what;
    const char* date;
    const char* time;
    EventDate expectedDate;
    int hour;
    int minute;
};

void PrintTo(const FormCase& c, std::ostream* os) { *os << c.what; }

class ScheduleFormDateAndTime : public ::testing::TestWithParam<FormCase> {};

TEST_P(ScheduleFormDateAndTime, FollowTheFormRules) {
    const FormCase& c = GetParam();
    ScheduleFormFields form;
    form.date = c.date;
    form.time = c.time;
    const ScheduleEntry entry = entryFromForm(form, ScheduleEntry::blankOn(kToday), kToday);
    EXPECT_EQ(entry.date, c.expectedDate);
    EXPECT_EQ(entry.hour, c.hour);
    EXPECT_EQ(entry.minute, c.minute);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScheduleFormDateAndTime,
    ::testing::Values(FormCase{"PlainDateAndTime", "3/14/2024", "19:30", {2024, 14, 3}, 19, 30},
                      FormCase{"MonthThirteenMeansToday", "13/1/2001", "12:00", kToday, 12, 0},
                      FormCase{"DayThirtyTwoMeansToday", "1/32/2001", "8:05", kToday, 8, 5},
                      FormCase{"NegativeYearMeansToday", "1/2/-5", "0:00", kToday, 0, 0},
                      FormCase{"YearZeroIsKept", "1/2/0", "24:59", {0, 2, 1}, 24, 59},
                      FormCase{"IncompleteDateMeansToday", "5/6", "7", kToday, 7, 0},
                      FormCase{"LateTimeBecomesNoon", "5/6/2024", "25:70", {2024, 6, 5}, 12, 0},
                      FormCase{"NegativeTimeBecomesNoon", "5/6/2024", "-1:-5", {2024, 6, 5}, 12, 0},
                      FormCase{"EmptyFieldsMeanTodayAtNoon", "", "", kToday, 12, 0}),
    courtlog::testing::NameFromWhat());

TEST(ScheduleForm, TextsAreCutToTheirFieldsAndFilesComeFromTheLoadedEntry) {
    ScheduleEntry loaded = scheduled(GameEvent, 1, 1, 2020);
    loaded.homeFile = "/teams/h.tem";
    loaded.gameFile = "/games/g.gam";
    loaded.season = 2021;
    ScheduleFormFields form;
    form.date = "2/3/2024";
    form.court = std::string(40, 'c');
    form.homeName = "Hawks";
    form.visitorName = "Miners";
    form.note = std::string(131, 'n');
    form.kindIndex = 7;  // the last of the eight kinds
    const ScheduleEntry entry = entryFromForm(form, loaded, kToday);
    EXPECT_EQ(entry.kind, TournamentEvent);
    EXPECT_EQ(entry.court, std::string(24, 'c'));
    EXPECT_EQ(entry.note, std::string(130, 'n'));
    EXPECT_EQ(entry.homeName, "Hawks");
    EXPECT_EQ(entry.homeFile, "/teams/h.tem");
    EXPECT_EQ(entry.gameFile, "/games/g.gam");
    EXPECT_EQ(entry.season, 2021);
    form.note = std::string(130, 'k');
    EXPECT_EQ(entryFromForm(form, loaded, kToday).note, form.note);
}

TEST(ScheduleForm, SideButtonCaptionsFollowTheThreeChoices) {
    struct Case {
        ScheduleChoices choices;
        const char *game, *home, *visitor;
    } cases[] = {
        {{false, false, false}, "Start", "Create", "Create"},
        {{true, false, false}, "Start", "Edit", "Create"},
        {{false, true, false}, "Start", "Create", "Edit"},
        {{true, true, true}, "Edit", "N/A", "N/A"},
        {{false, false, true}, "Edit", "N/A", "N/A"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.choices.gameCaption(), c.game);
        EXPECT_EQ(c.choices.homeCaption(), c.home);
        EXPECT_EQ(c.choices.visitorCaption(), c.visitor);
    }
    EXPECT_EQ(gameFieldText("Hawks", "Miners"), "Hawks vs. Miners");
    EXPECT_EQ(dateFieldText({2024, 5, 12}), "12/5/2024");
    EXPECT_EQ(timeFieldText(7, 5), "7:05");
}

class ScheduledGames : public ::testing::Test {
protected:
    ScratchFolder folder;
    ScheduleEntry withTeams() {
        ScheduleEntry e = scheduled(GameEvent, 3, 14, 2024, 19, 30, "Hawks", "Miners", "Main Gym");
        e.homeFile = folder.saveTeam(testing::team("Hawks", 6), "hawks.tem");
        e.visitorFile = folder.saveTeam(testing::team("Miners", 5), "miners.tem");
        return e;
    }
};

TEST_F(ScheduledGames, StartMakesTheGameFromBothTeamFilesAndTheTypedCourtAndTime) {
    const ScheduleEntry entry = withTeams();
    ScheduleFormFields form;
    form.date = "4/2/2024";
    form.time = "18:45";
    form.court = "North Court";
    std::optional<Game> game = gameForScheduledEvent(entry, form, kToday, true);
    ASSERT_TRUE(game.has_value());
    EXPECT_EQ(game->home.playerCount(), 6);
    EXPECT_EQ(game->visitor.playerCount(), 5);
    EXPECT_TRUE(game->home.noPersonalInfo);
    EXPECT_EQ(game->homeName, "Hawks");
    EXPECT_EQ(game->visitorName, "Miners");
    EXPECT_EQ(game->court, "North Court");
    EXPECT_EQ(game->hour, 18);
    EXPECT_EQ(game->minute, 45);
    EXPECT_EQ(game->month, 4);
    EXPECT_EQ(game->day, 2);
    EXPECT_EQ(game->year, 2024);
    EXPECT_EQ(game->season, 2024);
    EXPECT_EQ(game->halves, 1);
    EXPECT_EQ(game->isNew, 0);
    EXPECT_EQ(game->homeEventCount() + game->visitorEventCount(), 0);
}

TEST_F(ScheduledGames, StartWithAMissingTeamFileGivesNoGame) {
    ScheduleEntry entry = withTeams();
    entry.visitorFile = folder.file("gone.tem");
    std::string error;
    EXPECT_FALSE(gameForScheduledEvent(entry, {}, kToday, false, &error).has_value());
    EXPECT_NE(error.find("Can't load team !"), std::string::npos);
}

TEST_F(ScheduledGames, AnEntryTakesDateTimeAndSeasonFromItsGameAndTheCourtOnlyWhenItHasNone) {
    Game g = testing::game("Hawks", "Miners");
    g.hour = 20;
    g.minute = 15;
    g.season = 2023;
    g.reserved4 = 9;
    g.court = "Arena";
    ScheduleEntry entry = scheduled(GameEvent, 1, 1, 2020, 12, 0, "", "", "Gym");
    entry.takeFromGame(g);
    EXPECT_EQ(entry.date, (EventDate{2024, 14, 3}));
    EXPECT_EQ(entry.hour, 20);
    EXPECT_EQ(entry.minute, 15);
    EXPECT_EQ(entry.season, 2023);
    EXPECT_EQ(entry.reserved2, 9);
    EXPECT_EQ(entry.court, "Gym");
    entry.court.clear();
    entry.takeFromGame(g);
    EXPECT_EQ(entry.court, "Arena");
}

TEST_F(ScheduledGames, ListingFindsMovedGamesByBareNameAndDropsLostOnes) {
    Schedule s;
    ScheduleEntry own = scheduled(GameEvent, 1, 1, 2024, 12, 0, "Old", "Names");
    own.gameFile = folder.saveGame(testing::game("Hawks", "Miners"), "played.gam");
    ScheduleEntry moved = own;
    folder.saveGame(testing::game("Ravens", "Hawks"), "moved.gam");
    moved.gameFile = "C:\\Courtlog\\Games\\moved.gam";  // written on another system
    ScheduleEntry lost = withTeams();
    lost.gameFile = "/nowhere/lost.gam";
    ScheduleEntry plain = scheduled(PracticeEvent, 2, 3, 2024, 17, 5, "Hawks", "", "Gym", "Bring water");
    for (const ScheduleEntry& e : {own, moved, lost, plain}) s.addEntry(e);

    const ScheduleListing listing = listSchedule(s, scheduledGameFolders(folder.file("season.sch")));
    ASSERT_EQ(listing.rows.size(), 4u);
    EXPECT_EQ(listing.rows[0], (ScheduleListRow{"1/1/2024", "12:00", "Game", "Hawks", "Miners", own.gameFile, "",
                                                ""}));
    EXPECT_EQ(listing.rows[1][3], "Ravens");
    EXPECT_EQ(s.entries[1].gameFile, folder.file("moved.gam"));
    EXPECT_EQ(listing.lostGames, std::vector<int>{2});
    EXPECT_EQ(s.entries[2].gameFile, "");
    EXPECT_EQ(s.entries[2].homeFile, "");
    EXPECT_EQ(s.entries[2].visitorFile, "");
    EXPECT_EQ(listing.rows[2][3], "Hawks");
    EXPECT_EQ(listing.rows[3], (ScheduleListRow{"2/3/2024", "17:05", "Practice", "Hawks", "", "", "Gym",
                                                "Bring water"}));
}

TEST(ScheduledFiles, PathsAreKeptOnlyWhenTheFieldHoldsThemWhole) {
    EXPECT_EQ(scheduleFieldForPath("/home/jos\xC3\xA9/a.gam"), std::optional<std::string>("/home/jos\xE9/a.gam"));
    EXPECT_EQ(pathFromScheduleField("/home/jos\xE9/a.gam"), "/home/jos\xC3\xA9/a.gam");
    EXPECT_FALSE(scheduleFieldForPath("/" + std::string(259, 'a')).has_value());
    EXPECT_TRUE(scheduleFieldForPath("/" + std::string(258, 'a')).has_value());
    EXPECT_FALSE(scheduleFieldForPath("/games/\xE2\x98\x83.gam").has_value());  // a snowman has no byte
}

}  // namespace
}  // namespace courtlog
