#include "core/records/LogoFade.h"

#include <gtest/gtest.h>

namespace courtlog {
namespace {

TEST(LogoFade, StepsByFiveAndStopsAtTheBounds) {
    EXPECT_EQ(steppedFade(50, true), 55);
    EXPECT_EQ(steppedFade(50, false), 45);
    EXPECT_EQ(steppedFade(100, true), 100);
    EXPECT_EQ(steppedFade(0, false), 0);
    // Off the 5-grid (from a file): one step past the bound, then no more.
    EXPECT_EQ(steppedFade(97, true), 102);
    EXPECT_EQ(steppedFade(102, true), 102);
    EXPECT_EQ(steppedFade(3, false), -2);
    EXPECT_EQ(steppedFade(-2, false), -2);
}

TEST(LogoFade, LabelIsTheNumberInThreePlacesWithAPercentSign) {
    EXPECT_EQ(fadeText(5), "  5%");
    EXPECT_EQ(fadeText(100), "100%");
    EXPECT_EQ(fadeText(-2), " -2%");
}

}  // namespace
}  // namespace courtlog
