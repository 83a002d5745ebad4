#include <gtest/gtest.h>

#include <QDialog>
#include <QDir>
#include <QMainWindow>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "GuiTestSupport.h"
#include "core/records/Codes.h"
#include "core/records/Game.h"
#include "gui/scoring/GameCommands.h"
#include "gui/scoring/PlayChoiceDialog.h"
#include "gui/scoring/TeamSheetPair.h"
#include "gui/scoring/TeamWindow.h"
#include "gui/ui/AppState.h"
#include "gui/ui/GameConsoleLink.h"
#include "gui/ui/MessageBox.h"
#include "gui/ui/RecordPaths.h"

using namespace courtlog;
using namespace courtlog::gui::scoring;
using namespace courtlog::testsupport;

namespace {

Game gameOf(int homePlayers, int visitorPlayers) {
    Game game;
    game.home = teamWithLineup("Eagles", homePlayers);
    game.visitor = teamWithLineup("Owls", visitorPlayers);
    // No picture behind the form unless a test gives one.
    game.home.logoFile = "no such folder/none.bmp";
    game.visitor.logoFile = "no such folder/none.bmp";
    game.homeName = "Eagles";
    game.visitorName = "Owls";
    return game;
}

QImage viewImage(TeamWindow& window) {
    return window.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The figure as the sheet draws it in cell, compared inside the cell's rules.
bool cellShows(const QImage& image, const QRect& cell, const QString& text) {
    QImage expected(cell.right() + 2, cell.bottom() + 2, QImage::Format_RGB32);
    expected.fill(Qt::white);
    {
        QPainter painter(&expected);
        painter.setFont(sheet::mainFont());
        painter.setPen(Qt::black);
        painter.drawText(cell, Qt::AlignCenter | Qt::TextDontClip, text);
    }
    const QRect inside = cell.adjusted(1, 1, -1, -1);
    return image.copy(inside) == expected.copy(inside);
}

// An 8-bit picture of one colour, written as a BMP file.
QString writeLogo(const QString& folder, const QString& name, QRgb colour) {
    QImage logo(16, 12, QImage::Format_Indexed8);
    logo.setColorTable({colour});
    logo.fill(0);
    const QString path = QDir(folder).filePath(name);
    EXPECT_TRUE(logo.save(path, "BMP"));
    return path;
}

// Counts the paints of a widget it watches, and gathers what they drew.
struct PaintCounter : QObject {
    int* count;
    QRegion painted;
    explicit PaintCounter(int* c) : count(c) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++*count;
            painted += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
};


struct CurrentDirectory {
    QString saved = QDir::currentPath();
    ~CurrentDirectory() { QDir::setCurrent(saved); }
};

// A main window like the program's: a menu-less frame whose central widget
// is the client area the sheets cover.
struct MainWindow {
    QMainWindow window;
    QWidget* area = new QWidget;
    MainWindow(int width, int height) {
        window.setCentralWidget(area);
        window.resize(width, height);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
};

}  // namespace

TEST(TeamWindow, ShowsTheFiguresAndRecountsAtEveryPaint) {
    Game game = gameOf(3, 2);
    const std::string ann = game.home.players[0].name;
    game.setEvents(true, {play(ann, Shot, TwoPointMade, 0), play(ann, Shot, TwoPointMade, 0), play(ann, Shot, TwoPointMade, 0),
                          play(ann, Shot, FreeThrowMade, 0), play(ann, Shot, FreeThrowMissed, 0)});
    TeamWindow window(nullptr, QStringLiteral("Eagles"), true);
    window.setGame(&game);
    window.resize(600, 400);

    QImage image = viewImage(window);
    const std::array<const char*, 5> figures{"3", "0", "2", "1", "7"};
    for (int column = 0; column < 5; ++column) {
        EXPECT_TRUE(cellShows(image, sheet::figureCell(0, false, column), QString::fromLatin1(figures[column])));
        EXPECT_TRUE(cellShows(image, sheet::figureCell(0, true, column), QString::fromLatin1(figures[column])));
    }

    // An undone play: the next paint shows one two-pointer fewer.
    game.setEvents(true, {game.homeEvents().begin() + 1, game.homeEvents().end()});
    image = viewImage(window);
    EXPECT_TRUE(cellShows(image, sheet::figureCell(0, true, 0), QStringLiteral("2")));
    EXPECT_TRUE(cellShows(image, sheet::figureCell(0, true, 4), QStringLiteral("5")));

    // The visitor's sheet of the same game reads the visitor's side.
    TeamWindow visitor(nullptr, QStringLiteral("Owls"), false);
    visitor.setGame(&game);
    visitor.resize(600, 400);
    EXPECT_EQ(visitor.figures().teamName, "Owls");
    EXPECT_TRUE(cellShows(viewImage(visitor), sheet::figureCell(0, true, 4), QStringLiteral("0")));
}

TEST(TeamWindow, FollowsTheProgramsCurrentGameWhenGivenNone) {
    Game game = gameOf(2, 2);
    TeamWindow window(nullptr, QStringLiteral("Eagles"), true);
    gui::ui::appState().currentGame = nullptr;
    EXPECT_TRUE(window.figures().rows.empty());
    gui::ui::appState().currentGame = &game;
    EXPECT_EQ(window.figures().teamName, "Eagles");
    EXPECT_EQ(window.figures().rows.size(), 2u);
    gui::ui::appState().currentGame = nullptr;
}

TEST(TeamWindow, LogoIsFadedAndFoundByItsBareName) {
    QTemporaryDir folder;
    CurrentDirectory restore;
    writeLogo(folder.path(), QStringLiteral("eagle.bmp"), qRgb(0, 40, 200));
    QDir::setCurrent(folder.path());

    Game game = gameOf(2, 2);
    // A folder that no longer exists: the picture is taken from the current one.
    game.home.logoFile = "C:\\Old Teams\\eagle.bmp";
    game.home.logoFade = 50;
    game.home.logoLayout = 0;
    TeamWindow window(nullptr, QStringLiteral("Eagles"), true);
    window.setGame(&game);
    window.resize(640, 420);
    const QImage image = viewImage(window);
    ASSERT_FALSE(window.logo().image.isNull());
    // Fade 50 adds 127 to components below 128 and makes the others 255.
    EXPECT_EQ(image.pixelColor(600, 400), QColor(127, 167, 255));
    EXPECT_EQ(window.logo().layout, gui::ui::PictureLayout::Fit);

    // The team names another fade: the next paint reads the picture again.
    game.home.logoFade = 0;
    EXPECT_EQ(viewImage(window).pixelColor(600, 400), QColor(0, 40, 200));
}

TEST(TeamWindow, LogoBesideATeamFileInAFolderWithAnAccentedNameShows) {
    QTemporaryDir folder;
    const QString teamFolder = QDir(folder.path()).filePath(QStringLiteral("Bj\u00F8rnene"));
    ASSERT_TRUE(QDir().mkpath(teamFolder));
    writeLogo(teamFolder, QStringLiteral("bears.bmp"), qRgb(0, 40, 200));

    Game game = gameOf(2, 2);
    game.home.fileName = gui::ui::toRecordPath(QDir(teamFolder).filePath(QStringLiteral("bears.tem")));
    game.home.logoFile = "bears.bmp";
    TeamWindow window(nullptr, QStringLiteral("Bears"), true);
    window.setGame(&game);
    window.loadLogo();
    EXPECT_FALSE(window.logo().image.isNull());
}

TEST(TeamWindow, MissingLogoLeavesTheSheetComplete) {
    Game game = gameOf(2, 2);
    game.setEvents(true, {play(game.home.players[1].name, Shot, ThreePointMade, 0)});
    TeamWindow window(nullptr, QStringLiteral("Eagles"), true);
    window.setGame(&game);
    window.resize(640, 420);
    const QImage image = viewImage(window);
    EXPECT_TRUE(window.logo().image.isNull());
    EXPECT_EQ(image.pixelColor(600, 400), QColor(Qt::white));
    EXPECT_TRUE(cellShows(image, sheet::figureCell(1, true, 4), QStringLiteral("3")));
}

TEST(TeamWindow, BesideTheConsoleANarrowSheetDrawsTheWholeFormSmaller) {
    Game game = gameOf(12, 2);
    TeamWindow window(nullptr, QStringLiteral("Eagles"), true);
    window.setGame(&game);
    window.resize(380, 500);
    window.setFitToWidth(true);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const double scale = window.formScale();
    EXPECT_NEAR(scale, window.viewport()->width() / double(sheet::size(0).width()), 1e-9);
    EXPECT_LT(scale, 1.0);
    // Every column is in view: nothing to scroll across.
    EXPECT_EQ(window.horizontalScrollBar()->maximum(), 0);
    const QRect lastColumn = window.toView(sheet::figureCell(0, true, 4));
    EXPECT_LE(lastColumn.right(), window.viewport()->width());

    // The form's right-hand rule is drawn where the smaller form ends.
    const QImage image = viewImage(window);
    const QRect rowRule = window.toView(QRect(0, sheet::rowTop(1), sheet::kWidth, 1));
    int dark = 0;
    for (int x = rowRule.left() + 2; x < rowRule.right() - 2; ++x)
        if (image.pixelColor(x, rowRule.top()).lightness() < 160) ++dark;
    EXPECT_GT(dark, rowRule.width() / 2);

    // Off again, the same window scrolls across at full size.
    window.setFitToWidth(false);
    EXPECT_EQ(window.formScale(), 1.0);
    EXPECT_GT(window.horizontalScrollBar()->maximum(), 0);
}

TEST(TeamWindow, LongRosterScrollsInStepsOfTwelve) {
    Game game = gameOf(30, 2);
    TeamWindow window(nullptr, QStringLiteral("Eagles"), true);
    window.setGame(&game);
    window.resize(400, 300);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QScrollBar* down = window.verticalScrollBar();
    QScrollBar* across = window.horizontalScrollBar();
    EXPECT_EQ(down->singleStep(), TeamWindow::kScrollStep);
    EXPECT_EQ(across->singleStep(), TeamWindow::kScrollStep);
    // The whole form can be reached.
    EXPECT_EQ(down->maximum(), sheet::size(30).height() - window.viewport()->height());
    EXPECT_EQ(across->maximum(), sheet::size(30).width() - window.viewport()->width());

    down->setValue(down->maximum());
    const QImage image = viewImage(window);
    const int lastRule = sheet::rowTop(30) - down->value();
    ASSERT_LT(lastRule, window.viewport()->height());
    EXPECT_EQ(image.pixelColor(5, lastRule), QColor(Qt::black));
    EXPECT_EQ(window.formOrigin().y(), -down->value());

    // A window wide enough needs no scrolling across; the form can still be
    // lifted by 50 steps, to bring rows up from under the console.
    window.resize(700, sheet::size(30).height() + 10);
    // The scroll bars go at the next turn of the event loop.
    EXPECT_TRUE(processUntil([&] { return !window.horizontalScrollBar()->isVisible(); }));
    EXPECT_EQ(window.horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(window.verticalScrollBar()->maximum(), 600);
}

TEST(TeamSheetPair, CoversTheHalvesOfTheClientAreaAndFollowsIt) {
    MainWindow main(1000, 600);
    Game game = gameOf(5, 5);
    auto pair = std::make_unique<TeamSheetPair>(TeamSheetPair::clientAreaOf(&main.window), game);
    QPointer<TeamWindow> home = pair->homeSheet();
    QPointer<TeamWindow> visitor = pair->visitorSheet();
    ASSERT_TRUE(home && visitor);
    EXPECT_EQ(home->parentWidget(), main.area);
    const int w = main.area->width(), h = main.area->height();
    EXPECT_EQ(home->geometry(), QRect(0, 0, w / 2, h));
    EXPECT_EQ(visitor->geometry(), QRect(w / 2, 0, w - w / 2, h));
    EXPECT_TRUE(home->isVisible());
    EXPECT_TRUE(home->isHome());
    EXPECT_FALSE(visitor->isHome());

    main.window.resize(1201, 700);
    // The sheets follow the client area at the next turns of the event loop.
    processUntil([&] { return home->geometry() == QRect(0, 0, main.area->width() / 2, main.area->height()); });
    EXPECT_EQ(home->geometry(), QRect(0, 0, main.area->width() / 2, main.area->height()));
    EXPECT_EQ(visitor->geometry().right(), main.area->width() - 1);

    pair.reset();
    EXPECT_TRUE(home.isNull());
    EXPECT_TRUE(visitor.isNull());
    EXPECT_EQ(TeamSheetPair::clientAreaOf(nullptr), nullptr);
    TeamSheetPair none(nullptr, game);
    none.refresh();
    EXPECT_EQ(none.homeSheet(), nullptr);
}

TEST(TeamSheetPair, ARecordedPlayShowsAtOnceRedrawingOnlyTheShootersRow) {
    MainWindow main(1200, 600);
    Game game = gameOf(5, 5);
    TeamSheetPair pair(main.area, game);
    TeamWindow* visitor = pair.visitorSheet();

    // Counted from the first paint on, once the sheets have shown themselves.
    int paints = 0, homePaints = 0;
    PaintCounter counter(&paints), homeCounter(&homePaints);
    visitor->viewport()->installEventFilter(&counter);
    pair.homeSheet()->viewport()->installEventFilter(&homeCounter);
    ASSERT_TRUE(processUntil([&] { return paints > 0 && homePaints > 0; }));
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    paints = homePaints = 0;
    counter.painted = {};

    // What the console does after recording a play: append it, then call back.
    game.addVisitorEvent(play(game.visitor.players[2].name, Shot, ThreePointMade, 0));
    const std::function<void()> figuresChanged = pair.refreshCallback();
    figuresChanged();
    ASSERT_TRUE(processUntil([&] { return paints > 0; }));
    QCoreApplication::processEvents();
    const QImage image = viewImage(*visitor);
    EXPECT_TRUE(cellShows(image, sheet::figureCell(2, false, 1), QStringLiteral("1")));
    EXPECT_TRUE(cellShows(image, sheet::figureCell(2, true, 4), QStringLiteral("3")));
    // Only the shooter's row was drawn again, and the screen shows what a
    // whole new drawing of the sheet shows.
    EXPECT_EQ(homePaints, 0);
    const QRect row = visitor->toView(sheet::rowArea(2));
    EXPECT_TRUE(counter.painted.boundingRect().intersects(row));
    EXPECT_TRUE(QRegion(row.adjusted(-3, -3, 3, 3)).contains(counter.painted.boundingRect()))
        << "painted " << counter.painted.boundingRect().y() << "+" << counter.painted.boundingRect().height();
    EXPECT_EQ(onScreen(*visitor->viewport()), image);

    // A play that changes no figure on the sheet draws nothing.
    paints = 0;
    game.addVisitorEvent(play(game.visitor.players[2].name, Rebound, DefensiveRebound, 0));
    figuresChanged();
    QCoreApplication::processEvents();
    EXPECT_EQ(paints, 0);
    visitor->viewport()->removeEventFilter(&counter);
    pair.homeSheet()->viewport()->removeEventFilter(&homeCounter);
}

TEST(TeamSheetPair, ConsoleKeepsTheScorekeepersPlaceForTheRun) {
    TeamSheetPair::forgetConsolePlace();
    MainWindow main(700, 500);
    Game game = gameOf(5, 5);
    QDialog console(&main.window);
    console.resize(200, 150);
    QPoint first;
    const QPoint screenTopLeft = main.window.screen()->availableGeometry().topLeft();
    {
        TeamSheetPair pair(main.area, game);
        pair.placeConsole(&console);
        first = console.pos();
        const QRect screen = main.window.screen()->availableGeometry();
        EXPECT_TRUE(screen.contains(QRect(first, console.size())));
        // Not moved: nothing is kept, the next game is placed afresh.
        pair.rememberConsolePlace(&console);
    }
    {
        TeamSheetPair pair(main.area, game);
        console.move(0, 0);
        pair.placeConsole(&console);
        EXPECT_EQ(console.pos(), first);
        console.move(screenTopLeft + QPoint(40, 30));
        pair.rememberConsolePlace(&console);
    }
    {
        TeamSheetPair pair(main.area, game);
        console.move(0, 0);
        pair.placeConsole(&console);
        EXPECT_EQ(console.pos(), screenTopLeft + QPoint(40, 30));
    }
    TeamSheetPair::forgetConsolePlace();
}

namespace {

// Two 12-player forms side by side under a 52-pixel menu, as on a maximised
// 1366-pixel laptop screen: each row a group of its name and its figures.
std::vector<CoveredArea> laptopForms() {
    std::vector<CoveredArea> areas;
    int group = 0;
    for (int left : {0, 683}) {
        const QPoint origin(left, 52);
        areas.push_back({QRect(origin, sheet::size(12)), 1});
        for (int row = 0; row < 12; ++row, ++group) {
            const int top = origin.y() + sheet::rowTop(row);
            areas.push_back({QRect(left, top, sheet::kFoulLeft, sheet::kRowHeight), 1'000'000, group});
            areas.push_back({QRect(left + sheet::kPeriodBlockLeft, top, sheet::kWidth - sheet::kPeriodBlockLeft,
                                   sheet::kRowHeight),
                             1'000'000, group});
        }
    }
    return areas;
}

int rowsLost(const QRect& window, const std::vector<CoveredArea>& areas, int firstGroup) {
    int lost = 0;
    for (int group = firstGroup; group < firstGroup + 12; ++group) {
        std::vector<CoveredArea> row;
        for (const CoveredArea& area : areas)
            if (area.group == group) row.push_back(area);
        if (coveredWeight(window, row) > 0) ++lost;
    }
    return lost;
}

}  // namespace

TEST(ConsolePlacement, ARowCountsOnceWhetherItsNameOrItsFiguresAreHidden) {
    const std::vector<CoveredArea> row{{QRect(0, 0, 547, 30), 1},
                                       {QRect(0, 0, 215, 30), 100, 0},
                                       {QRect(308, 0, 239, 30), 100, 0}};
    EXPECT_EQ(coveredWeight(QRect(0, 0, 600, 30), row), 100 + 547 * 30);
    EXPECT_EQ(coveredWeight(QRect(250, 0, 20, 30), row), 20 * 30);
    EXPECT_EQ(coveredWeight(QRect(200, 10, 200, 40), row), 100 + 200 * 20);
    EXPECT_EQ(coveredWeight(QRect(600, 0, 50, 50), row), 0);
}

TEST(ConsolePlacement, LaptopScreenUsesTheGapOrGivesUpOneSheetNotHalfOfEach) {
    const QRect screen(0, 0, 1366, 738);
    const std::vector<CoveredArea> areas = laptopForms();
    // A narrow console fits between the forms and hides nothing.
    const QPoint gap = leastCoveringPlace(screen, QSize(130, 400), areas, QPoint(600, 200));
    EXPECT_EQ(coveredWeight(QRect(gap, QSize(130, 400)), areas), 0);
    EXPECT_GE(gap.x(), sheet::kWidth + 1);

    // A console too wide for any gap hides the rows of one sheet only, so
    // the other stays whole, rather than the figures of one and the names
    // of the other.
    const QSize big(624, 604);
    const QRect at(leastCoveringPlace(screen, big, areas, QPoint(371, 67)), big);
    EXPECT_TRUE(screen.contains(at));
    const int homeLost = rowsLost(at, areas, 0), visitorLost = rowsLost(at, areas, 12);
    EXPECT_TRUE(homeLost == 0 || visitorLost == 0) << homeLost << " " << visitorLost;

    // With room to spare, the console covers nothing and stays nearest the preferred place.
    const QPoint free = leastCoveringPlace(QRect(0, 0, 2000, 1200), QSize(300, 200), areas, QPoint(1500, 100));
    EXPECT_EQ(coveredWeight(QRect(free, QSize(300, 200)), areas), 0);
    EXPECT_EQ(free, QPoint(1500, 100));
    // A console larger than the screen goes to its top-left corner.
    EXPECT_EQ(leastCoveringPlace(QRect(0, 0, 300, 200), QSize(400, 300), areas, QPoint(50, 50)), QPoint(0, 0));
}

TEST(TeamSheetPair, SheetsLiveAsLongAsTheGameAndShowAPlayRecordedAtTheConsole) {
    TeamSheetPair::forgetConsolePlace();
    freshHooks();
    MainWindow main(1000, 600);
    Game game = gameOf(6, 6);
    bool sheetsDuringGame = false;
    bool shownAtOnce = false;
    whenConsoleOpen([&] {
        QWidget* console = gui::ui::appState().console ? gui::ui::appState().console->consoleWidget() : nullptr;
        ASSERT_NE(console, nullptr);
        auto* home = main.area->findChild<TeamWindow*>(QStringLiteral("homeSheet"));
        auto* visitor = main.area->findChild<TeamWindow*>(QStringLiteral("visitorSheet"));
        // Home at the left edge, visitor at the right, equally wide: the
        // halves, or narrower with the console between them.
        sheetsDuringGame = home && visitor && home->isVisible() && visitor->isVisible() &&
                           home->geometry().left() == 0 &&
                           visitor->geometry().right() == main.area->width() - 1 &&
                           home->width() == visitor->width() && home->width() <= main.area->width() / 2;
        ASSERT_TRUE(sheetsDuringGame);

        // The home player in slot 1 (the first on the roster) makes a free throw.
        int paints = 0;
        PaintCounter counter(&paints);
        home->viewport()->installEventFilter(&counter);
        whenModal<PlayChoiceDialog>([](PlayChoiceDialog* dialog) { click(dialog, "shotMadeFreeThrowButton"); });
        QTest::mouseClick(control<QPushButton>(console, "homeSlot1Button"), Qt::LeftButton);
        ASSERT_EQ(game.homeEvents().size(), 1u);
        EXPECT_TRUE(processUntil([&] { return paints > 0; }));
        home->viewport()->removeEventFilter(&counter);
        // The offscreen screen is narrow: the first columns are in view.
        const QImage image = viewImage(*home);
        shownAtOnce = cellShows(image, sheet::figureCell(0, false, 0), QStringLiteral("0")) &&
                      cellShows(image, sheet::figureCell(0, false, 2), QStringLiteral("1")) &&
                      home->figures().rows[0].game == ShootingFigures{0, 0, 1, 1, 1};

        gui::ui::testing::queueMessageAnswer(gui::ui::ResultNo);
        click(console, "stopGameButton");
    });
    startGameConsole(&main.window, game, false);
    EXPECT_TRUE(sheetsDuringGame);
    EXPECT_TRUE(shownAtOnce);
    EXPECT_EQ(main.area->findChild<TeamWindow*>(), nullptr);
}
