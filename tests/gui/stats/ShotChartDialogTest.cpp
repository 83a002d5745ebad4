// The "Shot Analysis" dialog: the menu command over game files, its lists
// and counts, the printout and "pdf shots", following the game beside the
// console, and the marks as painted.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "GuiTestSupport.h"
#include "core/records/Codes.h"
#include "gui/app/PdfCommand.h"
#include "gui/scoring/GameConsoleWindow.h"
#include "gui/scoring/PlayChoiceDialog.h"
#include "gui/stats/GameSelectionDialog.h"
#include "gui/stats/ShotAnalysisCommand.h"
#include "gui/stats/ShotChartDialog.h"
#include "gui/stats/ShotChartDrawing.h"
#include "gui/ui/AppState.h"
#include "gui/ui/Printing.h"
#include "gui/ui/ProgramSettings.h"

using namespace courtlog;
using namespace courtlog::gui::stats;
using courtlog::testing::shot;
using courtlog::testsupport::control;

namespace records = courtlog::testing;

namespace {

QString label(QWidget* dialog, const char* name) { return control<QLabel>(dialog, name)->text(); }

class ShotChartDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::freshHooks();
        gui::ui::programSettings().setDefaults();
        // Hawks at home: Ann makes a two in the lane and misses a three in
        // the second quarter; the Owls' Oli makes a two.
        records::GameBuilder g("Hawks", "Owls");
        g.homePlayer("Ann", 12, 4).visitorPlayer("Oli", 3, 4);
        g.home(shot("Ann", TwoPointMade, 59, 30, 0)).home(shot("Ann", ThreePointMissed, 59, 90, 1));
        g.visitor(shot("Oli", TwoPointMade, 30, 40, 0));
        game = folder.saveGame(g.game, "a.gam");
    }

    records::ScratchFolder folder;
    std::string game;
};

TEST_F(ShotChartDialogTest, CommandChoosesGamesThenTheListsFilterTheChartAndPrintIt) {
    const QString before = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(folder.path()));
    const QString pdf = QString::fromStdString(folder.file("chart.pdf"));
    QStringList players;
    QStringList counts;
    testsupport::whenModal<GameSelectionDialog>([&](GameSelectionDialog* selection) {
        testsupport::click(selection, "selectAllButton");
        control<QComboBox>(selection, "teamCombo")->setCurrentIndex(1);  // the Hawks
        testsupport::whenModal<ShotChartDialog>([&](ShotChartDialog* chart) {
            auto* list = control<QListWidget>(chart, "playerList");
            for (int row = 0; row < list->count(); ++row) players << list->item(row)->text();
            players << list->currentItem()->text();
            counts << label(chart, "madeCount") + " " + label(chart, "missedCount");
            testsupport::click(chart, "kind3s");
            counts << label(chart, "madeCount") + " " + label(chart, "missedCount") + " " +
                          label(chart, "zoneShots5") + " " + label(chart, "zonePercent5");
            testsupport::clickRow(list, 2);  // "Opposing Team(s)"
            control<QComboBox>(chart, "periodList")->setCurrentIndex(0);
            testsupport::click(chart, "kindAll");
            counts << label(chart, "madeCount") + " " + label(chart, "missedCount");
            testsupport::clickRow(list, 1);  // back to the Hawks
            gui::ui::testing::printToFileInstead(pdf);
            testsupport::click(chart, "printButton");
            gui::ui::testing::printToFileInstead({});
            testsupport::click(chart, "okButton");
        });
        testsupport::click(selection, "okButton");
    });
    shotAnalysisCommand(nullptr);
    QDir::setCurrent(before);
    EXPECT_EQ(players, (QStringList{"Ann", "Whole Team", "Opposing Team(s)", "Whole Team"}));
    EXPECT_EQ(counts, (QStringList{"Made : 1 Missed : 1", "Made : 0 Missed : 1 0/1 0.0%", "Made : 1 Missed : 0"}));
    EXPECT_FALSE(gui::ui::appState().shotViewerOpen);
    const QString page = testsupport::pdfText(pdf);
    for (const char* text : {"Shot Analysis for Hawks", "All Shots for Whole Game", "o - Made 1, x - Missed 1",
                             "Inside the Lane", "1/1", "100.0%", "Three Above the Break"})
        EXPECT_TRUE(page.contains(QString::fromLatin1(text))) << text << " in\n" << page.toStdString();
}

