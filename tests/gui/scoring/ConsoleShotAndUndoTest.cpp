#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "GuiTestSupport.h"
#include "core/records/Codes.h"
#include "core/records/Game.h"
#include "core/scoring/SheetFigures.h"
#include "gui/scoring/GameConsoleWindow.h"
#include "gui/scoring/EditEvent.h"
#include "gui/scoring/PlayChoiceDialog.h"
#include "gui/scoring/ShotSpotDialog.h"
#include "gui/ui/AppState.h"
#include "gui/ui/Help.h"
#include "gui/ui/ProgramSettings.h"

using namespace courtlog;
using namespace courtlog::testsupport;
using courtlog::gui::scoring::GameConsoleWindow;
using courtlog::gui::scoring::EditEvent;
using courtlog::gui::scoring::PlayChoiceDialog;
using courtlog::gui::scoring::ShotSpotDialog;

namespace {

const QString kIdle = QStringLiteral("Brenvik Basketball Courtlog");

// Hawks against Owls, five on court each, saved to a file of its own.
struct ShotAndUndo : ::testing::Test {
    QTemporaryDir dir;
    Game game;
    std::string path;
    std::unique_ptr<GameConsoleWindow> court;

    void SetUp() override {
        freshHooks();
        gui::ui::programSettings().setDefaults();
        gui::ui::appState().autoSave = true;
        ShotSpotDialog::teamOrientation(true) = 0;
        ShotSpotDialog::teamOrientation(false) = 0;
        game.home = teamWithLineup("Hawks", 7);
        game.visitor = teamWithLineup("Owls", 7);
        game.home.noPersonalInfo = game.visitor.noPersonalInfo = true;
        game.homeName = "Hawks";
        game.visitorName = "Owls";
        path = QFile::encodeName(QDir(dir.path()).filePath(QStringLiteral("game.gam"))).toStdString();
        ASSERT_TRUE(game.save(path));
    }
    void TearDown() override {
        gui::ui::programSettings().setDefaults();
        ShotSpotDialog::teamOrientation(true) = 0;
        ShotSpotDialog::teamOrientation(false) = 0;
    }

    void open() {
        court = std::make_unique<GameConsoleWindow>(nullptr, game, gui::ui::programSettings().league);
        court->show();
    }
    QPushButton* player(bool home, int slot) {
        const std::string name = std::string(home ? "home" : "visitor") + "Slot" + std::to_string(slot) + "Button";
        return control<QPushButton>(court.get(), name.c_str());
    }
    void play(bool home, int slot, const char* choiceButton) {
        const std::string choice = choiceButton;
        whenModal<PlayChoiceDialog>([choice](PlayChoiceDialog* dialog) { click(dialog, choice.c_str()); });
        QTest::mouseClick(player(home, slot), Qt::LeftButton);
    }
    void undo() { QTest::keyClick(court.get(), Qt::Key_Z, Qt::ControlModifier); }
    void redo() { QTest::keyClick(court.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); }
    void redoY() { QTest::keyClick(court.get(), Qt::Key_Y, Qt::ControlModifier); }

    Game saved() const { return courtlog::testing::gameOnDisk(path); }
    // Personal fouls of a roster player, counted by the core from the file.
    int savedFouls(bool home, int index) const {
        return scoring::teamSheetFigures(saved(), home).rows[static_cast<std::size_t>(index)].personalFouls;
    }
};

struct OrientationCase {
    int orientation;
    QPoint click;  // where upright (30, 120) shows on the picture
};

}  // namespace

