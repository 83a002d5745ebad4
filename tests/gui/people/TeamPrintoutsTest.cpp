// The roster and address-list printouts written by "courtlog pdf roster" and
// "courtlog pdf addresses" and read back: where their pages break and what
// every page carries.
#include <gtest/gtest.h>

#include <QFile>
#include <algorithm>
#include <array>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "GuiTestSupport.h"
#include "core/records/PersonalInfoEntry.h"
#include "gui/app/PdfCommand.h"

namespace courtlog {
namespace {

// The pages of "pdf KIND TEAM OUT.pdf" for team, as pdftotext lays them out.
QStringList pdfPages(const char* kind, const Team& team) {
    QTemporaryDir dir;
    const std::string tem = dir.filePath(QStringLiteral("team.tem")).toStdString();
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    EXPECT_TRUE(Team(team).saveTo(tem));
    EXPECT_EQ(gui::app::runPdfCommand({kind, tem, pdf.toStdString()}), 0);
    return testsupport::pdfText(pdf, true).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
}

int countOf(const QString& text, const QString& pattern) {
    return static_cast<int>(text.count(QRegularExpression(pattern)));
}

TEST(RosterPrintout, EveryPlayerOnceCoachOnPageOneHeadingOnEveryPage) {
    Team team = courtlog::testing::team("Owls", 90);
    team.coach = "Anna Berg";
    team.players[89].number = -1;
    const QStringList pages = pdfPages("roster", team);
    ASSERT_GE(pages.size(), 2);
    for (int p = 0; p < pages.size(); ++p) {
        EXPECT_TRUE(pages[p].contains(QStringLiteral("Page %1").arg(p + 1)));
        EXPECT_EQ(countOf(pages[p], QStringLiteral("#\\s+Name\\s+Position\\s+Starter")), 1)
            << "page " << p + 1;
        EXPECT_EQ(countOf(pages[p], QStringLiteral("Coach:\\s+Anna Berg")), p == 0 ? 1 : 0)
            << "page " << p + 1;
        EXPECT_EQ(countOf(pages[p], QStringLiteral("Assistant:\\s+Assistant Owls")), p == 0 ? 1 : 0);
        EXPECT_TRUE(pages[p].contains(QStringLiteral("This page was created using Basketball Courtlog")));
    }
    const QString all = pages.join(QString());
    for (int i = 1; i <= 90; ++i)
        EXPECT_EQ(countOf(all, QStringLiteral("Owls Player %1\\b").arg(i)), 1) << "player " << i;
    EXPECT_EQ(countOf(all, QStringLiteral("#3\\s+Owls Player 1\\s+Guard\\s+Guard")), 1);
    EXPECT_EQ(countOf(pages.last(), QStringLiteral("#00 Owls Player 90\\s+Forward\\s+-")), 1);
}

// The address list read back as a table: the nine headings on every
// landscape page, each player's row on one page with every cell whole in
// its own column, at 10 points, many players to a page.
TEST(AddressListPrintout, ATableAcrossTheLandscapePageWithEveryCellInItsColumn) {
    Team team = courtlog::testing::team("Owls", 60);
    for (std::size_t i = 0; i < team.personalInfo.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        // Every fifth player has a long address and note, which wrap.
        const bool longer = i % 5 == 0;
        team.personalInfo[i] = {"555-01" + n,
                                longer ? n + " Old Harbour Road, Lighthouse Point Cottages, Building C, Apartment 14 "
                                             "by the pier"
                                       : n + " Pit Road",
                                "Brenvik",
                                "ND",
                                "58000",
                                {1990, 5, 2},
                                "player" + n + "@brenvik-basketball-club.example.org",
                                longer ? "Allergic to peanuts; drives on away trips " + n : ""};
    }
    QTemporaryDir dir;
    const std::string tem = dir.filePath(QStringLiteral("team.tem")).toStdString();
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    ASSERT_TRUE(Team(team).saveTo(tem));
    ASSERT_EQ(gui::app::runPdfCommand({"addresses", tem, pdf.toStdString()}), 0);
    const QSizeF size = testsupport::pdfPageSize(pdf);
    EXPECT_GT(size.width(), size.height());

    const std::vector<testsupport::PdfWord> words = testsupport::pdfWords(pdf);
    const int pages = words.empty() ? 0 : words.back().page;
    ASSERT_GE(pages, 2);
    const QStringList headings{"Name", "Phone", "Birthday", "Address", "City", "State", "Zip", "e-mail", "Note"};
    std::vector<bool> seen(60, false);
    int firstPageRows = 0;
    for (int page = 1; page <= pages; ++page) {
        SCOPED_TRACE(page);
        // The heading row: its words give each column's left edge.
        std::vector<double> lefts;
        double headingBottom = 0;
        for (const auto& w : words)
            if (w.page == page && headings.contains(w.text) && lefts.size() < 9 &&
                w.text == headings[static_cast<int>(lefts.size())]) {
                lefts.push_back(w.left);
                headingBottom = w.bottom;
            }
        ASSERT_EQ(lefts.size(), 9u);
        lefts.push_back(size.width());
        auto column = [&](const testsupport::PdfWord& w) {
            return static_cast<int>(std::upper_bound(lefts.begin(), lefts.end(), w.left + 0.5) - lefts.begin()) - 1;
        };
        // Rows start where a name does; a row's words lie above the next's.
        std::vector<std::pair<double, int>> rowTops;  // top, player index
        for (const auto& w : words)
            if (w.page == page && w.top > headingBottom && column(w) == 0 && w.text == QLatin1String("Owls")) rowTops.push_back({w.top, -1});
        for (auto& [top, player] : rowTops)
            for (const auto& w : words)
                if (w.page == page && std::abs(w.top - top) < 0.5 && column(w) == 0 && w.text != QLatin1String("Owls") &&
                    w.text != QLatin1String("Player"))
                    player = w.text.toInt() - 1;
        if (page == 1) firstPageRows = static_cast<int>(rowTops.size());
        for (std::size_t r = 0; r < rowTops.size(); ++r) {
            const int player = rowTops[r].second;
            ASSERT_GE(player, 0);
            ASSERT_LT(player, 60);
            EXPECT_FALSE(seen[static_cast<std::size_t>(player)]) << "player " << player + 1 << " twice";
            seen[static_cast<std::size_t>(player)] = true;
            const double bottom = r + 1 < rowTops.size() ? rowTops[r + 1].first : 1e9;
            std::array<QString, 9> cells;
            for (const auto& w : words)
                if (w.page == page && w.top >= rowTops[r].first - 0.5 && w.top < bottom - 0.5) {
                    cells[static_cast<std::size_t>(column(w))] += w.text;
                    // 10 points: Liberation Sans boxes reach 0.905 up and 0.212 down.
                    EXPECT_NEAR((w.bottom - w.top) / 1.117, 10, 0.2) << w.text.toStdString();
                    EXPECT_LE(w.right, lefts[static_cast<std::size_t>(column(w)) + 1]) << w.text.toStdString();
                }
            const auto expected = addressListCells(team, static_cast<std::size_t>(player));
            for (std::size_t c = 0; c < 9; ++c)
                EXPECT_EQ(cells[c].toStdString(), QString::fromStdString(expected[c]).remove(QLatin1Char(' ')).toStdString())
                    << "player " << player + 1 << ", " << headings[static_cast<int>(c)].toStdString();
        }
    }
    EXPECT_EQ(std::count(seen.begin(), seen.end(), true), 60);
    EXPECT_GE(firstPageRows, 15);
}

TEST(TeamPdfKinds, ATeamThatDoesNotLoadWritesNothing) {
    QTemporaryDir dir;
    const QString never = dir.filePath(QStringLiteral("never.pdf"));
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(gui::app::runPdfCommand({"roster", "/no/such/team.tem", never.toStdString()}), 1);
    EXPECT_EQ(gui::app::runPdfCommand({"addresses", "a.tem", "b.tem", never.toStdString()}), 2);
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("Can't load team ! /no/such/team.tem"),
              std::string::npos);
    EXPECT_FALSE(QFile::exists(never));
}

}  // namespace
}  // namespace courtlog
