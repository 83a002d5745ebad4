#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "GuiTestSupport.h"
#include "gui/people/RosterEdit.h"
#include "gui/people/LogoPreview.h"
#include "gui/people/TeamEdit.h"
#include "gui/ui/FileDialogs.h"
#include "gui/ui/TextFields.h"

using namespace courtlog;
using namespace courtlog::testsupport;
using courtlog::gui::people::TeamEdit;

namespace {

// An 8-bit picture with a colour table of grey levels.
QString writeIndexedBmp(const QDir& dir, const QString& name) {
    QImage image(8, 4, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < 4; ++i) table << qRgb(i * 40, i * 40, i * 40);
    image.setColorTable(table);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x) image.setPixel(x, y, static_cast<uint>(x % 4));
    const QString path = dir.filePath(name);
    EXPECT_TRUE(image.save(path, "BMP"));
    return path;
}

QString writeTrueColourBmp(const QDir& dir, const QString& name) {
    QImage image(8, 4, QImage::Format_RGB888);
    image.fill(QColor(10, 20, 30));
    const QString path = dir.filePath(name);
    EXPECT_TRUE(image.save(path, "BMP"));
    return path;
}

QString fadeText(TeamEdit& editor) { return control<QLabel>(&editor, "fadeLabel")->text(); }

}  // namespace

TEST(TeamEdit, ShowsTheTeamAndCancelKeepsLogoFadeAndLayoutButNotTypedNames) {
    freshHooks();
    QTemporaryDir dir;
    const QString logo = writeIndexedBmp(QDir(dir.path()), QStringLiteral("eagles.bmp"));
    Team team = teamWithLineup("Eagles", 6);
    team.logoFile = "nowhere.bmp";
    team.logoFade = 10;

    TeamEdit editor(team);
    editor.show();
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("Edit Team"));
    EXPECT_EQ(control<QLineEdit>(&editor, "teamNameEdit")->text(), QStringLiteral("Eagles"));
    EXPECT_EQ(control<QLineEdit>(&editor, "coachEdit")->text(), QStringLiteral("Coach Eagles"));
    EXPECT_EQ(fadeText(editor), QStringLiteral(" 10%"));

    typeInto(&editor, "teamNameEdit", QStringLiteral("Hawks"));
    typeInto(&editor, "coachEdit", QStringLiteral("Someone Else"));
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{logo, 1});
    click(&editor, "changeLogoButton");
    EXPECT_EQ(gui::ui::testing::lastFileDialogOptions().filters, QStringLiteral("Bitmap (*.bmp)|*.bmp|"));
    click(&editor, "fadeUpButton");
    control<QComboBox>(&editor, "layoutList")->setCurrentIndex(2);
    click(&editor, "cancelButton");

    EXPECT_EQ(editor.result(), 2);
    EXPECT_EQ(team.logoFile, logo.toStdString());
    EXPECT_EQ(team.logoFade, 15);
    EXPECT_EQ(team.logoLayout, 2);
    EXPECT_EQ(team.name, "Eagles");
    EXPECT_EQ(team.coach, "Coach Eagles");
}

TEST(TeamEdit, OkKeepsTheTypedNamesCutToTheRecord) {
    freshHooks();
    Team team;
    TeamEdit editor(team);
    editor.show();
    // The field itself stops at 24 characters; characters Windows-1252
    // cannot hold are refused as they are typed.
    typeInto(&editor, "teamNameEdit", QStringLiteral("Ørsted Ω Basketball Club of the North"));
    typeInto(&editor, "assistantEdit", QStringLiteral("Zoë"));
    click(&editor, "okButton");
    EXPECT_EQ(editor.result(), 1);
    // The blank the cut leaves at the end is dropped with it.
    EXPECT_EQ(team.name, std::string("\xD8rsted  Basketball Club"));
    EXPECT_EQ(team.assistant, std::string("Zo\xEB"));
    EXPECT_EQ(gui::ui::testing::playedSounds().front(), gui::ui::SoundClick);
}

