#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QFile>
#include <QFontInfo>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "../../core/output/BoxScoreTestGame.h"
#include "GuiTestSupport.h"
#include "RecordBuilders.h"
#include "core/output/BoxScore.h"
#include "gui/app/PdfCommand.h"
#include "gui/scoring/GameConsoleWindow.h"
#include "gui/scoring/PlayChoiceDialog.h"
#include "gui/stats/BoxScoreCommand.h"
#include "gui/stats/BoxScoreDialog.h"
#include "gui/stats/BoxScorePrintout.h"
#include "gui/ui/AppState.h"
#include "gui/ui/FileDialogs.h"
#include "gui/ui/Printing.h"
#include "gui/ui/ProgramSettings.h"
#include "gui/ui/RecordPaths.h"

using namespace courtlog;
using namespace courtlog::testsupport;
using courtlog::gui::scoring::GameConsoleWindow;
using courtlog::gui::scoring::PlayChoiceDialog;
using courtlog::gui::stats::BoxScoreDialog;

namespace {

// What the core makes of the game as it stands.
QStringList boxScoreLines(const Game& game) {
    QStringList lines;
    for (const std::string& line : output::BoxScore(game).textLines()) lines << QString::fromStdString(line);
    return lines;
}

BoxScoreDialog* openBoxScore() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<BoxScoreDialog*>(w); dialog && dialog->isVisible()) return dialog;
    return nullptr;
}

struct BoxScoreDialogTest : ::testing::Test {
    courtlog::testing::ScratchFolder folder;

    void SetUp() override {
        freshHooks();
        gui::ui::programSettings().setDefaults();
        gui::ui::programSettings().promptForShot = false;
    }
    void TearDown() override {
        gui::ui::AppState& state = gui::ui::appState();
        state.gameInProgress = false;
        state.currentGame = nullptr;
        state.console = nullptr;
        gui::ui::programSettings().setDefaults();
    }
};

}  // namespace

TEST_F(BoxScoreDialogTest, BesideTheConsoleItFollowsAPlayAndItsUndoUntilClosed) {
    Game game = courtlog::testing::game(teamWithLineup("Hawks", 6), teamWithLineup("Owls", 6));
    ASSERT_TRUE(game.save(folder.file("game.gam")));
    GameConsoleWindow console(nullptr, game, gui::ui::programSettings().league);
    console.show();
    gui::ui::AppState& state = gui::ui::appState();
    state.gameInProgress = true;
    state.currentGame = &game;
    state.console = &console;

    gui::stats::boxScoreCommand(&console);
    QPointer<BoxScoreDialog> dialog = openBoxScore();
    ASSERT_TRUE(dialog);
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Box Score"));
    EXPECT_TRUE(state.boxScoreViewerOpen);
    const QStringList before = boxScoreLines(game);
    EXPECT_EQ(dialog->lines(), before);

    whenModal<PlayChoiceDialog>([](PlayChoiceDialog* d) { click(d, "shotMade2PointerButton"); });
    QTest::mouseClick(control<QPushButton>(&console, "homeSlot1Button"), Qt::LeftButton);
    ASSERT_TRUE(processUntil([&] { return game.homeEventCount() == 1; }));
    EXPECT_EQ(dialog->lines(), boxScoreLines(game));
    EXPECT_TRUE(dialog->lines().contains(
        QStringLiteral("Home:    Hawks                       2     0     0     0     0    0       2")));

    QTest::keyClick(&console, Qt::Key_Z, Qt::ControlModifier);
    ASSERT_TRUE(processUntil([&] { return game.homeEventCount() == 0; }));
    EXPECT_EQ(dialog->lines(), before);

    click(dialog, "okButton");
    ASSERT_TRUE(processUntil([&] { return dialog.isNull(); }));
    EXPECT_FALSE(state.boxScoreViewerOpen);
}

