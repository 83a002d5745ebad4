// "courtlog pdf roster" and "courtlog pdf addresses" for a team file.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "GuiTestSupport.h"
#include "gui/app/PdfCommand.h"

namespace courtlog {
namespace {

int runPdf(const std::vector<std::string>& args, std::string* err = nullptr) {
    ::testing::internal::CaptureStderr();
    const int status = gui::app::runPdfCommand(args);
    const std::string captured = ::testing::internal::GetCapturedStderr();
    if (err) *err = captured;
    return status;
}

TEST(TeamPdfKinds, WriteTheTeamsPrintoutsOrNothingForATeamThatDoesNotLoad) {
    QTemporaryDir dir;
    Team team = courtlog::testing::team("Owls", 3);
    team.personalInfo[1].city = "Brenvik";
    const std::string tem = dir.filePath(QStringLiteral("owls.tem")).toStdString();
    ASSERT_TRUE(team.saveTo(tem));
    const QString roster = dir.filePath(QStringLiteral("roster.pdf"));
    const QString addresses = dir.filePath(QStringLiteral("addresses.pdf"));

    ASSERT_EQ(runPdf({"roster", tem, roster.toStdString()}), 0);
    EXPECT_TRUE(testsupport::pdfText(roster).contains(QStringLiteral("Coach Owls")));
    ASSERT_EQ(runPdf({"addresses", tem, addresses.toStdString()}), 0);
    EXPECT_TRUE(testsupport::pdfText(addresses).contains(QStringLiteral("#4, Owls Player 2, Center")));

    const QString never = dir.filePath(QStringLiteral("never.pdf"));
    std::string err;
    EXPECT_EQ(runPdf({"roster", "/no/such/team.tem", never.toStdString()}, &err), 1);
    EXPECT_NE(err.find("Can't load team ! /no/such/team.tem"), std::string::npos) << err;
    EXPECT_EQ(runPdf({"addresses", "/no/such/team.tem", never.toStdString()}), 1);
    EXPECT_EQ(runPdf({"addresses", tem, tem, never.toStdString()}), 2);
    EXPECT_FALSE(QFile::exists(never));
}

}  // namespace
}  // namespace courtlog