TEST(TeamEdit, FadeStepsByFiveAndStepsPastTheBoundsOnlyOnce) {
    freshHooks();
    struct Case {
        int start;
        bool up;
        int presses;
        int expected;
        const char* label;
    };
    const Case cases[] = {
        {0, true, 1, 5, "  5%"},    {95, true, 3, 100, "100%"}, {97, true, 1, 102, "102%"},
        {97, true, 3, 102, "102%"}, {3, false, 1, -2, " -2%"},  {3, false, 4, -2, " -2%"},
        {0, false, 2, 0, "  0%"},   {50, false, 2, 40, " 40%"},
    };
    for (const Case& c : cases) {
        Team team;
        team.logoFade = static_cast<std::int16_t>(c.start);
        TeamEdit editor(team);
        for (int i = 0; i < c.presses; ++i) click(&editor, c.up ? "fadeUpButton" : "fadeDownButton");
        EXPECT_EQ(team.logoFade, c.expected) << "from " << c.start;
        EXPECT_EQ(fadeText(editor), QString::fromLatin1(c.label)) << "from " << c.start;
    }
}

TEST(TeamEdit, LogoPreviewFadesTheColourTableAndFallsBackToTheBareName) {
    freshHooks();
    QTemporaryDir dir;
    writeIndexedBmp(QDir(dir.path()), QStringLiteral("crest.bmp"));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());

    gui::people::LogoPreview logo;
    // The folder is gone but the file sits in the current directory.
    logo.loadLogo(QStringLiteral("C:\\Teams\\Old\\crest.bmp"), 100);
    ASSERT_TRUE(logo.hasPicture());
    for (QRgb entry : logo.shownImage().colorTable()) EXPECT_EQ(entry & 0xFFFFFF, 0xFFFFFFu);
    logo.setFade(0);
    EXPECT_EQ(logo.shownImage().colorTable().value(1) & 0xFFFFFF, qRgb(40, 40, 40) & 0xFFFFFF);

    logo.loadLogo(QStringLiteral("missing.bmp"), 0);
    EXPECT_FALSE(logo.hasPicture());
    EXPECT_TRUE(gui::ui::testing::shownMessages().empty());
    QDir::setCurrent(previous);
}

TEST(TeamEdit, TrueColourLogoIsShownUnfadedWithAMessage) {
    freshHooks();
    QTemporaryDir dir;
    const QString path = writeTrueColourBmp(QDir(dir.path()), QStringLiteral("photo.bmp"));
    gui::people::LogoPreview logo;
    logo.loadLogo(path, 50);
    ASSERT_TRUE(logo.hasPicture());
    EXPECT_EQ(logo.shownImage().pixel(0, 0) & 0xFFFFFF, qRgb(10, 20, 30) & 0xFFFFFF);
    ASSERT_EQ(gui::ui::testing::shownMessages().size(), 1u);
    EXPECT_EQ(gui::ui::testing::shownMessages()[0].text,
              QStringLiteral("Dib has no color table, using default palette"));
    EXPECT_EQ(gui::ui::testing::shownMessages()[0].caption, gui::ui::kApplicationName);
}

