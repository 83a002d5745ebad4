#pragma once

#include <QString>

#include "core/records/Settings.h"
#include "core/records/SettingsLocation.h"

class QWidget;

namespace courtlog::gui::ui {

// The one settings model of the running program: read at start-up, changed
// by the options dialogs, menu toggles and file dialogs, written whenever it
// changed and at exit.
Settings& programSettings();

// Where the settings of the running program live, found from the folder it
// started in (see findSettingsLocation): a crtlog.ini there, else the
// user's configuration folder.
SettingsLocation programSettingsLocation();
// The settings file in that place.
QString programSettingsFile();

// Reads programSettingsFile() over the settings in memory (a missing file
// changes nothing); what was read counts as written.
void readProgramSettings();

// Writes the settings to programSettingsFile() through the safe save,
// making its folder first, unless the file already holds them as they are.
// False when it cannot be written: the values stay in memory and go out with
// the next change or at exit, and the first failure of the session tells
// the user where and why (owned by owner).
bool saveProgramSettings(QWidget* owner = nullptr);

// The folder a file dialog for kind opens in: the one a file of that kind was
// last chosen in, while it exists; empty when there is none.
QString rememberedFolder(FileFolder kind);
// Remembers folder for kind and writes the settings when that changed them.
void rememberFolder(FileFolder kind, const QString& folder, QWidget* owner = nullptr);

}  // namespace courtlog::gui::ui
