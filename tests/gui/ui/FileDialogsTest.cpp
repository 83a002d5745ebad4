#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include "GuiTestSupport.h"
#include "gui/ui/FileDialogs.h"
#include "gui/ui/MessageBox.h"
#include "gui/ui/Sound.h"

using namespace courtlog::gui::ui;
namespace hooks = courtlog::gui::ui::testing;

namespace {
const std::vector<hooks::ShownMessage>& shown() { return hooks::shownMessages(); }
}  // namespace

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

// The kinds a dialog offers come from its filters' patterns; the typed
// name's extension chooses among them (the rules themselves are the core's).
TEST(FileDialogFilters, TheTypedExtensionChoosesAmongTheFiltersPatterns) {
    FileDialogOptions options;
    options.filters = "Team File (*.tem)|*.tem|Rosters (*.csv;*.txt)|*.csv;*.txt|HTML (*.htm)|*.htm|";
    EXPECT_EQ(typedChoice(options, "/t/list.txt", 1, true).filterIndex, 2);
    EXPECT_EQ(typedChoice(options, "/t/list.html", 1, true).filterIndex, 3);
    const FileChoice unoffered = typedChoice(options, "/t/list.bak", 3, true);
    EXPECT_EQ(unoffered.path, "/t/list.bak.htm");
    EXPECT_EQ(unoffered.filterIndex, 3);
    // A fixed extension is the one added, whatever filter shows.
    options.defaultExtension = "tem";
    EXPECT_EQ(typedChoice(options, "/t/list", 3, true).path, "/t/list.tem");
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

namespace {

// A folder holding one file, "kept.gam", for the save questions.
struct FolderWithAFile {
    QTemporaryDir dir;
    QString existing = QDir(dir.path()).filePath("kept.gam");
    FolderWithAFile() { courtlog::testing::writeFile(existing.toStdString(), "old"); }
    QString path(const char* name) const { return QDir(dir.path()).filePath(QString::fromLatin1(name)); }
};

FileDialogOptions gameSaveOptions() {
    FileDialogOptions options;
    options.filters = "Game Files (*.gam)|*.gam|";
    options.defaultExtension = "gam";
    return options;
}

}  // namespace

// Every save dialog asks before a file that exists is replaced, with the
// click sound and the question captioned with the file; No goes back to
// choosing (the next answer), and a No with nothing chosen after it cancels.
TEST(FileDialogHooks, ASaveOverAFileThatExistsIsAskedFirst) {
    courtlog::testsupport::freshHooks();
    FolderWithAFile folder;
    // Typed without its extension: the question is about the complete name.
    hooks::queueFileAnswer(FileChoice{folder.path("kept"), 1});
    hooks::queueMessageAnswer(ResultYes);
    auto choice = getSaveFile(nullptr, gameSaveOptions());
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->path, folder.existing);
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown()[0].text, "Overwrite Existing File?");
    EXPECT_EQ(shown()[0].caption, folder.existing);
    EXPECT_EQ(shown()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(hooks::playedSounds(), std::vector<int>{SoundClick});

    hooks::queueFileAnswer(FileChoice{folder.existing, 1});
    hooks::queueFileAnswer(FileChoice{folder.path("new.gam"), 1});
    hooks::queueMessageAnswer(ResultNo);
    choice = getSaveFile(nullptr, gameSaveOptions());
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->path, folder.path("new.gam"));

    hooks::queueFileAnswer(FileChoice{folder.existing, 1});
    hooks::queueMessageAnswer(ResultNo);
    EXPECT_FALSE(getSaveFile(nullptr, gameSaveOptions()));
    EXPECT_EQ(shown().size(), 3u);
}

// A new name, an open dialog and a caller that asks its own questions (an
// export's append or overwrite) get no question from the dialog.
TEST(FileDialogHooks, NoQuestionWhereNothingIsReplacedOrTheCallerAsks) {
    courtlog::testsupport::freshHooks();
    FolderWithAFile folder;
    hooks::queueFileAnswer(FileChoice{folder.path("new.gam"), 1});
    EXPECT_TRUE(getSaveFile(nullptr, gameSaveOptions()));
    hooks::queueFileAnswer(FileChoice{folder.existing, 1});
    EXPECT_TRUE(getOpenFile(nullptr, gameSaveOptions()));
    FileDialogOptions exportOptions = gameSaveOptions();
    exportOptions.askBeforeReplacing = false;
    hooks::queueFileAnswer(FileChoice{folder.existing, 1});
    EXPECT_TRUE(getSaveFile(nullptr, exportOptions));
    EXPECT_TRUE(shown().empty());
}

