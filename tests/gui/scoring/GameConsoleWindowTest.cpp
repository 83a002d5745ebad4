#include <gtest/gtest.h>

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QPaintEvent>
#include <QPushButton>
#include <QScreen>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <nlohmann/json.hpp>

#include "GuiTestSupport.h"
#include "core/records/Codes.h"
#include "core/records/Game.h"
#include "gui/output/LiveScoreboardDialog.h"
#include "gui/scoring/GameConsoleWindow.h"
#include "gui/scoring/ScoreDisplay.h"
#include "gui/scoring/PlayChoiceDialog.h"
#include "gui/ui/AppState.h"
#include "gui/ui/MessageBox.h"
#include "gui/ui/ProgramSettings.h"
#include "gui/ui/RecordPaths.h"
#include "gui/ui/Sound.h"

using namespace courtlog;
using namespace courtlog::testsupport;
using courtlog::gui::scoring::GameConsoleWindow;
using courtlog::gui::scoring::PlayChoiceDialog;

namespace {

// A game between Hawks and Owls (seven players each, five on court) saved
// to a file of its own, scored under the default league options.
struct ConsoleFixture : ::testing::Test {
    QTemporaryDir dir;
    Game game;
    std::string path;
    std::unique_ptr<GameConsoleWindow> court;
    int figureChanges = 0;

    void SetUp() override {
        freshHooks();
        gui::ui::programSettings().setDefaults();
        gui::ui::programSettings().promptForShot = false;  // the shot spot is answered in its own tests
        gui::ui::appState().autoSave = true;
        game.home = teamWithLineup("Hawks", 7);
        game.visitor = teamWithLineup("Owls", 7);
        game.home.noPersonalInfo = game.visitor.noPersonalInfo = true;
        game.homeName = "Hawks";
        game.visitorName = "Owls";
        path = QFile::encodeName(QDir(dir.path()).filePath(QStringLiteral("game.gam"))).toStdString();
        ASSERT_TRUE(game.save(path));
    }
    void TearDown() override { gui::ui::programSettings().setDefaults(); }

    void open() {
        court = std::make_unique<GameConsoleWindow>(nullptr, game, gui::ui::programSettings().league);
        court->setFiguresChangedCallback([this] { ++figureChanges; });
        court->show();
    }

    QPushButton* button(const char* name) { return control<QPushButton>(court.get(), name); }
    QPushButton* player(bool home, int slot) {
        const std::string name = std::string(home ? "home" : "visitor") + "Slot" + std::to_string(slot) + "Button";
        return control<QPushButton>(court.get(), name.c_str());
    }
    QComboBox* bench(bool home) { return control<QComboBox>(court.get(), home ? "homeBenchList" : "visitorBenchList"); }

    // Clicks a court button and answers the event dialog with a choice.
    void play(QPushButton* who, const char* choiceButton) {
        const std::string choice = choiceButton;
        whenModal<PlayChoiceDialog>([choice](PlayChoiceDialog* dialog) { click(dialog, choice.c_str()); });
        QTest::mouseClick(who, Qt::LeftButton);
    }

    // The game as the last save left it on disk.
    Game saved() const { return courtlog::testing::gameOnDisk(path); }
    QString title() const { return court->windowTitle(); }
};

const QString kIdle = QStringLiteral("Brenvik Basketball Courtlog");

}  // namespace

