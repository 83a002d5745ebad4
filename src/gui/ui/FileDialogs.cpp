#include "gui/ui/FileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStringList>
#include <deque>
#include <functional>

#include "core/records/TypedFileName.h"
#include "gui/ui/AppState.h"
#include "gui/ui/MessageBox.h"
#include "gui/ui/ProgramSettings.h"
#include "gui/ui/RecordPaths.h"
#include "gui/ui/Sound.h"

namespace courtlog::gui::ui {

namespace {

struct FilterEntry {
    QString description;
    QString patterns;  // as written, e.g. "*.txt;*.csv"
};

// "Desc (*.x)|*.x|Other|*.y|" -> pairs. A trailing bar (or an odd piece
// without its pattern) is ignored.
std::vector<FilterEntry> parseFilters(const QString& filters) {
    const QStringList pieces = filters.split(QLatin1Char('|'));
    std::vector<FilterEntry> entries;
    for (qsizetype i = 0; i + 1 < pieces.size(); i += 2) {
        if (pieces[i].isEmpty() && pieces[i + 1].isEmpty()) continue;
        entries.push_back({pieces[i], pieces[i + 1]});
    }
    return entries;
}

QString qtFilterOf(const FilterEntry& entry) {
    QString patterns = entry.patterns;
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    patterns = patterns.simplified();
    // QFileDialog reads the patterns from the last parentheses of the text, so
    // the description carries the patterns that really apply.
    QString description = entry.description.trimmed();
    const qsizetype open = description.lastIndexOf(QLatin1Char('('));
    if (open >= 0 && description.endsWith(QLatin1Char(')'))) description = description.left(open).trimmed();
    if (description.isEmpty()) return patterns;
    return description + QStringLiteral(" (") + patterns + QLatin1Char(')');
}

QStringList qtFilterList(const QString& filters) {
    QStringList list;
    for (const FilterEntry& entry : parseFilters(filters)) list << qtFilterOf(entry);
    return list;
}

QString effectiveExtension(const FileDialogOptions& options, int filterIndex) {
    if (!options.defaultExtension.isEmpty()) return options.defaultExtension;
    return extensionOfFilter(options.filters, filterIndex);
}

// The extensions each filter offers: "*.txt;*.csv" offers txt and csv, "*.*"
// any.
OfferedKinds offeredKinds(const QString& filters) {
    OfferedKinds kinds;
    for (const FilterEntry& entry : parseFilters(filters)) {
        std::vector<std::string> extensions;
        for (const QString& pattern :
             entry.patterns.split(QRegularExpression(QStringLiteral("[; ]")), Qt::SkipEmptyParts)) {
            const qsizetype dot = pattern.lastIndexOf(QLatin1Char('.'));
            const QString extension = dot < 0 ? pattern : pattern.mid(dot + 1);
            if (!extension.isEmpty()) extensions.push_back(toRecordPath(extension));
        }
        kinds.push_back(std::move(extensions));
    }
    return kinds;
}

// The folder a dialog opens in (see FileDialogOptions::initialDirectory).
QString startingFolder(const FileDialogOptions& options) {
    if (!options.initialDirectory.isEmpty()) return options.initialDirectory;
    if (options.folder) {
        if (const QString remembered = rememberedFolder(*options.folder); !remembered.isEmpty())
            return remembered;
    }
    if (!appState().homeDirectory.isEmpty()) return appState().homeDirectory;
    if (!appState().startDirectory.isEmpty()) return appState().startDirectory;
    return QDir::currentPath();
}

// The name a save dialog proposes while filter filterIndex is selected.
QString suggestionFor(const FileDialogOptions& options, int filterIndex) {
    if (options.suggestedNames.isEmpty()) return {};
    const QString name = options.suggestedNames.value(
        filterIndex - 1, options.suggestedNames.size() == 1 ? options.suggestedNames.front() : QString());
    const QString extension = effectiveExtension(options, filterIndex);
    if (name.isEmpty() || extension.isEmpty()) return name;
    return name + QLatin1Char('.') + extension;
}

// Whether text (as the name field shows it, perhaps with the extension of
// another kind) is still one of the proposals rather than the user's own.
bool isProposal(const FileDialogOptions& options, const QString& text) {
    const QString typed = QFileInfo(text).completeBaseName();
    for (const QString& name : options.suggestedNames)
        if (!name.isEmpty() && (text == name || typed == name)) return true;
    return false;
}

void rememberFolderOf(const FileDialogOptions& options, const FileChoice& choice, QWidget* owner) {
    if (options.folder) rememberFolder(*options.folder, QFileInfo(choice.path).absolutePath(), owner);
}

struct FileDialogHooks {
    std::deque<std::optional<FileChoice>> answers;
    FileDialogOptions lastOptions;
};

FileDialogHooks& hooks() {
    static FileDialogHooks instance;
    return instance;
}

// True when path may be written: it does not exist, or the user agreed to
// replace it (or the caller asks about it itself).
bool mayWrite(QWidget* owner, const FileDialogOptions& options, const QString& path) {
    return !options.askBeforeReplacing || !QFileInfo::exists(path) || confirmReplacing(owner, path);
}

// Takes the default suffix from the filter chosen at the moment of
// accepting, however the filter was chosen, and asks before a save replaces
// a file that exists: a No keeps the dialog open for another choice.
class ExtensionFileDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;
    std::function<QString(const QString&)> suffixFor;
    // Whether the chosen file may be taken (a save asks before replacing).
    std::function<bool(const QString&)> mayAccept;

