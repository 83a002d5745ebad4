#include "core/records/PictureLayout.h"

#include <gtest/gtest.h>

namespace courtlog {
namespace {

TEST(PictureLayout, StoredCodesGiveTheirLayoutAndAnyOtherValueTiles) {
    EXPECT_EQ(pictureLayoutOf(0), PictureLayout::Fit);
    EXPECT_EQ(pictureLayoutOf(1), PictureLayout::Tile);
    EXPECT_EQ(pictureLayoutOf(2), PictureLayout::Center);
    EXPECT_EQ(pictureLayoutOf(3), PictureLayout::Tile);
    EXPECT_EQ(pictureLayoutOf(-1), PictureLayout::Tile);
}

}  // namespace
}  // namespace courtlog
