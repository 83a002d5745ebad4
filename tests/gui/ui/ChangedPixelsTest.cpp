#include <gtest/gtest.h>

#include <QImage>

#include "gui/ui/ChangedPixels.h"

using courtlog::gui::ui::changedPixels;

TEST(ChangedPixels, CoversWhatChangedRoundedOutToTheWidgetsCoordinates) {
    QImage before(40, 40, QImage::Format_ARGB32_Premultiplied);
    before.fill(Qt::white);
    EXPECT_TRUE(changedPixels(before, before).isEmpty());
    QImage after = before;
    after.setPixel(3, 5, qRgb(0, 0, 0));
    after.setPixel(30, 35, qRgb(0, 0, 0));
    const QRegion changed = changedPixels(before, after);
    EXPECT_TRUE(changed.contains(QPoint(3, 5)));
    EXPECT_TRUE(changed.contains(QPoint(30, 35)));
    EXPECT_FALSE(changed.contains(QPoint(20, 20)));
    // A picture drawn at twice the widget's pixels: pixel (3, 5) lies in the
    // widget's (1, 2), pixel (30, 35) in its (15, 17); rows go by bands.
    EXPECT_EQ(changedPixels(before, after, 2.0).boundingRect(), QRect(QPoint(1, 0), QPoint(15, 19)));
    // Another size: everything.
    EXPECT_EQ(changedPixels(before, after.copy(0, 0, 20, 40)), QRegion(0, 0, 20, 40));
}