    void accept() override {
        if (suffixFor) setDefaultSuffix(suffixFor(selectedNameFilter()));
        QFileDialog::accept();
    }

    void done(int result) override {
        if (result == QDialog::Accepted && mayAccept && !selectedFiles().isEmpty() &&
            !mayAccept(selectedFiles().first()))
            return;
        QFileDialog::done(result);
    }
};

std::optional<FileChoice> queuedAnswer(QWidget* owner, const FileDialogOptions& options, bool save) {
    FileDialogHooks& h = hooks();
    while (!h.answers.empty()) {
        std::optional<FileChoice> answer = h.answers.front();
        h.answers.pop_front();
        if (!answer) return answer;
        const FileChoice choice = typedChoice(options, answer->path, answer->filterIndex, save);
        if (!save || mayWrite(owner, options, choice.path)) {
            rememberFolderOf(options, choice, owner);
            return choice;
        }
    }
    return std::nullopt;
}

std::optional<FileChoice> runFileDialog(QWidget* owner, const FileDialogOptions& options, bool save) {
    FileDialogHooks& h = hooks();
    h.lastOptions = options;
    h.lastOptions.initialDirectory = startingFolder(options);
    if (save && options.initialName.isEmpty()) h.lastOptions.initialName = suggestionFor(options, 1);
    if (!h.answers.empty()) return queuedAnswer(owner, options, save);

    ExtensionFileDialog dialog(owner, options.title);
    dialog.setObjectName(save ? QStringLiteral("saveFileDialog") : QStringLiteral("openFileDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    // The question about a file that exists is ours (mayWrite), asked
    // through our message box so that every save asks it the same way.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save || !options.mustExist ? QFileDialog::AnyFile : QFileDialog::ExistingFile);

    const QStringList filterList = qtFilterList(options.filters);
    if (!filterList.isEmpty()) dialog.setNameFilters(filterList);

    // The dialog's own default suffix follows the chosen filter, so a typed
    // name without an extension is looked up (open) or proposed (save) with it.
    auto filterIndexOf = [&filterList](const QString& qtFilter) {
        const int index = static_cast<int>(filterList.indexOf(qtFilter)) + 1;
        return index > 0 ? index : 1;
    };
    dialog.suffixFor = [&](const QString& qtFilter) { return effectiveExtension(options, filterIndexOf(qtFilter)); };
    dialog.setDefaultSuffix(dialog.suffixFor(filterList.value(0)));
    auto chosen = [&](const QString& selected) {
        return typedChoice(options, selected, filterIndexOf(dialog.selectedNameFilter()), save);
    };
    if (save)
        dialog.mayAccept = [&](const QString& selected) {
            return mayWrite(&dialog, options, chosen(selected).path);
        };

    dialog.setDirectory(h.lastOptions.initialDirectory);
    if (!h.lastOptions.initialName.isEmpty()) dialog.selectFile(h.lastOptions.initialName);
    if (save && options.initialName.isEmpty() && !options.suggestedNames.isEmpty()) {
        // Another kind chosen while the name is still proposed: that kind's
        // proposal. Qt has already given the shown name the kind's extension.
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& qtFilter) {
            auto* nameEdit = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (nameEdit && isProposal(options, nameEdit->text()))
                nameEdit->setText(suggestionFor(options, filterIndexOf(qtFilter)));
        });
    }

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;

    const FileChoice choice = chosen(dialog.selectedFiles().first());
    rememberFolderOf(options, choice, owner);
    return choice;
}

}  // namespace

