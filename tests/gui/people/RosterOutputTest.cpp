// The team editor's "Save As" writing comma-delimited text and web pages,
// and its "Print".
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "GuiTestSupport.h"
#include "gui/people/TeamEdit.h"
#include "gui/ui/FileDialogs.h"
#include "gui/ui/Printing.h"

using namespace courtlog;
using namespace courtlog::testsupport;
using courtlog::gui::people::TeamEdit;

namespace {

std::string contents(const QString& path) { return courtlog::testing::readFile(path.toStdString()); }

void saveAs(TeamEdit& editor, const QString& path, int filter, std::initializer_list<int> answers) {
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{path, filter});
    for (int answer : answers) gui::ui::testing::queueMessageAnswer(answer);
    click(&editor, "saveAsButton");
}

}  // namespace

TEST(RosterOutput, SaveAsAndPrintShowTheTypedNamesAndAskAsTheUserGoes) {
    freshHooks();
    QTemporaryDir dir;
    const QString base = QDir(dir.path()).filePath(QStringLiteral("owls"));
    Team team = teamWithLineup("Owls", 2);
    TeamEdit editor(team);
    editor.show();
    typeInto(&editor, "teamNameEdit", QStringLiteral("Night Owls"));

    // A name without an extension takes the filter's; no personal info.
    saveAs(editor, base, 2, {gui::ui::ResultNo});
    const QString csv = base + QStringLiteral(".csv");
    const std::string first = contents(csv);
    EXPECT_EQ(first.substr(0, first.find('\n')), "\xEF\xBB\xBFTeam,Night Owls");
    EXPECT_NE(first.find("\n3,Owls Player 1,Guard,Guard 1\n"), std::string::npos);
    EXPECT_EQ(messageTexts(), (std::vector<QString>{QStringLiteral("Include Player's Personal Info ?")}));
    EXPECT_EQ(gui::ui::testing::shownMessages()[0].caption, csv);
    EXPECT_EQ(team.name, "Owls");  // the team keeps its name until OK

    // The same file again: sound, append, then personal info this time.
    gui::ui::testing::clearShownMessages();
    gui::ui::testing::clearPlayedSounds();
    saveAs(editor, base, 2, {gui::ui::ResultYes, gui::ui::ResultYes});
    EXPECT_EQ(
        messageTexts(),
        (std::vector<QString>{QStringLiteral("This file already exists.  Would you like to append to it?"),
                              QStringLiteral("Include Player's Personal Info ?")}));
    EXPECT_EQ(gui::ui::testing::playedSounds(), (std::vector<int>{601}));
    const std::string appended = contents(csv);
    EXPECT_EQ(appended.substr(0, first.size() + 17), first + "\nTeam,Night Owls\n");
    EXPECT_NE(appended.find("Starter Status,Phone,"), std::string::npos);

    // No to appending and to overwriting leaves the file alone.
    saveAs(editor, csv, 2, {gui::ui::ResultNo, gui::ui::ResultNo});
    EXPECT_EQ(contents(csv), appended);

    // A name ending in .html is a web page, whatever the filter.
    saveAs(editor, base + QStringLiteral(".html"), 1, {gui::ui::ResultNo});
    EXPECT_EQ(contents(base + QStringLiteral(".html"))
                  .rfind("<HTML><HEAD><meta charset=\"utf-8\"><TITLE>Basketball Courtlog Night Owls", 0),
              0u);

    const QString pdf = dir.filePath(QStringLiteral("roster.pdf"));
    gui::ui::testing::printToFileInstead(pdf);
    click(&editor, "printButton");
    gui::ui::testing::printToFileInstead({});
    EXPECT_TRUE(pdfText(pdf).contains(QStringLiteral("Night Owls")));
    EXPECT_TRUE(pdfText(pdf).contains(QStringLiteral("Owls Player 2")));
}

// The typed extension chooses the writer, whatever kind the dialog shows:
// "t2.csv" with "Team File" selected is a roster, and the team stays on its
// own file; a name without one takes the selected kind's. The dialog
// proposes the team's name for a team file.
TEST(RosterOutput, SaveAsWritesTheKindTheTypedNameAsksFor) {
    freshHooks();
    QTemporaryDir dir;
    Team team = teamWithLineup("Owls", 2);
    team.fileName = QDir(dir.path()).filePath(QStringLiteral("owls.tem")).toStdString();
    ASSERT_TRUE(team.saveTo(team.fileName));
    TeamEdit editor(team);
    editor.show();
    typeInto(&editor, "teamNameEdit", QStringLiteral("Night Owls"));

    saveAs(editor, QDir(dir.path()).filePath(QStringLiteral("t2.csv")), 1, {gui::ui::ResultNo});
    EXPECT_EQ(gui::ui::testing::lastFileDialogOptions().initialName, QStringLiteral("Night Owls.tem"));
    EXPECT_EQ(contents(QDir(dir.path()).filePath(QStringLiteral("t2.csv"))).substr(0, 19),
              "\xEF\xBB\xBFTeam,Night Owls\n");
    EXPECT_FALSE(QFile::exists(QDir(dir.path()).filePath(QStringLiteral("t2.tem"))));
    EXPECT_EQ(team.fileName, QDir(dir.path()).filePath(QStringLiteral("owls.tem")).toStdString());

    saveAs(editor, QDir(dir.path()).filePath(QStringLiteral("t3")), 3, {gui::ui::ResultNo});
    EXPECT_EQ(contents(QDir(dir.path()).filePath(QStringLiteral("t3.htm"))).rfind("<HTML>", 0), 0u);
    // An extension no kind has: the selected kind's is added.
    saveAs(editor, QDir(dir.path()).filePath(QStringLiteral("t4.v2")), 2, {gui::ui::ResultNo});
    EXPECT_EQ(contents(QDir(dir.path()).filePath(QStringLiteral("t4.v2.csv"))).substr(3, 5), "Team,");
}
