// The score sheets rendered to PDF and read back with the words' positions,
// and the foul crosses found by their pen colours in a rendered image.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <algorithm>

#include "GuiTestSupport.h"
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
// overtimes; the second scores in the second half of a game in halves.
Game sheetGame(bool halves) {
    Game game = courtlog::testing::game(courtlog::testing::team("Eagles", 15), courtlog::testing::team("Ravens", 15),
                                        halves);
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
    game.recomputeScores();
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

// The figures standing in a block of the row of name on its page: the
// words of that line between the block's "2's" and "TP" headings.
QString blockFigures(const std::vector<PdfWord>& words, const QString& name, int block) {
    const PdfWord* nameWord = nullptr;
    for (std::size_t i = 2; i < words.size(); ++i)
        if (words[i - 2].text + u' ' + words[i - 1].text + u' ' + words[i].text == name) nameWord = &words[i];
    if (!nameWord) return QStringLiteral("(no row %1)").arg(name);
    std::vector<const PdfWord*> twos, points;
    for (const PdfWord& w : words)
        if (w.page == nameWord->page) {
            if (w.text == QLatin1String("2's")) twos.push_back(&w);
            if (w.text == QLatin1String("TP")) points.push_back(&w);
        }
    auto byX = [](const PdfWord* a, const PdfWord* b) { return a->left < b->left; };
    std::sort(twos.begin(), twos.end(), byX);
    std::sort(points.begin(), points.end(), byX);
    if (block >= static_cast<int>(twos.size()) || block >= static_cast<int>(points.size())) return QStringLiteral("(no block)");
    const double left = twos[block]->left - 2, right = points[block]->right + 2;
    std::vector<const PdfWord*> figures;
    for (const PdfWord& w : words)
        if (w.page == nameWord->page && std::abs(w.centreY() - nameWord->centreY()) < 2 && w.centreX() > left &&
            w.centreX() < right)
            figures.push_back(&w);
    std::sort(figures.begin(), figures.end(), byX);
    QStringList texts;
    for (const PdfWord* w : figures) texts << w->text;
    return texts.join(QLatin1Char(' '));
}

TEST(GameScoreSheetPrintout, BothTeamsRunOverPagesHomeFirstWithTheOvertimesInOneBlock) {
    QTemporaryDir dir;
    // Landscape: fifteen rows take more than a page.
    QPrinter& printer = gui::ui::sharedPrinter();
    const QPageLayout before = printer.pageLayout();
    printer.setPageOrientation(QPageLayout::Landscape);
    const std::vector<PdfWord> words = render(sheetGame(false), SheetTeams::Both, dir.filePath("both.pdf"));
    printer.setPageLayout(before);
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

TEST(GameScoreSheetPrintout, HalvesLabelTheirBlocks) {
    QTemporaryDir dir;
    Game game = sheetGame(true);
    std::erase_if(game.homeEvents, [](const PlayEvent& e) { return e.period > 3; });
    game.recomputeScores();
    const std::vector<PdfWord> words = render(game, SheetTeams::Home, dir.filePath("halves.pdf"));
    const QString text = pageText(words, 1);
    EXPECT_TRUE(text.contains(QStringLiteral("1st Half 2nd Half Game Totals"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Quarter")));
    EXPECT_FALSE(text.contains(QStringLiteral("Over Time")));
    EXPECT_FALSE(text.contains(QStringLiteral("Ravens Player")));
    EXPECT_EQ(blockFigures(words, QStringLiteral("Eagles Player 2"), 1), QStringLiteral("1 0 0 0 2"));
    EXPECT_EQ(blockFigures(words, QStringLiteral("Eagles Player 2"), 0), QStringLiteral("0 0 0 0 0"));
}

TEST(GameScoreSheetPrintout, SevenFoulsShowSixCrossesInTheirPeriodsColours) {
    QImage image(1275, 1650, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const QRect page = image.rect();
    GameScoreSheetPrintout printout(sheetGame(false), {SheetTeams::Home, {}, {}, {}});
    ASSERT_GE(printout.pageCount(painter, page), 1);
    printout.drawPage(painter, page, 1);
    const gui::output::ScoreSheetPainter sheet(painter, page, false, 6);
    painter.end();

    const std::vector<std::pair<QRgb, const char*>> pens{{qRgb(0, 128, 0), "green"},
                                                         {qRgb(0, 0, 157), "dark blue"},
                                                         {qRgb(128, 0, 128), "purple"},
                                                         {qRgb(255, 0, 0), "red"}};
    // The pen whose colour fills most of a box, or "none".
    auto crossIn = [&](int row, int line, int box) {
        const courtlog::output::ScoreSheetLayout& l = sheet.layout();
        const QRect r(l.foulBoxLeft(box), l.foulLineTop(l.rowTop(row), line), l.foulBoxWidth(), l.foulBoxHeight());
        std::string found = "none";
        int most = 0;
        for (const auto& [rgb, name] : pens) {
            int count = 0;
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x) count += image.pixel(x, y) == rgb;
            if (count > std::max(most, r.width() / 2)) {
                most = count;
                found = name;
            }
        }
        return found;
    };
    auto boxes = [&](int row) {
        std::vector<std::string> found;
        for (int line = 0; line < 2; ++line)
            for (int box = 0; box < 4; ++box) found.push_back(crossIn(row, line, box));
        return found;
    };
    // P1 P2 P3 T1 / P4 P5 P6 T2.
    EXPECT_EQ(boxes(0), (std::vector<std::string>{"green", "green", "dark blue", "dark blue", "purple", "red", "red",
                                                  "dark blue"}));
    EXPECT_EQ(boxes(1), std::vector<std::string>(8, "none"));
}

}  // namespace
}  // namespace courtlog
