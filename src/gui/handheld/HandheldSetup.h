#pragma once

#include <QString>

#include "core/handheld/HandheldFolders.h"
#include "core/handheld/HandheldMessage.h"
#include "gui/ui/MessageBox.h"

class QWidget;

namespace courtlog::gui::handheld {

// The handheld folders of the running program (Palm desktop folder and
// device partners), read at start-up from their file beside the settings
// file and written when Handheld Folders is closed with OK.
::courtlog::handheld::HandheldFolders& handheldFolders();
// That file: crtlog-handheld.ini beside the settings file.
QString handheldFoldersFile();
// Reads the file (a missing one leaves no folders); called once at start-up.
void loadHandheldFolders();
// Writes the file; on failure says so and returns false.
bool saveHandheldFolders(QWidget* owner);

// The user's home folder, where the folder Palm is the default Palm desktop
// folder.
QString homeFolder();

// Shows a message of the handheld commands and returns the button pressed.
int showHandheldMessage(QWidget* owner, const ::courtlog::handheld::HandheldMessage& message,
                        ui::MessageButtons buttons = ui::MessageButtons::Ok);

namespace testing {
// Where the default Palm desktop folder is looked for (empty: the real home).
void setHomeFolder(const QString& folder);
}  // namespace testing

}  // namespace courtlog::gui::handheld
