// The "Statistics" dialog: its tabs, sorting, column widths, following the
// game in progress, and the menu command that opens it.
#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QListWidget>
#include <QTabBar>
#include <QTableView>
#include <QTest>

#include "GuiTestSupport.h"
#include "core/records/Codes.h"
#include "gui/stats/GameSelectionDialog.h"
#include "gui/stats/StatisticsCommand.h"
#include "gui/stats/StatisticsViewer.h"
#include "gui/ui/AppState.h"
#include "gui/ui/FileDialogs.h"
#include "gui/ui/GameViewer.h"
#include "gui/ui/MessageBox.h"
#include "gui/ui/PickTeam.h"
#include "gui/ui/Printing.h"

using namespace courtlog;
using namespace courtlog::gui::stats;
using courtlog::testing::play;
using courtlog::testsupport::control;

namespace records = courtlog::testing;

namespace {

// Hawks at home: Ann scores 5, Bo 2; the Owls' Oli scores 3.
Game hawksOwls() {
    return records::game("Hawks", "Owls",
                         {play("Ann", Shot, TwoPointMade, 0, 12), play("Ann", Shot, ThreePointMade, 1, 12),
                          play("Bo", Shot, TwoPointMade, 1, 5)},
                         {play("Oli", Shot, ThreePointMade, 0, 7)});
}

QStringList column(QTableView* table, int column) {
    QStringList cells;
    for (int row = 0; row < table->model()->rowCount(); ++row)
        cells << table->model()->index(row, column).data().toString();
    return cells;
}

void clickHeader(QTableView* table, int section) {
    QHeaderView* header = table->horizontalHeader();
    table->scrollTo(table->model()->index(0, section));
    const int x = header->sectionViewportPosition(section) + header->sectionSize(section) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
}

Stat selectionOf(const std::string& team, const std::vector<std::string>& files) {
    Stat stat;
    stat.setTeamName(team);
    for (const std::string& file : files) stat.addFile(file);
    return stat;
}

class StatisticsViewerTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::freshHooks();
        gui::ui::programSettings().setDefaults();
        game = folder.saveGame(hawksOwls(), "a.gam");
    }

    records::ScratchFolder folder;
    std::string game;
};

TEST_F(StatisticsViewerTest, TabsShowTheSetsAndAClickSortsKeepingTheTotalsLast) {
    StatisticsViewer viewer(nullptr, courtlog::stats::StatisticsSets(selectionOf("Hawks", {game})));
    viewer.show();
    EXPECT_EQ(viewer.windowTitle(), QStringLiteral("Statistics"));
    EXPECT_TRUE(gui::ui::appState().statsViewerOpen);
    auto* tabs = control<QTabBar>(&viewer, "statisticsTabs");
    auto* table = control<QTableView>(&viewer, "statisticsList");
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("Hawks"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("Opponents"));
    EXPECT_EQ(tabs->tabText(2), QStringLiteral("Combined"));
    EXPECT_EQ(table->model()->columnCount(), 45);
    EXPECT_EQ(table->model()->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Tot Pts"));

    // Roster players without plays come after those with; Tot Pts sorts
    // highest first, then lowest first, the totals staying last.
    clickHeader(table, 4);
    EXPECT_EQ(column(table, 0).first(), QStringLiteral("Ann #12"));
    EXPECT_EQ(column(table, 0).last(), QStringLiteral("TEAM TOTALS"));
    clickHeader(table, 4);
    EXPECT_EQ(column(table, 4).first(), QStringLiteral("0"));
    EXPECT_EQ(column(table, 4).last(), QStringLiteral("7"));

    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
    EXPECT_EQ(column(table, 0).first(), QStringLiteral("Oli #7"));
    EXPECT_EQ(column(table, 4).last(), QStringLiteral("10"));
}

TEST_F(StatisticsViewerTest, AllTeamsIsOneTabAndColumnWidthsOutliveTheDialog) {
    Stat selection = selectionOf("All Teams", {game});
    selection.setAllTeams(true);
    {
        StatisticsViewer viewer(nullptr, courtlog::stats::StatisticsSets(selection));
        viewer.show();
        auto* tabs = control<QTabBar>(&viewer, "statisticsTabs");
        ASSERT_EQ(tabs->count(), 1);
        EXPECT_EQ(tabs->tabText(0), QStringLiteral("All Teams"));
        control<QTableView>(&viewer, "statisticsList")->horizontalHeader()->resizeSection(4, 111);
        testsupport::click(&viewer, "okButton");
    }
    EXPECT_FALSE(gui::ui::appState().statsViewerOpen);
    EXPECT_EQ(gui::ui::programSettings().statColumnWidths[4], 111);
    StatisticsViewer again(nullptr, courtlog::stats::StatisticsSets(selection));
    EXPECT_EQ(control<QTableView>(&again, "statisticsList")->horizontalHeader()->sectionSize(4), 111);
}

TEST_F(StatisticsViewerTest, PrintAndExportTakeTheShownTab) {
    StatisticsViewer viewer(nullptr, courtlog::stats::StatisticsSets(selectionOf("Hawks", {game})));
    viewer.show();
    auto* tabs = control<QTabBar>(&viewer, "statisticsTabs");
    tabs->setCurrentIndex(1);

    // Print asks about fitting, then the preview's pages go to a PDF.
    const std::string pdf = folder.file("opponents.pdf");
    gui::ui::testing::printToFileInstead(QString::fromStdString(pdf));
    gui::ui::testing::queueMessageAnswer(gui::ui::ResultYes);
    testsupport::click(&viewer, "printButton");
    gui::ui::testing::printToFileInstead({});
    EXPECT_TRUE(testsupport::messageShown(QStringLiteral("Fit Output to Page Width ?")));
    const QString printed = testsupport::pdfText(QString::fromStdString(pdf));
    EXPECT_TRUE(printed.contains(QStringLiteral("Statistics for Opponents"))) << printed.toStdString();
    EXPECT_TRUE(printed.contains(QStringLiteral("Oli #7")));
    EXPECT_FALSE(printed.contains(QStringLiteral("Ann #12")));
    EXPECT_TRUE(printed.contains(QStringLiteral("Files used in analysis:")));

    // Export: a name without an extension takes the chosen type's.
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{QString::fromStdString(folder.file("coach")), 3});
    testsupport::click(&viewer, "exportButton");
    EXPECT_EQ(gui::ui::testing::lastFileDialogOptions().title, QStringLiteral("Select file name to save as"));
    const std::string exported = records::readFile(folder.file("coach.txt"));
    EXPECT_EQ(exported.rfind("PLAYER,GP,PP,TP,PPG,", 0), 0u) << exported;
    EXPECT_NE(exported.find("\nOli,0,0,3,"), std::string::npos) << exported;
}

