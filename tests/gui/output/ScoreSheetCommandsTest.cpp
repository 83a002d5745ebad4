// Score sheets from the command line ("courtlog pdf scoresheet" and
// "blank") and from the menu, the blank sheet's pages, and a game file that
// does not load: nothing printed, the message said.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "GuiTestSupport.h"
#include "gui/app/PdfCommand.h"
#include "gui/output/ScoreSheetCommands.h"

namespace courtlog {
namespace {

using courtlog::testing::play;

struct PdfRun {
    int status;
    std::string err;
};

PdfRun pdf(const std::vector<std::string>& args) {
    ::testing::internal::CaptureStderr();
    const int status = gui::app::runPdfCommand(args);
    return {status, ::testing::internal::GetCapturedStderr()};
}

QStringList pages(const QString& path) {
    return testsupport::pdfText(path).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
}

TEST(ScoreSheetCommands, CommandLineWritesTheChosenTeamsOrBlankSheets) {
    courtlog::testing::ScratchFolder folder;
    const std::string game = folder.saveGame(
        courtlog::testing::game("Eagles", "Ravens", {play("Eagles Player 1", Shot, TwoPointMade)}, {}, true),
        "final.gam");
    const std::string out = folder.file("out.pdf");
    const QString outPath = QString::fromStdString(out);

    ASSERT_EQ(pdf({"scoresheet", game, "--visitor", out}).status, 0);
    QStringList sheets = pages(outPath);
    ASSERT_EQ(sheets.size(), 1);
    EXPECT_TRUE(sheets[0].contains(QStringLiteral("Ravens Player 5")));
    EXPECT_FALSE(sheets[0].contains(QStringLiteral("Eagles Player")));
    EXPECT_TRUE(sheets[0].contains(QStringLiteral("1st Half")) && sheets[0].contains(QStringLiteral("2nd Half")));
    EXPECT_FALSE(sheets[0].contains(QStringLiteral("Quarter")));
    ASSERT_EQ(pdf({"scoresheet", game, out}).status, 0);
    EXPECT_EQ(pages(outPath).size(), 2);

    ASSERT_EQ(pdf({"blank", "2", "--halves", out}).status, 0);
    sheets = pages(outPath);
    ASSERT_EQ(sheets.size(), 2);
    for (const QString& page : sheets) {
        EXPECT_TRUE(page.contains(QStringLiteral("1st Half")));
        EXPECT_TRUE(page.contains(QStringLiteral("2nd Half")));
        EXPECT_TRUE(page.contains(QStringLiteral("Game Totals")));
        EXPECT_FALSE(page.contains(QStringLiteral("Over Time")));
        EXPECT_TRUE(page.contains(QStringLiteral("Team Total")));
        EXPECT_TRUE(page.contains(QStringLiteral("Team: ____")));
        EXPECT_TRUE(page.contains(QStringLiteral("_ vs _")));
        EXPECT_TRUE(page.contains(QStringLiteral("Final Score, ____")));
        EXPECT_GE(page.count(QStringLiteral("P1")), 10);
    }
    ASSERT_EQ(pdf({"blank", "1", "--quarters", out}).status, 0);
    EXPECT_TRUE(pages(outPath)[0].contains(QStringLiteral("4th Quarter")));

    // A file that does not load writes nothing; so do wrong words.
    QFile::remove(outPath);
    courtlog::testing::writeFile(folder.file("broken.gam"), "not a game");
    const struct {
        std::vector<std::string> args;
        int status;
        const char* message;
    } refusals[] = {{{"scoresheet", folder.file("broken.gam"), out}, 1, "Can't load game !"},
                    {{"scoresheet", folder.file("missing.gam"), out}, 1, "Can't load game !"},
                    {{"scoresheet", game, "--everyone", out}, 2, "Unknown option: --everyone"},
                    {{"blank", "10", out}, 2, "PAGES is a number from 1 to 9"},
                    {{"blank", "0", out}, 2, "PAGES is a number from 1 to 9"},
                    {{"blank", "3", "--thirds", out}, 2, "Unknown option: --thirds"}};
    for (const auto& r : refusals) {
        const PdfRun run = pdf(r.args);
        EXPECT_EQ(run.status, r.status) << run.err;
        EXPECT_NE(run.err.find(r.message), std::string::npos) << run.err;
        EXPECT_FALSE(QFile::exists(outPath)) << run.err;
    }
}

TEST(ScoreSheetCommands, AGameThatDoesNotLoadPrintsNothingFromTheWindowEither) {
    courtlog::testing::ScratchFolder folder;
    courtlog::testing::writeFile(folder.file("broken.gam"), std::string(200, 'x'));
    const QString out = QString::fromStdString(folder.file("printed.pdf"));
    gui::ui::testing::printToFileInstead(out);
    testsupport::freshHooks();
    gui::output::printGameScoreSheets(nullptr, QString::fromStdString(folder.file("broken.gam")),
                                      courtlog::output::SheetTeams::Both);
    gui::ui::testing::printToFileInstead({});
    ASSERT_EQ(gui::ui::testing::shownMessages().size(), 1u);
    // The message says why, as the command line does.
    std::string reason;
    EXPECT_FALSE(Game().load(folder.file("broken.gam"), &reason));
    EXPECT_EQ(gui::ui::testing::shownMessages()[0].text,
              QStringLiteral("Can't load game !\n") + QString::fromStdString(reason));
    EXPECT_EQ(gui::ui::testing::shownMessages()[0].caption, QStringLiteral("File corrupt ?"));
    EXPECT_FALSE(QFile::exists(out));
}

}  // namespace
}  // namespace courtlog
