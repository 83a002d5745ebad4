// "courtlog pdf stats": the statistics printout of the chosen set as a PDF,
// read back with pdftotext.
#include <gtest/gtest.h>

#include <QFile>

#include "GuiTestSupport.h"
#include "core/records/Codes.h"
#include "gui/app/PdfCommand.h"

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

}  // namespace
}  // namespace courtlog
