// "Select Applicable Games To Analyze" driven through a folder of games made
// for the test.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <filesystem>

#include "GuiTestSupport.h"
#include "gui/stats/GameSelectionDialog.h"
#include "gui/ui/Sound.h"

using namespace courtlog;
using namespace courtlog::gui::stats;
using courtlog::testsupport::click;
using courtlog::testsupport::control;

namespace records = courtlog::testing;

namespace {

QStringList rowsOf(QListWidget* list) {
    QStringList rows;
    for (int i = 0; i < list->count(); ++i) rows << list->item(i)->text();
    return rows;
}

QStringList teamsOf(QComboBox* combo) {
    QStringList teams;
    for (int i = 0; i < combo->count(); ++i) teams << combo->itemText(i);
    return teams;
}

int rowOf(QListWidget* list, const QString& text) {
    const auto found = list->findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? -1 : list->row(found.front());
}

void doubleClickRow(QListWidget* list, const QString& text) {
    QListWidgetItem* item = list->item(rowOf(list, text));
    ASSERT_NE(item, nullptr) << text.toStdString();
    // A double-click is a click, then the second press.
    const QPoint at = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

// A season folder: a.gam (Hawks at home to the Owls), b.gam (Hawks vs
// Lynx), notes.txt, and a folder "playoffs" holding c.gam (Lynx vs Bears).
// The dialog starts in the current folder, so the test goes there.
class GameSelectionDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::freshHooks();
        folder.saveGame(records::game("Hawks", "Owls"), "a.gam");
        folder.saveGame(records::game("Hawks", "Lynx"), "b.gam");
        records::writeFile(folder.file("notes.txt"), "not a game");
        std::filesystem::create_directory(folder.file("playoffs"));
        folder.saveGame(records::game("Lynx", "Bears"), "playoffs/c.gam");
        before = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(folder.path()));
    }
    void TearDown() override { QDir::setCurrent(before); }

    QString path(const char* name) const { return QString::fromStdString(folder.file(name)); }

    records::ScratchFolder folder;
    QString before;
};

TEST_F(GameSelectionDialogTest, BrowsesCollectsGamesAndChoosesATeam) {
    GameSelectionDialog dialog(nullptr, SelectionPurpose::Statistics);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Select Applicable Games To Analyze"));
    auto* files = control<QListWidget>(&dialog, "filesList");
    auto* games = control<QListWidget>(&dialog, "gamesList");
    auto* teams = control<QComboBox>(&dialog, "teamCombo");
    auto* information = control<QLabel>(&dialog, "informationArea");
    EXPECT_EQ(rowsOf(files), (QStringList{"[-/-]", "[-~-]", "[..]", "[playoffs]", "a.gam", "b.gam"}));
    EXPECT_EQ(teamsOf(teams), QStringList{"All Teams"});
    EXPECT_EQ(teams->currentIndex(), -1);

    // Highlighting a game shows its teams; a folder shows where we are.
    testsupport::clickRow(files, rowOf(files, "a.gam"));
    EXPECT_EQ(information->text(), QStringLiteral("Owls\nvs\nHawks"));
    testsupport::clickRow(files, rowOf(files, "[playoffs]"));
    EXPECT_EQ(information->text(), path("") + QStringLiteral("*.gam"));

    // Into the sub-folder and back out again.
    doubleClickRow(files, "[playoffs]");
    EXPECT_EQ(rowsOf(files), (QStringList{"[-/-]", "[-~-]", "[..]", "c.gam"}));
    EXPECT_EQ(information->text(), path("playoffs/*.gam"));
    EXPECT_EQ(QDir::currentPath(), path("playoffs"));
    doubleClickRow(files, "c.gam");
    doubleClickRow(files, "[..]");
    EXPECT_EQ(rowOf(files, "a.gam"), 4);

    // "&A" adds every game of the folder once, teams each once in the order met.
    click(&dialog, "selectAllButton");
    click(&dialog, "selectAllButton");
    EXPECT_EQ(rowsOf(games), (QStringList{path("playoffs/c.gam"), path("a.gam"), path("b.gam")}));
    EXPECT_EQ(teamsOf(teams), (QStringList{"All Teams", "Lynx", "Bears", "Hawks", "Owls"}));

    // Removing c.gam drops the Bears; the Lynx still play in b.gam.
    testsupport::clickRow(games, 0);
    click(&dialog, "removeGameButton");
    EXPECT_EQ(teamsOf(teams), (QStringList{"All Teams", "Lynx", "Hawks", "Owls"}));

    // OK without a team keeps the dialog with the message after the warning.
    gui::ui::testing::clearPlayedSounds();
    click(&dialog, "okButton");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(testsupport::messageShown(QStringLiteral("You Must Choose a Team Name or \"All Teams\"")));
    EXPECT_EQ(gui::ui::testing::shownMessages().back().caption, QStringLiteral("No Team Selected"));
    EXPECT_EQ(gui::ui::testing::playedSounds(), (std::vector<int>{601, 606}));

    teams->setCurrentIndex(teams->findText(QStringLiteral("Hawks")));
    click(&dialog, "okButton");
    EXPECT_EQ(dialog.result(), 1);
    EXPECT_EQ(dialog.choice().files, (std::vector<std::string>{folder.file("a.gam"), folder.file("b.gam")}));
    EXPECT_EQ(dialog.choice().teamName, "Hawks");
    EXPECT_FALSE(dialog.choice().allTeams);
}

