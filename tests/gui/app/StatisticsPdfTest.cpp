// "courtlog pdf stats": the statistics printout of the chosen set as a PDF,
// read back with pdftotext.
#include <gtest/gtest.h>

#include <QFile>
#include <QPrinter>
#include <map>
#include <set>

#include "GuiTestSupport.h"
#include "cli/StatsRequest.h"
#include "core/output/StatisticsPrintLayout.h"
#include "core/records/Codes.h"
#include "gui/app/PdfCommand.h"
#include "gui/ui/Printing.h"

namespace courtlog {
namespace {

using courtlog::testing::play;

class StatisticsPdf : public ::testing::Test {
protected:
    void SetUp() override {
        first = folder.saveGame(courtlog::testing::game("Hawks", "Owls", {play("Ann", Shot, TwoPointMade, 0, 12)},
                                                        {play("Oli", Shot, ThreePointMade, 0, 7)}),
                                "first.gam");
        second = folder.saveGame(courtlog::testing::game("Wolves", "Hawks", {play("Wes", Shot, FreeThrowMade, 1, 4)},
                                                         {play("Bo", Shot, TwoPointMade, 2, 5)}),
                                 "second.gam");
        out = folder.file("stats.pdf");
    }

    int run(const std::vector<std::string>& args) {
        ::testing::internal::CaptureStderr();
        const int status = gui::app::runPdfCommand(args);
        err = ::testing::internal::GetCapturedStderr();
        return status;
    }