TEST_F(ShotAndUndo, PromptOnStoresTheClickedSpotInEachOrientation) {
    ASSERT_TRUE(gui::ui::programSettings().promptForShot);
    open();
    const OrientationCase cases[] = {{0, {30, 120}}, {90, {79, 30}}, {180, {88, 79}}, {270, {120, 88}}};
    int shots = 0;
    for (const OrientationCase& c : cases) {
        SCOPED_TRACE(c.orientation);
        ShotSpotDialog::teamOrientation(true) = c.orientation;
        int shownOrientation = -1;
        whenModal<ShotSpotDialog>([&](ShotSpotDialog* dialog) {
            shownOrientation = dialog->orientation();
            // The middle of the window pixels that show that court pixel.
            const int k = ShotSpotDialog::kCourtScale;
            QTest::mouseClick(dialog, Qt::LeftButton, {},
                              c.click * k + QPoint(k / 2, k / 2 + ShotSpotDialog::kButtonRowHeight));
        });
        play(true, 1, "shotMissed2MissedButton");
        ASSERT_TRUE(processUntil([&] { return game.homeEventCount() == shots + 1; }));
        ++shots;
        EXPECT_EQ(shownOrientation, c.orientation);
        const PlayEvent stored = saved().homeEvents().back();
        EXPECT_EQ(stored.shotResult, TwoPointMissed);
        EXPECT_EQ(stored.shotX, 30);
        EXPECT_EQ(stored.shotY, 120);
        EXPECT_EQ(court->windowTitle(), QStringLiteral("Rebounded By? (or Select Right Click/Cancel)"));
        QTest::keyClick(court.get(), Qt::Key_Escape);
    }

    // The visitors keep their own (upright) court; closing without a click
    // keeps the starting spot of a three.
    int visitorOrientation = -1;
    whenModal<ShotSpotDialog>([&](ShotSpotDialog* dialog) {
        visitorOrientation = dialog->orientation();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    play(false, 2, "shotMade3PointerButton");
    ASSERT_TRUE(processUntil([&] { return game.visitorEventCount() == 1; }));
    EXPECT_EQ(visitorOrientation, 0);
    EXPECT_EQ(saved().visitorEvents()[0].shotX, 57);
    EXPECT_EQ(saved().visitorEvents()[0].shotY, 77);
    EXPECT_EQ(saved().visitorScore(), 3);

    // A free throw asks nothing; with the prompt off a two keeps (57, 47).
    QTest::keyClick(court.get(), Qt::Key_Escape);
    play(true, 2, "shotMadeFreeThrowButton");
    gui::ui::programSettings().promptForShot = false;
    play(true, 3, "shotMade2PointerButton");
    ASSERT_EQ(saved().homeEventCount(), 6);
    EXPECT_EQ(saved().homeEvents()[5].shotX, 57);
    EXPECT_EQ(saved().homeEvents()[5].shotY, 47);
    EXPECT_EQ(saved().homeScore(), 3);
}

TEST_F(ShotAndUndo, UndoAndRedoAcrossBothTeams) {
    gui::ui::programSettings().promptForShot = false;
    open();
    play(true, 1, "shotMade3PointerButton");                 // home three, assist pending
    QTest::mouseClick(player(true, 2), Qt::LeftButton);      // the assist
    click(court.get(), "visitorTimeOutButton");              // a visitor time out
    play(false, 3, "foulDefensiveButton");                   // a visitor foul
    ASSERT_EQ(saved().homeEventCount(), 2);
    ASSERT_EQ(saved().visitorEventCount(), 2);
    EXPECT_EQ(court->model().teamFigures(false).teamFouls, 1);

    undo();  // the foul
    EXPECT_EQ(saved().visitorEventCount(), 1);
    EXPECT_EQ(savedFouls(false, 2), 0);
    EXPECT_EQ(court->model().teamFigures(false).teamFouls, 0);
    undo();  // the time out
    EXPECT_EQ(saved().visitorEventCount(), 0);
    EXPECT_EQ(court->model().teamFigures(false).fullTimeOutsLeft, 4);
    undo();  // the assist
    ASSERT_EQ(saved().homeEventCount(), 1);
    EXPECT_EQ(saved().homeEvents()[0].kind, Shot);
    undo();  // the three
    EXPECT_EQ(saved().homeEventCount(), 0);
    EXPECT_EQ(saved().homeScore(), 0);
    EXPECT_EQ(court->model().game().homeScore(), 0);
    undo();  // nothing older than the console
    EXPECT_EQ(saved().homeEventCount(), 0);

    redo();  // the three again
    EXPECT_EQ(saved().homeScore(), 3);
    EXPECT_EQ(court->model().teamFigures(true).score, 3);
    redoY();  // the assist
    ASSERT_EQ(saved().homeEventCount(), 2);
    EXPECT_EQ(saved().homeEvents()[1].kind, Assist);
    EXPECT_EQ(saved().homeEvents()[1].player.name, "Hawks Player 2");
    redo();  // the time out
    ASSERT_EQ(saved().visitorEventCount(), 1);
    EXPECT_EQ(saved().visitorEvents()[0].kind, TimeOut);

    // A new play ends the way back.
    play(false, 1, "otherJumpBallButton");
    redo();
    ASSERT_EQ(saved().visitorEventCount(), 2);
    EXPECT_EQ(saved().visitorEvents()[1].kind, JumpBall);
    EXPECT_EQ(savedFouls(false, 2), 0);
}

// Chooses an entry of a closed drop-down with the keyboard, as a user does.
void choose(QWidget* dialog, const char* listName, int row) {
    auto* list = control<QComboBox>(dialog, listName);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < row; ++i) QTest::keyClick(list, Qt::Key_Down);
}

TEST_F(ShotAndUndo, UndoBringsBackTheQuestionAndTakesBackAnEditorSessionAsOneStep) {
    gui::ui::programSettings().promptForShot = false;
    open();
    const QString rebounded = QStringLiteral("Rebounded By? (or Select Right Click/Cancel)");
    play(true, 4, "foulOffensiveButton");
    play(true, 1, "shotMissed2MissedButton");
    EXPECT_EQ(court->windowTitle(), rebounded);
    QTest::mouseClick(player(false, 2), Qt::LeftButton);  // the wrong rebounder
    EXPECT_EQ(court->windowTitle(), kIdle);
    undo();  // the rebound goes and its question returns
    EXPECT_EQ(court->windowTitle(), rebounded);
    EXPECT_EQ(saved().visitorEventCount(), 0);
    QTest::mouseClick(player(true, 3), Qt::LeftButton);
    EXPECT_EQ(saved().homeEvents().back().reboundKind, OffensiveRebound);

    // One session of the editor: the foul becomes a blocked shot, the miss goes.
    whenModal<EditEvent>([](EditEvent* editor) {
        choose(editor, "eventList", 0);
        choose(editor, "eventTypeList", BlockedShot);
        click(editor, "updateEventButton");
        choose(editor, "eventList", 1);
        click(editor, "deleteEventButton");
        click(editor, "okButton");
    });
    click(court.get(), "editHomeEventsButton");
    ASSERT_EQ(saved().homeEventCount(), 2);
    EXPECT_EQ(saved().homeEvents()[0].kind, BlockedShot);
    const QString tip = control<QPushButton>(court.get(), "cancelActionButton")->toolTip();
    EXPECT_TRUE(tip.contains(QStringLiteral("Ctrl+Z now takes back: Hawks plays edited (1 updated, 1 deleted)")))
        << tip.toStdString();

    undo();  // the whole session at once
    ASSERT_EQ(saved().homeEventCount(), 3);
    EXPECT_EQ(saved().homeEvents()[0].kind, Foul);
    EXPECT_EQ(saved().homeEvents()[1].shotResult, TwoPointMissed);
    EXPECT_EQ(savedFouls(true, 3), 1);
    redoY();
    EXPECT_EQ(saved().homeEventCount(), 2);
    EXPECT_EQ(savedFouls(true, 3), 0);
}

TEST_F(ShotAndUndo, HelpOpensTheConsolePageThatNamesTheUndoKeys) {
    open();
    gui::ui::testing::setHelpFolders({QStringLiteral(COURTLOG_RESOURCES)});
    gui::ui::testing::recordHelpInstead(true);
    click(court.get(), "helpButton");
    const QUrl shown = gui::ui::testing::lastHelpUrl();
    // F1 opens the same page, wherever the console's focus is.
    court->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(court.get()));
    gui::ui::testing::recordHelpInstead(true);
    QTest::keyClick(control<QComboBox>(court.get(), "homeBenchList"), Qt::Key_F1);
    const QUrl byKey = gui::ui::testing::lastHelpUrl();
    gui::ui::testing::recordHelpInstead(false);
    gui::ui::testing::setHelpFolders({});
    EXPECT_EQ(shown.fileName(), QStringLiteral("game-console.html"));
    EXPECT_EQ(byKey.fileName(), QStringLiteral("game-console.html"));

    QFile page(QStringLiteral(COURTLOG_RESOURCES "/help/game-console.html"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(page.readAll());
    for (const char* key : {"Ctrl+Z", "Ctrl+Shift+Z", "Ctrl+Y"}) EXPECT_TRUE(text.contains(QLatin1String(key))) << key;
}

// Ctrl+Z says on the console what it took back, Ctrl+Y what it made again,
// until the next change.
TEST_F(ShotAndUndo, UndoAndRedoSayWhatTheyDid) {
    gui::ui::programSettings().promptForShot = false;
    open();
    play(true, 1, "shotMade3PointerButton");
    auto* said = control<QLabel>(court.get(), "lastStepLabel");
    undo();
    EXPECT_EQ(said->text(), QStringLiteral("Undone: 3 pointer made, #3 Hawks Player 1"));
    redoY();
    EXPECT_EQ(said->text(), QStringLiteral("Redone: 3 pointer made, #3 Hawks Player 1"));
    QTest::mouseClick(player(true, 2), Qt::LeftButton);  // the assist
    EXPECT_EQ(said->text(), QString());
}

// With a bench list focused, a player key is the court button's, never the
// list's type-ahead: "3" does not pick number 33 from the bench. The bench
// player is chosen with the arrow keys.
TEST_F(ShotAndUndo, PlayerKeysInABenchListGoToTheCourtButtons) {
    game.home.players[5].number = 33;
    open();
    auto* bench = control<QComboBox>(court.get(), "homeBenchList");
    bench->setFocus();
    bool asked = false;
    whenModal<PlayChoiceDialog>([&asked](PlayChoiceDialog* dialog) {
        asked = true;
        click(dialog, "cancelButton");
    });
    QTest::keyClick(bench, Qt::Key_3);
    EXPECT_TRUE(processUntil([&asked] { return asked; }));
    EXPECT_EQ(bench->currentIndex(), -1);

    QTest::keyClick(bench, Qt::Key_Down);
    ASSERT_EQ(bench->currentText(), QStringLiteral("33-Hawks Player 6"));
    QTest::keyClick(bench, Qt::Key_3, Qt::AltModifier);
    EXPECT_TRUE(processUntil([this] { return court->model().game().home.players[5].courtSlot == 3; }));
    EXPECT_EQ(court->model().game().home.players[2].courtSlot, 0);
}
