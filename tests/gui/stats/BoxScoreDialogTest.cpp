#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "../../core/output/BoxScoreTestGame.h"
#include "GuiTestSupport.h"
#include "RecordBuilders.h"
#include "core/output/BoxScore.h"
#include "gui/scoring/GameConsoleWindow.h"
#include "gui/scoring/PlayChoiceDialog.h"
#include "gui/stats/BoxScoreCommand.h"
#include "gui/stats/BoxScoreDialog.h"
#include "gui/ui/AppState.h"
#include "gui/ui/FileDialogs.h"
#include "gui/ui/ProgramSettings.h"

using namespace courtlog;
using namespace courtlog::testsupport;
using courtlog::gui::scoring::GameConsoleWindow;
using courtlog::gui::scoring::PlayChoiceDialog;
using courtlog::gui::stats::BoxScoreDialog;

namespace {

// What the core makes of the game as it stands.
QStringList boxScoreLines(const Game& game) {
    QStringList lines;
    for (const std::string& line : output::BoxScore(game).textLines()) lines << QString::fromStdString(line);
    return lines;
}

BoxScoreDialog* openBoxScore() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<BoxScoreDialog*>(w); dialog && dialog->isVisible()) return dialog;
    return nullptr;
}

struct BoxScoreDialogTest : ::testing::Test {
    courtlog::testing::ScratchFolder folder;

    void SetUp() override {
        freshHooks();
        gui::ui::programSettings().setDefaults();
        gui::ui::programSettings().promptForShot = false;
    }
    void TearDown() override {
        gui::ui::AppState& state = gui::ui::appState();
        state.gameInProgress = false;
        state.currentGame = nullptr;
        state.console = nullptr;
        gui::ui::programSettings().setDefaults();
    }
};

}  // namespace

TEST_F(BoxScoreDialogTest, BesideTheConsoleItFollowsAPlayAndItsUndoUntilClosed) {
    Game game = courtlog::testing::game(teamWithLineup("Hawks", 6), teamWithLineup("Owls", 6));
    ASSERT_TRUE(game.save(folder.file("game.gam")));
    GameConsoleWindow console(nullptr, game, gui::ui::programSettings().league);
    console.show();
    gui::ui::AppState& state = gui::ui::appState();
    state.gameInProgress = true;
    state.currentGame = &game;
    state.console = &console;

    gui::stats::boxScoreCommand(&console);
    QPointer<BoxScoreDialog> dialog = openBoxScore();
    ASSERT_TRUE(dialog);
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Box Score"));
    EXPECT_TRUE(state.boxScoreViewerOpen);
    const QStringList before = boxScoreLines(game);
    EXPECT_EQ(dialog->lines(), before);

    whenModal<PlayChoiceDialog>([](PlayChoiceDialog* d) { click(d, "shotMade2PointerButton"); });
    QTest::mouseClick(control<QPushButton>(&console, "homeSlot1Button"), Qt::LeftButton);
    ASSERT_TRUE(processUntil([&] { return game.homeEventCount() == 1; }));
    EXPECT_EQ(dialog->lines(), boxScoreLines(game));
    EXPECT_TRUE(dialog->lines().contains(
        QStringLiteral("Home:    Hawks                       2     0     0     0     0    0       2")));

    QTest::keyClick(&console, Qt::Key_Z, Qt::ControlModifier);
    ASSERT_TRUE(processUntil([&] { return game.homeEventCount() == 0; }));
    EXPECT_EQ(dialog->lines(), before);

    click(dialog, "okButton");
    ASSERT_TRUE(processUntil([&] { return dialog.isNull(); }));
    EXPECT_FALSE(state.boxScoreViewerOpen);
}

TEST_F(BoxScoreDialogTest, WithoutAGameItShowsAGameFileModallyInCourierNew) {
    const std::string path = folder.saveGame(courtlog::testing::boxScoreTestGame(), "final.gam");
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{QString::fromStdString(path), 1});
    QStringList shown;
    QString family;
    bool viewerFlag = false;
    int reach = 0;
    int ruleWidth = 0;
    whenModal<BoxScoreDialog>([&](BoxScoreDialog* dialog) {
        shown = dialog->lines();
        auto* list = control<QListWidget>(dialog, "boxScoreList");
        family = QFontInfo(list->font()).family();
        // Made narrow, the widest line can still be scrolled into view.
        dialog->resize(400, 300);
        QApplication::processEvents();
        reach = list->horizontalScrollBar()->maximum() + list->viewport()->width();
        ruleWidth = QFontMetrics(list->font()).horizontalAdvance(QString(114, QLatin1Char('-')));
        viewerFlag = gui::ui::appState().boxScoreViewerOpen;
        click(dialog, "okButton");
    });
    gui::stats::boxScoreCommand(nullptr);
    EXPECT_EQ(gui::ui::testing::lastFileDialogOptions().filters, QStringLiteral("Game Files (*.gam)|*.gam|"));
    EXPECT_EQ(shown.join('\n') + '\n', QString::fromStdString(courtlog::testing::boxScoreTestText()));
    EXPECT_EQ(family, QStringLiteral("Liberation Mono"));
    EXPECT_GE(reach, ruleWidth);
    EXPECT_TRUE(viewerFlag);
    EXPECT_FALSE(gui::ui::appState().boxScoreViewerOpen);
}

TEST_F(BoxScoreDialogTest, AGameFileThatDoesNotLoadShowsNoBoxScore) {
    courtlog::testing::writeFile(folder.file("cut.gam"), "too short for a game");
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{QString::fromStdString(folder.file("cut.gam")), 1});
    gui::stats::boxScoreCommand(nullptr);
    ASSERT_EQ(gui::ui::testing::shownMessages().size(), 1u);
    EXPECT_EQ(gui::ui::testing::shownMessages()[0].text, QStringLiteral("Can't load game !"));
    EXPECT_EQ(gui::ui::testing::shownMessages()[0].caption, QStringLiteral("File corrupt ?"));
    EXPECT_EQ(openBoxScore(), nullptr);
}