TEST_F(ConsoleFixture, ControlsCarryTheirCaptionsAndTheGameOpensIdle) {
    game.addHomeEvent(courtlog::testing::play("", Shot, ThreePointMade, 0, -1));
    open();
    EXPECT_EQ(title(), kIdle);
    EXPECT_EQ(player(true, 1)->text(), QStringLiteral("&2  Guard"));
    EXPECT_EQ(player(true, 4)->text(), QStringLiteral("&1  Forward"));
    EXPECT_EQ(player(false, 3)->text(), QStringLiteral("&C  Center"));
    EXPECT_EQ(player(false, 5)->text(), QStringLiteral("&E  Forward"));
    EXPECT_EQ(button("homeTimeOutButton")->text(), QStringLiteral("&Time Out"));
    EXPECT_EQ(button("visitorShortTimeOutButton")->text(), QStringLiteral("2&0 Sec"));
    EXPECT_EQ(button("cancelActionButton")->text(), QStringLiteral("Ca&ncel Action"));
    EXPECT_EQ(control<gui::scoring::ScoreDisplay>(court.get(), "homeScore")->value(), 3);
    EXPECT_EQ(control<QGroupBox>(court.get(), "periodGroup")->title(), QStringLiteral("Quarter"));
    EXPECT_TRUE(control<QRadioButton>(court.get(), "periodRadio1")->isChecked());
    ASSERT_EQ(bench(true)->count(), 2);
    EXPECT_EQ(bench(true)->itemText(0), QStringLiteral(" 8-Hawks Player 6"));
    EXPECT_EQ(bench(true)->currentIndex(), -1);
    // The buttons stand on the court, guards right of forwards on the home side.
    EXPECT_GT(player(true, 1)->x(), player(true, 4)->x());
    EXPECT_LT(player(true, 1)->x(), player(false, 1)->x());
}

