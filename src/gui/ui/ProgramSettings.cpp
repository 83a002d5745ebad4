#include "gui/ui/ProgramSettings.h"

#include <QDir>

#include "gui/ui/AppState.h"
#include "gui/ui/RecordPaths.h"

namespace courtlog::gui::ui {

Settings& programSettings() {
    static Settings settings;
    return settings;
}

QString programSettingsFile() {
    return QDir(appState().startDirectory).filePath(QString::fromLatin1(Settings::kFileName));
}

bool saveProgramSettings() { return programSettings().writeSettings(toRecordPath(programSettingsFile())); }

}  // namespace courtlog::gui::ui
