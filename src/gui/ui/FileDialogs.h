#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace courtlog::gui::ui {

struct FileChoice {
    QString path;
    int filterIndex = 1;  // 1-based index of the chosen filter
};

struct FileDialogOptions {
    // Filters in the "Description (*.ext)|*.ext|..." form.
    QString filters;
    // Appended (with a '.') to a chosen name that has no '.' in its file name.
    // When empty, the chosen filter's extension is used.
    QString defaultExtension;
    QString initialDirectory;
    QString initialName;
    QString title;
    bool mustExist = true;  // open dialogs only
    // Save dialogs: a chosen file that exists is taken only once the user
    // answers Yes to confirmReplacing; No goes back to choosing. Off only
    // where the caller asks its own questions about an existing file (the
    // exports' append or overwrite).
    bool askBeforeReplacing = true;
};

// Modal open / save dialogs. nullopt when cancelled.
std::optional<FileChoice> getOpenFile(QWidget* owner, const FileDialogOptions& options);
std::optional<FileChoice> getSaveFile(QWidget* owner, const FileDialogOptions& options);

// The question before a file that exists is replaced: the click sound, then
// "Overwrite Existing File?" captioned with the path, Yes/No, question
// icon. True for Yes.
bool confirmReplacing(QWidget* owner, const QString& path);
// Modal folder chooser starting in initialDirectory; the folder's path, or
// nullopt when cancelled. Answered from the same test queue as the file
// dialogs (the answer's path is the folder).
std::optional<QString> getFolder(QWidget* owner, const QString& title, const QString& initialDirectory);

// Pieces of the filter convention, shared with tests.
QString toQtFilter(const QString& filters);
QString extensionOfFilter(const QString& filters, int filterIndex);
QString withDefaultExtension(const QString& path, const QString& extension);

namespace testing {
// The next file dialog returns this without being shown (nullopt = cancel).
// The answer's extension rule is applied as for a real choice. When a save
// dialog's answer names a file that exists, the replace question is asked
// (answered from the message queue); after a No the next queued file answer
// is the user's next choice, and with none queued the dialog is cancelled.
void queueFileAnswer(std::optional<FileChoice> answer);
// Answers not taken yet, and dropping them (so none is left for the next test).
std::size_t pendingFileAnswers();
void clearFileAnswers();
// Options passed to the most recent dialog, shown or answered.
const FileDialogOptions& lastFileDialogOptions();
}  // namespace testing

}  // namespace courtlog::gui::ui
