#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "GuiTestSupport.h"
#include "gui/people/RosterEdit.h"
#include "gui/ui/Help.h"
#include "gui/ui/HelpWindow.h"

using namespace courtlog;
using namespace courtlog::testsupport;

namespace {

gui::ui::HelpWindow* openHelpWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* help = qobject_cast<gui::ui::HelpWindow*>(w); help && help->isVisible()) return help;
    return nullptr;
}

}  // namespace

// F1 in a dialog opens the manual inside the program at that dialog's page,
// in a window that can be used while the dialog stays open; the contents,
// links and search work there.
TEST(HelpWindow, F1InTheRosterEditorOpensItsPageWithContentsAndSearch) {
    freshHooks();
    gui::ui::testing::setHelpFolders({QStringLiteral(COURTLOG_RESOURCES)});
    Team team = teamWithLineup("Owls", 2);
    gui::people::RosterEdit editor(team);
    editor.show();
    editor.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
    QTest::keyClick(editor.focusWidget(), Qt::Key_F1);

    gui::ui::HelpWindow* help = openHelpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->parentWidget(), &editor);  // usable beside the modal editor
    EXPECT_EQ(help->currentPage().fileName(), QStringLiteral("roster-editor.html"));
    EXPECT_EQ(help->windowTitle(), control<QTextBrowser>(help, "helpBrowser")->documentTitle());

    // The contents list the manual's pages; clicking one shows it.
    auto* contents = control<QTreeWidget>(help, "helpContents");
    QTreeWidgetItem* gameSetup = nullptr;
    for (QTreeWidgetItemIterator it(contents); *it; ++it)
        if ((*it)->data(0, Qt::UserRole).toString() == QStringLiteral("game-setup.html")) gameSetup = *it;
    ASSERT_NE(gameSetup, nullptr);
    EXPECT_EQ(gameSetup->parent()->text(0), QStringLiteral("Scoring a game"));
    // Sections in the order of the contents page, the first one whole.
    ASSERT_GE(contents->topLevelItemCount(), 2);
    EXPECT_EQ(contents->topLevelItem(1)->text(0), QStringLiteral("The program"));
    EXPECT_EQ(contents->topLevelItem(1)->child(0)->data(0, Qt::UserRole).toString(),
              QStringLiteral("main-window.html"));
    contents->scrollToItem(gameSetup);
    QTest::mouseClick(contents->viewport(), Qt::LeftButton, {}, contents->visualItemRect(gameSetup).center());
    EXPECT_EQ(help->currentPage().fileName(), QStringLiteral("game-setup.html"));
    click(help, "helpBackButton");
    EXPECT_EQ(help->currentPage().fileName(), QStringLiteral("roster-editor.html"));

    // Search: the words typed, Enter, the pages that hold them.
    typeInto(help, "helpSearchEdit", QStringLiteral("starting lineup"));
    QTest::keyClick(control<QLineEdit>(help, "helpSearchEdit"), Qt::Key_Return);
    auto* results = control<QListWidget>(help, "helpSearchResults");
    ASSERT_GT(results->count(), 0);
    EXPECT_TRUE(results->item(0)->flags() & Qt::ItemIsEnabled);
    clickRow(results, 0);
    EXPECT_TRUE(control<QTextBrowser>(help, "helpBrowser")->textCursor().hasSelection());
    EXPECT_EQ(help->search(QStringLiteral("zyxwvu")), 0);

    help->close();
    gui::ui::testing::setHelpFolders({});
}
