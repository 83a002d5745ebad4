#include "core/records/SwappedConsoles.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace courtlog;

TEST(SwappedConsoles, AGameLeftSwappedIsFoundByAnyPathToItsFile) {
    Settings settings;
    EXPECT_FALSE(consoleSwappedFor(settings, "/games/final.gam"));
    EXPECT_TRUE(rememberConsoleSides(settings, "/games/./x/../final.gam", true));
    EXPECT_TRUE(consoleSwappedFor(settings, "/games/final.gam"));
    EXPECT_FALSE(consoleSwappedFor(settings, "/games/semi.gam"));

    // A relative name is the file in the current folder.
    const std::string here = (std::filesystem::current_path() / "league.gam").string();
    EXPECT_TRUE(rememberConsoleSides(settings, "league.gam", true));
    EXPECT_TRUE(consoleSwappedFor(settings, here));

    // Swapped back: forgotten. Told twice: nothing changes the second time.
    EXPECT_TRUE(rememberConsoleSides(settings, "/games/final.gam", false));
    EXPECT_FALSE(rememberConsoleSides(settings, "/games/final.gam", false));
    EXPECT_FALSE(consoleSwappedFor(settings, "/games/final.gam"));
    EXPECT_FALSE(rememberConsoleSides(settings, here, true));
    EXPECT_EQ(settings.swappedConsoleGames.size(), 1u);
}

TEST(SwappedConsoles, AGameWithoutAFileIsNeverKept) {
    Settings settings;
    EXPECT_FALSE(rememberConsoleSides(settings, "", true));
    EXPECT_TRUE(settings.swappedConsoleGames.empty());
    EXPECT_FALSE(consoleSwappedFor(settings, ""));
}

TEST(SwappedConsoles, TheOldestGoesWhenTooManyAreKept) {
    Settings settings;
    const auto name = [](std::size_t i) { return "/games/" + std::to_string(i) + ".gam"; };
    for (std::size_t i = 0; i <= Settings::kMaxSwappedConsoleGames; ++i) rememberConsoleSides(settings, name(i), true);
    EXPECT_EQ(settings.swappedConsoleGames.size(), Settings::kMaxSwappedConsoleGames);
    EXPECT_FALSE(consoleSwappedFor(settings, name(0)));
    EXPECT_TRUE(consoleSwappedFor(settings, name(1)));
    // Swapped again, a game becomes the newest and outlasts the others.
    rememberConsoleSides(settings, name(1), true);
    rememberConsoleSides(settings, name(99), true);
    EXPECT_TRUE(consoleSwappedFor(settings, name(1)));
    EXPECT_FALSE(consoleSwappedFor(settings, name(2)));
}
