#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>
#include <filesystem>

#include "GuiTestSupport.h"
#include "gui/handheld/HandheldFoldersDialog.h"
#include "gui/handheld/HandheldSetup.h"
#include "gui/ui/AppState.h"
#include "gui/ui/FileDialogs.h"

using namespace courtlog;
using namespace courtlog::testsupport;
using courtlog::gui::handheld::HandheldFoldersDialog;
namespace fs = std::filesystem;
namespace hooks = courtlog::gui::ui::testing;

namespace {

class HandheldFoldersWindow : public ::testing::Test {
protected:
    courtlog::testing::ScratchFolder scratch;

    void SetUp() override {
        freshHooks();
        hooks::clearFileAnswers();
        gui::ui::appState() = {};
        gui::ui::appState().startDirectory = QString::fromStdString(scratch.path());
        gui::handheld::testing::setHomeFolder(QString::fromStdString(scratch.file("home")));
        fs::create_directories(scratch.file("home"));
        fs::create_directories(scratch.file("sync1"));
        fs::create_directories(scratch.file("sync2"));
        gui::handheld::loadHandheldFolders();
    }
    void TearDown() override {
        hooks::clearFileAnswers();
        gui::ui::appState() = {};
    }

    static QStringList devices(QWidget* dialog) {
        QStringList names;
        auto* list = control<QTreeWidget>(dialog, "partnerList");
        for (int i = 0; list && i < list->topLevelItemCount(); ++i) names << list->topLevelItem(i)->text(0);
        return names;
    }
    void addDevice(QWidget* dialog, const char* name, const std::string& folder) {
        typeInto(dialog, "partnerNameEdit", QString::fromLatin1(name));
        hooks::queueFileAnswer(gui::ui::FileChoice{QString::fromStdString(folder), 1});
        click(dialog, "partnerFolderBrowse");
        click(dialog, "addPartnerButton");
    }
    static void selectDevice(QWidget* dialog, int row) {
        auto* list = control<QTreeWidget>(dialog, "partnerList");
        list->setCurrentItem(list->topLevelItem(row));
    }
};

TEST_F(HandheldFoldersWindow, AddsAUserAndKeepsTheDevicesEditedOnOk) {
    QStringList users, afterEdits;
    whenModal<HandheldFoldersDialog>([&](HandheldFoldersDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Handheld Folders"));
        // No folder set and none at home: the first user makes home/Palm.
        typeInto(dialog, "palmUserNameEdit", QStringLiteral("Ann Coach"));
        click(dialog, "addPalmUserButton");
        auto* userList = control<QListWidget>(dialog, "palmUserList");
        for (int i = 0; i < userList->count(); ++i) users << userList->item(i)->text();

        addDevice(dialog, "Office", scratch.file("sync1"));
        addDevice(dialog, "Bench", scratch.file("sync2"));
        addDevice(dialog, "office", scratch.file("sync2"));  // refused: the name is taken
        selectDevice(dialog, 0);
        EXPECT_EQ(control<QLineEdit>(dialog, "partnerFolderEdit")->text(), QString::fromStdString(scratch.file("sync1")));
        typeInto(dialog, "partnerNameEdit", QStringLiteral("Gym"));
        click(dialog, "renamePartnerButton");
        selectDevice(dialog, 1);
        click(dialog, "removePartnerButton");
        afterEdits = devices(dialog);
        click(dialog, "okButton");
    });
    gui::handheld::handheldFoldersCommand(nullptr);

    EXPECT_EQ(users, QStringList{QStringLiteral("Ann Coach")});
    EXPECT_TRUE(fs::is_directory(scratch.file("home/Palm/Ann Coach/Install")));
    EXPECT_TRUE(fs::is_directory(scratch.file("home/Palm/Ann Coach/Backup")));
    EXPECT_TRUE(messageShown(QStringLiteral("A device named Office is already in the list.")));
    EXPECT_EQ(afterEdits, QStringList{QStringLiteral("Gym")});

    courtlog::handheld::HandheldFolders kept;
    // Beside the settings file, in the user's configuration folder.
    EXPECT_EQ(gui::handheld::handheldFoldersFile().toStdString(),
              courtlog::testing::scratchSettingsFolder() + "/crtlog-handheld.ini");
    ASSERT_TRUE(kept.read(gui::handheld::handheldFoldersFile().toStdString()));
    EXPECT_EQ(kept.partners, (std::vector<courtlog::handheld::DevicePartner>{{"Gym", scratch.file("sync1")}}));
    EXPECT_EQ(gui::handheld::handheldFolders(), kept);
}

TEST_F(HandheldFoldersWindow, AFolderThatIsNotThereIsRefusedAndCancelKeepsNothing) {
    whenModal<HandheldFoldersDialog>([&](HandheldFoldersDialog* dialog) {
        addDevice(dialog, "Office", scratch.file("sync1"));
        typeInto(dialog, "palmFolderEdit", QString::fromStdString(scratch.file("gone")));
        click(dialog, "okButton");
        EXPECT_TRUE(dialog->isVisible());
        click(dialog, "cancelButton");
    });
    gui::handheld::handheldFoldersCommand(nullptr);

    EXPECT_TRUE(messageShown(QString::fromStdString("The folder " + scratch.file("gone") + " does not exist.")));
    EXPECT_TRUE(gui::handheld::handheldFolders().partners.empty());
    EXPECT_FALSE(fs::exists(gui::handheld::handheldFoldersFile().toStdString()));
}

}  // namespace
