#include "cli/CommandLineTool.h"

#include "CliRun.h"
#include "core/records/Team.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

using namespace courtlog;
using namespace courtlog::cli;
using nlohmann::json;
namespace fs = std::filesystem;

namespace {

using courtlog::testing::CliRun;
using courtlog::testing::readFile;
using courtlog::testing::runCli;
using courtlog::testing::writeFile;

using CommandLineTool = courtlog::testing::CommandLineTest;

}  // namespace

TEST_F(CommandLineTool, RecognisesItsVerbsOnly) {
    for (const char* verb : {"convert", "dump", "summary", "stats", "help", "--help", "--version"}) {
        std::vector<std::string> args{"courtlog", verb};
        std::vector<char*> argv{args[0].data(), args[1].data(), nullptr};
        EXPECT_TRUE(isCommandLineVerb(2, argv.data())) << verb;
    }
    // Options of the window system start the window; no argument does too.
    for (const char* option : {"-platform", "-style", "--reverse"}) {
        std::vector<std::string> args{"courtlog", option};
        std::vector<char*> argv{args[0].data(), args[1].data(), nullptr};
        EXPECT_FALSE(isCommandLineVerb(2, argv.data())) << option;
    }
    std::vector<std::string> args{"courtlog", "summary"};
    std::vector<char*> argv{args[0].data(), args[1].data(), nullptr};
    EXPECT_FALSE(isCommandLineVerb(1, argv.data()));

    // Anything else is a mistyped verb: the usage on standard error and
    // status 2, never a window that waits.
    for (const char* word : {"summry", "game.gam"}) {
        std::vector<std::string> wrong{"courtlog", word, "x.gam"};
        std::vector<char*> wrongArgv{wrong[0].data(), wrong[1].data(), wrong[2].data(), nullptr};
        EXPECT_TRUE(isCommandLineVerb(3, wrongArgv.data())) << word;
        CliRun r = runCli({word, "x.gam"});
        EXPECT_EQ(r.status, 2) << word;
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(std::string("Unknown command: ") + word), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("Usage:"), std::string::npos);
    }

    CliRun help = runCli({"help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("convert IN OUT"), std::string::npos);
    EXPECT_NE(help.out.find(".gam"), std::string::npos);
    EXPECT_EQ(runCli({"--help"}).out, help.out);
    CliRun version = runCli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_NE(version.out.find("Brenvik Basketball Courtlog"), std::string::npos);
}

// One argument that is an existing file, not a verb, is for the window
// program to open; a file named like a verb is reached as ./NAME.
TEST_F(CommandLineTool, AnExistingFileIsOpenedInTheWindow) {
    writeFile(path("final.gam"), "x");
    writeFile(path("summary"), "x");
    const struct {
        std::string argument;
        bool opens;
    } cases[] = {{path("final.gam"), true}, {path("missing.gam"), false}, {"summary", false},
                 {path("summary"), true},   {folder.path(), false},      {"-platform", false}};
    for (const auto& c : cases) {
        std::vector<std::string> args{"courtlog", c.argument};
        std::vector<char*> argv{args[0].data(), args[1].data(), nullptr};
        EXPECT_EQ(namesFileToOpen(2, argv.data()), c.opens) << c.argument;
        if (c.opens) {
            EXPECT_FALSE(isCommandLineVerb(2, argv.data())) << c.argument;
        }
    }
}

TEST_F(CommandLineTool, UsageErrorsGoToStandardError) {
    CliRun none = runCli({});
    EXPECT_EQ(none.status, 2);
    EXPECT_TRUE(none.out.empty());
    EXPECT_NE(none.err.find("Usage"), std::string::npos);
    CliRun unknown = runCli({"frobnicate"});
    EXPECT_NE(unknown.status, 0);
    EXPECT_NE(unknown.err.find("Unknown command: frobnicate"), std::string::npos);
    CliRun missing = runCli({"convert", "only-one.tem"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("convert IN OUT"), std::string::npos);
}

// Pages are drawn by the full program; the tool without windows says so.
TEST_F(CommandLineTool, PdfNeedsTheFullProgram) {
    CliRun pdf = runCli({"pdf", "boxscore", "game.gam", path("out.pdf")});
    EXPECT_EQ(pdf.status, 2);
    EXPECT_NE(pdf.err.find("PDF printouts need the full program"), std::string::npos) << pdf.err;
    EXPECT_FALSE(fs::exists(path("out.pdf")));
    EXPECT_NE(runCli({"help"}).out.find("pdf KIND ARGS... OUT.pdf"), std::string::npos);
}

TEST_F(CommandLineTool, DumpPrintsTheSampleTeamAsItsJsonSource) {
    CliRun r = runCli({"dump", samples + "/harbor-hawks.tem"});
    ASSERT_EQ(r.status, 0) << r.err;
    const json dumped = json::parse(r.out);
    std::ifstream in(samples + "/source/harbor-hawks.json");
    EXPECT_EQ(dumped, json::parse(in));
}

TEST_F(CommandLineTool, TeamGoesThroughEveryFormUnchanged) {
    const std::string source = samples + "/source/valley-miners.json";
    ASSERT_EQ(runCli({"convert", source, path("miners.tem")}).status, 0);
    EXPECT_EQ(fs::file_size(path("miners.tem")), 266u + 378u * 12);
    ASSERT_EQ(runCli({"convert", path("miners.tem"), path("miners.csv")}).status, 0);
    const std::string csv = readFile(path("miners.csv"));
    EXPECT_EQ(csv.substr(0, csv.find('\n')), "\xEF\xBB\xBFTeam,Valley Miners");
    ASSERT_EQ(runCli({"convert", path("miners.csv"), path("again.tem")}).status, 0);
    ASSERT_EQ(runCli({"convert", path("again.tem"), path("again.json")}).status, 0);
    std::ifstream a(source), b(path("again.json"));
    // A comma-delimited roster holds no logo fade: the team comes back with
    // a new team's.
    json expected = json::parse(a);
    expected["logoFade"] = 0;
    EXPECT_EQ(expected, json::parse(b));
}

// Texts holding a comma or a line break go into the roster quoted and come
// back the same (they used to be refused).
TEST_F(CommandLineTool, RosterTextsWithCommasAndLineBreaksAreQuotedAndComeBack) {
    const std::string source = samples + "/source/valley-miners.json";
    std::ifstream in(source);
    json team = json::parse(in);
    // A comma-delimited roster holds no logo fade; the team file written
    // back from it has a new team's.
    team["logoFade"] = 0;

    struct Case {
        const char* pointer;  // field to change
        const char* text;
        const char* expectedInFile;
    } cases[] = {
        {"/players/1/name", "Reyes, Jr.", ",\"Reyes, Jr.\","},
        {"/personalInfo/0/address", "12 Pit Road\nUnit 4", ",\"12 Pit Road\nUnit 4\","},
        {"/coach", "Whitlock, Dana", "Coach,\"Whitlock, Dana\",Assistant,"},
    };
    for (const Case& c : cases) {
        json changed = team;
        const json::json_pointer where(c.pointer);
        if (!changed.contains(where)) {
            ADD_FAILURE() << "no field " << c.pointer << " in the sample team";
            continue;
        }
        changed[where] = c.text;
        writeFile(path("changed.json"), changed.dump());
        ASSERT_EQ(runCli({"convert", path("changed.json"), path("team.tem")}).status, 0) << c.pointer;
        CliRun out = runCli({"convert", path("team.tem"), path("team.csv")});
        EXPECT_EQ(out.status, 0) << out.err;
        EXPECT_NE(readFile(path("team.csv")).find(c.expectedInFile), std::string::npos) << c.pointer;
        ASSERT_EQ(runCli({"convert", path("team.csv"), path("back.tem")}).status, 0) << c.pointer;
        // The same team; only the file name stored at its start differs.
        EXPECT_TRUE(readFile(path("back.tem")).substr(Team::kFileNameWidth) ==
                    readFile(path("team.tem")).substr(Team::kFileNameWidth))
            << c.pointer;
    }
}

TEST_F(CommandLineTool, PlainTextRosterImportsAndBadLinesAreErrors) {
    writeFile(path("otters.TXT"), "River Otters\nJune Harlow\nPete Sand\nAmos Kell,Guard,Guard 1,00\nBen Tully,2,3,12\n");
    CliRun ok = runCli({"dump", path("otters.TXT")});
    ASSERT_EQ(ok.status, 0) << ok.err;
    const json team = json::parse(ok.out);
    EXPECT_EQ(team["coach"], "June Harlow");
    ASSERT_EQ(team["players"].size(), 2u);
    EXPECT_EQ(team["players"][0]["number"], -1);
    EXPECT_EQ(team["players"][1]["courtSlot"], 3);

    writeFile(path("bad.txt"), "T\nC\nA\nAmos Kell,Guard,Guard 1,100\n");
    CliRun bad = runCli({"convert", path("bad.txt"), path("bad.tem")});
    EXPECT_NE(bad.status, 0);
    EXPECT_NE(bad.err.find("Invalid Import Format, line number 4"), std::string::npos) << bad.err;
    EXPECT_FALSE(fs::exists(path("bad.tem")));
}

TEST_F(CommandLineTool, GameConvertsBothWaysAndBadGamesFailToLoad) {
    ASSERT_EQ(runCli({"convert", data + "/json/sample-game.json", path("final.gam")}).status, 0);
    CliRun dumped = runCli({"dump", path("final.gam")});
    ASSERT_EQ(dumped.status, 0) << dumped.err;
    const json game = json::parse(dumped.out);
    EXPECT_EQ(game["kind"], "game");
    EXPECT_EQ(game["homeScore"], 6);
    EXPECT_EQ(game["visitorEvents"].size(), 5u);

    // A game file cut short is refused.
    const std::string bytes = readFile(path("final.gam"));
    writeFile(path("short.gam"), bytes.substr(0, bytes.size() - 10));
    CliRun shortGame = runCli({"dump", path("short.gam")});
    EXPECT_NE(shortGame.status, 0);
    EXPECT_NE(shortGame.err.find("Can't load game !"), std::string::npos) << shortGame.err;
    EXPECT_TRUE(shortGame.out.empty());

    CliRun missing = runCli({"convert", path("absent.gam"), path("absent.json")});
    EXPECT_NE(missing.status, 0);
    EXPECT_NE(missing.err.find("Can't load game !"), std::string::npos);
    EXPECT_FALSE(fs::exists(path("absent.json")));
}

TEST_F(CommandLineTool, EveryReaderShowsOneHeldScore) {
    // 11,000 threes in the first quarter: 33,000 points, beyond the 16 bits
    // a score is kept in.
    Game g = courtlog::testing::game("Hawks", "Owls");
    g.setEvents(true, std::vector<PlayEvent>(11000, courtlog::testing::play("Hawks Player 1", Shot, ThreePointMade)));
    const std::string file = folder.saveGame(g, "big.gam");

    const CliRun dumped = runCli({"dump", file});
    ASSERT_EQ(dumped.status, 0) << dumped.err;
    EXPECT_EQ(json::parse(dumped.out)["homeScore"], 32767);
    const CliRun summed = runCli({"summary", file});
    ASSERT_EQ(summed.status, 0) << summed.err;
    EXPECT_EQ(json::parse(summed.out)["home"]["score"], 32767);

    // The box score's first quarter shows no more than the game total.
    const CliRun box = runCli({"boxscore", file});
    ASSERT_EQ(box.status, 0) << box.err;
    const std::size_t row = box.out.find("Home:    Hawks");
    ASSERT_NE(row, std::string::npos) << box.out;
    const std::string line = box.out.substr(row, box.out.find('\n', row) - row);
    EXPECT_EQ(line.find("33000"), std::string::npos) << line;
    // The quarter and the total both held.
    const std::size_t first = line.find("32767");
    ASSERT_NE(first, std::string::npos) << line;
    EXPECT_NE(line.find("32767", first + 5), std::string::npos) << line;
}

TEST_F(CommandLineTool, SettingsFileConvertsBothWays) {
    writeFile(path("in.json"), R"({"kind":"settings","halves":true,"wallpaperFile":"gym floor.bmp","windowRect":[5,6,700,500]})");
    ASSERT_EQ(runCli({"convert", path("in.json"), path("crtlog.ini")}).status, 0);
    const std::string ini = readFile(path("crtlog.ini"));
    EXPECT_EQ(ini.substr(0, ini.find('\n')), "Top, Left       : 6,5");
    EXPECT_NE(ini.find("Wallpaper BMP   : gym floor.bmp\n"), std::string::npos);
    EXPECT_NE(ini.back(), '\n');
    CliRun back = runCli({"dump", path("crtlog.ini")});
    ASSERT_EQ(back.status, 0);
    const json j = json::parse(back.out);
    EXPECT_EQ(j["halves"], true);
    EXPECT_EQ(j["windowRect"], json({5, 6, 700, 500}));
}

TEST_F(CommandLineTool, WrongInputsAreReportedAndWriteNothing) {
    struct Case {
        std::string in, out, contents, message;
    };
    const std::vector<Case> cases{
        {"team.json", "team.gam", R"({"kind":"team","name":"X"})", "Can't write a team as a game file"},
        {"game.json", "game.tem", R"({"kind":"game"})", "Can't write a game as a team file"},
        {"broken.json", "broken.tem", R"({"kind":"team",)", "Not valid JSON"},
        {"kindless.json", "kindless.tem", R"({"name":"X"})", "needs \"kind\""},
        {"typed.json", "typed.tem", R"({"kind":"team","logoFade":"ten"})", "logoFade"},
        {"team2.json", "team2.txt", R"({"kind":"team"})", "Unknown output file kind"},
        {"notes.doc", "notes.json", "x", "Unknown input file kind"},
    };
    for (const Case& c : cases) {
        writeFile(path(c.in), c.contents);
        CliRun r = runCli({"convert", path(c.in), path(c.out)});
        EXPECT_EQ(r.status, 1) << c.in;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << c.in << " gave: " << r.err;
        EXPECT_FALSE(fs::exists(path(c.out))) << c.out;
    }
}

TEST_F(CommandLineTool, JsonToJsonGivesTheCompleteForm) {
    writeFile(path("min.json"), R"({"kind":"game","year":2025,"homeEvents":[{"kind":1,"shotResult":2}],"extra":1})");
    ASSERT_EQ(runCli({"convert", path("min.json"), path("full.json")}).status, 0);
    std::ifstream in(path("full.json"));
    const json full = json::parse(in);
    EXPECT_FALSE(full.contains("extra"));
    EXPECT_EQ(full["court"], " ");
    EXPECT_EQ(full["hour"], 12);
    EXPECT_EQ(full["homeScore"], 3);
    EXPECT_EQ(full["home"]["logoFile"], "default.bmp");
    EXPECT_EQ(full["homeEvents"][0]["player"]["number"], -1);
}

TEST_F(CommandLineTool, DamagedTeamFileIsReportedAndFails) {
    Team written = courtlog::testing::team("Owls", 11);
    written.noPersonalInfo = true;
    std::vector<std::uint8_t> bytes = written.toBytes();
    bytes.resize(Team::kHeaderSize + 9 * Player::kRecordSize);
    courtlog::testing::writeBytes(path("owls.tem"), bytes);
    const std::string message = "The team file " + path("owls.tem") + " is damaged: 9 of its 11 players could be read.";

    // dump prints what it read and says what is missing.
    const CliRun dump = runCli({"dump", path("owls.tem")});
    EXPECT_EQ(dump.status, 1);
    EXPECT_EQ(json::parse(dump.out)["players"].size(), 9u);
    EXPECT_EQ(dump.err, message + "\n");

    // convert writes no file that would pass for the whole team.
    const CliRun convert = runCli({"convert", path("owls.tem"), path("owls.csv")});
    EXPECT_EQ(convert.status, 1);
    EXPECT_EQ(convert.err, message + "\n");
    EXPECT_FALSE(fs::exists(path("owls.csv")));
}
