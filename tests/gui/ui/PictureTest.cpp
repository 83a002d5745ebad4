#include <gtest/gtest.h>

#include <QDir>
#include <QPainter>
#include <QTemporaryDir>

#include "gui/ui/Picture.h"

using namespace courtlog::gui::ui;

namespace {

QImage indexedPicture(const QList<QRgb>& table) {
    QImage image(4, 2, QImage::Format_Indexed8);
    image.setColorTable(table);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, static_cast<uint>((x + y) % table.size()));
    return image;
}

// Restores the current directory when a test moved it.
struct CurrentDirectory {
    QString saved = QDir::currentPath();
    ~CurrentDirectory() { QDir::setCurrent(saved); }
};

}  // namespace

TEST(PictureFade, AmountIsPercentOf255Truncated) {
    EXPECT_EQ(fadeAmount(0), 0);
    EXPECT_EQ(fadeAmount(5), 12);
    EXPECT_EQ(fadeAmount(50), 127);
    EXPECT_EQ(fadeAmount(95), 242);
    EXPECT_EQ(fadeAmount(100), 255);
}

TEST(PictureFade, BrightensTheColourTableOnly) {
    const QList<QRgb> table{qRgb(0, 0, 0), qRgb(250, 10, 128), qRgb(255, 255, 255)};
    const Picture original(indexedPicture(table));

    EXPECT_EQ(original.faded(0).image().colorTable(), table);

    const Picture five = original.faded(5);
    EXPECT_EQ(five.image().colorTable(),
              (QList<QRgb>{qRgb(12, 12, 12), qRgb(255, 22, 140), qRgb(255, 255, 255)}));
    // Pixels still point at the same entries; the original keeps its colours.
    EXPECT_EQ(five.image().pixelIndex(1, 0), original.image().pixelIndex(1, 0));
    EXPECT_EQ(original.image().colorTable(), table);

    EXPECT_EQ(original.faded(50).image().colorTable(),
              (QList<QRgb>{qRgb(127, 127, 127), qRgb(255, 137, 255), qRgb(255, 255, 255)}));
    for (QRgb entry : original.faded(100).image().colorTable()) EXPECT_EQ(entry, qRgb(255, 255, 255));
}

TEST(PictureFade, NegativeFadeDarkensWithoutWrapping) {
    const Picture original(indexedPicture({qRgb(3, 100, 255)}));
    // -2 percent (a file value of 3 stepped down) is 5 darker, floored at 0.
    EXPECT_EQ(original.faded(-2).image().colorTable(), (QList<QRgb>{qRgb(0, 95, 250)}));
}

TEST(PictureFade, PictureWithoutColourTableIsUnchanged) {
    QImage image(3, 3, QImage::Format_RGB32);
    image.fill(qRgb(10, 20, 30));
    const Picture picture(image);
    EXPECT_FALSE(picture.hasColorTable());
    EXPECT_EQ(picture.faded(50).image(), image);
}

TEST(PictureLoading, KeepsTheColourTableOfAnIndexedBmp) {
    QTemporaryDir dir;
    const QString path = dir.filePath("logo.bmp");
    ASSERT_TRUE(indexedPicture({qRgb(1, 2, 3), qRgb(200, 100, 50)}).save(path, "BMP"));
    const Picture picture = Picture::loadFile(path);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.image().format(), QImage::Format_Indexed8);
    EXPECT_TRUE(picture.hasColorTable());
    EXPECT_EQ(picture.image().color(1), qRgb(200, 100, 50));
}

TEST(PictureLoading, FallsBackToTheBareNameInTheCurrentDirectory) {
    CurrentDirectory restore;
    QTemporaryDir dir;
    ASSERT_TRUE(indexedPicture({qRgb(9, 9, 9)}).save(dir.filePath("team.bmp"), "BMP"));
    ASSERT_TRUE(QDir::setCurrent(dir.path()));

    EXPECT_FALSE(Picture::loadFile("/no/such/folder/team.bmp").isNull());
    EXPECT_FALSE(Picture::loadFile("C:\\Courtlog\\Logos\\team.bmp").isNull());
    EXPECT_TRUE(Picture::loadFile("/no/such/folder/other.bmp").isNull());
    EXPECT_TRUE(Picture::loadFile("").isNull());
}

