// The roster and address-list printouts written by "courtlog pdf roster" and
// "courtlog pdf addresses" and read back: where their pages break and what
// every page carries.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "GuiTestSupport.h"
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

TEST(AddressListPrintout, EntriesAreNeverSplitAcrossPages) {
    Team team = courtlog::testing::team("Owls", 40);
    for (std::size_t i = 0; i < team.personalInfo.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        team.personalInfo[i] = {"555-01" + n,
                                n + " Pit Road",
                                "Brenvik",
                                "ND",
                                "58000",
                                {1990, 5, 2},
                                "player" + n + "@x.org",
                                i % 3 == 0 ? "note of " + n : ""};
    }
    const QStringList pages = pdfPages("addresses", team);
    ASSERT_GE(pages.size(), 2);
    int entries = 0;
    for (int p = 0; p < pages.size(); ++p) {
        EXPECT_TRUE(pages[p].contains(QStringLiteral("Page %1").arg(p + 1)));
        for (int i = 1; i <= 40; ++i) {
            if (countOf(pages[p], QStringLiteral("#%1, Owls Player %2, ").arg(i + 2).arg(i)) == 0) continue;
            ++entries;
            // The entry's last line is on the same page as its heading.
            const QString last = (i - 1) % 3 == 0 ? QStringLiteral("note of %1\\b").arg(i)
                                                  : QStringLiteral("player%1@x\\.org").arg(i);
            EXPECT_EQ(countOf(pages[p], last), 1) << "entry " << i << " split after page " << p + 1;
        }
    }
    EXPECT_EQ(entries, 40);
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
