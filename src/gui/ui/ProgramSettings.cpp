#include "gui/ui/ProgramSettings.h"

#include <QDir>
#include <QFileInfo>
#include <optional>

#include "gui/ui/AppState.h"
#include "gui/ui/MessageBox.h"
#include "gui/ui/RecordPaths.h"

namespace courtlog::gui::ui {

namespace {

// The settings as the file holds them, so that an unchanged model is not
// written again.
struct WrittenSettings {
    QString file;
    Settings settings;
};

std::optional<WrittenSettings>& written() {
    static std::optional<WrittenSettings> last;
    return last;
}

}  // namespace

Settings& programSettings() {
    static Settings settings;
    return settings;
}

SettingsLocation programSettingsLocation() {
    return findSettingsLocation(toRecordPath(appState().startDirectory));
}

QString programSettingsFile() { return fromRecordPath(programSettingsLocation().settingsFile()); }

void readProgramSettings() {
    const QString file = programSettingsFile();
    if (programSettings().readSettings(toRecordPath(file)))
        written() = WrittenSettings{file, programSettings()};
    else
        written().reset();
}

bool saveProgramSettings(QWidget* owner) {
    const SettingsLocation location = programSettingsLocation();
    const QString file = fromRecordPath(location.settingsFile());
    if (written() && written()->file == file && written()->settings == programSettings()) return true;
    std::string reason;
    if (makeSettingsFolder(location, &reason) &&
        programSettings().writeSettings(toRecordPath(file), &reason)) {
        written() = WrittenSettings{file, programSettings()};
        return true;
    }
    if (!appState().settingsFailureShown) {
        appState().settingsFailureShown = true;
        showWarning(owner,
                    QStringLiteral("The settings could not be saved in %1.\n%2\n\n"
                                   "They stay as they are until the program closes.")
                        .arg(QDir::toNativeSeparators(file), QString::fromStdString(reason)),
                    QStringLiteral("Settings"));
    }
    return false;
}

QString rememberedFolder(FileFolder kind) {
    const QString folder = fromRecordPath(programSettings().lastFolder(kind));
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

void rememberFolder(FileFolder kind, const QString& folder, QWidget* owner) {
    const std::string path = toRecordPath(QDir::cleanPath(QFileInfo(folder).absoluteFilePath()));
    if (programSettings().lastFolder(kind) == path) return;
    programSettings().lastFolder(kind) = path;
    saveProgramSettings(owner);
}

}  // namespace courtlog::gui::ui