// The export writes the kind the typed extension asks for: the coaching
// program's text for "opp-bench.txt" typed while the comma-separated kind
// shows. The dialog proposes a name for the set shown.
TEST_F(StatisticsViewerTest, ExportWritesTheKindTheTypedNameAsksFor) {
    StatisticsViewer viewer(nullptr, courtlog::stats::StatisticsSets(selectionOf("Hawks", {game})));
    viewer.show();
    control<QTabBar>(&viewer, "statisticsTabs")->setCurrentIndex(1);
    gui::ui::testing::queueFileAnswer(
        gui::ui::FileChoice{QString::fromStdString(folder.file("opp-bench.txt")), 1});
    testsupport::click(&viewer, "exportButton");
    EXPECT_EQ(gui::ui::testing::lastFileDialogOptions().initialName,
              QStringLiteral("Hawks opponents statistics.csv"));
    EXPECT_EQ(records::readFile(folder.file("opp-bench.txt")).rfind("PLAYER,GP,PP,TP,PPG,", 0), 0u);
}

TEST_F(StatisticsViewerTest, BesideTheConsoleItFollowsEveryChangeOfTheGame) {
    Game live = hawksOwls();
    auto* viewer = new StatisticsViewer(nullptr, courtlog::stats::StatisticsSets(selectionOf("Owls", {game})), &live);
    viewer->showBesideConsole(nullptr);
    auto* table = control<QTableView>(viewer, "statisticsList");
    EXPECT_FALSE(viewer->isModal());
    EXPECT_EQ(column(table, 4).last(), QStringLiteral("3"));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(viewer));
    QCoreApplication::processEvents();
    live.addVisitorEvent(play("Oli", Shot, TwoPointMade, 2, 7));
    gui::ui::refreshGameViewers();
    EXPECT_EQ(column(table, 4).last(), QStringLiteral("5"));
    // Only the changed lines are drawn again; the list on screen is what a
    // whole new drawing shows.
    QCoreApplication::processEvents();
    EXPECT_EQ(testsupport::onScreen(*table->viewport()), testsupport::freshDrawing(*table->viewport()));
    QPointer<StatisticsViewer> watched(viewer);
    testsupport::click(viewer, "okButton");
    EXPECT_TRUE(testsupport::processUntil([&] { return watched.isNull(); }));
    EXPECT_FALSE(gui::ui::appState().statsViewerOpen);
}

TEST_F(StatisticsViewerTest, CommandChoosesGamesThenShowsTheirStatistics) {
    const QString before = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(folder.path()));
    bool viewed = false;
    testsupport::whenModal<GameSelectionDialog>([&](GameSelectionDialog* selection) {
        testsupport::click(selection, "selectAllButton");
        control<QComboBox>(selection, "teamCombo")->setCurrentIndex(2);  // the Owls
        testsupport::whenModal<StatisticsViewer>([&](StatisticsViewer* viewer) {
            viewed = control<QTabBar>(viewer, "statisticsTabs")->tabText(0) == QStringLiteral("Owls");
            testsupport::click(viewer, "okButton");
        });
        testsupport::click(selection, "okButton");
    });
    statisticsCommand(nullptr);
    QDir::setCurrent(before);
    EXPECT_TRUE(viewed);
}

TEST_F(StatisticsViewerTest, CommandDuringAGameSavesItAndAsksForTheTeam) {
    Game live = hawksOwls();
    live.fileName = folder.file("live.gam");
    live.addHomeEvent(play("Bo", Shot, FreeThrowMade, 2, 5));
    gui::ui::appState().gameInProgress = true;
    gui::ui::appState().currentGame = &live;
    testsupport::whenModal<gui::ui::PickTeam>([](gui::ui::PickTeam* pick) {
        testsupport::click(pick, "visitorRadio");
        testsupport::click(pick, "okButton");
    });
    statisticsCommand(nullptr);
    gui::ui::appState().gameInProgress = false;
    gui::ui::appState().currentGame = nullptr;

    Game saved;
    EXPECT_TRUE(saved.load(live.fileName));
    EXPECT_EQ(saved.homeEvents().size(), live.homeEvents().size());
    StatisticsViewer* viewer = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* v = qobject_cast<StatisticsViewer*>(w); v && v->isVisible()) viewer = v;
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(control<QTabBar>(viewer, "statisticsTabs")->tabText(0), QStringLiteral("Owls"));
    EXPECT_TRUE(gui::ui::appState().statsViewerOpen);
    delete viewer;
}

}  // namespace
