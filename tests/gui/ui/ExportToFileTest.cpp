// The questions about an existing export file, with their exact texts, and
// the message when the file cannot be written.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "GuiTestSupport.h"
#include "gui/ui/ExportToFile.h"

namespace courtlog {
namespace {

namespace hooks = gui::ui::testing;
using gui::ui::exportToFile;
using output::ExportMode;

const QString kAppendQuestion = QStringLiteral("This file already exists.  Would you like to append to it?");

// The page as a writer makes it: its head only when it starts a file.
std::string page(ExportMode mode) { return output::writesPageHead(mode) ? "<head>body" : "body"; }

TEST(ExportToFile, AsksAboutAnExistingFileAndWritesAsAnswered) {
    testsupport::freshHooks();
    QTemporaryDir dir;
    const QString path = dir.filePath("stats.htm");
    ASSERT_TRUE(exportToFile(nullptr, path, output::ExportEncoding::Utf8, page));
    EXPECT_TRUE(hooks::shownMessages().empty()) << "a new file asks nothing";

    hooks::queueMessageAnswer(gui::ui::ResultYes);
    ASSERT_TRUE(exportToFile(nullptr, path, output::ExportEncoding::Utf8, page));
    EXPECT_EQ(testing::readFile(path.toStdString()), "<head>body\nbody");
    ASSERT_EQ(hooks::shownMessages().size(), 1u);
    const auto& question = hooks::shownMessages()[0];
    EXPECT_EQ(question.text, kAppendQuestion);
    EXPECT_EQ(question.caption, path);
    EXPECT_EQ(question.buttons, gui::ui::MessageButtons::YesNo);
    EXPECT_EQ(question.icon, gui::ui::MessageIcon::Question);

    hooks::clearShownMessages();
    hooks::queueMessageAnswer(gui::ui::ResultNo);
    hooks::queueMessageAnswer(gui::ui::ResultYes);
    ASSERT_TRUE(exportToFile(nullptr, path, output::ExportEncoding::Utf8, page));
    EXPECT_EQ(testing::readFile(path.toStdString()), "<head>body");
    EXPECT_EQ(testsupport::messageTexts(), (std::vector<QString>{kAppendQuestion, QStringLiteral("Overwrite Existing File?")}));
    EXPECT_EQ(hooks::shownMessages()[1].caption, path);

    hooks::queueMessageAnswer(gui::ui::ResultNo);
    hooks::queueMessageAnswer(gui::ui::ResultNo);
    EXPECT_FALSE(exportToFile(nullptr, path, output::ExportEncoding::Utf8, page));
    EXPECT_EQ(testing::readFile(path.toStdString()), "<head>body");
}

TEST(ExportToFile, AFileThatCannotBeWrittenIsSaidAndNothingIsLeft) {
    testsupport::freshHooks();
    QTemporaryDir dir;
    const QString path = dir.filePath("no-such-folder/stats.htm");
    EXPECT_FALSE(exportToFile(nullptr, path, output::ExportEncoding::Utf8, page));
    ASSERT_EQ(hooks::shownMessages().size(), 1u);
    EXPECT_TRUE(hooks::shownMessages()[0].text.startsWith(QStringLiteral("Can't save %1 !\n").arg(path)))
        << hooks::shownMessages()[0].text.toStdString();
    EXPECT_EQ(hooks::shownMessages()[0].caption, QStringLiteral("Error"));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

}  // namespace
}  // namespace courtlog
