#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include "GuiTestSupport.h"
#include "gui/ui/FileDialogs.h"

using namespace courtlog::gui::ui;
namespace hooks = courtlog::gui::ui::testing;

TEST(FileDialogFilters, ConvertBarSeparatedPairsToQtFilters) {
    EXPECT_EQ(toQtFilter("Bitmap Files (*.bmp)|*.bmp|"), "Bitmap Files (*.bmp)");
    EXPECT_EQ(toQtFilter("Comma Delimited (*.csv)|*.csv|HTML (*.htm)|*.htm|"),
              "Comma Delimited (*.csv);;HTML (*.htm)");
    // The pattern part is what applies, even when the description says less.
    EXPECT_EQ(toQtFilter("Text|*.txt;*.prn|All Files (*.*)|*.*|"), "Text (*.txt *.prn);;All Files (*.*)");
    EXPECT_EQ(toQtFilter("Teams (*.team)|*.tem|"), "Teams (*.tem)");
    EXPECT_EQ(toQtFilter(""), "");
}

TEST(FileDialogFilters, ExtensionOfTheChosenFilter) {
    const QString filters = "Team File (*.tem)|*.tem|Comma Delimited (*.csv)|*.csv|All (*.*)|*.*|";
    EXPECT_EQ(extensionOfFilter(filters, 1), "tem");
    EXPECT_EQ(extensionOfFilter(filters, 2), "csv");
    EXPECT_EQ(extensionOfFilter(filters, 3), "");  // "*.*" names no extension
    EXPECT_EQ(extensionOfFilter(filters, 0), "");
    EXPECT_EQ(extensionOfFilter(filters, 4), "");
    EXPECT_EQ(extensionOfFilter("Text|*.txt;*.prn|", 1), "txt");
}

TEST(FileDialogFilters, DefaultExtensionOnlyForNamesWithoutDot) {
    EXPECT_EQ(withDefaultExtension("/home/coach/lions", "tem"), "/home/coach/lions.tem");
    EXPECT_EQ(withDefaultExtension("/home/coach/lions.old", "tem"), "/home/coach/lions.old");
    // A dot in a folder name does not count.
    EXPECT_EQ(withDefaultExtension("/home/coach.v2/lions", "tem"), "/home/coach.v2/lions.tem");
    EXPECT_EQ(withDefaultExtension("C:\\teams.2003\\lions", "tem"), "C:\\teams.2003\\lions.tem");
    EXPECT_EQ(withDefaultExtension("/home/coach/lions", ""), "/home/coach/lions");
}

TEST(FileDialogHooks, QueuedAnswersFollowTheExtensionRule) {
    FileDialogOptions options;
    options.filters = "Comma Delimited (*.csv)|*.csv|HTML (*.htm)|*.htm|";
    options.title = "Save Roster";

    // No default extension: the chosen filter's extension.
    hooks::queueFileAnswer(FileChoice{"/tmp/roster", 2});
    auto choice = getSaveFile(nullptr, options);
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->path, "/tmp/roster.htm");
    EXPECT_EQ(choice->filterIndex, 2);
    EXPECT_EQ(hooks::lastFileDialogOptions().title, "Save Roster");

    // A default extension wins over the filter.
    options.defaultExtension = "gam";
    hooks::queueFileAnswer(FileChoice{"/tmp/final", 1});
    choice = getOpenFile(nullptr, options);
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->path, "/tmp/final.gam");

    hooks::queueFileAnswer(std::nullopt);
    EXPECT_FALSE(getOpenFile(nullptr, options));
}

// The real dialog: typing a bare name with the second filter chosen gives
// that filter's extension and index.
TEST(FileDialogWidget, SaveDialogAppendsTheChosenFiltersExtension) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    FileDialogOptions options;
    options.filters = "Comma Delimited (*.csv)|*.csv|HTML (*.htm)|*.htm|";
    options.initialDirectory = dir.path();
    options.title = "Save As";

    bool sawDialog = false;
    courtlog::testsupport::whenModal<QFileDialog>([&](QFileDialog* dialog) {
        sawDialog = true;
        EXPECT_EQ(dialog->windowTitle(), "Save As");
        EXPECT_EQ(QDir(dialog->directory()).canonicalPath(), QDir(dir.path()).canonicalPath());
        dialog->selectNameFilter("HTML (*.htm)");
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        name->setText("roster");
        QMetaObject::invokeMethod(dialog, "accept");
    });
    const auto choice = getSaveFile(nullptr, options);
    EXPECT_TRUE(sawDialog);
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->filterIndex, 2);
    EXPECT_EQ(choice->path, QDir(dir.path()).filePath("roster.htm"));
}
