#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "GuiTestSupport.h"
#include "core/records/Game.h"
#include "gui/scoring/GameCommands.h"
#include "gui/scoring/GameEdit.h"
#include "gui/ui/FileDialogs.h"

using namespace courtlog;
using namespace courtlog::testsupport;
using courtlog::gui::scoring::GameEdit;

// A new game whose first save fails is offered the save dialog again; the
// game is written to the second choice with everything typed into it.
TEST(GameSave, ANewGameWhoseSaveFailsIsOfferedTheDialogAgain) {
    freshHooks();
    QTemporaryDir dir;
    const QString home = QStringLiteral(COURTLOG_SAMPLES "/harbor-hawks.tem");
    const QString visitor = QStringLiteral(COURTLOG_SAMPLES "/valley-miners.tem");
    const QString unwritable = QDir(dir.path()).filePath(QStringLiteral("gone/game.gam"));
    const QString good = QDir(dir.path()).filePath(QStringLiteral("game.gam"));
    whenModal<GameEdit>([&](GameEdit* editor) {
        gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{home, 1});
        click(editor, "homeSelectButton");
        gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{visitor, 1});
        click(editor, "visitorSelectButton");
        typeInto(editor, "courtEdit", QStringLiteral("North Hall"));
        // The two answers of the save dialog: a folder that is gone, then
        // a good one.
        gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{unwritable, 1});
        gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{good, 1});
        click(editor, "okButton");
    });
    gui::scoring::newGameCommand(nullptr);

    ASSERT_EQ(gui::ui::testing::shownMessages().size(), 1u);
    EXPECT_TRUE(gui::ui::testing::shownMessages()[0].text.startsWith(QStringLiteral("Can't save game !\n") + unwritable));
    EXPECT_EQ(gui::ui::testing::lastFileDialogOptions().initialName, unwritable);
    Game saved;
    ASSERT_TRUE(saved.load(good.toStdString()));
    EXPECT_EQ(saved.court, "North Hall");
    EXPECT_EQ(saved.home.name, "Harbor Hawks");
}

// A team file that does not load is reported, and the team stays unselected.
TEST(GameSave, SelectingATeamFileThatDoesNotLoadSaysSo) {
    freshHooks();
    QTemporaryDir dir;
    const QString broken = QDir(dir.path()).filePath(QStringLiteral("broken.tem"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("only forty bytes of something else.....");
    file.close();
    Game game;
    GameEdit editor(game);
    editor.show();
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{broken, 1});
    click(&editor, "homeSelectButton");
    EXPECT_FALSE(editor.homeSelected());
    ASSERT_EQ(gui::ui::testing::shownMessages().size(), 1u);
    EXPECT_EQ(gui::ui::testing::shownMessages()[0].text, QStringLiteral("Can't load team !"));
    EXPECT_EQ(gui::ui::testing::shownMessages()[0].caption, QStringLiteral("File corrupt or missing ?"));
}

// Game setup refuses a team file cut short, with the reason.
TEST(GameSave, SelectingATruncatedTeamFileRefusesItWithItsDamage) {
    freshHooks();
    QTemporaryDir dir;
    const QString tem = QDir(dir.path()).filePath(QStringLiteral("owls.tem"));
    std::vector<std::uint8_t> bytes = teamWithLineup("Owls", 11).toBytes();
    bytes.resize(Team::kHeaderSize + 9 * Player::kRecordSize);
    courtlog::testing::writeBytes(tem.toStdString(), bytes);
    Game game;
    GameEdit editor(game);
    editor.show();
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{tem, 1});
    click(&editor, "homeSelectButton");
    EXPECT_FALSE(editor.homeSelected());
    EXPECT_TRUE(messageShown(QStringLiteral("The team file owls.tem is damaged: 9 of its 11 players could be read.")));
}
