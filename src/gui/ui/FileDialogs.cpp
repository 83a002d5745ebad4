#include "gui/ui/FileDialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QRegularExpression>
#include <QStringList>
#include <deque>
#include <functional>

#include "gui/ui/MessageBox.h"
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
        answer->path = withDefaultExtension(answer->path, effectiveExtension(options, answer->filterIndex));
        if (!save || mayWrite(owner, options, answer->path)) return answer;
    }
    return std::nullopt;
}

std::optional<FileChoice> runFileDialog(QWidget* owner, const FileDialogOptions& options, bool save) {
    FileDialogHooks& h = hooks();
    h.lastOptions = options;
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
    if (save) {
        dialog.mayAccept = [&](const QString& selected) {
            const QString path = withDefaultExtension(
                selected, effectiveExtension(options, filterIndexOf(dialog.selectedNameFilter())));
            return mayWrite(&dialog, options, path);
        };
    }

    const QString directory =
        options.initialDirectory.isEmpty() ? QDir::currentPath() : options.initialDirectory;
    dialog.setDirectory(directory);
    if (!options.initialName.isEmpty()) dialog.selectFile(options.initialName);

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;

    FileChoice choice;
    choice.filterIndex = filterIndexOf(dialog.selectedNameFilter());
    choice.path = withDefaultExtension(dialog.selectedFiles().first(), effectiveExtension(options, choice.filterIndex));
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

QString withDefaultExtension(const QString& path, const QString& extension) {
    if (path.isEmpty() || extension.isEmpty()) return path;
    const QString fileName = bareFileName(path);
    if (fileName.isEmpty() || fileName.contains(QLatin1Char('.'))) return path;
    return path + QLatin1Char('.') + extension;
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
