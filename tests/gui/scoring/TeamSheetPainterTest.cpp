#include <gtest/gtest.h>

#include <QPainter>

#include "RecordBuilders.h"
#include "core/records/Codes.h"
#include "core/records/Game.h"
#include "core/scoring/SheetFigures.h"
#include "gui/scoring/TeamSheetPainter.h"

using namespace courtlog;
using namespace courtlog::gui::scoring;
using courtlog::scoring::TeamSheetFigures;
using courtlog::scoring::teamSheetFigures;

namespace {

using courtlog::testing::play;
using courtlog::testing::player;

// A scripted game: the home side in its second quarter.
Game scriptedGame() {
    Game game;
    game.home.name = "Brenvik Eagles";
    game.home.coach = "Rune Lund";
    game.year = 2026;
    game.month = 12;
    game.day = 7;
    game.home.addPlayer(player("Ann Berg", 4, 1), PersonalInfo{});
    game.home.addPlayer(player("Bo Dahl", -1, 3), PersonalInfo{});
    game.home.addPlayer(player("Cai Ek", 12, 2), PersonalInfo{});
    game.currentPeriod = 1;
    std::vector<PlayEvent> plays;
    // Ann: 3 twos, 1 of 2 free throws, all in this quarter; a three earlier.
    for (int i = 0; i < 3; ++i) plays.push_back(play("Ann Berg", Shot, TwoPointMade, 1));
    plays.push_back(play("Ann Berg", Shot, FreeThrowMade, 1));
    plays.push_back(play("Ann Berg", Shot, FreeThrowMissed, 1));
    plays.push_back(play("Ann Berg", Shot, ThreePointMade, 0));
    // Bo: a foul in every period from 0 to 5 plus a seventh; three technicals.
    for (int period : {0, 1, 2, 3, 5, 4, 6}) plays.push_back(play("Bo Dahl", Foul, NoFoul, period));
    for (int i = 0; i < 3; ++i) plays.push_back(play("Bo Dahl", TechnicalFoul, PlayerTechnical, 1));
    // Cai: one foul in the first quarter, a bench technical that is not his.
    plays.push_back(play("Cai Ek", Foul, NoFoul, 0));
    plays.push_back(play("Cai Ek", TechnicalFoul, TechnicalOnBench, 0));
    game.setEvents(true, std::move(plays));
    return game;
}

QImage render(const TeamSheetFigures& figures, const SheetLogo& logo = {}, QSize size = {}) {
    if (size.isEmpty()) size = sheet::size(static_cast<int>(figures.rows.size())) + QSize(40, 20);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintTeamSheet(painter, image.rect(), figures, logo);
    return image;
}

// The text as the sheet draws it into cell (centred), on white, cut to the
// inside of the cell so the rules around it do not count.
QImage expectedText(const QRect& cell, const QString& text, const QFont& font, int flags) {
    QImage image(cell.right() + 2, cell.bottom() + 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(cell, flags | Qt::TextDontClip, text);
    painter.end();
    return image.copy(cell.adjusted(1, 1, -1, -1));
}

bool cellShows(const QImage& sheetImage, const QRect& cell, const QString& text,
               const QFont& font = sheet::mainFont(), int flags = Qt::AlignCenter) {
    return sheetImage.copy(cell.adjusted(1, 1, -1, -1)) == expectedText(cell, text, font, flags);
}

int pixelsOf(const QImage& image, const QRect& area, const QColor& colour) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == colour) ++count;
    return count;
}

// Pixels of any colour that is not a shade of grey (text and rules are).
int colouredPixels(const QImage& image, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() != c.green() || c.green() != c.blue()) ++count;
        }
    return count;
}

}  // namespace

