// The score sheets rendered to PDF and read back with the words' positions,
// and the foul crosses found by their pen colours in a rendered image.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>

#include "GuiTestSupport.h"
#include "gui/output/BlankScoreSheetPrintout.h"
#include "gui/output/GameScoreSheetPrintout.h"
#include "gui/output/ScoreSheetPainter.h"

namespace courtlog {
namespace {

using courtlog::output::SheetTeams;
using courtlog::testing::play;
using gui::output::GameScoreSheetPrintout;
using testsupport::PdfWord;

// Eagles and Ravens, fifteen players each. The first Eagle commits seven
// fouls over the periods and three player technicals, and scores in both
// overtimes.
Game sheetGame() {
    Game game = courtlog::testing::game(courtlog::testing::team("Eagles", 15), courtlog::testing::team("Ravens", 15));
    game.hour = 7;
    game.minute = 5;
    game.court = "Town Hall";
    const std::string first = "Eagles Player 1";
    for (int period : {0, 0, 1, 2, 3, 4, 5}) game.addHomeEvent(play(first, Foul, DefensiveFoul, period));
    for (int i = 0; i < 3; ++i) game.addHomeEvent(play(first, TechnicalFoul, PlayerTechnical, 1));
    game.addHomeEvent(play(first, Shot, TwoPointMade, 4));
    game.addHomeEvent(play(first, Shot, ThreePointMade, 5));
    game.addHomeEvent(play("Eagles Player 2", Shot, TwoPointMade, 2));
    game.addVisitorEvent(play("Ravens Player 3", Shot, FreeThrowMade, 0));
    return game;
}

std::vector<PdfWord> render(const Game& game, SheetTeams teams, const QString& path) {
    GameScoreSheetPrintout printout(game, {teams, QStringLiteral("sheet.gam"), {}, {2024, 3, 20, 9, 0, 0}});
    EXPECT_TRUE(gui::ui::printToPdf(printout, path));
    return testsupport::pdfWords(path);
}

QString pageText(const std::vector<PdfWord>& words, int page) {
    QStringList text;
    for (const PdfWord& w : words)
        if (w.page == page) text << w.text;
    return text.join(QLatin1Char(' '));
}

// The figures in block (0 the first) of the row of name: the words of that
// line between the block's "2's" and "TP" headings.
QString blockFigures(const std::vector<PdfWord>& words, const QString& name, std::size_t block) {
    std::size_t at = 2;
    while (at < words.size() && words[at - 2].text + u' ' + words[at - 1].text + u' ' + words[at].text != name) ++at;
    if (at >= words.size()) return QStringLiteral("(no row)");
    const PdfWord& row = words[at];
    std::vector<double> from, to;
    for (const PdfWord& w : words) {
        if (w.page == row.page && w.text == QLatin1String("2's")) from.push_back(w.left - 2);
        if (w.page == row.page && w.text == QLatin1String("TP")) to.push_back(w.right + 2);
    }
    QStringList figures;
    for (const PdfWord& w : words)
        if (w.page == row.page && std::abs(w.top - row.top) < 1 && block < std::min(from.size(), to.size()) &&
            w.centreX() > from[block] && w.centreX() < to[block])
            figures << w.text;
    return figures.join(QLatin1Char(' '));
}

TEST(GameScoreSheetPrintout, BothTeamsRunOverPagesHomeFirstWithTheOvertimesInOneBlock) {
    QTemporaryDir dir;
    // Landscape: fifteen rows take more than a page.
    gui::ui::testing::setChosenOrientation(QPageLayout::Landscape);
    const std::vector<PdfWord> words = render(sheetGame(), SheetTeams::Both, dir.filePath("both.pdf"));
    gui::ui::testing::setChosenOrientation(std::nullopt);
    ASSERT_FALSE(words.empty());
    const int pages = words.back().page;
    ASSERT_GE(pages, 4);

    int firstVisitorPage = 0;
    int nextHome = 1;
    for (int page = 1; page <= pages; ++page) {
        const QString text = pageText(words, page);
        SCOPED_TRACE(text.toStdString());
        EXPECT_TRUE(text.contains(QStringLiteral("Page %1").arg(page)));
        EXPECT_TRUE(text.contains(QStringLiteral("3/20/2024")));
        EXPECT_TRUE(text.contains(QStringLiteral("Eagles vs Ravens ,scored on 3/14/2024 at 7:05 Town Hall")));
        EXPECT_TRUE(text.contains(QStringLiteral("1st Quarter 2nd Quarter 3rd Quarter 4th Quarter Over Time Game Totals")));
        EXPECT_TRUE(text.contains(QStringLiteral("Team Total")));
        EXPECT_TRUE(text.contains(QStringLiteral("Final Score, Eagles 7")));
        EXPECT_TRUE(text.contains(QStringLiteral("This page was created using Basketball Courtlog")));
        const bool visitors = text.contains(QStringLiteral("Ravens Player"));
        EXPECT_NE(visitors, text.contains(QStringLiteral("Eagles Player"))) << "one team a page";
        if (visitors && !firstVisitorPage) firstVisitorPage = page;
        // Home rows continue in roster order, all before the visitors.
        while (!visitors && text.contains(QStringLiteral("Eagles Player %1 ").arg(nextHome))) ++nextHome;
    }
    EXPECT_EQ(nextHome, 16);
    ASSERT_GT(firstVisitorPage, 2);
    EXPECT_TRUE(pageText(words, firstVisitorPage).contains(QStringLiteral("Ravens Player 1 ")));
    EXPECT_TRUE(pageText(words, pages).contains(QStringLiteral("Ravens Player 15 ")));

    // Both overtimes in "Over Time" (block 4) and in "Game Totals".
    EXPECT_EQ(blockFigures(words, QStringLiteral("Eagles Player 1"), 4), QStringLiteral("1 1 0 0 5"));
    EXPECT_EQ(blockFigures(words, QStringLiteral("Eagles Player 1"), 5), QStringLiteral("1 1 0 0 5"));
    EXPECT_EQ(blockFigures(words, QStringLiteral("Eagles Player 1"), 0), QStringLiteral("0 0 0 0 0"));
    EXPECT_EQ(blockFigures(words, QStringLiteral("Ravens Player 3"), 0), QStringLiteral("0 0 1 1 1"));
}

TEST(GameScoreSheetPrintout, SevenFoulsShowSixCrossesInTheirPeriodsColours) {
    QImage image(1275, 1650, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const QRect page = image.rect();
    GameScoreSheetPrintout printout(sheetGame(), {SheetTeams::Home, {}, {}, {}});
    ASSERT_GE(printout.pageCount(painter, page), 1);
    printout.drawPage(painter, page, 1);
    const gui::output::ScoreSheetPainter sheet(painter, page, false, 6);
    painter.end();

    const std::vector<std::pair<QRgb, const char*>> pens{{qRgb(0, 128, 0), "green"},
                                                         {qRgb(0, 0, 157), "dark blue"},
                                                         {qRgb(128, 0, 128), "purple"},
                                                         {qRgb(255, 0, 0), "red"}};
    // P1 P2 P3 T1 / P4 P5 P6 T2 of a row: the pen drawn across each box, or "none".
    auto boxes = [&](int row) {
        const courtlog::output::ScoreSheetLayout& l = sheet.layout();
        std::vector<std::string> found;
        for (int line = 0; line < 2; ++line)
            for (int box = 0; box < 4; ++box) {
                const QRect r(l.foulBoxLeft(box), l.foulLineTop(l.rowTop(row), line), l.foulBoxWidth(),
                              l.foulBoxHeight());
                found.emplace_back("none");
                for (const auto& [rgb, name] : pens) {
                    int count = 0;
                    for (int y = r.top(); y <= r.bottom(); ++y)
                        for (int x = r.left(); x <= r.right(); ++x) count += image.pixel(x, y) == rgb;
                    if (count > r.width()) found.back() = name;
                }
            }
        return found;
    };
    EXPECT_EQ(boxes(0), (std::vector<std::string>{"green", "green", "dark blue", "dark blue", "purple", "red", "red",
                                                  "dark blue"}));
    EXPECT_EQ(boxes(1), std::vector<std::string>(8, "none"));
}

// A blank sheet read back from the PDF: room to write the game and the team
// above the grid, rows and foul boxes a pen fits in, the grid across the
// page in both forms of the game.
TEST(BlankScoreSheetPrintout, LeavesRoomForAPenAndSpansThePage) {
    constexpr double kMillimetre = 72 / 25.4;
    QTemporaryDir dir;
    for (const bool halves : {true, false}) {
        SCOPED_TRACE(halves ? "halves" : "quarters");
        const QString path = dir.filePath(halves ? "halves.pdf" : "quarters.pdf");
        gui::output::BlankScoreSheetPrintout printout(1, halves, {});
        ASSERT_TRUE(gui::ui::printToPdf(printout, path));
        const std::vector<PdfWord> words = testsupport::pdfWords(path);
        const QSizeF page = testsupport::pdfPageSize(path);
        auto all = [&](const QString& text) {
            std::vector<PdfWord> found;
            for (const PdfWord& w : words)
                if (w.text == text) found.push_back(w);
            return found;
        };
        ASSERT_EQ(all(QStringLiteral("vs")).size(), 1u);
        ASSERT_EQ(all(QStringLiteral("Team:")).size(), 1u);
        ASSERT_EQ(all(QStringLiteral("Pos")).size(), 1u);
        const PdfWord vs = all(QStringLiteral("vs")).front();
        const PdfWord team = all(QStringLiteral("Team:")).front();
        const PdfWord pos = all(QStringLiteral("Pos")).front();
        // A line of handwriting between the game line and "Team:", and the
        // grid's headings below "Team:".
        EXPECT_GT(team.top - vs.bottom, 5 * kMillimetre);
        EXPECT_GT(pos.top - team.bottom, 2 * kMillimetre);
        EXPECT_EQ(all(QStringLiteral("Total")).size(), 1u);
        EXPECT_EQ(all(QStringLiteral("Final")).size(), 1u);

        // Each row's labels beside their boxes: P1 then the box then P2.
        const std::vector<PdfWord> p1 = all(QStringLiteral("P1"));
        const std::vector<PdfWord> p2 = all(QStringLiteral("P2"));
        const std::vector<PdfWord> p4 = all(QStringLiteral("P4"));
        ASSERT_GE(p1.size(), 10u);
        ASSERT_EQ(p2.size(), p1.size());
        ASSERT_EQ(p4.size(), p1.size());
        for (std::size_t row = 0; row < p1.size(); ++row) {
            EXPECT_GT(p2[row].left - p1[row].right, 5 * kMillimetre);
            // The lower line of boxes a box's height and more below the upper.
            EXPECT_GT(p4[row].top - p1[row].top, 5 * kMillimetre);
            if (row > 0) {
                EXPECT_GE(p1[row].top - p1[row - 1].top, 9 * kMillimetre);
            }
        }
        // From the left edge to the right, not 70 % of the page.
        double right = 0;
        for (const PdfWord& w : all(QStringLiteral("TP"))) right = std::max(right, w.right);
        EXPECT_LT(pos.left, 8 * kMillimetre);
        EXPECT_GT(right, page.width() - 10 * kMillimetre);
    }
}

}  // namespace
}  // namespace courtlog