TEST_F(BoxScoreDialogTest, WithoutAGameItShowsAGameFileModallyInCourierNew) {
    const std::string path = folder.saveGame(courtlog::testing::boxScoreTestGame(), "final.gam");
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{QString::fromStdString(path), 1});
    QStringList shown;
    QString family;
    bool viewerFlag = false;
    int reach = 0;
    int ruleWidth = 0;
    whenModal<BoxScoreDialog>([&](BoxScoreDialog* dialog) {
        shown = dialog->lines();
        auto* list = control<QListWidget>(dialog, "boxScoreList");
        family = QFontInfo(list->font()).family();
        // Made narrow, the widest line can still be scrolled into view.
        dialog->resize(400, 300);
        QApplication::processEvents();
        reach = list->horizontalScrollBar()->maximum() + list->viewport()->width();
        ruleWidth = QFontMetrics(list->font()).horizontalAdvance(QString(114, QLatin1Char('-')));
        viewerFlag = gui::ui::appState().boxScoreViewerOpen;
        click(dialog, "okButton");
    });
    gui::stats::boxScoreCommand(nullptr);
    EXPECT_EQ(gui::ui::testing::lastFileDialogOptions().filters, QStringLiteral("Game Files (*.gam)|*.gam|"));
    EXPECT_EQ(shown.join('\n') + '\n', QString::fromStdString(courtlog::testing::boxScoreTestText()));
    EXPECT_EQ(family, QStringLiteral("Liberation Mono"));
    EXPECT_GE(reach, ruleWidth);
    EXPECT_TRUE(viewerFlag);
    EXPECT_FALSE(gui::ui::appState().boxScoreViewerOpen);
}

TEST_F(BoxScoreDialogTest, AGameFileThatDoesNotLoadShowsNoBoxScore) {
    courtlog::testing::writeFile(folder.file("cut.gam"), "too short for a game");
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{QString::fromStdString(folder.file("cut.gam")), 1});
    gui::stats::boxScoreCommand(nullptr);
    ASSERT_EQ(gui::ui::testing::shownMessages().size(), 1u);
    // With the reason the command line gives, which names the file.
    EXPECT_EQ(gui::ui::testing::shownMessages()[0].text,
              QStringLiteral("Can't load game !\n") + QString::fromStdString(Game::damagedFileMessage(folder.file("cut.gam"))));
    EXPECT_EQ(gui::ui::testing::shownMessages()[0].caption, QStringLiteral("File corrupt ?"));
    EXPECT_EQ(openBoxScore(), nullptr);
}

// The golden page's text from the start of the first table up to the foot,
// which carries the time of writing.
QString pageBody(const QString& page) {
    const qsizetype start = page.indexOf(QStringLiteral("<b>"));
    return page.mid(start, page.lastIndexOf(QStringLiteral("\n</TABLE>\n<p><font")) - start);
}

TEST_F(BoxScoreDialogTest, PrintsThroughThePreviewAndExportsAppendingWhenAsked) {
    const std::string path = folder.saveGame(courtlog::testing::boxScoreTestGame(), "final.gam");
    courtlog::testing::boxScoreTestStyle().storeIn(gui::ui::programSettings());
    const QString pdf = QString::fromStdString(folder.file("box.pdf"));
    const QString page = QString::fromStdString(folder.file("box.htm"));
    gui::ui::testing::printToFileInstead(pdf);
    whenModal<BoxScoreDialog>([&](BoxScoreDialog* dialog) {
        click(dialog, "printButton");
        // A new file, then the same file again: append (Yes).
        for (const int answer : {0, int(gui::ui::ResultYes)}) {
            gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{page.chopped(4), 1});
            if (answer) gui::ui::testing::queueMessageAnswer(answer);
            click(dialog, "exportButton");
        }
        click(dialog, "okButton");
    });
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{QString::fromStdString(path), 1});
    gui::stats::boxScoreCommand(nullptr);
    gui::ui::testing::printToFileInstead(QString());

    const QString printed = pdfText(pdf);
    for (const char* text :
         {"Page 1", "Box Score", "Home Game Stats for Hawks [vs Owls]", "Ann Lee #00",
          "Visitor Game Stats for Owls [vs Hawks]", "Owls VS Hawks played on 3/14/2024 at Main Gym"})
        EXPECT_TRUE(printed.contains(QString::fromLatin1(text))) << text;

    EXPECT_EQ(gui::ui::testing::lastFileDialogOptions().filters,
              QStringLiteral("HTML (Web Page) Format (*.htm)|*.htm"));
    EXPECT_EQ(gui::ui::testing::lastFileDialogOptions().initialName,
              QStringLiteral("Owls at Hawks box score.htm"));
    ASSERT_EQ(gui::ui::testing::shownMessages().size(), 1u);
    EXPECT_EQ(gui::ui::testing::shownMessages()[0].text,
              QStringLiteral("This file already exists.  Would you like to append to it?"));
    const QString written = QString::fromStdString(courtlog::testing::readFile(page.toStdString()));
    const QString golden = QString::fromStdString(courtlog::testing::boxScoreTestPage());
    EXPECT_EQ(written.count(QStringLiteral(
                  "<HTML><HEAD><meta charset=\"utf-8\"><TITLE>Basketball Courtlog Box Score</TITLE>")),
              1);
    EXPECT_EQ(written.count(pageBody(golden)), 2);
    EXPECT_TRUE(written.startsWith(golden.left(golden.indexOf(QStringLiteral("\n</TABLE>\n<p><font")))));
}

