#include <gtest/gtest.h>

#include <ostream>

#include "CaseNames.h"
#include "core/stats/ShotChartPageLayout.h"

namespace courtlog::stats {
namespace {

struct PageCase {
    const char* what;
    int width;
    int height;
    int scale;
};
void PrintTo(const PageCase& c, std::ostream* os) { *os << c.what; }

class ShotChartPage : public ::testing::TestWithParam<PageCase> {};

// Eight lines under the picture: the legend, a blank line and six zones.
TEST_P(ShotChartPage, PictureFitsWithTheLinesBelowItOnThePage) {
    const PageCase& c = GetParam();
    const int text = c.width / 40;
    const ShotChartPageLayout layout = shotChartPageLayout(c.width, c.height, scoring::kUprightCourt, text, 8);
    EXPECT_EQ(layout.scale, c.scale);
    EXPECT_EQ(layout.pictureTop, c.height / 15);
    EXPECT_EQ(layout.pictureLeft, (c.width - c.scale * 118) / 2);
    EXPECT_EQ(layout.titleTop, layout.pictureTop - 2 * text);
    if (c.scale > 1) {
        EXPECT_LE(layout.belowTop + 8 * text, c.height);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pages, ShotChartPage,
    ::testing::Values(PageCase{"letter at 600 dpi", 5100, 6600, 25},    // 30 would push the zones off
                      PageCase{"a4 across at 300 dpi", 3508, 2480, 7},  // the height decides
                      PageCase{"narrow page takes the width", 600, 6600, 5},
                      PageCase{"page smaller than the picture keeps it whole", 50, 50, 1}),
    testing::NameFromWhat());

}  // namespace
}  // namespace courtlog::stats
