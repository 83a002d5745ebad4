#include "gui/ui/ProgramSettings.h"

namespace courtlog::gui::ui {

Settings& programSettings() {
    static Settings settings;
    return settings;
}

}  // namespace courtlog::gui::ui