    courtlog::testing::ScratchFolder folder;
    std::string first, second, out, err;
};

TEST_F(StatisticsPdf, PrintsTheChosenSetAndTheFilesUsed) {
    ASSERT_EQ(run({"stats", "--team", "Hawks", "--combined", "--fit", first, second, out}), 0) << err;
    const QString text = testsupport::pdfText(QString::fromStdString(out));
    EXPECT_TRUE(text.contains(QStringLiteral("Statistics for Hawks"))) << text.toStdString();
    for (const char* name : {"Ann #12", "Bo #5", "Oli #7", "Wes #4", "TEAM TOTALS", "TURNOVERS"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(name))) << name;
    // Two files: the first name, ", ", the second.
    EXPECT_TRUE(text.contains(QString::fromStdString(first + ", " + second))) << text.toStdString();
}

TEST_F(StatisticsPdf, AGameThatDoesNotLoadWritesNothing) {
    EXPECT_EQ(run({"stats", "--all", folder.file("missing.gam"), out}), 1);
    EXPECT_NE(err.find("missing.gam"), std::string::npos) << err;
    EXPECT_FALSE(QFile::exists(QString::fromStdString(out)));
    EXPECT_EQ(run({"stats", "--team", "Hawks", "--opponents", "--combined", first, out}), 2) << err;
}

// A season of 20 games between 40 teams of twelve: 480 players, made
// varied enough that every kind of value turns up (100.00, .500, totals of
// four digits, the uniform 00).
std::vector<std::string> saveSeason(const courtlog::testing::ScratchFolder& folder) {
    static const char* const first[] = {"Jalen", "Theo",  "Owen",  "Rafael", "Caleb", "Nico",   "Marcus",
                                        "Dmitri", "Ade",  "Luca",  "Sam",    "Kofi",  "Emil",   "Bruno",
                                        "Tariq", "Henrik", "Jonah", "Mateo", "Isak",  "Darius"};
    static const char* const last[] = {"Marsh", "Lindqvist", "Castellano", "Dunmore", "Ashby",   "Farrant",
                                       "Okafor", "Varga",    "Strand",     "Holm",    "Berg",    "Ruud",
                                       "Castillo", "Whitlock", "Pereira",  "Nakamura", "Osei",   "Lund",
                                       "Moreau", "Kowalski", "Haugen",     "Ferreira", "Eklund", "Abara"};
    static const char* const towns[] = {"Harbor", "Valley", "Brenvik", "Tindvik", "North",
                                        "Lake",   "Stone",  "River",   "Pine",    "Iron"};
    static const char* const mascots[] = {"Hawks", "Miners", "Eagles", "Ravens"};
    unsigned seed = 12345;
    auto next = [&seed](unsigned n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % n;
    };
    auto side = [&](int teamIndex) {
        Team t;
        t.name = std::string(towns[teamIndex % 10]) + " " + mascots[teamIndex / 10];
        for (int i = 0; i < 12; ++i) {
            const int n = teamIndex * 12 + i;
            t.addPlayer(courtlog::testing::player(std::string(first[n % 20]) + " " + last[n / 20],
                                                  n % 7 == 0 ? -1 : n % 56, 1 + i % 3, i < 5 ? i + 1 : 0),
                        PersonalInfo::blank());
        }
        return t;
    };
    auto plays = [&](const Team& t) {
        std::vector<PlayEvent> list;
        for (const Player& p : t.players) {
            const int count = 4 + static_cast<int>(next(14));
            for (int k = 0; k < count; ++k) {
                const int period = static_cast<int>(next(4));
                switch (next(9)) {
                case 0: case 1: list.push_back(courtlog::testing::playBy(p, Shot, 1 + static_cast<int>(next(6)), period)); break;
                case 2: list.push_back(courtlog::testing::playBy(p, Shot, TwoPointMade, period)); break;
                case 3: list.push_back(courtlog::testing::playBy(p, Assist, 0, period)); break;
                case 4: list.push_back(courtlog::testing::playBy(p, Foul, 1 + static_cast<int>(next(2)), period)); break;
                case 5: list.push_back(courtlog::testing::playBy(p, Rebound, 1 + static_cast<int>(next(2)), period)); break;
                case 6: list.push_back(courtlog::testing::playBy(p, Turnover, 1 + static_cast<int>(next(11)), period)); break;
                case 7: list.push_back(courtlog::testing::playBy(p, Steal, 0, period)); break;
                default: list.push_back(courtlog::testing::playBy(p, BlockedShot, 0, period)); break;
                }
            }
        }
        return list;
    };
    std::vector<std::string> files;
    for (int g = 0; g < 20; ++g) {
        Game game = courtlog::testing::game(side(2 * g), side(2 * g + 1));
        for (Player& p : game.home.players) p = courtlog::testing::playedIn(p, 4);
        for (Player& p : game.visitor.players) p = courtlog::testing::playedIn(p, 4);
        for (const PlayEvent& e : plays(game.home)) game.addHomeEvent(e);
        for (const PlayEvent& e : plays(game.visitor)) game.addVisitorEvent(e);
        files.push_back(folder.saveGame(game, "game" + std::to_string(g) + ".gam"));
    }
    return files;
}

// The rows of a printed table as read back from the PDF: per row's name
// and team text, the value words under each heading.
struct PrintedTable {
    std::map<QString, std::map<QString, QString>> rows;  // "Ann #12 Hawks" -> heading -> value
    std::map<QString, int> pagesOfRow;                   // how many slices show the row
    std::map<QString, int> otherRowsOnTotalsPage;        // rows sharing each page of the totals
    std::vector<QString> problems;
    double smallestValueSize = 1e9;  // points, from the values' widths
    bool landscape = true;
    double pageWidth = 0;  // points
};

// A word's box reaches from the font's ascent to its descent: in Liberation
// Serif, the twin of Times New Roman, 0.891 and 0.216 of an em.
double pointSizeOfValue(const testsupport::PdfWord& word) { return (word.bottom - word.top) / 1.107; }

PrintedTable readPrintedTable(const QString& pdf) {
    PrintedTable table;
    const QSizeF size = testsupport::pdfPageSize(pdf);
    table.landscape = size.width() > size.height();
    table.pageWidth = size.width();

    // Lines of words, page by page.
    std::map<std::pair<int, long>, std::vector<testsupport::PdfWord>> lines;
    for (const testsupport::PdfWord& w : testsupport::pdfWords(pdf)) lines[{w.page, std::lround(w.top)}].push_back(w);
    std::vector<testsupport::PdfWord> headings;
    int page = 0;
    // Per page, the left and right of everything printed in each column.
    std::vector<std::pair<double, double>> extents;
    auto checkColumnsApart = [&] {
        for (std::size_t i = 0; i + 1 < extents.size(); ++i)
            if (!(extents[i].second < extents[i + 1].first))
                table.problems.push_back(QStringLiteral("page %1: columns %2 and %3 touch").arg(page).arg(i).arg(i + 1));
    };
    QString totalsKey;
    std::map<int, int> rowsOnPage;
    std::set<int> totalsPages;
    for (const auto& [where, words] : lines) {
        if (where.first != page) {
            checkColumnsApart();
            page = where.first;
            headings.clear();
            extents.clear();
        }
        if (words.front().text == QLatin1String("PLAYER")) {
            // PLAYER, TEAM, then one heading per value column on this page.
            headings.assign(words.begin() + 2, words.end());
            for (const auto& h : headings) extents.emplace_back(h.left, h.right);
            continue;
        }
        if (headings.empty() || words.size() <= headings.size()) continue;
        const std::size_t names = words.size() - headings.size();
        QStringList nameWords;
        for (std::size_t i = 0; i < names; ++i) nameWords << words[i].text;
        if (words[names - 1].right >= extents.front().first)
            table.problems.push_back(QStringLiteral("name runs into the values: ") + nameWords.join(' '));
        const QString key = nameWords.join(QLatin1Char(' '));
        ++table.pagesOfRow[key];
        ++rowsOnPage[page];
        if (key.startsWith(QLatin1String("TEAM TOTALS"))) totalsPages.insert(page);
        for (std::size_t c = 0; c < headings.size(); ++c) {
            const testsupport::PdfWord& value = words[names + c];
            table.rows[key][headings[c].text] = value.text;
            extents[c].first = std::min(extents[c].first, value.left);
            extents[c].second = std::max(extents[c].second, value.right);
            // Centred under its heading.
            if (std::abs(value.centreX() - headings[c].centreX()) > 0.5)
                table.problems.push_back(QStringLiteral("%1 not under %2").arg(value.text, headings[c].text));
            table.smallestValueSize = std::min(table.smallestValueSize, pointSizeOfValue(value));
        }
    }
    checkColumnsApart();
    for (int p : totalsPages) table.otherRowsOnTotalsPage[QString::number(p)] = rowsOnPage[p] - 1;
    return table;
}

TEST(StatisticsSeasonPdf, EveryRowAndValueOfA480PlayerSeasonPrintsWholeWithAndWithoutFit) {
    courtlog::testing::ScratchFolder folder;
    const std::vector<std::string> games = saveSeason(folder);

    // What the statistics say, formatted as the printout formats values.
    std::vector<std::string> args{"--all"};
    args.insert(args.end(), games.begin(), games.end());
    cli::StatsRequest request;
    std::string error;
    ASSERT_TRUE(cli::parseStatsRequest(args, cli::StatsWords::Printout, request, error)) << error;
    stats::StatisticsSets sets(request.selection());
    sets.compute();
    const std::vector<StatLine>& lines = sets.lines(request.set);
    ASSERT_EQ(lines.size(), 481u);

    QPrinter& printer = gui::ui::sharedPrinter();
    const QPageLayout before = printer.pageLayout();
    for (const auto& [paper, fit] : {std::pair(QPageSize::A4, true), std::pair(QPageSize::A4, false),
                                     std::pair(QPageSize::Letter, true)}) {
        SCOPED_TRACE(fit ? "fitted" : "not fitted");
        SCOPED_TRACE(paper == QPageSize::A4 ? "A4" : "Letter");
        printer.setPageSize(QPageSize(paper));
        const std::string out = folder.file(fit ? "fit.pdf" : "plain.pdf");
        std::vector<std::string> pdfArgs{"stats"};
        if (fit) pdfArgs.push_back("--fit");
        pdfArgs.insert(pdfArgs.end(), args.begin(), args.end());
        pdfArgs.push_back(out);
        ASSERT_EQ(gui::app::runPdfCommand(pdfArgs), 0);
        const PrintedTable table = readPrintedTable(QString::fromStdString(out));

        EXPECT_TRUE(table.landscape);
        EXPECT_TRUE(table.problems.empty()) << table.problems.front().toStdString();
        EXPECT_GE(table.smallestValueSize, 6.99);
        ASSERT_EQ(table.rows.size(), lines.size());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const bool totals = i + 1 == lines.size();
            QString key = QString::fromStdString(courtlog::stats::statNameText(lines[i], totals));
            if (!lines[i].teamName.empty()) key += QLatin1Char(' ') + QString::fromStdString(lines[i].teamName);
            const auto row = table.rows.find(key);
            ASSERT_NE(row, table.rows.end()) << key.toStdString();
            ASSERT_EQ(row->second.size(), courtlog::stats::kPresentedValueCount) << key.toStdString();
            for (std::size_t c = 0; c < courtlog::stats::kPresentedValueCount; ++c) {
                const std::string_view name = courtlog::stats::presentedValues()[c].printHeading;
                const QString heading = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
                EXPECT_EQ(row->second.at(heading).toStdString(), courtlog::output::printedValue(lines[i], c))
                    << key.toStdString() << " " << heading.toStdString();
            }
        }
        // The totals share each of their pages with rows of players.
        ASSERT_FALSE(table.otherRowsOnTotalsPage.empty());
        for (const auto& [page, others] : table.otherRowsOnTotalsPage) EXPECT_GT(others, 0) << "page " << page.toStdString();
        // On A4 (and wider) it fits across at a readable size.
        if (fit && table.pageWidth >= 841) {
            EXPECT_EQ(table.pagesOfRow.begin()->second, 1) << "one slice wide";
        }
    }
    printer.setPageLayout(before);
}

}  // namespace
}  // namespace courtlog
