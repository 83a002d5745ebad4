#include "gui/ui/ExportToFile.h"

#include "gui/ui/MessageBox.h"
#include "gui/ui/RecordPaths.h"
#include "gui/ui/SaveFailure.h"
#include "gui/ui/Sound.h"

namespace courtlog::gui::ui {

courtlog::output::ExportMode askExportMode(QWidget* owner, const QString& path, QuestionSound sound) {
    auto ask = [owner, path, sound](const QString& question) {
        if (sound == QuestionSound::Click) playSoundEffect(SoundClick);
        return showMessage(owner, question, path, MessageButtons::YesNo, MessageIcon::Question) == ResultYes;
    };
    courtlog::output::ExportQuestions questions;
    questions.appendToIt = [&] {
        return ask(QStringLiteral("This file already exists.  Would you like to append to it?"));
    };
    questions.overwriteIt = [&] { return ask(QStringLiteral("Overwrite Existing File?")); };
    return courtlog::output::chooseExportMode(courtlog::output::exportFileExists(toRecordPath(path)), questions);
}

bool exportToFile(QWidget* owner, const QString& path, courtlog::output::ExportEncoding encoding,
                  const std::function<std::string(courtlog::output::ExportMode)>& text, QuestionSound sound) {
    const courtlog::output::ExportMode mode = askExportMode(owner, path, sound);
    if (mode == courtlog::output::ExportMode::Cancelled) return false;
    std::string reason;
    if (!courtlog::output::writeExportText(toRecordPath(path), mode, text(mode), encoding, &reason)) {
        showFileSaveFailure(owner, path, reason);
        return false;
    }
    return true;
}

}  // namespace courtlog::gui::ui
