#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "gui/scoring/CourtDrawing.h"
#include "gui/scoring/ScoreDisplay.h"
#include "gui/ui/Picture.h"

using namespace courtlog;
using namespace courtlog::gui::scoring;
using courtlog::scoring::CourtPrompt;

namespace {

// Pixels that are clearly red (the prompts, the bonus, foul trouble).
int redPixels(const QImage& image, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 80 && c.blue() < 80) ++count;
        }
    return count;
}

QImage render(const CourtScene& scene) {
    QImage image(800, 440, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    drawCourt(painter, image.rect(), scene);
    return image;
}

}  // namespace

TEST(CourtDrawing, TheBonusShowsOnTheHalfOfTheTeamInItAndFollowsTheSwap) {
    CourtScene scene;
    scene.home.bonus = "BONUS";
    const QRect left(0, 60, 400, 40), right(400, 60, 400, 40);
    QImage image = render(scene);
    EXPECT_GT(redPixels(image, left), 20);
    EXPECT_EQ(redPixels(image, right), 0);
    scene.sidesSwapped = true;
    image = render(scene);
    EXPECT_EQ(redPixels(image, left), 0);
    EXPECT_GT(redPixels(image, right), 20);
    // A pending prompt replaces the indicators.
    scene.prompts = {{CourtPrompt::Place::WholeCourt, "Rebounded By"}};
    image = render(scene);
    EXPECT_EQ(redPixels(image, right), 0);
    EXPECT_GT(redPixels(image, QRect(300, 190, 200, 40)), 20);
}

TEST(CourtDrawing, LabelsInFoulTroubleAreRedUnderTheirButton) {
    CourtScene scene;
    scene.visitor.onCourt.push_back({3, 0, "# 7 Fouled Out!", true, true});
    scene.home.onCourt.push_back({3, 1, " 5-Ann", false, false});
    const QImage image = render(scene);
    const QPoint visitorCenter = slotAnchorIn(image.rect(), false, 3, false);
    const QPoint homeCenter = slotAnchorIn(image.rect(), true, 3, false);
    const QRect under(-60, kPlayerButtonHeight, 120, 18);
    EXPECT_GT(redPixels(image, under.translated(visitorCenter)), 10);
    EXPECT_EQ(redPixels(image, under.translated(homeCenter)), 0);
    EXPECT_EQ(slotAnchor(true, 4, true), slotAnchor(false, 4, false));
}

TEST(ScoreDisplay, DrawsThreeDigitPicturesWithLeadingZeros) {
    QImage image(60, 36, QImage::Format_RGB32);
    for (const int value : {105, 7, 200}) {
        image.fill(Qt::white);
        QPainter painter(&image);
        drawScore(painter, image.rect(), value);
        painter.end();
        const int digits[3] = {value / 100, value / 10 % 10, value % 10};
        for (int i = 0; i < 3; ++i) {
            const QImage digit = gui::ui::Picture::resource(1000 + digits[i]).image().convertToFormat(QImage::Format_RGB32);
            ASSERT_FALSE(digit.isNull());
            EXPECT_EQ(image.copy(i * 20, 0, 20, 36), digit) << value << " digit " << i;
        }
    }
}

// A question in a team's half fits between the center's label and the
// buttons of the lower row, so it never runs into the D or E button; the
// court's texts lie on a pale ground the court lines do not cross.
TEST(CourtDrawing, AHalfCourtQuestionStaysAboveTheLowerRowOfButtons) {
    CourtScene scene;
    scene.prompts = {{CourtPrompt::Place::VisitorHalf, "Stolen From?"}};
    const QImage image = render(scene);
    const QRect area = image.rect();
    const int lowerRowTop = slotAnchorIn(area, false, 5, false).y();
    const int labelBottom = slotAnchorIn(area, false, 3, false).y() + kPlayerButtonHeight + 1 + 16;
    EXPECT_GT(redPixels(image, QRect(area.width() / 2, labelBottom, area.width() / 2, lowerRowTop - labelBottom)), 20);
    EXPECT_EQ(redPixels(image, QRect(0, lowerRowTop, area.width(), area.height() - lowerRowTop)), 0);
}
