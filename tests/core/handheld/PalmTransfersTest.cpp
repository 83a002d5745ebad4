#include "core/handheld/PalmTransfers.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>

#include "CaseNames.h"
#include "RecordBuilders.h"
#include "core/handheld/DesktopFileCopies.h"
#include "core/handheld/HandheldPaths.h"
#include "core/handheld/PalmExchange.h"

using namespace courtlog;
using namespace courtlog::handheld;
using courtlog::testing::readFile;
using courtlog::testing::ScratchFolder;
using courtlog::testing::writeFile;
namespace fs = std::filesystem;

namespace {

// A Palm desktop folder with the user Ann (Install/ and Backup/) and a
// team file teams/Hawks.tem beside it.
struct PalmScene {
    ScratchFolder scratch;
    PalmDesktop desktop{scratch.file("Palm")};
    std::string teamFile = scratch.file("teams/Hawks.tem");

    PalmScene() {
        fs::create_directories(desktop.installFolder("Ann"));
        fs::create_directories(desktop.backupFolder("Ann"));
        fs::create_directories(scratch.file("teams"));
        Team hawks = courtlog::testing::team("Harbor Hawks", 8);
        EXPECT_TRUE(hawks.saveTo(teamFile));
    }
    std::string queued(const std::string& name) const { return desktop.installFolder("Ann") + "/" + name; }
};

struct FailedSendCase {
    const char* what;
    bool oldDatabase;       // a database from before lies where the new one goes
    bool installIsAFile;    // the user's Install folder cannot be made
    bool databaseIsAFolder; // the database cannot be written
    std::string messageStart;
};

void PrintTo(const FailedSendCase& c, std::ostream* os) { *os << c.what; }

class FailedTeamToPalm : public ::testing::TestWithParam<FailedSendCase> {};

TEST_P(FailedTeamToPalm, LeavesEveryFileAsItWas) {
    const FailedSendCase& c = GetParam();
    PalmScene scene;
    const std::string database = databasePathBeside(scene.teamFile);
    if (c.oldDatabase) writeFile(database, "the database from last week");
    if (c.databaseIsAFolder) fs::create_directories(database);
    if (c.installIsAFile) {
        fs::remove_all(scene.desktop.installFolder("Ann"));
        writeFile(scene.desktop.installFolder("Ann"), "not a folder");
    }
    const std::string teamBytes = readFile(scene.teamFile);

    Team team;
    ASSERT_TRUE(loadTeamFile(scene.teamFile, team));
    const HandheldOutcome sent = sendTeamToPalm(team, database, scene.desktop, "Ann");
    EXPECT_FALSE(sent);
    EXPECT_EQ(sent.message.text.substr(0, c.messageStart.size()), c.messageStart) << sent.message.text;
    EXPECT_EQ(readFile(scene.teamFile), teamBytes);
    if (c.oldDatabase) {
        EXPECT_EQ(readFile(database), "the database from last week");
    } else if (!c.databaseIsAFolder) {
        EXPECT_FALSE(fs::exists(database));
    }
    if (c.installIsAFile) {
        EXPECT_EQ(readFile(scene.desktop.installFolder("Ann")), "not a folder");
    } else {
        EXPECT_TRUE(fs::is_empty(scene.desktop.installFolder("Ann")));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, FailedTeamToPalm,
    ::testing::Values(
        FailedSendCase{"install folder blocked", false, true, false, "Could not copy Hawks.pdb into "},
        FailedSendCase{"install folder blocked over an old database", true, true, false, "Could not copy"},
        FailedSendCase{"database cannot be written", false, false, true, "Could not Open Output File"}),
    courtlog::testing::NameFromWhat{});

TEST(PalmTransfers, GameToPalmLeavesTheGameAndItsFileAlone) {
    PalmScene scene;
    Game game = courtlog::testing::game("Harbor Hawks", "Valley Miners",
                                        {courtlog::testing::play("Harbor Hawks Player 1", Shot, TwoPointMade)});
    const std::string gameFile = scene.scratch.saveGame(game, "Final.gam");
    game.fileName = gameFile;
    const std::string gameBytes = readFile(gameFile);

    const HandheldOutcome overOwnFile = sendGameToPalm(game, gameFile, scene.desktop, "Ann");
    EXPECT_FALSE(overOwnFile);
    EXPECT_EQ(readFile(gameFile), gameBytes);

    ASSERT_TRUE(sendGameToPalm(game, scene.scratch.file("Final.pdb"), scene.desktop, "Ann"));
    EXPECT_EQ(game.fileName, gameFile) << "a game being scored keeps saving to its own file";
}

struct ProposedNameCase {
    const char* what;
    std::string database;
    DesktopFileKind kind;
    std::string proposed;
};

void PrintTo(const ProposedNameCase& c, std::ostream* os) { *os << c.what; }

class ProposedDesktopName : public ::testing::TestWithParam<ProposedNameCase> {};

TEST_P(ProposedDesktopName, IsTheDatabaseNameWithTheDesktopExtension) {
    const ProposedNameCase& c = GetParam();
    EXPECT_EQ(proposedDesktopName(c.database, c.kind), c.proposed);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ProposedDesktopName,
    ::testing::Values(ProposedNameCase{"team", "/p/Ann/Backup/Hawks.pdb", DesktopFileKind::Team, "Hawks.tem"},
                      ProposedNameCase{"game", "/p/Ann/Backup/Final.pdb", DesktopFileKind::Game, "Final.gam"},
                      ProposedNameCase{"capital extension", "/b/HAWKS.PDB", DesktopFileKind::Team, "HAWKS.tem"},
                      ProposedNameCase{"dots in the name", "/b/Hawks.v2.pdb", DesktopFileKind::Team, "Hawks.v2.tem"},
                      ProposedNameCase{"no extension", "/b.d/Hawks", DesktopFileKind::Game, "Hawks.gam"}),
    courtlog::testing::NameFromWhat{});

struct DatabasePathCase {
    const char* what;
    std::string teamFile;
    std::string database;
};

void PrintTo(const DatabasePathCase& c, std::ostream* os) { *os << c.what; }

class DatabaseBesideTeam : public ::testing::TestWithParam<DatabasePathCase> {};

TEST_P(DatabaseBesideTeam, StaysInTheTeamsFolder) {
    EXPECT_EQ(databasePathBeside(GetParam().teamFile), GetParam().database);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DatabaseBesideTeam,
    ::testing::Values(DatabasePathCase{"team file", "/t/X.tem", "/t/X.pdb"},
                      DatabasePathCase{"no extension in a dotted folder", "/t.d/X", "/t.d/X.pdb"},
                      DatabasePathCase{"short name", "/t/ab", "/t/ab.pdb"},
                      DatabasePathCase{"team file named pdb", "/t/X.pdb", "/t/X.pdb.pdb"}),
    courtlog::testing::NameFromWhat{});

TEST(PalmTransfers, WhatIsReadFromADatabaseIsNeverSavedOverIt) {
    PalmScene scene;
    const std::string database = scene.desktop.backupFolder("Ann") + "/Final.pdb";
    Game game = courtlog::testing::game("Harbor Hawks", "Valley Miners");
    ASSERT_TRUE(exportToPalm(game, database));
    const std::string databaseBytes = readFile(database);
    Game fromPalm;
    ASSERT_TRUE(readGameFromPalm(database, fromPalm));
    EXPECT_FALSE(saveGameFromPalm(fromPalm, database));
    EXPECT_EQ(readFile(database), databaseBytes);
}

struct CopyFailureCase {
    const char* what;
    DesktopFileKind kind;
    bool loads;  // false: the load fails; true: the save fails
    std::string text;
    std::string caption;
};

void PrintTo(const CopyFailureCase& c, std::ostream* os) { *os << c.what; }

class DesktopCopyFailure : public ::testing::TestWithParam<CopyFailureCase> {};

TEST_P(DesktopCopyFailure, SaysWhatFailedAndWritesNothing) {
    const CopyFailureCase& c = GetParam();
    ScratchFolder scratch;
    const std::string source = c.kind == DesktopFileKind::Team
                                   ? scratch.saveTeam(courtlog::testing::team("Hawks"), "Hawks.tem")
                                   : scratch.saveGame(courtlog::testing::game("Hawks", "Miners"), "Final.gam");
    if (!c.loads) writeFile(source, "cut");
    const std::string destination = scratch.file("no-such-folder/copy");

    HandheldOutcome outcome;
    if (c.kind == DesktopFileKind::Team) {
        Team team;
        outcome = loadTeamFile(source, team);
        if (outcome) outcome = saveTeamCopy(team, destination);
    } else {
        Game game;
        outcome = loadGameFile(source, game);
        if (outcome) outcome = saveGameCopy(game, destination);
    }
    EXPECT_FALSE(outcome);
    EXPECT_EQ(outcome.message.text.substr(0, c.text.size()), c.text);
    EXPECT_EQ(outcome.message.caption, c.caption);
    EXPECT_EQ(scratch.names().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DesktopCopyFailure,
    ::testing::Values(
        CopyFailureCase{"team cannot be loaded", DesktopFileKind::Team, false, "Can't load team !",
                        "File corrupt or missing ?"},
        CopyFailureCase{"game cannot be loaded", DesktopFileKind::Game, false, "Can't load game !", "File corrupt ?"},
        CopyFailureCase{"team cannot be saved", DesktopFileKind::Team, true, "Can't save team !", "Error"},
        CopyFailureCase{"game cannot be saved", DesktopFileKind::Game, true, "Can't save game !", "Error"}),
    courtlog::testing::NameFromWhat{});

TEST(DesktopFileCopies, ACopyNeverGoesOverItsOwnSource) {
    ScratchFolder scratch;
    const std::string source = scratch.saveTeam(courtlog::testing::team("Hawks"), "Hawks.tem");
    Team team;
    ASSERT_TRUE(loadTeamFile(source, team));
    const HandheldOutcome copied = saveTeamCopy(team, scratch.path() + "/./Hawks.tem");
    EXPECT_FALSE(copied);
    EXPECT_NE(copied.message.text.find("is the file being copied"), std::string::npos);
}

}  // namespace
