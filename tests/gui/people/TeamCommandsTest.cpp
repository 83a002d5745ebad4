#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>

#include "GuiTestSupport.h"
#include "gui/ui/AppState.h"
#include "gui/people/TeamCommands.h"
#include "gui/people/RosterEdit.h"
#include "gui/people/TeamEdit.h"
#include "gui/ui/FileDialogs.h"

using namespace courtlog;
using namespace courtlog::testsupport;
using courtlog::gui::people::RosterEdit;
using courtlog::gui::people::TeamEdit;

namespace {

void writeText(const QString& path, const QByteArray& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

Team loadTeam(const QString& path) { return courtlog::testing::teamOnDisk(path.toStdString()); }

void enterPlayer(RosterEdit* roster, const QString& name, int number, int position) {
    typeInto(roster, "nameEdit", name);
    typeInto(roster, "numberEdit", QString::number(number));
    control<QComboBox>(roster, "positionList")->setCurrentIndex(position);
    click(roster, "addPlayerButton");
}

}  // namespace

// A user's whole path: a new team of twelve with a starting five, saved;
// opened again, players edited and deleted, saved again.
TEST(TeamCommands, NewTeamWithTwelvePlayersIsSavedReopenedAndEdited) {
    freshHooks();
    QTemporaryDir dir;
    const QString base = QDir(dir.path()).filePath(QStringLiteral("eagles"));

    whenModal<TeamEdit>([](TeamEdit* editor) {
        typeInto(editor, "teamNameEdit", QStringLiteral("Eagles"));
        typeInto(editor, "coachEdit", QStringLiteral("Anna Berg"));
        typeInto(editor, "assistantEdit", QStringLiteral("Tom Lind"));
        whenModal<RosterEdit>([](RosterEdit* roster) {
            for (int i = 1; i <= 12; ++i)
                enterPlayer(roster, QStringLiteral("Player %1").arg(i), 10 + i, i % 4);
            for (int slot = 1; slot <= 5; ++slot)
                control<QComboBox>(roster, QStringLiteral("lineupList%1").arg(slot).toLatin1().constData())
                    ->setCurrentIndex(slot + 1);
            click(roster, "okButton");
        });
        click(editor, "editRosterButton");
        click(editor, "okButton");
    });
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{base, 1});
    gui::people::newTeamCommand(nullptr);

    EXPECT_EQ(gui::ui::testing::lastFileDialogOptions().filters, QStringLiteral("Team Files (*.tem)|*.tem|"));
    const QString saved = base + QStringLiteral(".tem");
    ASSERT_TRUE(QFileInfo::exists(saved));
    EXPECT_EQ(QFileInfo(saved).size(), 266 + 378 * 12);
    Team team = loadTeam(saved);
    EXPECT_EQ(team.name, "Eagles");
    EXPECT_EQ(team.coach, "Anna Berg");
    ASSERT_EQ(team.playerCount(), 12);
    EXPECT_EQ(team.players[0].name, "Player 1");
    EXPECT_EQ(team.players[11].number, 22);
    for (int slot = 1; slot <= 5; ++slot)
        EXPECT_EQ(team.players[static_cast<std::size_t>(slot + 1)].courtSlot, slot);

    // Open it again: rename player 4, delete player 10.
    QString captionWhileEditing;
    whenModal<TeamEdit>([&captionWhileEditing](TeamEdit* editor) {
        whenModal<RosterEdit>([&captionWhileEditing](RosterEdit* roster) {
            auto* list = control<QListWidget>(roster, "rosterList");
            clickRow(list, 3);
            captionWhileEditing = roster->windowTitle();
            typeInto(roster, "nameEdit", QStringLiteral("Renamed Four"));
            clickRow(list, 9);
            click(roster, "deleteButton");
            click(roster, "okButton");
        });
        click(editor, "editRosterButton");
        click(editor, "okButton");
    });
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{saved, 1});
    gui::people::editTeamCommand(nullptr);

    EXPECT_EQ(captionWhileEditing, QStringLiteral("Eagles - Player 4 out of 12"));
    team = loadTeam(saved);
    ASSERT_EQ(team.playerCount(), 11);
    EXPECT_EQ(team.players[3].name, "Renamed Four");
    EXPECT_EQ(team.players[3].courtSlot, 2);
    EXPECT_EQ(team.players[9].name, "Player 11");
}