// The next selection opens where games were chosen last, wherever a file
// dialog left the current folder.
TEST_F(GameSelectionDialogTest, OpensWhereGamesWereChosenLast) {
    {
        GameSelectionDialog dialog(nullptr, SelectionPurpose::Statistics);
        dialog.show();
        doubleClickRow(control<QListWidget>(&dialog, "filesList"), "[playoffs]");
        click(&dialog, "selectAllButton");
        control<QComboBox>(&dialog, "teamCombo")->setCurrentIndex(0);
        click(&dialog, "okButton");
        ASSERT_EQ(dialog.result(), 1);
    }
    QDir::setCurrent(QDir::tempPath());
    GameSelectionDialog again(nullptr, SelectionPurpose::Statistics);
    EXPECT_EQ(again.currentFolder(), path("playoffs"));
}

TEST_F(GameSelectionDialogTest, OkWithoutGamesWarnsForEachPurpose) {
    GameSelectionDialog statistics(nullptr, SelectionPurpose::Statistics);
    statistics.show();
    click(&statistics, "okButton");
    EXPECT_TRUE(statistics.isVisible());
    EXPECT_EQ(testsupport::messageTexts().back(), QStringLiteral("Must Select at least one Game to Analyze"));
    EXPECT_EQ(gui::ui::testing::shownMessages().back().caption, QStringLiteral("No Game Selected"));

    // The shot analysis's OK makes no sound and asks for a team in its words.
    GameSelectionDialog shots(nullptr, SelectionPurpose::ShotAnalysis);
    shots.show();
    auto* files = control<QListWidget>(&shots, "filesList");
    testsupport::clickRow(files, rowOf(files, "a.gam"));
    click(&shots, "selectGameButton");
    gui::ui::testing::clearPlayedSounds();
    click(&shots, "okButton");
    EXPECT_EQ(testsupport::messageTexts().back(), QStringLiteral("Must Choose a Team to Analyze"));
    EXPECT_TRUE(gui::ui::testing::playedSounds().empty());

    auto* teams = control<QComboBox>(&shots, "teamCombo");
    teams->setCurrentIndex(0);
    click(&shots, "okButton");
    EXPECT_EQ(shots.result(), 1);
    EXPECT_TRUE(shots.choice().allTeams);
    EXPECT_EQ(shots.choice().teamName, "All Teams");
}

}  // namespace