TEST(TeamSheetPainter, FiguresStandInTheirCellsForBothBlocks) {
    const QImage image = render(teamSheetFigures(scriptedGame(), true));
    // Ann Berg: this quarter 3, 0, 2, 1, 7; the game adds the first quarter's three.
    const std::array<const char*, 5> quarter{"3", "0", "2", "1", "7"};
    const std::array<const char*, 5> game{"3", "1", "2", "1", "10"};
    for (int column = 0; column < 5; ++column) {
        EXPECT_TRUE(cellShows(image, sheet::figureCell(0, false, column), QString::fromLatin1(quarter[column])))
            << "quarter column " << column;
        EXPECT_TRUE(cellShows(image, sheet::figureCell(0, true, column), QString::fromLatin1(game[column])))
            << "game column " << column;
        EXPECT_TRUE(cellShows(image, sheet::figureCell(1, true, column), QStringLiteral("0")));
    }
    // A wrong figure would not pass for the right one.
    EXPECT_FALSE(cellShows(image, sheet::figureCell(0, true, 4), QStringLiteral("7")));
    EXPECT_TRUE(cellShows(image, sheet::gameTotalsRect(), QStringLiteral("Game Totals"), sheet::mainFont(),
                          Qt::AlignHCenter | Qt::AlignTop));
}

TEST(TeamSheetPainter, FoulsAreCrossedInTheirPeriodsColoursUpToSixAndTwo) {
    const QImage image = render(teamSheetFigures(scriptedGame(), true));
    // Bo Dahl's fouls in periods 0, 1, 2, 3, 5, 4: green, dark blue, purple, then red.
    const std::array<int, 6> periods{0, 1, 2, 3, 5, 4};
    for (int box = 0; box < 6; ++box) {
        const QRect cell = sheet::foulCell(1, box);
        EXPECT_GT(pixelsOf(image, cell, sheet::foulColor(periods[static_cast<std::size_t>(box)])), 15)
            << "P" << box + 1;
    }
    EXPECT_EQ(sheet::foulColor(3), QColor(255, 0, 0));
    EXPECT_EQ(sheet::foulColor(5), QColor(255, 0, 0));
    EXPECT_EQ(sheet::foulColor(1), QColor(0, 0, 157));
    // Both technical boxes crossed in dark blue; the third technical has no box.
    EXPECT_GT(pixelsOf(image, sheet::foulCell(1, 6), QColor(0, 0, 157)), 15);
    EXPECT_GT(pixelsOf(image, sheet::foulCell(1, 7), QColor(0, 0, 157)), 15);

    // Cai Ek: P1 green only; his bench technical crosses nothing.
    EXPECT_GT(pixelsOf(image, sheet::foulCell(2, 0), QColor(0, 128, 0)), 15);
    for (int box = 1; box < 8; ++box) EXPECT_EQ(colouredPixels(image, sheet::foulCell(2, box)), 0) << box;
    // Ann Berg has no fouls: her boxes show only their black labels.
    for (int box = 0; box < 8; ++box) EXPECT_EQ(colouredPixels(image, sheet::foulCell(0, box)), 0) << box;
    EXPECT_TRUE(cellShows(image, sheet::foulCell(0, 4), QStringLiteral("P5"), sheet::smallFont()));
    EXPECT_TRUE(cellShows(image, sheet::foulCell(0, 7), QStringLiteral("T2"), sheet::smallFont()));
}

TEST(TeamSheetPainter, PeriodTitleInQuartersAndHalvesIncludingOvertime) {
    struct Case {
        int period;
        bool halves;
        const char* title;
    };
    const Case cases[] = {{1, false, "2nd Quarter"}, {6, false, "Overtime"}, {0, true, "1st Half"},
                          {2, true, "2nd Half"},     {4, true, "Overtime"}};
    for (const Case& c : cases) {
        Game game = scriptedGame();
        game.currentPeriod = static_cast<std::int16_t>(c.period);
        game.halves = c.halves ? 1 : 0;
        const QImage image = render(teamSheetFigures(game, true));
        const int flags = Qt::AlignHCenter | Qt::AlignTop;
        EXPECT_TRUE(cellShows(image, sheet::periodTitleRect(), QString::fromLatin1(c.title), sheet::mainFont(), flags))
            << c.title;
        EXPECT_FALSE(cellShows(image, sheet::periodTitleRect(), QStringLiteral("3rd Quarter"), sheet::mainFont(),
                               flags));
    }
    // Quarters, third overtime: the first block holds period 6 only (nothing for Ann).
    Game overtime = scriptedGame();
    overtime.currentPeriod = 6;
    const QImage image = render(teamSheetFigures(overtime, true));
    EXPECT_TRUE(cellShows(image, sheet::figureCell(0, false, 4), QStringLiteral("0")));
    EXPECT_TRUE(cellShows(image, sheet::figureCell(0, true, 4), QStringLiteral("10")));
}

