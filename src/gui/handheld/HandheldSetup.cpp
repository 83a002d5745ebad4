#include "gui/handheld/HandheldSetup.h"

#include <QDir>
#include <QFileInfo>

#include "gui/ui/AppState.h"
#include "gui/ui/ProgramSettings.h"
#include "gui/ui/RecordPaths.h"

namespace courtlog::gui::handheld {

using ::courtlog::handheld::HandheldFolders;
using ::courtlog::handheld::HandheldMessage;
using ::courtlog::handheld::MessageIcon;

namespace {

struct HandheldSession {
    HandheldFolders folders;
    QString homeForTests;
};

HandheldSession& session() {
    static HandheldSession instance;
    return instance;
}

ui::MessageIcon iconOf(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return ui::MessageIcon::Information;
        case MessageIcon::Exclamation:
            return ui::MessageIcon::Exclamation;
        case MessageIcon::Question:
            return ui::MessageIcon::Question;
        case MessageIcon::None:
            break;
    }
    return ui::MessageIcon::None;
}

}  // namespace

HandheldFolders& handheldFolders() { return session().folders; }

QString handheldFoldersFile() {
    return ui::fromRecordPath(ui::programSettingsLocation().fileBeside(HandheldFolders::kFileName));
}

void loadHandheldFolders() {
    session().folders = HandheldFolders{};
    session().folders.read(ui::toRecordPath(handheldFoldersFile()));
}

bool saveHandheldFolders(QWidget* owner) {
    std::string reason;
    if (makeSettingsFolder(ui::programSettingsLocation(), &reason) &&
        session().folders.write(ui::toRecordPath(handheldFoldersFile()), &reason))
        return true;
    ui::showWarning(owner,
                    QStringLiteral("The handheld folders could not be kept in %1.\n%2")
                        .arg(QDir::toNativeSeparators(handheldFoldersFile()), QString::fromStdString(reason)),
                    QStringLiteral("Error"));
    return false;
}

QString homeFolder() { return session().homeForTests.isEmpty() ? QDir::homePath() : session().homeForTests; }

int showHandheldMessage(QWidget* owner, const HandheldMessage& message, ui::MessageButtons buttons) {
    return ui::showMessage(owner, QString::fromStdString(message.text), QString::fromStdString(message.caption),
                           buttons, iconOf(message.icon), message.icon == MessageIcon::Exclamation);
}

namespace testing {
void setHomeFolder(const QString& folder) { session().homeForTests = folder; }
}  // namespace testing

}  // namespace courtlog::gui::handheld
