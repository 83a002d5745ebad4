#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "core/records/Settings.h"

class QWidget;

namespace courtlog::gui::ui {

struct FileChoice {
    QString path;
    // The kind chosen, as the filters count (from 1): the one the extension
    // of the typed name asks for, whatever filter showed; otherwise the
    // filter selected.
    int filterIndex = 1;
};

struct FileDialogOptions {
    // Filters in the "Description (*.ext)|*.ext|..." form.
    QString filters;
    // The extension a chosen name is given when it does not ask for one of
    // the offered kinds by its own (a save dialog), or has none (an open
    // dialog). When empty, the chosen filter's extension is used.
    QString defaultExtension;
    // Where the dialog opens. When empty: the folder remembered for folder,
    // else the folder the program started in.
    QString initialDirectory;
    // The kind of file whose folder the dialog opens in and, once a file is
    // chosen, remembers with the settings. None: nothing is remembered.
    std::optional<FileFolder> folder;
    QString initialName;
    // Save dialogs: the name proposed for each kind, in filter order and
    // without extension (one name serves every kind). The selected kind's is
    // shown with its extension; choosing another kind shows that kind's
    // while the name shown is still a proposal. Used when initialName is
    // empty.
    QStringList suggestedNames;
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
// What a name typed (or picked) in a dialog with options makes while the
// filter filterIndex is selected: the path with the extension rule applied
// and the kind it chooses (see FileChoice).
FileChoice typedChoice(const FileDialogOptions& options, const QString& typed, int filterIndex, bool save);

namespace testing {
// The next file dialog returns this without being shown (nullopt = cancel).
// The answer's path is taken as typed with its filter selected: the
// extension rule and the kind are applied as for a real choice, and the
// folder is remembered. When a save
// dialog's answer names a file that exists, the replace question is asked
// (answered from the message queue); after a No the next queued file answer
// is the user's next choice, and with none queued the dialog is cancelled.
void queueFileAnswer(std::optional<FileChoice> answer);
// Answers not taken yet, and dropping them (so none is left for the next test).
std::size_t pendingFileAnswers();
void clearFileAnswers();
// Options passed to the most recent dialog, shown or answered, with the
// folder it opened in as initialDirectory and the name it proposed as
// initialName.
const FileDialogOptions& lastFileDialogOptions();
}  // namespace testing

}  // namespace courtlog::gui::ui
