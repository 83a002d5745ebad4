#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../core/output/BoxScoreTestGame.h"
#include "CliTestSupport.h"
#include "RecordBuilders.h"

namespace courtlog {
namespace {

using namespace courtlog::testing;

clitest::CliRun boxScore(std::vector<std::string> args) {
    args.insert(args.begin(), "boxscore");
    return clitest::runCli(std::move(args));
}

TEST(BoxScoreVerb, PrintsTheBoxScoreOfASavedGameLineByLine) {
    ScratchFolder folder;
    const std::string path = folder.saveGame(boxScoreTestGame(), "final.gam");
    const clitest::CliRun run = boxScore({path});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, boxScoreTestText());
    EXPECT_EQ(run.err, "");
}

TEST(BoxScoreVerb, AGameThatDoesNotLoadSaysSoAndPrintsNothing) {
    ScratchFolder folder;
    writeFile(folder.file("cut.gam"), "too short for a game");
    for (const char* name : {"cut.gam", "missing.gam"}) {
        const clitest::CliRun run = boxScore({folder.file(name)});
        EXPECT_EQ(run.status, 1) << name;
        EXPECT_EQ(run.err.rfind("Can't load game ! " + folder.file(name), 0), 0u) << run.err;
        EXPECT_EQ(run.out, "") << name;
    }
}

TEST(BoxScoreVerb, WrongArgumentsGetTheUsage) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{}, {"a.gam", "b.gam"}, {"a.gam", "--settings"}, {"a.gam", "--bogus"}}) {
        const clitest::CliRun run = boxScore(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find("Usage: courtlog boxscore GAME"), std::string::npos);
    }
}

}  // namespace
}  // namespace courtlog