TEST(TeamCommands, EditOpensACommaDelimitedRosterAndSavesItAsATeamFileBesideIt) {
    freshHooks();
    QTemporaryDir dir;
    const QString csv = QDir(dir.path()).filePath(QStringLiteral("wolves.csv"));
    writeText(
        csv,
        "Team,Wolves\nCoach,Anna Berg,Assistant,Tom Lind\nTeamLogo,default.bmp\n#,Name,Pos,Starter Status\n"
        "7,Jones,Guard,Guard 1\n00,Smith,Forward,Not a Starter\n");
    gui::ui::appState().homeDirectory = dir.path();

    whenModal<TeamEdit>([](TeamEdit* editor) { click(editor, "okButton"); });
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{csv, 2});
    const QString tem = QDir(dir.path()).filePath(QStringLiteral("wolves.tem"));
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{tem, 1});
    gui::people::editTeamCommand(nullptr);

    // The save dialog proposed the team file beside the roster.
    EXPECT_EQ(gui::ui::testing::lastFileDialogOptions().initialName, tem);
    ASSERT_TRUE(QFileInfo::exists(tem));
    Team team = loadTeam(tem);
    EXPECT_EQ(team.name, "Wolves");
    ASSERT_EQ(team.playerCount(), 2);
    EXPECT_EQ(team.players[1].number, -1);
}

TEST(TeamCommands, ImportOfABadTextRosterShowsTheLineAndOpensNothing) {
    freshHooks();
    QTemporaryDir dir;
    const QString txt = QDir(dir.path()).filePath(QStringLiteral("bad.txt"));
    writeText(txt, "Wolves\nAnna Berg\nTom Lind\nJones,1,1,7\nSmith,1,1,150\n");
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{txt, 2});
    gui::people::importTeamCommand(nullptr);

    EXPECT_EQ(gui::ui::testing::lastFileDialogOptions().filters,
              QStringLiteral("Comma Delimited Format (*.csv)|*.csv|Text Format (*.txt)|*.txt|"));
    ASSERT_EQ(gui::ui::testing::shownMessages().size(), 1u);
    EXPECT_EQ(gui::ui::testing::shownMessages()[0].text,
              QStringLiteral("Invalid Import Format, line number 5\n\u201C150\u201D is not a uniform number. The "
                             "uniform number must be 00 or a number from 0 to 99."));
    EXPECT_EQ(gui::ui::testing::shownMessages()[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

TEST(TeamCommands, ImportedTextRosterIsSavedAsTeamFileNeverOverTheText) {
    freshHooks();
    QTemporaryDir dir;
    const QString txt = QDir(dir.path()).filePath(QStringLiteral("Hawks.TXT"));
    const QByteArray text = "Hawks\nJo Coach\nAl Helper\nJones,Guard,1,7\nSmith,3,2,00\n";
    writeText(txt, text);

    std::string nameInEditor;
    whenModal<TeamEdit>([&nameInEditor](TeamEdit* editor) {
        nameInEditor = control<QLineEdit>(editor, "teamNameEdit")->text().toStdString();
        click(editor, "okButton");
    });
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{txt, 2});
    const QString tem = QDir(dir.path()).filePath(QStringLiteral("Hawks.tem"));
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{tem, 1});
    gui::people::importTeamCommand(nullptr);

    EXPECT_EQ(nameInEditor, "Hawks");
    EXPECT_EQ(gui::ui::testing::lastFileDialogOptions().initialName, tem);
    Team team = loadTeam(tem);
    ASSERT_EQ(team.playerCount(), 2);
    EXPECT_EQ(team.players[0].courtSlot, 1);
    EXPECT_EQ(team.players[1].position, 3);
    QFile original(txt);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    EXPECT_EQ(original.readAll(), text);
}

TEST(TeamCommands, SaveAsWritesATeamFileAndAsksBeforeReplacingIt) {
    freshHooks();
    QTemporaryDir dir;
    Team team = teamWithLineup("Owls", 3);
    TeamEdit editor(team);
    editor.show();
    typeInto(&editor, "teamNameEdit", QStringLiteral("Night Owls"));

    const QString path = QDir(dir.path()).filePath(QStringLiteral("owls"));
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{path, 1});
    click(&editor, "saveAsButton");
    EXPECT_EQ(gui::ui::testing::lastFileDialogOptions().title, QStringLiteral("Select file name to save as"));
    Team saved = loadTeam(path + QStringLiteral(".tem"));
    EXPECT_EQ(saved.name, "Night Owls");  // as typed, before the editor's OK
    EXPECT_EQ(saved.playerCount(), 3);

    // Saving over it asks first; No keeps the file as it was.
    typeInto(&editor, "teamNameEdit", QStringLiteral("Changed"));
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{path + QStringLiteral(".tem"), 1});
    gui::ui::testing::queueMessageAnswer(gui::ui::ResultNo);
    click(&editor, "saveAsButton");
    // Asked once: by the team editor, not a second time by the save dialog.
    EXPECT_EQ(messageTexts(), std::vector<QString>{QStringLiteral("Overwrite Existing File?")});
    EXPECT_EQ(loadTeam(path + QStringLiteral(".tem")).name, "Night Owls");

}

