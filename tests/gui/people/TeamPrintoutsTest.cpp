// The roster and address-list printouts rendered to PDF and read back: where
// their pages break and what every page carries.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>

#include "GuiTestSupport.h"
#include "gui/people/AddressListPrintout.h"
#include "gui/people/RosterPrintout.h"

namespace courtlog {
namespace {

QStringList pagesOf(gui::ui::Printout& printout) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("printout.pdf"));
    EXPECT_TRUE(gui::ui::printToPdf(printout, path));
    return testsupport::pdfText(path, true).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
}

int countOf(const QString& text, const QString& pattern) {
    return static_cast<int>(text.count(QRegularExpression(pattern)));
}

TEST(RosterPrintout, EveryPlayerOnceCoachOnPageOneHeadingOnEveryPage) {
    Team team = courtlog::testing::team("Owls", 90);
    team.coach = "Anna Berg";
    team.assistant = "Tom Lind";
    team.players[89].number = -1;
    gui::people::RosterPrintout printout(team, QImage(), QString());
    const QStringList pages = pagesOf(printout);
    ASSERT_GE(pages.size(), 2);
    for (int p = 0; p < pages.size(); ++p) {
        EXPECT_TRUE(pages[p].contains(QStringLiteral("Page %1").arg(p + 1)));
        EXPECT_TRUE(pages[p].contains(QStringLiteral("Owls")));
        EXPECT_EQ(countOf(pages[p], QStringLiteral("#\\s+Name\\s+Position\\s+Starter")), 1) << "page " << p + 1;
        EXPECT_EQ(countOf(pages[p], QStringLiteral("Coach:\\s+Anna Berg")), p == 0 ? 1 : 0) << "page " << p + 1;
        EXPECT_EQ(countOf(pages[p], QStringLiteral("Assistant:\\s+Tom Lind")), p == 0 ? 1 : 0) << "page " << p + 1;
        EXPECT_TRUE(pages[p].contains(QStringLiteral("This page was created using Basketball Courtlog")));
    }
    const QString all = pages.join(QString());
    for (int i = 1; i <= 90; ++i)
        EXPECT_EQ(countOf(all, QStringLiteral("Owls Player %1\\b").arg(i)), 1) << "player " << i;
    EXPECT_TRUE(all.contains(QRegularExpression(QStringLiteral("#3\\s+Owls Player 1\\s+Guard\\s+Guard"))));
    EXPECT_TRUE(all.contains(QRegularExpression(QStringLiteral("#00 Owls Player 90\\s+Forward\\s+-"))));
    // No page without players after the last one.
    EXPECT_TRUE(pages.last().contains(QStringLiteral("Owls Player 90")));
}

TEST(AddressListPrintout, EntriesAreNeverSplitAcrossPages) {
    Team team = courtlog::testing::team("Owls", 40);
    for (std::size_t i = 0; i < team.personalInfo.size(); ++i) {
        PersonalInfo& info = team.personalInfo[i];
        info.address = std::to_string(10 + i) + " Pit Road";
        info.city = "Brenvik";
        info.state = "ND";
        info.zip = "58000";
        info.phone = "555-01" + std::to_string(10 + i);
        info.birthday = {1990, 5, 2};
        info.email = "player" + std::to_string(i + 1) + "@x.org";
        if (i % 3 == 0) info.note = "note of " + std::to_string(i + 1);
    }
    gui::people::AddressListPrintout printout(team);
    const QStringList pages = pagesOf(printout);
    ASSERT_GE(pages.size(), 2);
    int entries = 0;
    for (int p = 0; p < pages.size(); ++p) {
        EXPECT_TRUE(pages[p].contains(QStringLiteral("Page %1").arg(p + 1)));
        for (int i = 1; i <= 40; ++i) {
            const bool heading = pages[p].contains(QRegularExpression(QStringLiteral("#%1, Owls Player %2, ")
                                                                          .arg(i + 2)
                                                                          .arg(i)));
            if (!heading) continue;
            ++entries;
            // The entry's last line is on the same page as its heading.
            const QString last = (i - 1) % 3 == 0 ? QStringLiteral("note of %1\\b").arg(i)
                                                  : QStringLiteral("player%1@x.org").arg(i);
            EXPECT_EQ(countOf(pages[p], last), 1) << "entry " << i << " split after page " << p + 1;
            EXPECT_TRUE(pages[p].contains(QStringLiteral("Brenvik, ND 58000")));
        }
    }
    EXPECT_EQ(entries, 40);
}

}  // namespace
}  // namespace courtlog
