#include <gtest/gtest.h>

#include <string>

#include "core/records/LogoPath.h"

using namespace courtlog;

TEST(LogoPath, TheFieldHoldsShortWesternPathsAndBareNamesBesideTheTeam) {
    const std::string longFolder = "/home/coach/" + std::string(90, 'x');
    const struct {
        std::string chosen, teamFile;
        std::optional<std::string> expected;
    } cases[] = {
        {"/pics/eagle.bmp", "", "/pics/eagle.bmp"},
        {"/pics/\xC3\xA9quipe.bmp", "", "/pics/\xE9quipe.bmp"},  // é is held, as Windows-1252
        {longFolder + "/eagle.bmp", "", std::nullopt},
        {longFolder + "/eagle.bmp", "/teams/eagles.tem", std::nullopt},
        {longFolder + "/eagle.bmp", longFolder + "/eagles.tem", "eagle.bmp"},
        {"/pics/\xE5\xBC\xA0.bmp", "", std::nullopt},                     // 张 cannot be held
        {"/pics/\xE5\xBC\xA0/eagle.bmp", "/pics/\xE5\xBC\xA0/t.tem", "eagle.bmp"},
        {"/pics/" + std::string(69, 'a') + ".bmp", "", "/pics/" + std::string(69, 'a') + ".bmp"},  // 79
        {"/pics/" + std::string(70, 'a') + ".bmp", "", std::nullopt},                             // 80
    };
    for (const auto& c : cases) EXPECT_EQ(logoFieldFor(c.chosen, c.teamFile), c.expected) << c.chosen;
    EXPECT_EQ(bareFileName("C:\\Teams\\crest.bmp"), "crest.bmp");
    EXPECT_EQ(bareFileName("crest.bmp"), "crest.bmp");
}
