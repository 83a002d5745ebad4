#include "core/records/JsonForm.h"

#include <gtest/gtest.h>

#include <fstream>
#include <utility>

using namespace courtlog;
using json = nlohmann::ordered_json;

namespace {

Team sampleTeam() {
    Team t;
    t.name = "Caf\xE9 Ravens";  // Windows-1252 e acute
    t.coach = "J\xF6rg Nu\xDF";
    t.assistant = "Al \x93" "Ace\x94" " Ray";  // curly quotes
    t.spareText = "spare";
    t.logoFile = "C:\\logos\\ravens.bmp";
    t.logoLayout = 2;
    t.logoFade = 35;
    Player p;
    p.name = "Zo\xEB Lind";
    p.number = -1;
    p.playedInPeriod = {1, 0, 1, 0, 0, 0, 0, 1};
    p.position = 3;
    p.courtSlot = 5;
    PersonalInfo info;
    info.phone = "555-0100";
    info.address = "1 Main";
    info.city = "Town";
    info.state = "ST";
    info.zip = "12345";
    info.birthday = {2001, 9, 12};
    info.email = "zoe@example.com";
    info.note = "\x80 fee paid";  // euro sign
    t.addPlayer(p, info);
    Player q;
    q.name = "Max";
    q.number = 99;
    t.addPlayer(q, PersonalInfo{});
    return t;
}

json loadJson(const std::string& path) {
    std::ifstream in(path);
    return json::parse(in);
}

}  // namespace

TEST(JsonForm, TeamTextsBecomeUtf8AndComeBackExactly) {
    const Team t = sampleTeam();
    const json j = teamToJson(t);
    EXPECT_EQ(j["kind"], "team");
    EXPECT_EQ(j["name"], "Caf\u00E9 Ravens");
    EXPECT_EQ(j["assistant"], "Al \u201CAce\u201D Ray");
    EXPECT_EQ(j["players"][0]["number"], -1);
    EXPECT_EQ(j["players"][0]["playedInPeriod"], json({1, 0, 1, 0, 0, 0, 0, 1}));
    EXPECT_EQ(j["personalInfo"][0]["note"], "\u20AC fee paid");
    EXPECT_EQ(j["personalInfo"][0]["birthday"], json({{"year", 2001}, {"month", 12}, {"day", 9}}));

    Team back;
    std::string error;
    ASSERT_TRUE(teamFromJson(j, back, &error)) << error;
    EXPECT_EQ(back.name, t.name);
    EXPECT_EQ(back.coach, t.coach);
    EXPECT_EQ(back.assistant, t.assistant);
    EXPECT_EQ(back.spareText, t.spareText);
    EXPECT_EQ(back.logoFile, t.logoFile);
    EXPECT_EQ(back.logoLayout, 2);
    EXPECT_EQ(back.logoFade, 35);
    EXPECT_EQ(back.players, t.players);
    EXPECT_EQ(back.personalInfo, t.personalInfo);
}

TEST(JsonForm, MissingFieldsTakeTheDefaultsOfANewRecord) {
    Team t;
    std::string error;
    ASSERT_TRUE(teamFromJson(json::parse(R"({"kind":"team","players":[{"name":"Solo"}]})"), t, &error)) << error;
    EXPECT_EQ(t.logoFile, "default.bmp");
    ASSERT_EQ(t.playerCount(), 1);
    EXPECT_EQ(t.players[0].number, -1);
    EXPECT_EQ(t.players[0].courtSlot, 0);
    ASSERT_EQ(t.personalInfo.size(), 1u);
    EXPECT_EQ(t.personalInfo[0].birthday, BirthDate::today());

    // A team inside a game carries no personal information.
    Team inGame;
    inGame.noPersonalInfo = true;
    EXPECT_FALSE(teamToJson(inGame).contains("personalInfo"));
}

TEST(JsonForm, BadFieldsAreReportedByNameAndChangeNothing) {
    struct Case {
        const char* json;
        const char* expected;
    };
    const Case cases[] = {
        {R"({"kind":"team","players":[{"number":"7"}]})", "players[0].number"},
        {R"({"kind":"team","players":[{"number":40000}]})", "players[0].number: expected an integer from -32768"},
        {R"({"kind":"team","name":"abcdefghijklmnopqrstuvwxyz"})", "name: text longer than 25"},
        {R"({"kind":"team","name":"a\u0000b"})", "NUL"},
        {R"({"kind":"team","players":{}})", "players: expected a list"},
        {R"({"kind":"team","players":[{}],"personalInfo":[{},{}]})", "personalInfo: more than 1 entries"},
        {R"({"kind":"team","players":[{"playedInPeriod":[0,0,0,0,0,0,0,0,0]}]})", "playedInPeriod"},
        // Values the team file would bring into range are refused, not changed later.
        {R"({"kind":"team","logoLayout":5})", "logoLayout: expected an integer from 0 to 2"},
        {R"({"kind":"team","logoFade":101})", "logoFade: expected an integer from 0 to 100"},
        {R"({"kind":"team","players":[{"courtSlot":6}]})", "players[0].courtSlot: expected an integer from 0 to 5"},
        {R"({"kind":"team","personalInfo":[]} )", ""},
        {R"({"kind":"game"})", "not a \"team\" file"},
        {R"([1,2])", "expected an object"},
    };
    for (const Case& c : cases) {
        Team t = sampleTeam();
        std::string error;
        const bool ok = teamFromJson(json::parse(c.json), t, &error);
        if (*c.expected == '\0') {
            EXPECT_TRUE(ok) << c.json << ": " << error;
            continue;
        }
        EXPECT_FALSE(ok) << c.json;
        EXPECT_NE(error.find(c.expected), std::string::npos) << c.json << " gave: " << error;
        EXPECT_EQ(t.name, sampleTeam().name) << c.json;
        EXPECT_EQ(t.playerCount(), 2) << c.json;
    }
}