TEST_F(ShotChartDialogTest, PdfShotsWritesThePrintedChart) {
    const std::string out = folder.file("shots.pdf");
    ::testing::internal::CaptureStderr();
    const int status = gui::app::runPdfCommand({"shots", "--team", "Hawks", "--player", "Ann", "--kind", "2s",
                                                "--period", "first-quarter", game, out});
    const std::string err = ::testing::internal::GetCapturedStderr();
    ASSERT_EQ(status, 0) << err;
    const QString page = testsupport::pdfText(QString::fromStdString(out));
    EXPECT_TRUE(page.contains(QStringLiteral("Shot Analysis for Ann"))) << page.toStdString();
    EXPECT_TRUE(page.contains(QStringLiteral("2 Point Shots for First Quarter")));
    EXPECT_TRUE(page.contains(QStringLiteral("o - Made 1, x - Missed 0")));
}

TEST(ShotChartPainting, AMakeIsAGreenDotOnItsSpotAndAMissARedCross) {
    QImage image(118, 199, QImage::Format_RGB32);
    image.fill(Qt::white);
    courtlog::stats::ShotChartFigures figures;
    figures.made.push_back({40, 60, 0, TwoPointMade});
    figures.missed.push_back({80, 120, 0, TwoPointMissed});
    QPainter painter(&image);
    drawShotChart(painter, image.rect(), 1, figures);
    painter.end();
    const QColor green(kMadeShotColour);
    EXPECT_EQ(image.pixelColor(40, 60), green);
    EXPECT_EQ(image.pixelColor(37, 60), green);
    EXPECT_EQ(image.pixelColor(43, 60), green);
    EXPECT_NE(image.pixelColor(44, 60), green);
    EXPECT_EQ(image.pixelColor(80, 120), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(78, 118), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(82, 122), QColor(Qt::red));
    EXPECT_NE(image.pixelColor(83, 123), QColor(Qt::red));
    EXPECT_NE(image.pixelColor(81, 120), QColor(Qt::red));

    // Twice as large, the marks stay on their spots and grow with the court.
    QImage large(236, 398, QImage::Format_RGB32);
    QPainter twice(&large);
    drawShotChart(twice, large.rect(), 1, figures);
    twice.end();
    EXPECT_EQ(large.pixelColor(81, 121), green);
    EXPECT_EQ(large.pixelColor(75, 121), green);
    EXPECT_NE(large.pixelColor(72, 121), green);
    EXPECT_EQ(large.pixelColor(161, 241), QColor(Qt::red));
}

// Beside the console the chart follows the game: a shot recorded gains a
// mark, its undo takes it away.
TEST(ShotChartBesideConsole, GainsAMarkWhenAShotIsRecordedAndLosesItOnUndo) {
    testsupport::freshHooks();
    gui::ui::programSettings().setDefaults();
    gui::ui::programSettings().promptForShot = false;
    QTemporaryDir dir;
    Game live;
    live.home = testsupport::teamWithLineup("Hawks", 7);
    live.visitor = testsupport::teamWithLineup("Owls", 7);
    live.home.noPersonalInfo = live.visitor.noPersonalInfo = true;
    live.homeName = "Hawks";
    live.visitorName = "Owls";
    ASSERT_TRUE(live.save(QDir(dir.path()).filePath(QStringLiteral("live.gam")).toStdString()));
    gui::scoring::GameConsoleWindow console(nullptr, live, gui::ui::programSettings().league);
    console.show();

    courtlog::stats::ShotAnalysis analysis;
    analysis.addFile("");
    analysis.setTeamName("Hawks");
    analysis.readGameInProgress(&live);
    auto* chart = new ShotChartDialog(&console, std::move(analysis));
    chart->showBesideConsole(&console);
    EXPECT_EQ(label(chart, "madeCount"), QStringLiteral("Made : 0"));

    testsupport::whenModal<gui::scoring::PlayChoiceDialog>(
        [](gui::scoring::PlayChoiceDialog* dialog) { testsupport::click(dialog, "shotMade2PointerButton"); });
    QTest::mouseClick(control<QPushButton>(&console, "homeSlot1Button"), Qt::LeftButton);
    ASSERT_TRUE(testsupport::processUntil([&] { return label(chart, "madeCount") == QStringLiteral("Made : 1"); }));
    EXPECT_EQ(chart->shownFigures().made.front().x, 57);  // the default spot of a two
    QTest::keyClick(&console, Qt::Key_Escape);  // no rebound
    QTest::keyClick(&console, Qt::Key_Z, Qt::ControlModifier);
    ASSERT_TRUE(testsupport::processUntil([&] { return label(chart, "madeCount") == QStringLiteral("Made : 0"); }));
    delete chart;
    EXPECT_FALSE(gui::ui::appState().shotViewerOpen);
    gui::ui::programSettings().setDefaults();
}

}  // namespace