TEST_F(ConsoleFixture, AScriptedGameByKeysAndClicks) {
    gui::ui::programSettings().league.fullTimeOuts = 2;
    gui::ui::programSettings().league.shortTimeOuts = 1;
    open();

    // 1. A made two by access key, in the dialog by access key too.
    whenModal<PlayChoiceDialog>([](PlayChoiceDialog* dialog) { QTest::keyClick(dialog, Qt::Key_2); });
    QTest::keyClick(court.get(), Qt::Key_2);
    ASSERT_TRUE(processUntil([&] { return game.homeEvents().size() == 1; }));
    EXPECT_EQ(game.homeEvents()[0].shotResult, TwoPointMade);
    EXPECT_EQ(game.homeEvents()[0].player.name, "Hawks Player 1");
    EXPECT_EQ(title(), QStringLiteral("Assist To? (or Select Right Click/Cancel for none)"));
    EXPECT_EQ(saved().homeEvents().size(), 1u);
    EXPECT_EQ(control<gui::scoring::ScoreDisplay>(court.get(), "homeScore")->value(), 2);

    // 2. A click on the other team opens the dialog; leaving it records nothing.
    whenModal<PlayChoiceDialog>([](PlayChoiceDialog* dialog) { click(dialog, "cancelButton"); });
    QTest::mouseClick(player(false, 2), Qt::LeftButton);
    EXPECT_TRUE(game.visitorEvents().empty());
    EXPECT_EQ(title(), QStringLiteral("Assist To? (or Select Right Click/Cancel for none)"));

    // 3. The assist goes to the home forward.
    QTest::mouseClick(player(true, 4), Qt::LeftButton);
    ASSERT_EQ(saved().homeEvents().size(), 2u);
    EXPECT_EQ(saved().homeEvents()[1].kind, Assist);
    EXPECT_EQ(saved().homeEvents()[1].player.name, "Hawks Player 4");
    EXPECT_EQ(title(), kIdle);

    // 4. A missed three by the visitor; the rebound prompt is declined by a right click.
    play(player(false, 3), "shotMissed3MissedButton");
    EXPECT_EQ(title(), QStringLiteral("Rebounded By? (or Select Right Click/Cancel)"));
    EXPECT_EQ(saved().visitorEvents()[0].shotY, 77);
    QTest::mouseClick(control<QWidget>(court.get(), "courtArea"), Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(title(), kIdle);

    // 5. A missed two, rebounded by the home team: a defensive rebound.
    play(player(false, 1), "shotMissed2MissedButton");
    QTest::mouseClick(player(true, 2), Qt::LeftButton);
    ASSERT_EQ(saved().homeEvents().size(), 3u);
    EXPECT_EQ(saved().homeEvents()[2].reboundKind, DefensiveRebound);
    EXPECT_EQ(saved().visitorEvents().size(), 2u);

    // 6. A home steal; another home player's click opens the dialog, a visitor answers.
    play(player(true, 3), "otherStealButton");
    EXPECT_EQ(title(), QStringLiteral("Stolen From? (or Select Right Click/Cancel)"));
    play(player(true, 5), "foulDefensiveButton");
    QTest::mouseClick(player(false, 4), Qt::LeftButton);
    ASSERT_EQ(saved().visitorEvents().size(), 3u);
    EXPECT_EQ(saved().visitorEvents()[2].turnoverKind, LostBall);
    EXPECT_EQ(saved().homeEvents().size(), 5u);

    // 7. Escape declines a pending assist.
    play(player(false, 5), "shotMade3PointerButton");
    QTest::keyClick(court.get(), Qt::Key_Escape);
    EXPECT_EQ(title(), kIdle);
    EXPECT_EQ(control<gui::scoring::ScoreDisplay>(court.get(), "visitorScore")->value(), 3);

    // 8. Substitution: the home bench's second line comes in for the center.
    bench(true)->setCurrentIndex(1);
    emit bench(true)->activated(1);
    EXPECT_EQ(title(), QStringLiteral("Select Home Player to be Subtituted or Select Cancel"));
    QTest::mouseClick(player(true, 3), Qt::LeftButton);
    EXPECT_EQ(title(), kIdle);
    Game afterSub = saved();
    EXPECT_EQ(afterSub.home.players[6].courtSlot, 3);
    EXPECT_EQ(afterSub.home.players[2].courtSlot, 0);
    ASSERT_EQ(bench(true)->count(), 2);
    EXPECT_EQ(bench(true)->itemText(0), QStringLiteral(" 5-Hawks Player 3"));
    EXPECT_EQ(bench(true)->currentIndex(), -1);

    // 9. Time outs until none remain.
    gui::ui::testing::clearShownMessages();
    click(court.get(), "homeTimeOutButton");
    click(court.get(), "homeTimeOutButton");
    click(court.get(), "homeTimeOutButton");
    ASSERT_EQ(gui::ui::testing::shownMessages().size(), 1u);
    EXPECT_EQ(gui::ui::testing::shownMessages()[0].text, QStringLiteral("No Time Outs Remaining!"));
    EXPECT_EQ(gui::ui::testing::shownMessages()[0].caption, QStringLiteral("No Time Outs"));
    EXPECT_EQ(gui::ui::testing::shownMessages()[0].icon, gui::ui::MessageIcon::Stop);
    click(court.get(), "visitorShortTimeOutButton");
    click(court.get(), "visitorShortTimeOutButton");
    ASSERT_EQ(gui::ui::testing::shownMessages().size(), 2u);
    EXPECT_EQ(gui::ui::testing::shownMessages()[1].text, QStringLiteral("No 20 - Second Time Outs Remaining!"));
    EXPECT_EQ(saved().homeEvents().size(), 7u);
    EXPECT_EQ(saved().homeEvents().back().kind, TimeOut);
    EXPECT_EQ(saved().visitorEvents().back().kind, ShortTimeOut);

    // 10. Periods in quarters, up to the fourth and back.
    for (int i = 0; i < 3; ++i) click(court.get(), "periodUpButton");
    EXPECT_EQ(saved().currentPeriod, 3);
    EXPECT_TRUE(control<QRadioButton>(court.get(), "periodRadio4")->isChecked());
    click(court.get(), "periodDownButton");
    EXPECT_EQ(saved().currentPeriod, 2);
    EXPECT_EQ(control<QGroupBox>(court.get(), "periodGroup")->title(), QStringLiteral("Quarter"));

    // 11. Swap sides mirrors the controls.
    const int homeGuardX = player(true, 1)->x();
    const int homeBenchX = bench(true)->x();
    click(court.get(), "swapSidesButton");
    court->layout()->activate();
    EXPECT_EQ(player(false, 1)->x(), homeGuardX);
    EXPECT_GT(player(true, 1)->x(), homeGuardX);
    EXPECT_GT(bench(true)->x(), homeBenchX);
    EXPECT_EQ(control<QLabel>(court.get(), "leftTeamLabel")->text(), QStringLiteral("Visitor"));
    EXPECT_EQ(control<QLabel>(court.get(), "leftBenchLabel")->text(), QStringLiteral("Visitor Bench"));
    // Plays still go to the team of the button.
    play(player(true, 1), "shotMadeFreeThrowButton");
    EXPECT_EQ(saved().homeEvents().back().shotResult, FreeThrowMade);

    // Every change told the sheets; every recorded play marked the period.
    EXPECT_GE(figureChanges, 18);
    EXPECT_EQ(saved().home.players[0].playedInPeriod[0], 1);
    EXPECT_EQ(saved().home.players[0].playedInPeriod[2], 1);
}

TEST_F(ConsoleFixture, PeriodsInHalves) {
    game.halves = 1;
    open();
    auto periodTitle = [this] { return control<QGroupBox>(court.get(), "periodGroup")->title(); };
    EXPECT_EQ(periodTitle(), QStringLiteral("Half"));
    EXPECT_EQ(control<QLabel>(court.get(), "periodLabel2")->text(), QStringLiteral(" "));
    click(court.get(), "periodUpButton");
    EXPECT_EQ(game.currentPeriod, 2);
    EXPECT_TRUE(control<QRadioButton>(court.get(), "periodRadio3")->isChecked());
    click(court.get(), "periodUpButton");
    EXPECT_EQ(periodTitle(), QStringLiteral("Overtime"));
    EXPECT_TRUE(control<QRadioButton>(court.get(), "periodRadio1")->isChecked());
    for (int i = 0; i < 4; ++i) click(court.get(), "periodUpButton");
    EXPECT_EQ(periodTitle(), QStringLiteral("Overtime 5"));
    for (int i = 1; i <= 4; ++i)
        EXPECT_FALSE(control<QRadioButton>(court.get(), ("periodRadio" + std::to_string(i)).c_str())->isChecked());
    // The display-only buttons change nothing when clicked.
    QTest::mouseClick(control<QRadioButton>(court.get(), "periodRadio2"), Qt::LeftButton);
    EXPECT_EQ(game.currentPeriod, 8);
    for (int i = 0; i < 10; ++i) click(court.get(), "periodDownButton");
    EXPECT_EQ(game.currentPeriod, 0);
    EXPECT_EQ(saved().currentPeriod, 0);
}

TEST_F(ConsoleFixture, StopGameWithEachAnswer) {
    open();
    play(player(true, 1), "shotMadeFreeThrowButton");
    gui::ui::appState().autoSave = false;
    play(player(true, 1), "shotMadeFreeThrowButton");
    EXPECT_EQ(saved().homeEvents().size(), 1u);  // Auto Save off: the file lags

    gui::ui::testing::clearShownMessages();
    gui::ui::testing::queueMessageAnswer(gui::ui::ResultCancel);
    click(court.get(), "stopGameButton");
    EXPECT_TRUE(court->isVisible());
    ASSERT_EQ(gui::ui::testing::shownMessages().size(), 1u);
    EXPECT_EQ(gui::ui::testing::shownMessages()[0].text, QStringLiteral("Save changes to game ?"));
    EXPECT_EQ(gui::ui::testing::shownMessages()[0].buttons, gui::ui::MessageButtons::YesNoCancel);

    gui::ui::testing::queueMessageAnswer(gui::ui::ResultNo);
    click(court.get(), "stopGameButton");
    EXPECT_FALSE(court->isVisible());
    EXPECT_EQ(saved().homeEvents().size(), 1u);  // not saved

    open();
    gui::ui::testing::queueMessageAnswer(gui::ui::ResultYes);
    click(court.get(), "stopGameButton");
    EXPECT_FALSE(court->isVisible());
    EXPECT_EQ(saved().homeEvents().size(), 2u);
}

TEST_F(ConsoleFixture, AFailedSaveKeepsTheConsoleOpen) {
    open();
    game.fileName = QFile::encodeName(QDir(dir.path()).filePath(QStringLiteral("no/such/folder/x.gam"))).toStdString();
    gui::ui::testing::clearShownMessages();
    // The auto save after a play is written beside the console; its failure
    // is told all the same.
    play(player(true, 1), "shotMadeFreeThrowButton");
    ASSERT_TRUE(processUntil([] { return gui::ui::testing::shownMessages().size() == 1; }));
    EXPECT_EQ(gui::ui::testing::shownMessages()[0].caption, QStringLiteral("Disk Full ?"));
    EXPECT_TRUE(gui::ui::testing::shownMessages()[0].text.contains(QStringLiteral("No such file or directory")));

    gui::ui::testing::clearShownMessages();
    gui::ui::testing::queueMessageAnswer(gui::ui::ResultYes);
    court->close();
    EXPECT_TRUE(court->isVisible());
    ASSERT_EQ(gui::ui::testing::shownMessages().size(), 2u);
    // The message says why, as every other save does.
    EXPECT_TRUE(gui::ui::testing::shownMessages()[1].text.startsWith(QStringLiteral("Can't save game !\n")));
    EXPECT_TRUE(gui::ui::testing::shownMessages()[1].text.contains(QStringLiteral("No such file or directory")));
    EXPECT_EQ(gui::ui::testing::shownMessages()[1].caption, QStringLiteral("Disk Full ?"));
    // Stop Game with Yes stays too; No leaves.
    gui::ui::testing::queueMessageAnswer(gui::ui::ResultYes);
    click(court.get(), "stopGameButton");
    EXPECT_TRUE(court->isVisible());
    gui::ui::testing::queueMessageAnswer(gui::ui::ResultNo);
    court->close();
    EXPECT_FALSE(court->isVisible());
}

TEST_F(ConsoleFixture, FoulsShowOnLabelsAndTheBench) {
    gui::ui::programSettings().league.foulOutAfter = 5;
    open();
    for (int i = 0; i < 4; ++i) play(player(true, 2), "foulOffensiveButton");
    play(player(true, 2), "technicalOnPlayerButton");
    EXPECT_EQ(court->model().teamFigures(true).onCourt[1].text, "# 4 Fouled Out!");
    // Bring the sixth player in for him: the bench line shows he is out.
    emit bench(true)->activated(0);
    QTest::mouseClick(player(true, 2), Qt::LeftButton);
    EXPECT_EQ(bench(true)->itemText(0), QStringLiteral(" 4-Hawks Player 2, OUT!"));
    // He cannot come back.
    emit bench(true)->activated(0);
    QTest::mouseClick(player(true, 1), Qt::LeftButton);
    EXPECT_EQ(game.home.players[1].courtSlot, 0);
    EXPECT_EQ(game.home.players[0].courtSlot, 1);
}

// Paint events a widget received, by the rectangles they covered.
struct PaintWatch : QObject {
    std::vector<QRect> painted;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted.push_back(static_cast<QPaintEvent*>(event)->rect());
        return false;
    }
};