// The real dialog asks through our message box (so every save asks alike
// and tests can answer), and a No leaves it open for another name.
TEST(FileDialogWidget, ReplacingAFileIsAskedAndNoKeepsTheDialogOpen) {
    courtlog::testsupport::freshHooks();
    FolderWithAFile folder;
    FileDialogOptions options = gameSaveOptions();
    options.initialDirectory = folder.dir.path();

    bool stayedOpen = false;
    courtlog::testsupport::whenModal<QFileDialog>([&](QFileDialog* dialog) {
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        name->setText("kept");
        hooks::queueMessageAnswer(ResultNo);
        QMetaObject::invokeMethod(dialog, "accept");
        stayedOpen = dialog->isVisible();
        name->setText("kept");
        hooks::queueMessageAnswer(ResultYes);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    const auto choice = getSaveFile(nullptr, options);
    EXPECT_TRUE(stayedOpen);
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->path, folder.existing);
    EXPECT_EQ(shown().size(), 2u);
}

// The real dialog: "t2.csv" typed while the team-file filter shows is a
// comma-delimited file; the dialog proposes each kind's own name, and
// choosing another kind swaps a proposal that was not typed over.
TEST(FileDialogWidget, TheTypedExtensionChoosesTheKindAndProposalsFollowTheFilter) {
    courtlog::testsupport::freshHooks();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    FileDialogOptions options;
    options.filters = "Team File (*.tem)|*.tem|Comma Delimited Format (*.csv)|*.csv|HTML (*.htm)|*.htm|";
    options.initialDirectory = dir.path();
    options.suggestedNames = {"Harbor Hawks", "Harbor Hawks roster", "Harbor Hawks roster"};

    QStringList proposals;
    courtlog::testsupport::whenModal<QFileDialog>([&](QFileDialog* dialog) {
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        auto* kinds = dialog->findChild<QComboBox*>("fileTypeCombo");
        ASSERT_NE(name, nullptr);
        ASSERT_NE(kinds, nullptr);
        proposals << name->text();
        kinds->setCurrentIndex(1);
        emit kinds->activated(1);
        emit kinds->textActivated(kinds->itemText(1));
        proposals << name->text();
        kinds->setCurrentIndex(0);
        emit kinds->activated(0);
        emit kinds->textActivated(kinds->itemText(0));
        proposals << name->text();
        name->setText("t2.csv");
        QMetaObject::invokeMethod(dialog, "accept");
    });
    const auto choice = getSaveFile(nullptr, options);
    EXPECT_EQ(proposals, (QStringList{"Harbor Hawks.tem", "Harbor Hawks roster.csv", "Harbor Hawks.tem"}));
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->filterIndex, 2);
    EXPECT_EQ(choice->path, QDir(dir.path()).filePath("t2.csv"));
}

// A dialog for a kind of file opens where one of that kind was chosen last,
// and remembers the folder it was chosen in with the settings.
TEST(FileDialogHooks, ADialogOpensInTheFolderLastUsedForItsKind) {
    courtlog::testsupport::freshHooks();
    QTemporaryDir pictures;
    FileDialogOptions options;
    options.filters = "Bitmap (*.bmp)|*.bmp|";
    options.folder = courtlog::FileFolder::Pictures;
    hooks::queueFileAnswer(FileChoice{QDir(pictures.path()).filePath("logo"), 1});
    ASSERT_TRUE(getOpenFile(nullptr, options));
    EXPECT_EQ(programSettings().lastFolder(courtlog::FileFolder::Pictures), pictures.path().toStdString());
    hooks::queueFileAnswer(std::nullopt);
    getOpenFile(nullptr, options);
    EXPECT_EQ(hooks::lastFileDialogOptions().initialDirectory, pictures.path());
    // A folder that is gone is not opened.
    const QString gone = pictures.path();
    pictures.remove();
    hooks::queueFileAnswer(std::nullopt);
    getOpenFile(nullptr, options);
    EXPECT_NE(hooks::lastFileDialogOptions().initialDirectory, gone);
    programSettings().setDefaults();
}
