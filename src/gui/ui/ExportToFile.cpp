#include "gui/ui/ExportToFile.h"

#include "gui/ui/MessageBox.h"
#include "gui/ui/SaveFailure.h"

namespace courtlog::gui::ui {

output::ExportMode askExportMode(QWidget* owner, const QString& path) {
    auto ask = [owner, path](const QString& question) {
        return showMessage(owner, question, path, MessageButtons::YesNo, MessageIcon::Question) == ResultYes;
    };
    output::ExportQuestions questions;
    questions.appendToIt = [&] {
        return ask(QStringLiteral("This file already exists.  Would you like to append to it?"));
    };
    questions.overwriteIt = [&] { return ask(QStringLiteral("Overwrite Existing File?")); };
    return output::chooseExportMode(output::exportFileExists(path.toStdString()), questions);
}

bool exportToFile(QWidget* owner, const QString& path, const std::function<std::string(output::ExportMode)>& text) {
    const output::ExportMode mode = askExportMode(owner, path);
    if (mode == output::ExportMode::Cancelled) return false;
    std::string reason;
    if (!output::writeExportFile(path.toStdString(), mode, text(mode), &reason)) {
        showFileSaveFailure(owner, path, reason);
        return false;
    }
    return true;
}

}  // namespace courtlog::gui::ui
