#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "GuiTestSupport.h"
#include "RecordBuilders.h"
#include "gui/app/Application.h"
#include "gui/app/MainWindow.h"
#include "gui/scoring/GameCommands.h"
#include "gui/stats/BoxScoreCommand.h"
#include "gui/stats/BoxScoreDialog.h"
#include "gui/ui/AppState.h"
#include "gui/ui/GameConsoleLink.h"
#include "gui/ui/MessageBox.h"
#include "gui/ui/ProgramSettings.h"

using namespace courtlog;

namespace {

// Ten a side, a few plays each in the first two quarters.
Game gameUnderWay() {
    Game game = courtlog::testing::game(courtlog::testing::team("Harbor Hawks", 10),
                                        courtlog::testing::team("Valley Miners", 10));
    for (int period = 0; period < 2; ++period)
        for (int i = 1; i <= 10; ++i) {
            const std::string home = "Harbor Hawks Player " + std::to_string(i);
            const std::string visitor = "Valley Miners Player " + std::to_string(i);
            game.addHomeEvent(
                courtlog::testing::play(home, Shot, i % 2 ? TwoPointMade : ThreePointMissed, period, i + 2));
            game.addVisitorEvent(
                courtlog::testing::play(visitor, Shot, i % 3 ? FreeThrowMade : TwoPointMade, period, i + 2));
            if (i % 4 == 0)
                game.addHomeEvent(courtlog::testing::play(home, Rebound, DefensiveRebound, period, i + 2));
        }
    game.currentPeriod = 1;
    return game;
}

}  // namespace

// The box score opened during a game, as a scorekeeper sees it on a laptop.
// scripts/test runs it under a 1366 x 768 virtual display with a window
// manager (set COURTLOG_SCREENSHOT=<file.png> to keep a picture of it). On
// smaller screens (the offscreen platform) only the lifetime checks run and
// the test reports itself skipped.
TEST(BoxScoreScreen, OpensBesideTheConsoleWithoutCoveringIt) {
    QTemporaryDir startDir;
    gui::ui::appState() = gui::ui::AppState{};
    auto window = gui::app::Application::initMainWindow({startDir.path(), QRect()});
    ASSERT_TRUE(window);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    Game game = gameUnderWay();
    game.fileName = (startDir.path() + QStringLiteral("/under-way.gam")).toStdString();
    const QRect screen = window->screen()->availableGeometry();
    const bool laptopScreen = testsupport::laptopOrLarger(screen);

    bool checked = false;
    testsupport::whenConsoleOpen([&] {
        QWidget* console =
            gui::ui::appState().console ? gui::ui::appState().console->consoleWidget() : nullptr;
        ASSERT_NE(console, nullptr);
        // The window manager frames the console a moment after it shows.
        if (laptopScreen)
            testsupport::processUntil([&] { return console->frameGeometry() != console->geometry(); });
        gui::stats::boxScoreCommand(window.get());
        auto* boxScore = console->findChild<gui::stats::BoxScoreDialog*>();
        ASSERT_NE(boxScore, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(boxScore));
        if (laptopScreen) {
            testsupport::processUntil([&] { return boxScore->frameGeometry() != boxScore->geometry(); });
            // On the screen, and the console's court, scores and buttons stay
            // in view (window borders may touch).
            EXPECT_TRUE(screen.adjusted(-8, -8, 8, 8).contains(boxScore->frameGeometry()));
            EXPECT_FALSE(
                console->frameGeometry().adjusted(8, 8, -8, -8).intersects(boxScore->frameGeometry()));
        }
        if (const QByteArray path = qgetenv("COURTLOG_SCREENSHOT"); !path.isEmpty())
            console->screen()->grabWindow(0).save(QString::fromLocal8Bit(path));
        checked = true;
        // Stopping the game closes the box score with the console.
        gui::ui::testing::queueMessageAnswer(gui::ui::ResultNo);
        QTest::mouseClick(console->findChild<QPushButton*>(QStringLiteral("stopGameButton")), Qt::LeftButton);
    });
    gui::scoring::startGameConsole(window.get(), game, false);
    EXPECT_TRUE(checked);
    EXPECT_FALSE(gui::ui::appState().boxScoreViewerOpen);
    testsupport::endScreenTest(window, screen);
}
