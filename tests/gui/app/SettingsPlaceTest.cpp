// Where the window program keeps its settings: the user's configuration
// folder, unless the folder it starts in has its own crtlog.ini; and the
// folders its file dialogs remember there.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "GuiTestSupport.h"
#include "gui/app/Application.h"
#include "gui/app/CommandTable.h"
#include "gui/app/MainWindow.h"
#include "gui/people/TeamEdit.h"
#include "gui/ui/FileDialogs.h"

using namespace courtlog;
using namespace courtlog::gui::app;
namespace hooks = courtlog::gui::ui::testing;

namespace {

class SettingsPlace : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(startDir.isValid());
        previousDir = QDir::currentPath();
        // As when started from a desktop menu or a terminal: in its start folder.
        QDir::setCurrent(startDir.path());
        testsupport::freshHooks();
        hooks::clearFileAnswers();
    }
    void TearDown() override {
        if (window) window->close();
        window.reset();
        QDir::setCurrent(previousDir);
        gui::ui::programSettings().setDefaults();
        gui::ui::appState() = {};
    }

    void start() {
        if (window) window->close();
        window = Application::initMainWindow({startDir.path(), QRect(0, 0, 1280, 1024)});
        ASSERT_TRUE(window);
    }

    QString usersFile() const {
        return QString::fromStdString(courtlog::testing::scratchSettingsFolder() + "/crtlog.ini");
    }
    QString startFolderFile() const { return QDir(startDir.path()).filePath(QStringLiteral("crtlog.ini")); }

    static Settings read(const QString& path) {
        Settings settings;
        EXPECT_TRUE(settings.readSettings(path.toStdString())) << path.toStdString();
        return settings;
    }

    QTemporaryDir startDir;
    QString previousDir;
    std::unique_ptr<MainWindow> window;
};

// A new user: the folder is made when the first setting changes, and
// nothing is ever written where the program was started.
TEST_F(SettingsPlace, ANewUsersChangeGoesToTheConfigurationFolderAndNothingToTheStartFolder) {
    start();
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(courtlog::testing::scratchSettingsFolder())));
    window->runCommand(CmPromptForShot);
    EXPECT_FALSE(read(usersFile()).promptForShot);
    EXPECT_EQ(QFileInfo(QString::fromStdString(courtlog::testing::scratchSettingsFolder())).permissions() &
                  (QFile::ReadGroup | QFile::ReadOther),
              QFileDevice::Permissions());
    window->close();
    EXPECT_TRUE(QDir(startDir.path()).isEmpty());
    EXPECT_TRUE(testsupport::messageTexts().empty());

    // The next start reads them back.
    start();
    EXPECT_FALSE(gui::ui::programSettings().promptForShot);
}

// A crtlog.ini in the start folder (a portable setup, or where an earlier
// version kept it) is read and written there; the user's folder is left out.
TEST_F(SettingsPlace, ASettingsFileInTheStartFolderWins) {
    Settings portable;
    portable.soundOn = false;
    ASSERT_TRUE(portable.writeSettings(startFolderFile().toStdString()));
    start();
    EXPECT_FALSE(gui::ui::programSettings().soundOn);
    window->runCommand(CmPromptForShot);
    const Settings written = read(startFolderFile());
    EXPECT_FALSE(written.soundOn);
    EXPECT_FALSE(written.promptForShot);
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(courtlog::testing::scratchSettingsFolder())));
}

// A place that cannot be written is told once, with its reason, however
// often the settings change; the program goes on with them.
TEST_F(SettingsPlace, APlaceThatCannotBeWrittenIsToldOnce) {
    const QString blocker = QDir(startDir.path()).filePath(QStringLiteral("not-a-folder"));
    courtlog::testing::writeFile(blocker.toStdString(), "a file where the folder would be");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(blocker));
    start();
    window->runCommand(CmPromptForShot);
    window->runCommand(CmSoundEffects);
    window->close();
    ASSERT_EQ(testsupport::messageTexts().size(), 1u);
    const auto& shown = hooks::shownMessages().front();
    EXPECT_EQ(shown.caption, QStringLiteral("Settings"));
    EXPECT_TRUE(shown.text.startsWith(QStringLiteral("The settings could not be saved in ") + blocker +
                                      QStringLiteral("/courtlog/crtlog.ini.\n")))
        << shown.text.toStdString();
    EXPECT_TRUE(shown.text.contains(QStringLiteral("Not a directory"))) << shown.text.toStdString();
    EXPECT_FALSE(gui::ui::programSettings().promptForShot);
}

// A file dialog opens in the folder where a file of its kind was last
// chosen, after a restart too; a dialog for another kind does not.
TEST_F(SettingsPlace, FileDialogsOpenWhereTheirKindWasLastChosen) {
    QTemporaryDir teams;
    const QString hawks = QDir(teams.path()).filePath(QStringLiteral("hawks.tem"));
    ASSERT_TRUE(testsupport::teamWithLineup("Hawks", 5).saveTo(hawks.toStdString()));
    start();
    testsupport::whenModal<gui::people::TeamEdit>(
        [](auto* editor) { testsupport::click(editor, "cancelButton"); });
    hooks::queueFileAnswer(gui::ui::FileChoice{hawks, 1});
    window->runCommand(CmTeamEdit);
    hooks::queueFileAnswer(std::nullopt);
    window->runCommand(CmGameEdit);
    EXPECT_EQ(QDir(hooks::lastFileDialogOptions().initialDirectory), QDir(startDir.path()));
    window->close();
    EXPECT_EQ(read(usersFile()).lastFolder(FileFolder::Teams),
              QDir(teams.path()).absolutePath().toStdString());

    start();
    hooks::queueFileAnswer(std::nullopt);
    window->runCommand(CmTeamEdit);
    EXPECT_EQ(QDir(hooks::lastFileDialogOptions().initialDirectory), QDir(teams.path()));
}

}  // namespace