TEST(TeamEdit, RosterEditorWorksOnACopyNamedAsTyped) {
    freshHooks();
    Team team = teamWithLineup("Eagles", 3);
    TeamEdit editor(team);
    editor.show();
    typeInto(&editor, "teamNameEdit", QStringLiteral("Typed Name"));

    // Cancel in the roster editor leaves the roster alone.
    whenModal<gui::people::RosterEdit>([](gui::people::RosterEdit* roster) {
        click(roster, "clearDataButton");
        typeInto(roster, "nameEdit", QStringLiteral("Newcomer"));
        typeInto(roster, "numberEdit", QStringLiteral("9"));
        click(roster, "addPlayerButton");
        click(roster, "cancelButton");
    });
    click(&editor, "editRosterButton");
    EXPECT_EQ(team.playerCount(), 3);

    // OK hands the edited roster back; the captions show the typed name.
    QString caption;
    whenModal<gui::people::RosterEdit>([&caption](gui::people::RosterEdit* roster) {
        clickRow(control<QListWidget>(roster, "rosterList"), 1);
        caption = roster->windowTitle();
        click(roster, "clearDataButton");
        typeInto(roster, "nameEdit", QStringLiteral("Newcomer"));
        typeInto(roster, "numberEdit", QStringLiteral("9"));
        click(roster, "addPlayerButton");
        click(roster, "okButton");
    });
    click(&editor, "editRosterButton");
    EXPECT_EQ(caption, QStringLiteral("Typed Name - Player 2 out of 3"));
    ASSERT_EQ(team.playerCount(), 4);
    EXPECT_EQ(team.players[3].name, "Newcomer");
    EXPECT_EQ(team.name, "Eagles");
}

TEST(TeamEdit, TabOrderFollowsTheLayout) {
    Team team;
    TeamEdit editor(team);
    EXPECT_EQ(tabOrder(&editor).join(QLatin1Char(' ')),
              QStringLiteral("teamNameEdit coachEdit assistantEdit changeLogoButton layoutList fadeUpButton "
                             "fadeDownButton okButton cancelButton editRosterButton saveAsButton printButton "
                             "setupButton"));
    gui::people::RosterEdit roster(team);
    EXPECT_EQ(
        tabOrder(&roster).join(QLatin1Char(' ')),
        QStringLiteral("rosterList lineupList1 lineupList2 lineupList3 lineupList4 lineupList5 nameEdit "
                       "numberEdit positionList clearDataButton okButton cancelButton addPlayerButton "
                       "updatePlayerButton deleteButton personalInfoButton"));
}

TEST(TeamEdit, EnterOnAFocusedButtonPressesThatButtonNotOk) {
    freshHooks();
    Team team;
    team.name = "Eagles";
    TeamEdit editor(team);
    editor.show();
    typeInto(&editor, "teamNameEdit", QStringLiteral("Typed"));
    auto* up = control<QPushButton>(&editor, "fadeUpButton");
    up->setFocus();
    QTest::keyClick(up, Qt::Key_Return);
    EXPECT_EQ(team.logoFade, 5);
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(team.name, "Eagles");

    // Enter in a text field is still OK.
    auto* name = control<QLineEdit>(&editor, "teamNameEdit");
    name->setFocus();
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_EQ(editor.result(), 1);
    EXPECT_EQ(team.name, "Typed");
}

// Typing a character the team file cannot hold: the edit refuses it and a
// tooltip says why; accented Latin letters go in and reach the record.
TEST(TeamEdit, CharactersATeamFileCannotHoldAreRefusedAsTheyAreTyped) {
    freshHooks();
    Team team = teamWithLineup("Owls", 1);
    courtlog::gui::people::TeamEdit editor(team);
    editor.show();
    typeInto(&editor, "coachEdit", QStringLiteral("Zhang 张伟"));
    auto* coach = control<QLineEdit>(&editor, "coachEdit");
    EXPECT_EQ(coach->text(), QStringLiteral("Zhang "));
    // The last character refused is the one the tip names.
    EXPECT_TRUE(coach->property(gui::ui::kRefusalProperty).toString().startsWith(QStringLiteral("“伟” cannot be stored")));
    typeInto(&editor, "assistantEdit", QStringLiteral("José Müller-Groß"));
    EXPECT_EQ(control<QLineEdit>(&editor, "assistantEdit")->text(), QStringLiteral("José Müller-Groß"));
    click(&editor, "okButton");
    EXPECT_EQ(team.coach, "Zhang");  // blanks around a name are dropped
    EXPECT_EQ(team.assistant, "Jos\xE9 M\xFCller-Gro\xDF");
}