TEST_F(ConsoleFixture, APlayRedrawsOnlyTheCourtPixelsItChangesAndTheScreenMatchesAWholeDrawing) {
    open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(court.get()));
    QWidget* area = control<QWidget>(court.get(), "courtArea");
    QCoreApplication::processEvents();
    PaintWatch watch;
    area->installEventFilter(&watch);
    // The foul changes the team fouls and the fouler's label.
    play(player(true, 1), "foulOffensiveButton");
    // Beside the clicked button's own repaints, the court's.
    const QRect clicked = player(true, 1)->geometry();
    QTRY_VERIFY(std::any_of(watch.painted.begin(), watch.painted.end(), [&](const QRect& r) { return r != clicked; }));
    area->removeEventFilter(&watch);
    int paintedPixels = 0;
    for (const QRect& rect : watch.painted) paintedPixels += rect.width() * rect.height();
    EXPECT_LT(paintedPixels, area->width() * area->height() / 4);
    // What the window shows of the court is what drawing it whole shows now.
    const QPoint at = area->mapTo(court.get(), QPoint(0, 0));
    const QImage onScreen =
        court->screen()->grabWindow(court->winId(), at.x(), at.y(), area->width(), area->height()).toImage();
    EXPECT_EQ(onScreen, area->grab().toImage().convertToFormat(onScreen.format()));
}

