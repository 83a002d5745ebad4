// Statistics > Season Web Site: the games chosen, a title and a folder, the
// build followed on a progress bar, and the site opened in the browser.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <tuple>

#include "GuiTestSupport.h"
#include "gui/stats/GameSelectionDialog.h"
#include "gui/stats/SeasonSiteCommand.h"
#include "gui/stats/SeasonSiteDialog.h"
#include "gui/ui/FileDialogs.h"

using namespace courtlog;
using namespace courtlog::gui::stats;
using courtlog::testsupport::click;
using courtlog::testsupport::control;

namespace records = courtlog::testing;

namespace {

class SeasonSiteDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::freshHooks();
        games = {folder.saveGame(records::gameEnding("Hawks", 50, "Owls", 40, 3, 2), "week1.gam"),
                 folder.saveGame(records::gameEnding("Owls", 45, "Lynx", 44, 3, 9), "week2.gam")};
        site = QString::fromStdString(folder.file("site"));
        gui::stats::testing::setBrowserOpener([this](const QUrl& address) { opened << address; });
    }
    void TearDown() override {
        gui::stats::testing::setBrowserOpener({});
        gui::ui::testing::clearFileAnswers();
    }

    records::ScratchFolder folder;
    std::vector<std::string> games;
    QString site;
    QList<QUrl> opened;
};

TEST_F(SeasonSiteDialogTest, BuildsOnAProgressBarAndOpensTheSiteInTheBrowser) {
    SeasonSiteDialog dialog(nullptr, games);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Season Web Site"));
    EXPECT_EQ(control<QLabel>(&dialog, "gamesChosenLabel")->text(), QStringLiteral("2 games chosen."));
    auto* progress = control<QProgressBar>(&dialog, "progressBar");
    EXPECT_FALSE(progress->isVisible());
    testsupport::typeInto(&dialog, "titleEdit", QStringLiteral("Spring \u00c5 League"));
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{site, 1});
    click(&dialog, "browseFolderButton");
    EXPECT_EQ(control<QLineEdit>(&dialog, "folderEdit")->text(), site);

    // The bar follows each game, then the team pages and the index, while
    // the fields wait.
    std::vector<std::tuple<int, bool, bool>> seen;
    QObject::connect(progress, &QProgressBar::valueChanged, [&](int value) {
        seen.emplace_back(value, progress->isVisible(), control<QLineEdit>(&dialog, "folderEdit")->isEnabled());
    });
    gui::ui::testing::queueMessageAnswer(gui::ui::ResultYes);
    click(&dialog, "buildButton");
    ASSERT_TRUE(testsupport::processUntil([&] { return !dialog.isVisible(); }));
    EXPECT_EQ(dialog.result(), 1);
    EXPECT_EQ(progress->maximum(), 3);
    EXPECT_EQ(seen, (std::vector<std::tuple<int, bool, bool>>{{1, true, false}, {2, true, false}, {3, true, false}}));

    const QString index = QDir(site).filePath(QStringLiteral("index.html"));
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0], QUrl::fromLocalFile(index));
    EXPECT_TRUE(testsupport::messageShown(QStringLiteral("The site is built: 6 pages in %1.\n\nOpen it in the browser?")
                                              .arg(site)));
    EXPECT_NE(records::readFile(index.toStdString()).find("<h1>Spring \xC3\x85 League</h1>"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(folder.file("site/game-week2.html")));
}

TEST_F(SeasonSiteDialogTest, ADamagedGameIsNamedTheDialogStaysAndNoFolderIsMade) {
    records::writeFile(folder.file("broken.gam"), "not a game");
    SeasonSiteDialog dialog(nullptr, {games[0], folder.file("broken.gam")});
    dialog.show();
    // The folder of the site built before is offered; without one, no build.
    testsupport::typeInto(&dialog, "folderEdit", QString());
    click(&dialog, "buildButton");
    EXPECT_TRUE(testsupport::messageShown(QStringLiteral("Choose a folder for the site.")));
    EXPECT_FALSE(dialog.building());

    testsupport::typeInto(&dialog, "folderEdit", site);
    bool ended = false;
    QObject::connect(&dialog, &SeasonSiteDialog::buildEnded, [&] { ended = true; });
    click(&dialog, "buildButton");
    ASSERT_TRUE(testsupport::processUntil([&] { return ended; }));
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_FALSE(gui::ui::testing::shownMessages().empty());
    EXPECT_TRUE(gui::ui::testing::shownMessages().back().text.startsWith(
        QStringLiteral("Can't load game ! ") + QString::fromStdString(folder.file("broken.gam"))));
    EXPECT_FALSE(std::filesystem::exists(folder.file("site")));
    EXPECT_TRUE(control<QPushButton>(&dialog, "buildButton")->isEnabled());
    EXPECT_FALSE(control<QProgressBar>(&dialog, "progressBar")->isVisible());
    EXPECT_TRUE(opened.isEmpty());
}

// The menu command: the games chosen as for the statistics, with every team
// in the site and no team to choose.
TEST_F(SeasonSiteDialogTest, TheCommandChoosesGamesWithoutATeamThenAsksForTheFolder) {
    const QString before = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(folder.path()));
    bool chose = false;
    testsupport::whenModal<GameSelectionDialog>([&](GameSelectionDialog* selection) {
        EXPECT_FALSE(control<QComboBox>(selection, "teamCombo")->isVisible());
        click(selection, "selectAllButton");
        EXPECT_EQ(control<QListWidget>(selection, "gamesList")->count(), 2);
        chose = true;
        testsupport::whenModal<SeasonSiteDialog>([&](SeasonSiteDialog* dialog) {
            EXPECT_EQ(control<QLabel>(dialog, "gamesChosenLabel")->text(), QStringLiteral("2 games chosen."));
            click(dialog, "cancelButton");
        });
        click(selection, "okButton");
    });
    seasonSiteCommand(nullptr);
    QDir::setCurrent(before);
    EXPECT_TRUE(chose);
    EXPECT_TRUE(testsupport::messageTexts().empty());
    EXPECT_FALSE(std::filesystem::exists(folder.file("site")));
}

}  // namespace