// A picture whose path the team file cannot hold is refused with a message
// and the previous logo stays; one lying beside the team file is stored by
// its bare name and found there even from another current folder.
TEST(TeamEdit, LogoPathsTheTeamFileCannotHoldAreRefusedOrKeptBesideTheTeam) {
    freshHooks();
    QTemporaryDir dir;
    const QDir base(dir.path());
    const QString oldLogo = writeIndexedBmp(base, QStringLiteral("old.bmp"));
    const QString longName = QString(70, QLatin1Char('f'));
    ASSERT_TRUE(base.mkpath(longName));
    const QDir deep(base.filePath(longName));
    const QString farLogo = writeIndexedBmp(deep, QStringLiteral("crest.bmp"));

    Team team = teamWithLineup("Owls", 1);
    team.fileName = base.filePath(QStringLiteral("owls.tem")).toStdString();
    team.logoFile = oldLogo.toStdString();
    TeamEdit editor(team);
    editor.show();
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{farLogo, 1});
    click(&editor, "changeLogoButton");
    ASSERT_EQ(gui::ui::testing::shownMessages().size(), 1u);
    EXPECT_TRUE(gui::ui::testing::shownMessages()[0].text.startsWith(
        QStringLiteral("The team file cannot hold the path of this picture:")));
    EXPECT_EQ(team.logoFile, oldLogo.toStdString());
    EXPECT_TRUE(editor.findChild<gui::people::LogoPreview*>()->hasPicture());

    // The same long folder holding the team file: the bare name is stored.
    Team deepTeam = teamWithLineup("Deep", 1);
    deepTeam.fileName = deep.filePath(QStringLiteral("deep.tem")).toStdString();
    TeamEdit deepEditor(deepTeam);
    deepEditor.show();
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{farLogo, 1});
    click(&deepEditor, "changeLogoButton");
    EXPECT_EQ(deepTeam.logoFile, "crest.bmp");
    const QString before = QDir::currentPath();
    QDir::setCurrent(QDir::tempPath());
    TeamEdit reopened(deepTeam);
    EXPECT_TRUE(reopened.findChild<gui::people::LogoPreview*>()->hasPicture());
    QDir::setCurrent(before);
}

// A new team's "default.bmp" shows whatever the current folder is: it is
// also found beside the program and built in.
TEST(TeamEdit, TheDefaultLogoIsFoundFromAnyFolder) {
    freshHooks();
    QTemporaryDir dir;
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    Team team;
    TeamEdit editor(team);
    const bool shown = editor.findChild<gui::people::LogoPreview*>()->hasPicture();
    QDir::setCurrent(before);
    EXPECT_EQ(team.logoFile, "default.bmp");
    EXPECT_TRUE(shown);
}

// Long texts open at their first letter, and the lineup lists of the roster
// editor show a whole 24-character name.
TEST(TeamEdit, LongNamesAreShownFromTheirStartAndWhole) {
    freshHooks();
    Team team = teamWithLineup("Owls", 2);
    team.coach = "Maximilian Oberhausenbe";
    team.players[0].name = "Christopher Montgomery-X";
    TeamEdit editor(team);
    editor.resize(editor.minimumSizeHint());
    editor.show();
    auto* coach = control<QLineEdit>(&editor, "coachEdit");
    EXPECT_EQ(coach->cursorPosition(), 0);

    courtlog::gui::people::RosterEdit roster(team);
    roster.resize(roster.minimumSizeHint());
    roster.show();
    auto* lineup = control<QComboBox>(&roster, "lineupList1");
    const QString text = lineup->itemText(0);
    ASSERT_EQ(text, QStringLiteral("03 - Christopher Montgomery-X, G"));
    // The text area of the box (its width less the arrow) holds the text.
    EXPECT_GE(lineup->width() - lineup->height(), lineup->fontMetrics().horizontalAdvance(text));
}