TEST_F(ConsoleFixture, ARefusedSubstitutionSaysWhyAndIsNotSaved) {
    gui::ui::programSettings().league.foulOutAfter = 5;
    for (int i = 0; i < 5; ++i)
        game.addHomeEvent(courtlog::testing::play("Hawks Player 6", Foul, DefensiveFoul, 0, 8));
    open();
    // A save would replace what the file holds now.
    courtlog::testing::writeFile(path, "as last saved");
    ASSERT_EQ(bench(true)->itemText(0), QStringLiteral(" 8-Hawks Player 6, OUT!"));
    emit bench(true)->activated(0);
    QTest::mouseClick(player(true, 1), Qt::LeftButton);
    EXPECT_EQ(game.home.players[0].courtSlot, 1);
    EXPECT_TRUE(messageShown(QStringLiteral("#8 Hawks Player 6 has fouled out and cannot come back in.")));
    EXPECT_EQ(title(), kIdle);
    EXPECT_EQ(courtlog::testing::readFile(path), "as last saved");
    // One that happens is saved.
    emit bench(true)->activated(1);
    QTest::mouseClick(player(true, 1), Qt::LeftButton);
    EXPECT_EQ(saved().home.players[6].courtSlot, 1);
}

// With the feed on, every change replaces the feed files beside the game,
// written beside the console: a play shows in both, and its undo takes it
// back out.
TEST_F(ConsoleFixture, ScoreboardFeedFollowsAPlayAndItsUndo) {
    gui::ui::programSettings().scoreboardFeedOn = true;
    open();
    const QDir folder(dir.path());
    auto line = [&] { return courtlog::testing::readFile(folder.filePath("scoreboard.txt").toStdString()); };
    // The feed as its writer last left it, once it reads as wanted.
    auto feedShows = [&](const std::function<bool(const nlohmann::json&)>& wanted) {
        return processUntil([&] {
            const auto feed = nlohmann::json::parse(
                courtlog::testing::readFile(folder.filePath("scoreboard.json").toStdString()), nullptr, false);
            return !feed.is_discarded() && wanted(feed);
        });
    };
    EXPECT_TRUE(feedShows([](const nlohmann::json& feed) { return feed["lastPlay"] == ""; }));

    play(player(true, 1), "shotMade3PointerButton");
    EXPECT_TRUE(feedShows([](const nlohmann::json& feed) {
        return feed["home"]["score"] == 3 && feed["lastPlay"] == "Home #3 Hawks Player 1: Three Point Made";
    }));
    EXPECT_TRUE(processUntil([&] { return line() == "Hawks 3 - 0 Owls  Q1\n"; })) << line();

    QTest::keyClick(court.get(), Qt::Key_Z, Qt::ControlModifier);
    ASSERT_TRUE(processUntil([&] { return game.homeEvents().empty(); }));
    EXPECT_TRUE(feedShows([](const nlohmann::json& feed) {
        return feed["home"]["score"] == 0 && feed["lastPlay"] == "";
    }));
    EXPECT_TRUE(processUntil([&] { return line() == "Hawks 0 - 0 Owls  Q1\n"; })) << line();
}