TEST(TeamSheetPainter, HeaderRowsAndRulesAreDrawn) {
    const TeamSheetFigures figures = teamSheetFigures(scriptedGame(), true);
    const QImage image = render(figures);
    // The rule under each row runs across the whole form.
    for (int row = 0; row <= 3; ++row) {
        const int y = sheet::rowTop(row);
        EXPECT_EQ(image.pixelColor(1, y), QColor(Qt::black)) << row;
        EXPECT_EQ(image.pixelColor(sheet::kWidth - 1, y), QColor(Qt::black)) << row;
    }
    // Rules at the foul boxes and the end of the game block, down to the last row.
    const int lastRowMiddle = sheet::rowTop(2) + 3;
    for (int x : {215, 239, 261, 284, 308, 428, 546}) EXPECT_EQ(image.pixelColor(x, lastRowMiddle), QColor(Qt::black)) << x;
    // Nothing below the last row.
    EXPECT_EQ(colouredPixels(image, QRect(0, sheet::rowTop(3) + 1, sheet::kWidth, 10)), 0);
    EXPECT_EQ(image.pixelColor(100, sheet::rowTop(3) + 5), QColor(Qt::white));
    // The number -1 shows as "00", right-aligned in the number column.
    const QFontMetrics fm(sheet::mainFont());
    const int textTop = sheet::rowTop(1) + (sheet::kRowHeight - fm.height()) / 2;
    EXPECT_TRUE(cellShows(image, QRect(sheet::kNumberLeft, textTop, fm.horizontalAdvance("00"), fm.height()),
                          QStringLiteral("00"), sheet::mainFont(), Qt::AlignRight | Qt::AlignTop));
    // The header holds ink in each of its three boxes.
    const int boxHeight = sheet::headerHeight() / 3;
    for (int box = 0; box < 3; ++box) {
        const QImage inside = image.copy(QRect(1, box * boxHeight + 2, sheet::kWidth - 2, boxHeight - 3));
        EXPECT_LT(pixelsOf(inside, inside.rect(), Qt::white), inside.width() * inside.height()) << box;
    }
}

TEST(TeamSheetPainter, LogoLiesBehindTheFormInEachLayout) {
    const TeamSheetFigures figures = teamSheetFigures(scriptedGame(), true);
    QImage logo(10, 8, QImage::Format_RGB32);
    logo.fill(QColor(127, 127, 255));
    const QSize size(700, 700);

    const QImage fitted = render(figures, {logo, gui::ui::PictureLayout::Fit}, size);
    EXPECT_EQ(fitted.pixelColor(699, 699), QColor(127, 127, 255));
    EXPECT_EQ(fitted.pixelColor(620, 5), QColor(127, 127, 255));
    // The form is drawn over the logo.
    EXPECT_EQ(fitted.pixelColor(1, sheet::rowTop(1)), QColor(Qt::black));

    const QImage centred = render(figures, {logo, gui::ui::PictureLayout::Center}, size);
    // Centred: top left at (700/2 - 10/2, 700/2 - 8/2).
    EXPECT_EQ(centred.pixelColor(345, 346), QColor(127, 127, 255));
    EXPECT_EQ(centred.pixelColor(354, 353), QColor(127, 127, 255));
    EXPECT_EQ(centred.pixelColor(355, 346), QColor(Qt::white));
    EXPECT_EQ(centred.pixelColor(344, 353), QColor(Qt::white));
    EXPECT_EQ(centred.pixelColor(699, 699), QColor(Qt::white));

    const QImage tiled = render(figures, {logo, gui::ui::PictureLayout::Tile}, size);
    EXPECT_EQ(tiled.pixelColor(699, 699), QColor(127, 127, 255));

    // No logo: the sheet is complete on white.
    const QImage plain = render(figures, {}, size);
    EXPECT_EQ(plain.pixelColor(699, 699), QColor(Qt::white));
    EXPECT_TRUE(cellShows(plain, sheet::figureCell(0, false, 4), QStringLiteral("7")));
}

