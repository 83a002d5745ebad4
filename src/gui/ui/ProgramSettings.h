#pragma once

#include "core/records/Settings.h"

namespace courtlog::gui::ui {

// The one settings model of the running program: read at start-up, changed
// by the options dialogs and menu toggles, written at exit.
Settings& programSettings();

}  // namespace courtlog::gui::ui