// A game's members are named only once one is found wrong: the name must
// still lead to the very play, player and entry, whatever the integer's width.
TEST(JsonForm, BadGameFieldsNameThePlayAndTheField) {
    const std::pair<const char*, const char*> cases[] = {
        {R"({"kind":"game","day":200})", "day: expected an integer from -128 to 127"},
        {R"({"kind":"game","season":"2024"})", "season: expected an integer from -32768 to 32767"},
        {R"({"kind":"game","homeEvents":[{},{"period":-40000}]})",
         "homeEvents[1].period: expected an integer from -32768 to 32767"},
        {R"({"kind":"game","visitorEvents":[{"player":{"playedInPeriod":[0,1.5]}}]})",
         "visitorEvents[0].player.playedInPeriod[1]: expected an integer from -32768 to 32767"},
        {R"({"kind":"game","homeEvents":[{"player":{"name":7}}]})", "homeEvents[0].player.name: expected a text"},
        {R"({"kind":"game","home":{"players":[{},{"courtSlot":9}]}})",
         "home.players[1].courtSlot: expected an integer from 0 to 5"},
    };
    for (const auto& [text, expected] : cases) {
        Game g;
        std::string error;
        EXPECT_FALSE(gameFromJson(json::parse(text), g, &error)) << text;
        EXPECT_EQ(error, expected) << text;
        EXPECT_TRUE(g.homeEvents().empty() && g.visitorEvents().empty()) << text;
    }
}

TEST(JsonForm, GameSurvivesJsonFileJson) {
    json source = loadJson(std::string(COURTLOG_TEST_DATA) + "/json/sample-game.json");
    source["homeScore"] = 999;  // derived: ignored on input
    Game game;
    std::string error;
    ASSERT_TRUE(gameFromJson(source, game, &error)) << error;
    EXPECT_EQ(game.homeScore(), 6);
    EXPECT_EQ(game.visitorScore(), 2);
    EXPECT_TRUE(game.home.noPersonalInfo);
    EXPECT_EQ(game.visitorEvents()[2].reserved1, 7);
    EXPECT_EQ(game.visitorEvents()[3].reserved2, -3);

    const auto bytes = game.toBytes();
    EXPECT_EQ(bytes.size(), Game::kEmptyFileSize + 47u * 23 + 71u * 13);
    Game reread;
    ByteReader in(bytes);
    ASSERT_TRUE(reread.readFrom(in));
    const json again = gameToJson(reread);
    EXPECT_EQ(again, gameToJson(game));
    EXPECT_EQ(again["homeScore"], 6);
    EXPECT_FALSE(again["home"].contains("personalInfo"));
    source.erase("homeScore");
    source.erase("visitorScore");
    json compared = again;
    compared.erase("homeScore");
    compared.erase("visitorScore");
    EXPECT_EQ(compared, source);
}

TEST(JsonForm, SettingsKeepFileOrderAndRefuseWhatTheFileCannotHold) {
    Settings s;
    s.windowRect = {1, 2, 3, 4};
    s.htmlColors = {10, 20, 30, 40, 50};
    s.league.halves = true;
    s.scoreboardFeedOn = true;
    s.scoreboardFeedFolder = "/srv/scoreboard";
    s.lastFolder(FileFolder::Games) = "/home/coach/games";
    s.lastFolder(FileFolder::Handheld) = "/media/palm";
    s.swappedConsoleGames = {"/home/coach/games/final.gam"};
    const json j = settingsToJson(s);
    EXPECT_EQ(j["lastFolders"]["games"], "/home/coach/games");
    EXPECT_EQ(j["kind"], "settings");
    EXPECT_EQ(j["windowRect"], json({1, 2, 3, 4}));
    EXPECT_EQ(j["htmlColors"], json({10, 20, 30, 40, 50}));
    EXPECT_EQ(j["halves"], true);
    Settings back;
    std::string error;
    ASSERT_TRUE(settingsFromJson(j, back, &error)) << error;
    EXPECT_EQ(back, s);

    Settings fromNumbers;
    ASSERT_TRUE(settingsFromJson(json::parse(R"({"kind":"settings","soundOn":0,"halves":1})"), fromNumbers, &error));
    EXPECT_FALSE(fromNumbers.soundOn);
    EXPECT_TRUE(fromNumbers.league.halves);

    for (const char* bad : {R"({"kind":"settings","statColumnWidths":[600]})",
                            R"({"kind":"settings","wallpaperFile":"a\nb"})",
                            R"({"kind":"settings","lastFolders":{"teams":"a\nb"}})",
                            R"({"kind":"settings","lastFolders":["/home"]})",
                            R"({"kind":"settings","swappedConsoleGames":[""]})",
                            R"({"kind":"settings","htmlColors":[-1]})",
                            R"({"kind":"settings","statColumnWidths":[-1000000000,-1000000000,-1000000000,-1000000000,-1000000000,
                               -1000000000,-1000000000,-1000000000,-1000000000,-1000000000,-1000000000,-1000000000,
                               -1000000000,-1000000000,-1000000000,-1000000000,-1000000000]})"}) {
        Settings untouched;
        untouched.soundOn = false;
        EXPECT_FALSE(settingsFromJson(json::parse(bad), untouched, &error)) << bad;
        EXPECT_FALSE(error.empty());
        EXPECT_FALSE(untouched.soundOn);
    }
}
