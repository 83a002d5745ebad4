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
};

// Modal open / save dialogs. nullopt when cancelled.
std::optional<FileChoice> getOpenFile(QWidget* owner, const FileDialogOptions& options);
std::optional<FileChoice> getSaveFile(QWidget* owner, const FileDialogOptions& options);
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
// The answer's extension rule is applied as for a real choice.
void queueFileAnswer(std::optional<FileChoice> answer);
// Answers not taken yet, and dropping them (so none is left for the next test).
std::size_t pendingFileAnswers();
void clearFileAnswers();
// Options passed to the most recent dialog, shown or answered.
const FileDialogOptions& lastFileDialogOptions();
}  // namespace testing

}  // namespace courtlog::gui::ui
