#include "gui/ui/ProgramSettings.h"

namespace courtlog::ui {

Settings& programSettings() {
    static Settings settings;
    return settings;
}

}  // namespace courtlog::ui
