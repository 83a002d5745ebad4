#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QPushButton>

#include "GuiTestSupport.h"
#include "core/scoring/ShotSpot.h"
#include "gui/scoring/ShotSpotDialog.h"

using namespace courtlog;
using namespace courtlog::testsupport;
using courtlog::scoring::CourtPoint;
using courtlog::gui::scoring::ShotSpotDialog;

namespace {

struct ShotAnswer {
    bool clicked = false;
    int x = 57;
    int y = 47;
};

// Asks for a spot for one side; while the dialog is up, action plays the user.
ShotAnswer askWith(bool home, std::function<void(ShotSpotDialog*)> action, CourtPoint start = {57, 47}) {
    CourtPoint spot = start;
    whenModal<ShotSpotDialog>(std::move(action));
    const bool clicked = ShotSpotDialog::askShotSpot(nullptr, spot, home);
    return {clicked, spot.x, spot.y};
}

void turn(ShotSpotDialog* dialog, int times) {
    for (int i = 0; i < times; ++i) click(dialog, "rotateButton");
}

void resetOrientations() {
    ShotSpotDialog::teamOrientation(true) = 0;
    ShotSpotDialog::teamOrientation(false) = 0;
    gui::ui::programSettings().league.threePointArc = 1;
}

struct TurnCase {
    int turns;
    QSize client;          // court plus the button row
    QPoint endLine;        // middle of the attacked end line, client coordinates
    QPoint farCourt;       // where upright (59, 150) shows
};

// The middle of the window pixels that show court pixel p, drawn kCourtScale
// times its size below the button row.
QPoint scaled(QPoint p) {
    const int k = ShotSpotDialog::kCourtScale;
    return {p.x() * k + k / 2, p.y() * k + k / 2 + ShotSpotDialog::kButtonRowHeight};
}

}  // namespace

TEST(ShotSpotDialog, ClickInEachOrientationStoresTheUprightSpot) {
    freshHooks();
    const int row = ShotSpotDialog::kButtonRowHeight;
    const int k = ShotSpotDialog::kCourtScale;
    // At least twice the court picture's own size, to place a spot well.
    ASSERT_GE(k, 2);
    const TurnCase cases[] = {
        {0, {118 * k, 199 * k + row}, scaled({59, 3}), scaled({59, 150})},
        {1, {199 * k, 118 * k + row}, scaled({196, 59}), scaled({49, 59})},
        {2, {118 * k, 199 * k + row}, scaled({59, 196}), scaled({59, 49})},
        {3, {199 * k, 118 * k + row}, scaled({3, 59}), scaled({150, 59})},
    };
    for (const TurnCase& c : cases) {
        SCOPED_TRACE(c.turns);
        resetOrientations();
        for (const QPoint& target : {c.endLine, c.farCourt}) {
            const bool first = target == c.endLine;
            ShotAnswer answer = askWith(true, [&](ShotSpotDialog* dialog) {
                EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Shot From ?"));
                if (first) turn(dialog, c.turns);
                EXPECT_EQ(dialog->size(), c.client);
                EXPECT_LE((dialog->endLinePoint() - c.endLine).manhattanLength(), k);
                EXPECT_EQ(dialog->cursor().shape(), Qt::CrossCursor);
                QTest::mouseClick(dialog, Qt::LeftButton, {}, target);
            });
            EXPECT_TRUE(answer.clicked);
            if (first) {
                // Near the middle of the upright top end line.
                EXPECT_EQ(answer.x, 59);
                EXPECT_EQ(answer.y, 3);
            } else {
                // The far half keeps its large y.
                EXPECT_EQ(answer.x, 59);
                EXPECT_EQ(answer.y, 150);
            }
        }
        // The home team keeps its turn; the visitors still see it upright.
        EXPECT_EQ(ShotSpotDialog::teamOrientation(true), 90 * c.turns);
        EXPECT_EQ(ShotSpotDialog::teamOrientation(false), 0);
    }
    resetOrientations();
}