QString toQtFilter(const QString& filters) { return qtFilterList(filters).join(QStringLiteral(";;")); }

QString extensionOfFilter(const QString& filters, int filterIndex) {
    const std::vector<FilterEntry> entries = parseFilters(filters);
    if (filterIndex < 1 || filterIndex > static_cast<int>(entries.size())) return {};
    // The first pattern of the filter decides: "*.bmp" gives "bmp"; "*.*" or
    // "*" give none.
    const QString first = entries[static_cast<std::size_t>(filterIndex - 1)]
                              .patterns.split(QRegularExpression(QStringLiteral("[; ]")), Qt::SkipEmptyParts)
                              .value(0);
    const qsizetype dot = first.lastIndexOf(QLatin1Char('.'));
    if (dot < 0) return {};
    const QString extension = first.mid(dot + 1);
    if (extension.isEmpty() || extension.contains(QLatin1Char('*')) || extension.contains(QLatin1Char('?')))
        return {};
    return extension;
}

FileChoice typedChoice(const FileDialogOptions& options, const QString& typed, int filterIndex, bool save) {
    const TypedFileName made = typedFileName(toRecordPath(typed), offeredKinds(options.filters),
                                             static_cast<std::size_t>(std::max(filterIndex, 1)),
                                             toRecordPath(effectiveExtension(options, filterIndex)), save);
    return {fromRecordPath(made.path), static_cast<int>(made.kind)};
}

std::optional<FileChoice> getOpenFile(QWidget* owner, const FileDialogOptions& options) {
    return runFileDialog(owner, options, false);
}

std::optional<FileChoice> getSaveFile(QWidget* owner, const FileDialogOptions& options) {
    return runFileDialog(owner, options, true);
}

bool confirmReplacing(QWidget* owner, const QString& path) {
    playSoundEffect(SoundClick);
    return showMessage(owner, QStringLiteral("Overwrite Existing File?"), path, MessageButtons::YesNo,
                       MessageIcon::Question) == ResultYes;
}

std::optional<QString> getFolder(QWidget* owner, const QString& title, const QString& initialDirectory) {
    FileDialogHooks& h = hooks();
    h.lastOptions = FileDialogOptions{};
    h.lastOptions.title = title;
    h.lastOptions.initialDirectory = initialDirectory;
    if (!h.answers.empty()) {
        const bool given = h.answers.front().has_value();
        const QString path = given ? h.answers.front()->path : QString();
        h.answers.pop_front();
        if (!given) return std::nullopt;
        return path;
    }
    QFileDialog dialog(owner, title);
    dialog.setObjectName(QStringLiteral("folderDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setDirectory(initialDirectory.isEmpty() ? QDir::currentPath() : initialDirectory);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
}

namespace testing {

void queueFileAnswer(std::optional<FileChoice> answer) { hooks().answers.push_back(std::move(answer)); }

std::size_t pendingFileAnswers() { return hooks().answers.size(); }

void clearFileAnswers() { hooks().answers.clear(); }

const FileDialogOptions& lastFileDialogOptions() { return hooks().lastOptions; }

}  // namespace testing

}  // namespace courtlog::gui::ui
