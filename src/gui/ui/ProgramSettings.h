#pragma once

#include <QString>

#include "core/records/Settings.h"

namespace courtlog::gui::ui {

// The one settings model of the running program: read at start-up, changed
// by the options dialogs and menu toggles, written whenever a command
// changed it and at exit.
Settings& programSettings();

// The settings file of the running program: crtlog.ini in the folder the
// program started in.
QString programSettingsFile();

// Writes the settings as they stand to programSettingsFile() through the
// safe save. False when it cannot be written; the values stay in memory and
// go out with the next change or at exit.
bool saveProgramSettings();

}  // namespace courtlog::gui::ui