// Turned on in the middle of a game, the feed is written at once, naming
// the last play, without waiting for the next one.
TEST_F(ConsoleFixture, TurningTheFeedOnMidGameWritesItAtOnce) {
    open();
    gui::ui::appState().console = court.get();
    play(player(false, 5), "shotMade3PointerButton");
    const QString html = QDir(dir.path()).filePath(QStringLiteral("scoreboard.html"));
    ASSERT_FALSE(QFile::exists(html));

    whenModal<QDialog>([](QDialog* dialog) {
        control<QCheckBox>(dialog, "feedOnCheck")->setChecked(true);
        click(dialog, "okButton");
    });
    gui::output::liveScoreboardCommand(court.get());
    gui::ui::appState().console = nullptr;
    EXPECT_TRUE(processUntil([&] { return QFile::exists(html); }));
    EXPECT_TRUE(processUntil([&] {
        return courtlog::testing::readFile(QDir(dir.path()).filePath(QStringLiteral("scoreboard.txt")).toStdString()) ==
               "Hawks 0 - 3 Owls  Q1\n";
    }));
}

// A link put in the feed's name in a shared folder is refused, and the
// title says so as for any feed that could not be written.
TEST_F(ConsoleFixture, ALinkInTheFeedsPlaceIsRefusedAndTheTitleSaysSo) {
    const std::string victim = QDir(dir.path()).filePath(QStringLiteral("notes.txt")).toStdString();
    courtlog::testing::writeFile(victim, "mine");
    const QString link = QDir(dir.path()).filePath(QStringLiteral("scoreboard.html"));
    ASSERT_TRUE(QFile::link(QString::fromStdString(victim), link));
    gui::ui::programSettings().scoreboardFeedOn = true;
    open();
    play(player(true, 2), "foulDefensiveButton");
    EXPECT_TRUE(processUntil([&] { return title().contains(QStringLiteral("symbolic link")); })) << title().toStdString();
    EXPECT_TRUE(title().contains(QStringLiteral("[Scoreboard not written: Can't write ") + link));
    EXPECT_EQ(courtlog::testing::readFile(victim), "mine");
    EXPECT_EQ(saved().homeEvents().size(), 1u);  // scoring went on
}