namespace {

// 100 x 50: left half red, right half blue, a black top-left pixel.
QImage markedPicture() {
    QImage picture(100, 50, QImage::Format_RGB32);
    picture.fill(Qt::red);
    for (int y = 0; y < 50; ++y)
        for (int x = 50; x < 100; ++x) picture.setPixel(x, y, qRgb(0, 0, 255));
    picture.setPixel(0, 0, qRgb(0, 0, 0));
    return picture;
}

QImage drawnIn640x480(PictureLayout layout) {
    QImage target(640, 480, QImage::Format_RGB32);
    target.fill(Qt::white);
    QPainter painter(&target);
    drawPicture(painter, target.rect(), markedPicture(), layout);
    painter.end();
    return target;
}

}  // namespace

TEST(DrawPicture, FitStretchesOverTheWholeArea) {
    const QImage target = drawnIn640x480(PictureLayout::Fit);
    for (int y = 0; y < 480; y += 7)
        for (int x = 0; x < 640; x += 7) ASSERT_NE(target.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
    EXPECT_EQ(target.pixel(319, 240), qRgb(255, 0, 0));
    EXPECT_EQ(target.pixel(320, 240), qRgb(0, 0, 255));
    EXPECT_EQ(target.pixel(639, 479), qRgb(0, 0, 255));
}

TEST(DrawPicture, CentreDrawsUnscaledAtHalfDifferences) {
    const QImage target = drawnIn640x480(PictureLayout::Center);
    EXPECT_EQ(target.pixel(270, 215), qRgb(0, 0, 0));  // the top-left marker
    EXPECT_EQ(target.pixel(269, 215), qRgb(255, 255, 255));
    EXPECT_EQ(target.pixel(270, 214), qRgb(255, 255, 255));
    EXPECT_EQ(target.pixel(369, 264), qRgb(0, 0, 255));
    EXPECT_EQ(target.pixel(370, 264), qRgb(255, 255, 255));
    EXPECT_EQ(target.pixel(369, 265), qRgb(255, 255, 255));
}

TEST(DrawPicture, TileRepeatsFromTheTopLeftInSevenColumnsAndTenRows) {
    const QImage target = drawnIn640x480(PictureLayout::Tile);
    std::vector<QPoint> markers;
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x)
            if (target.pixel(x, y) == qRgb(0, 0, 0)) markers.emplace_back(x, y);
    ASSERT_EQ(markers.size(), 70u);
    for (std::size_t i = 0; i < markers.size(); ++i) {
        EXPECT_EQ(markers[i].x(), static_cast<int>(i % 7) * 100);
        EXPECT_EQ(markers[i].y(), static_cast<int>(i / 7) * 50);
    }
    // The last column is clipped: nothing white is left.
    EXPECT_EQ(target.pixel(639, 479), qRgb(255, 0, 0));
}

TEST(ProgramPictures, HaveTheirSizesAndColourTables) {
    struct Expected {
        int id, width, height;
    };
    const Expected pictures[] = {
        {1000, 20, 36},   {1005, 20, 36},   {1009, 20, 36},   {1124, 22, 19},   {1150, 32, 32},
        {1151, 236, 160},
    };
    for (const Expected& expected : pictures) {
        const Picture picture = Picture::resource(expected.id);
        ASSERT_FALSE(picture.isNull()) << expected.id;
        EXPECT_EQ(picture.width(), expected.width) << expected.id;
        EXPECT_EQ(picture.height(), expected.height) << expected.id;
        EXPECT_TRUE(picture.hasColorTable()) << expected.id;
    }
    EXPECT_EQ(Picture::resource(1151).image().format(), QImage::Format_Indexed8);
    EXPECT_TRUE(Picture::resource(4242).isNull());
}

TEST(ProgramPictures, WallpaperAndDefaultLogoBesideTheProgram) {
    const Picture logo = Picture::loadFile(QStringLiteral(COURTLOG_RESOURCES) + "/pictures/logo.bmp");
    ASSERT_FALSE(logo.isNull());
    EXPECT_EQ(logo.width(), 320);
    EXPECT_EQ(logo.height(), 240);
    EXPECT_TRUE(logo.hasColorTable());
    const Picture team = Picture::loadFile(QStringLiteral(COURTLOG_RESOURCES) + "/pictures/default.bmp");
    ASSERT_FALSE(team.isNull());
    EXPECT_EQ(team.width(), 96);
    EXPECT_EQ(team.height(), 64);
    EXPECT_TRUE(team.hasColorTable());
}