// A roster typed or picked by its full name while the team-file filter is
// showing is still read as a roster, not as a binary team file.
TEST(TeamCommands, EditTellsRosterFromTeamFileByItsExtension) {
    freshHooks();
    QTemporaryDir dir;
    const QString csv = QDir(dir.path()).filePath(QStringLiteral("wolves.CSV"));
    writeText(
        csv,
        "Team,Wolves\nCoach,Anna Berg,Assistant,Tom Lind\nTeamLogo,default.bmp\n#,Name,Pos,Starter Status\n"
        "7,Jones,Guard,Guard 1\n");
    const QString tem = QDir(dir.path()).filePath(QStringLiteral("hawks.tem"));
    ASSERT_TRUE(teamWithLineup("Hawks", 5).saveTo(tem.toStdString()));

    std::string shown;
    auto readName = [&shown](TeamEdit* editor) {
        shown = control<QLineEdit>(editor, "teamNameEdit")->text().toStdString();
        click(editor, "cancelButton");
    };
    whenModal<TeamEdit>(readName);
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{csv, 1});
    gui::people::editTeamCommand(nullptr);
    EXPECT_EQ(shown, "Wolves");

    whenModal<TeamEdit>(readName);
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{tem, 2});
    gui::people::editTeamCommand(nullptr);
    EXPECT_EQ(shown, "Hawks");
}

// The team save dialog asks before it replaces a file: No goes back to
// choosing, and the next name chosen gets the team.
TEST(TeamCommands, SavingANewTeamAsksBeforeReplacingAFile) {
    freshHooks();
    QTemporaryDir dir;
    const QString taken = QDir(dir.path()).filePath(QStringLiteral("eagles.tem"));
    const QString other = QDir(dir.path()).filePath(QStringLiteral("eagles2.tem"));
    ASSERT_TRUE(teamWithLineup("Old Eagles", 2).saveTo(taken.toStdString()));
    whenModal<TeamEdit>([](TeamEdit* editor) {
        typeInto(editor, "teamNameEdit", QStringLiteral("Eagles"));
        click(editor, "okButton");
    });
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{taken, 1});
    gui::ui::testing::queueMessageAnswer(gui::ui::ResultNo);
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{other, 1});
    gui::people::newTeamCommand(nullptr);
    EXPECT_EQ(messageTexts(), std::vector<QString>{QStringLiteral("Overwrite Existing File?")});
    EXPECT_EQ(loadTeam(taken).name, "Old Eagles");
    EXPECT_EQ(loadTeam(other).name, "Eagles");
}

// A team whose save fails is not lost: the save dialog comes again, and the
// second folder gets the file.
TEST(TeamCommands, AFailedSaveOffersTheSaveDialogAgain) {
    freshHooks();
    QTemporaryDir dir;
    whenModal<TeamEdit>([](TeamEdit* editor) {
        typeInto(editor, "teamNameEdit", QStringLiteral("Eagles"));
        click(editor, "okButton");
    });
    const QString unwritable = QDir(dir.path()).filePath(QStringLiteral("no-such-folder/eagles.tem"));
    const QString good = QDir(dir.path()).filePath(QStringLiteral("eagles.tem"));
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{unwritable, 1});
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{good, 1});
    gui::people::newTeamCommand(nullptr);

    ASSERT_EQ(gui::ui::testing::shownMessages().size(), 1u);
    EXPECT_TRUE(gui::ui::testing::shownMessages()[0].text.startsWith(QStringLiteral("Can't save team !\n") + unwritable));
    // The second dialog proposes the name that failed, so only the folder
    // needs changing.
    EXPECT_EQ(gui::ui::testing::lastFileDialogOptions().initialName, unwritable);
    EXPECT_EQ(loadTeam(good).name, "Eagles");
}

TEST(TeamCommands, CancellingTheSaveDialogAfterAFailureGivesUp) {
    freshHooks();
    QTemporaryDir dir;
    const QString tem = QDir(dir.path()).filePath(QStringLiteral("owls.tem"));
    Team team = teamWithLineup("Owls", 2);
    ASSERT_TRUE(team.saveTo(tem.toStdString()));
    // The team's own folder goes away while it is open in the editor.
    whenModal<TeamEdit>([&dir](TeamEdit* editor) {
        typeInto(editor, "teamNameEdit", QStringLiteral("Night Owls"));
        QDir(dir.path()).removeRecursively();
        click(editor, "okButton");
    });
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{tem, 1});  // the team to edit
    gui::ui::testing::queueFileAnswer(std::nullopt);            // gives up
    gui::people::editTeamCommand(nullptr);
    ASSERT_EQ(gui::ui::testing::shownMessages().size(), 1u);
    EXPECT_TRUE(gui::ui::testing::shownMessages()[0].text.startsWith(QStringLiteral("Can't save team !")));
    EXPECT_EQ(gui::ui::testing::lastFileDialogOptions().initialName, tem);
}