TEST_F(BoxScoreDialogTest, PdfCommandWritesTheBoxScoreOfAGameFile) {
    const std::string game = folder.saveGame(courtlog::testing::boxScoreTestGame(), "final.gam");
    EXPECT_EQ(gui::app::runPdfCommand({"boxscore", game, folder.file("box.pdf")}), 0);
    EXPECT_TRUE(pdfText(QString::fromStdString(folder.file("box.pdf")))
                    .contains(QStringLiteral("Owls VS Hawks played on 3/14/2024 at Main Gym")));
    courtlog::testing::writeFile(folder.file("cut.gam"), "too short for a game");
    ::testing::internal::CaptureStderr();
    const int status = gui::app::runPdfCommand({"boxscore", folder.file("cut.gam"), folder.file("cut.pdf")});
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(status, 1);
    EXPECT_EQ(err.rfind("Can't load game ! " + folder.file("cut.gam"), 0), 0u) << err;
    EXPECT_FALSE(QFile::exists(QString::fromStdString(folder.file("cut.pdf"))));
}

// The printout finds a team's logo beside the team file as the console and
// the team sheets do, whatever letters the folder's name holds.
TEST_F(BoxScoreDialogTest, PrintoutShowsALogoBesideTheTeamFileInAFolderOfAnyName) {
    const QString teamFolder = QString::fromStdString(folder.path()) + QStringLiteral("/Lag H\u00E5logaland");
    ASSERT_TRUE(QDir().mkpath(teamFolder));
    QImage logo(40, 40, QImage::Format_RGB32);
    logo.fill(Qt::red);
    ASSERT_TRUE(logo.save(teamFolder + QStringLiteral("/hawks.bmp")));
    Game game = courtlog::testing::boxScoreTestGame();
    game.home.logoFile = "hawks.bmp";
    game.home.fileName = gui::ui::toRecordPath(teamFolder + QStringLiteral("/hawks.tem"));
    game.visitor.logoFile.clear();

    const output::BoxScore boxScore(game);
    const std::unique_ptr<gui::ui::Printout> printout = gui::stats::boxScorePrintout(boxScore);
    QImage page(1200, 1600, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    ASSERT_GE(printout->pageCount(painter, page.rect()), 1);
    printout->drawPage(painter, page.rect(), 1);
    painter.end();
    // The home logo stands at the top left, one twelfth of the page wide.
    const QImage corner = page.copy(0, 0, 200, 300);
    bool red = false;
    for (int y = 0; y < corner.height() && !red; ++y)
        for (int x = 0; x < corner.width() && !red; ++x) red = corner.pixelColor(x, y) == QColor(Qt::red);
    EXPECT_TRUE(red);
}
