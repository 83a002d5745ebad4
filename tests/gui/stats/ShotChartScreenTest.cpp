// The shot chart on a laptop screen: the court drawn at twice its own size
// beside the lists, the dialog whole on the screen. scripts/test runs it
// under Xvfb with a window manager at 1366 x 768 and 1920 x 1080 (set
// COURTLOG_SCREENSHOT=<file.png> to keep a picture of it); on smaller
// screens (the offscreen platform) it reports itself skipped.
#include <gtest/gtest.h>

#include <QProcess>
#include <QScreen>
#include <QTest>

#include "GuiTestSupport.h"
#include "core/records/Codes.h"
#include "gui/stats/ShotChartDialog.h"

using namespace courtlog;

TEST(ShotChartScreen, TheCourtIsDrawnTwiceItsOwnSizeAndTheDialogFitsTheScreen) {
    testsupport::freshHooks();
    gui::ui::programSettings().setDefaults();
    courtlog::testing::ScratchFolder folder;
    courtlog::testing::GameBuilder g("Hawks", "Owls");
    g.homePlayer("Ann", 12, 4);
    for (int i = 0; i < 12; ++i)
        g.home(courtlog::testing::shot("Ann", i % 2 ? TwoPointMade : ThreePointMissed, 15 + 7 * i, 20 + 6 * i));
    courtlog::stats::ShotAnalysis analysis;
    analysis.addFile(folder.saveGame(g.game, "a.gam"));
    analysis.setTeamName("Hawks");

    gui::stats::ShotChartDialog dialog(nullptr, std::move(analysis));
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const QRect screen = dialog.screen()->availableGeometry();
    if (screen.width() < 1366 || screen.height() < 738) GTEST_SKIP() << "needs a laptop screen or larger";
    testsupport::processUntil([&] { return dialog.frameGeometry() != dialog.geometry(); });

    auto* chart = dialog.findChild<QWidget*>(QStringLiteral("shotChart"));
    ASSERT_NE(chart, nullptr);
    EXPECT_GE(chart->height(), 2 * scoring::kUprightCourt.height);
    EXPECT_GE(chart->width(), 2 * scoring::kUprightCourt.width);
    EXPECT_TRUE(screen.adjusted(-8, -8, 8, 8).contains(dialog.frameGeometry()));
    if (const QByteArray file = qgetenv("COURTLOG_SCREENSHOT"); !file.isEmpty())
        QProcess::execute(QStringLiteral("import"),
                          {QStringLiteral("-window"), QStringLiteral("root"), QString::fromLocal8Bit(file)});
    dialog.close();
}