// A Save As that could not be written (and whose retry was cancelled)
// does not move the team: OK still saves it to the file it was opened from.
TEST(TeamCommands, AFailedSaveAsLeavesOkOnTheTeamsOwnFile) {
    freshHooks();
    QTemporaryDir dir;
    const QString own = QDir(dir.path()).filePath(QStringLiteral("owls.tem"));
    const QString unwritable = QDir(dir.path()).filePath(QStringLiteral("no-such-folder/owls.tem"));
    ASSERT_TRUE(teamWithLineup("Owls", 2).saveTo(own.toStdString()));
    whenModal<TeamEdit>([&](TeamEdit* editor) {
        typeInto(editor, "teamNameEdit", QStringLiteral("Night Owls"));
        gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{unwritable, 1});
        gui::ui::testing::queueFileAnswer(std::nullopt);  // the retry is cancelled
        click(editor, "saveAsButton");
        // Taken only if OK went to the failed name and offered the dialog again.
        gui::ui::testing::queueFileAnswer(std::nullopt);
        click(editor, "okButton");
    });
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{own, 1});
    gui::people::editTeamCommand(nullptr);
    EXPECT_EQ(gui::ui::testing::pendingFileAnswers(), 1u);
    gui::ui::testing::clearFileAnswers();
    EXPECT_EQ(loadTeam(own).name, "Night Owls");
    EXPECT_FALSE(QFileInfo::exists(unwritable));
}

// OK on a team read from a damaged file asks before overwriting it; No
// saves it elsewhere and leaves the damaged file as it was.
TEST(TeamCommands, ADamagedTeamFileIsNotOverwrittenWithoutAsking) {
    freshHooks();
    QTemporaryDir dir;
    const QString tem = QDir(dir.path()).filePath(QStringLiteral("odd.tem"));
    Team team = teamWithLineup("Odd", 2);
    team.logoFade = 1225;
    ASSERT_TRUE(team.saveTo(tem.toStdString()));
    QFile original(tem);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray bytes = original.readAll();
    original.close();

    whenModal<TeamEdit>([](TeamEdit* editor) {
        EXPECT_EQ(control<QLabel>(editor, "fadeLabel")->text(), QStringLiteral("100%"));
        click(editor, "okButton");
    });
    const QString other = QDir(dir.path()).filePath(QStringLiteral("mended.tem"));
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{tem, 1});
    gui::ui::testing::queueMessageAnswer(gui::ui::ResultOk);
    gui::ui::testing::queueMessageAnswer(gui::ui::ResultNo);
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{other, 1});
    gui::people::editTeamCommand(nullptr);

    ASSERT_EQ(gui::ui::testing::shownMessages().size(), 2u);
    EXPECT_EQ(gui::ui::testing::shownMessages()[0].caption, QStringLiteral("Damaged Team File"));
    EXPECT_EQ(gui::ui::testing::shownMessages()[1].caption, QStringLiteral("Save Team"));
    EXPECT_EQ(gui::ui::testing::shownMessages()[1].buttons, gui::ui::MessageButtons::YesNo);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    EXPECT_EQ(original.readAll(), bytes);
    const Team mended = loadTeam(other);
    EXPECT_EQ(mended.logoFade, 100);
    EXPECT_FALSE(mended.damaged);
}

// A team file cut short says so when it is opened; Cancel opens nothing.
TEST(TeamCommands, OpeningATruncatedTeamFileSaysHowManyPlayersCouldBeRead) {
    freshHooks();
    QTemporaryDir dir;
    const QString tem = QDir(dir.path()).filePath(QStringLiteral("owls.tem"));
    Team team = teamWithLineup("Owls", 11);
    std::vector<std::uint8_t> bytes = team.toBytes();
    bytes.resize(Team::kHeaderSize + 9 * Player::kRecordSize);
    courtlog::testing::writeBytes(tem.toStdString(), bytes);

    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{tem, 1});
    gui::ui::testing::queueMessageAnswer(gui::ui::ResultCancel);
    gui::people::editTeamCommand(nullptr);

    ASSERT_EQ(gui::ui::testing::shownMessages().size(), 1u);
    EXPECT_EQ(gui::ui::testing::shownMessages()[0].text,
              QStringLiteral("The team file owls.tem is damaged: 9 of its 11 players could be read.\n\n"
                             "Open what could be read?"));
    EXPECT_EQ(gui::ui::testing::shownMessages()[0].buttons, gui::ui::MessageButtons::OkCancel);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