TEST(TeamSheetPainter, ScrollMovesTheFormButNotTheLogoAndPaintsOnlyTheArea) {
    const TeamSheetFigures figures = teamSheetFigures(scriptedGame(), true);
    QImage logo(4, 4, QImage::Format_RGB32);
    logo.fill(QColor(200, 230, 255));
    QImage image(800, 600, QImage::Format_RGB32);
    image.fill(Qt::red);
    const QRect area(100, 50, 300, 200);
    {
        QPainter painter(&image);
        paintTeamSheet(painter, area, figures, {logo, gui::ui::PictureLayout::Fit}, QPoint(0, 45));
    }
    EXPECT_EQ(image.pixelColor(99, 100), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(400, 100), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(200, 250), QColor(Qt::red));
    // The rule under the first row moved up by the scroll; the logo stayed.
    EXPECT_EQ(image.pixelColor(area.left() + 1, area.top() + sheet::rowTop(1) - 45), QColor(Qt::black));
    // The logo, seen through the form's pale ground.
    EXPECT_EQ(image.pixelColor(area.left() + 1, area.top() + sheet::rowTop(1)), QColor(241, 249, 255));
}

// Over an orange logo at no fade, a red cross still stands out from its
// box and the figures from their cells: both lie on a pale ground.
TEST(TeamSheetPainter, CrossesAndFiguresStayVisibleOverAnOrangeLogo) {
    QImage logo(10, 8, QImage::Format_RGB32);
    logo.fill(QColor(255, 140, 0));
    const QImage image = render(teamSheetFigures(scriptedGame(), true), {logo, gui::ui::PictureLayout::Fit});
    // Bo Dahl's fourth foul is red; his box is pale around it, not orange.
    const QRect redCross = sheet::foulCell(1, 3);
    EXPECT_GT(pixelsOf(image, redCross, QColor(255, 0, 0)), 15);
    EXPECT_EQ(pixelsOf(image, redCross, QColor(255, 140, 0)), 0);
    EXPECT_EQ(pixelsOf(image, sheet::figureCell(0, true, 4).adjusted(1, 1, 0, 0), QColor(255, 140, 0)), 0);
    // The names column still shows the logo, faintly.
    const QColor shown = image.pixelColor(100, sheet::rowTop(3) + 5);
    EXPECT_TRUE(shown.red() > shown.green() && shown.green() > shown.blue()) << shown.name().toStdString();
}

// Over a black logo at no fade, a uniform number (0), a name and a heading
// are dark on a light ground.
TEST(TeamSheetPainter, NumbersNamesAndHeadingsStayReadableOverADarkLogo) {
    QImage logo(10, 8, QImage::Format_RGB32);
    logo.fill(Qt::black);
    const QImage image = render(teamSheetFigures(scriptedGame(), true), {logo, gui::ui::PictureLayout::Fit});
    const QRect number(sheet::kNumberLeft, sheet::rowTop(0) + 1, sheet::kFoulLeft - sheet::kNumberLeft - 1,
                       sheet::kRowHeight - 2);
    const QRect name(sheet::kNameLeft, sheet::rowTop(0) + 1, sheet::kNumberLeft - sheet::kNameLeft - 1,
                     sheet::kRowHeight - 2);
    for (const QRect& cell : {number, name}) {
        int light = 0;
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x) light += qGray(image.pixel(x, y)) > 160;
        EXPECT_GT(light, cell.width() * cell.height() / 2);
        EXPECT_GT(pixelsOf(image, cell, QColor(Qt::black)), 3);
    }
}