TEST(ShotSpotDialog, PointerStartsOnTheSpotAndTheGuideLineIsRed) {
    freshHooks();
    resetOrientations();
    ShotSpotDialog::teamOrientation(false) = 270;
    const int row = ShotSpotDialog::kButtonRowHeight;
    const int k = ShotSpotDialog::kCourtScale;
    ShotAnswer answer = askWith(
        false,
        [&](ShotSpotDialog* dialog) {
            // Upright (57, 77) on the court lying with its attacked basket left.
            // (the platform may nudge the pointer by a pixel or two as it moves it).
            const QPoint start = scaled({77, 118 - 57});
            EXPECT_LE((dialog->lastMousePosition() - start).manhattanLength(), 4 + 2 * k);
            const QImage shot = dialog->grab().toImage();
            // Half way along the line to the end line's middle.
            const QPoint middle = (start + dialog->endLinePoint()) / 2;
            bool red = false;
            for (int dy = -2 * k; dy <= 2 * k; ++dy)
                red = red || shot.pixelColor(middle + QPoint(0, dy)) == QColor(Qt::red);
            EXPECT_TRUE(red);
            EXPECT_NE(shot.pixelColor(scaled({150, 100 - row})), QColor(Qt::red));
            // The line follows the pointer.
            QTest::mouseMove(dialog, QPoint(150, 30 + row));
            EXPECT_TRUE(processUntil([&] { return dialog->lastMousePosition() == QPoint(150, 30 + row); }));
            dialog->reject();
        },
        {57, 77});
    // Closed without a click: the spot it started from stays.
    EXPECT_FALSE(answer.clicked);
    EXPECT_EQ(answer.x, 57);
    EXPECT_EQ(answer.y, 77);
    resetOrientations();
}

TEST(ShotSpotDialog, OpensWhereItLastClosedAndIgnoresTheButtonRow) {
    freshHooks();
    resetOrientations();
    QPoint placed;
    askWith(true, [&](ShotSpotDialog* dialog) {
        dialog->move(140, 90);
        placed = dialog->pos();
        // A click beside the rotate button is not on the court.
        QTest::mouseClick(dialog, Qt::LeftButton, {}, QPoint(80, 5));
        EXPECT_TRUE(dialog->isVisible());
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    ASSERT_TRUE(ShotSpotDialog::lastPosition().has_value());
    EXPECT_EQ(*ShotSpotDialog::lastPosition(), placed);
    askWith(false, [&](ShotSpotDialog* dialog) {
        EXPECT_EQ(dialog->pos(), placed);
        dialog->reject();
    });
}

TEST(ShotSpotDialog, CourtFollowsTheThreePointArc) {
    freshHooks();
    resetOrientations();
    // The pro corner three runs 22 ft out from the basket: column 59 - 22 * 2.3.
    QImage pro, none;
    gui::ui::programSettings().league.threePointArc = 2;
    askWith(true, [&](ShotSpotDialog* dialog) {
        pro = dialog->grab().toImage();
        dialog->reject();
    });
    gui::ui::programSettings().league.threePointArc = 0;
    askWith(true, [&](ShotSpotDialog* dialog) {
        none = dialog->grab().toImage();
        dialog->reject();
    });
    // Somewhere across the court pixel the line runs through.
    const int k = ShotSpotDialog::kCourtScale;
    bool differs = false;
    for (int dx = -k; dx <= k; ++dx) {
        const QPoint corner = scaled({8, 10}) + QPoint(dx, 0);
        differs = differs || pro.pixelColor(corner) != none.pixelColor(corner);
    }
    EXPECT_TRUE(differs);
    if (qEnvironmentVariableIsSet("COURTLOG_SHOTS")) {
        gui::ui::programSettings().league.threePointArc = 1;
        for (int turns = 0; turns < 2; ++turns)
            askWith(true, [turns](ShotSpotDialog* dialog) {
                turn(dialog, turns);
                dialog->grab().save(QStringLiteral("/tmp/shot-from-%1.png").arg(turns));
                // Under a real X server, the window as a person sees it.
                EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
                QProcess::execute(QStringLiteral("import"),
                                  {QStringLiteral("-window"), QStringLiteral("root"),
                                   QStringLiteral("/tmp/shot-from-screen-%1.png").arg(turns)});
                dialog->reject();
            });
    }
    resetOrientations();
}