// A feed folder that cannot be written to (a file stands in its way, which
// stops the superuser too) leaves scoring alone: the play is recorded and
// saved, the title says so without a message, and the next change retries.
TEST_F(ConsoleFixture, AnUnwritableFeedFolderDoesNotStopAPlay) {
    const QString blocked = QDir(dir.path()).filePath(QStringLiteral("feed"));
    courtlog::testing::writeFile(blocked.toStdString(), "not a folder");
    gui::ui::programSettings().scoreboardFeedOn = true;
    gui::ui::programSettings().scoreboardFeedFolder = blocked.toStdString();
    open();
    gui::ui::testing::clearShownMessages();

    play(player(false, 2), "foulDefensiveButton");
    ASSERT_EQ(saved().visitorEvents().size(), 1u);
    EXPECT_TRUE(processUntil([&] {
        return title().contains(QStringLiteral("[Scoreboard not written: Can't write ") + blocked);
    })) << title().toStdString();
    EXPECT_TRUE(gui::ui::testing::shownMessages().empty());

    ASSERT_TRUE(QFile::remove(blocked));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("feed")));
    play(player(false, 3), "foulDefensiveButton");
    EXPECT_TRUE(processUntil([&] { return title() == kIdle; })) << title().toStdString();
    EXPECT_TRUE(QFile::exists(QDir(blocked).filePath(QStringLiteral("scoreboard.html"))));
}

// A play the console cannot take (the team's list is full) is told without
// the play's sound, and nothing is recorded.
TEST_F(ConsoleFixture, ARefusedPlayPlaysNoSound) {
    game.setEvents(true, std::vector<PlayEvent>(Game::kMaxEvents, courtlog::testing::play("Hawks Player 2", Foul, DefensiveFoul)));
    open();
    gui::ui::testing::clearPlayedSounds();
    gui::ui::testing::clearShownMessages();
    play(player(true, 1), "shotMissed2MissedButton");
    const std::vector<int>& sounds = gui::ui::testing::playedSounds();
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), static_cast<int>(gui::ui::SoundMissedShot)), 0);
    ASSERT_EQ(messageTexts().size(), 1u);
    EXPECT_TRUE(messageTexts()[0].contains(QStringLiteral("already has 32767 plays"))) << messageTexts()[0].toStdString();
    EXPECT_EQ(game.homeEvents().size(), Game::kMaxEvents);
}

// The logos on the console are found where the team sheets find them: a
// bare logo name beside the team file, even in a folder whose name is not
// ASCII.
TEST_F(ConsoleFixture, ALogoBesideTheTeamFileShowsInAFolderOfAnyName) {
    const QString folder = QDir(dir.path()).filePath(QStringLiteral("Lag H\u00E5logaland"));
    ASSERT_TRUE(QDir().mkpath(folder));
    QImage logo(20, 10, QImage::Format_RGB32);
    logo.fill(Qt::red);
    ASSERT_TRUE(logo.save(QDir(folder).filePath(QStringLiteral("hawks.bmp"))));
    game.home.logoFile = "hawks.bmp";
    game.home.fileName = gui::ui::toRecordPath(QDir(folder).filePath(QStringLiteral("hawks.tem")));
    open();
    const QPixmap shown = control<QLabel>(court.get(), "homeLogo")->pixmap();
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(shown.toImage().pixelColor(shown.width() / 2, shown.height() / 2), QColor(Qt::red));
}
