#include "gui/ui/GameFilesList.h"

#include <QDir>
#include <QFile>

#include "gui/ui/ProgramSettings.h"
#include "gui/ui/RecordPaths.h"

namespace courtlog::gui::ui {

using courtlog::stats::ListedEntry;

std::string systemPath(const QString& path) { return toRecordPath(path); }
QString shownPath(const std::string& path) { return fromRecordPath(path); }

GameFilesList::GameFilesList(QWidget* parent) : QListWidget(parent) {
    setObjectName(QStringLiteral("filesList"));
    connect(this, &QListWidget::currentRowChanged, this, [this] { emit highlightChanged(); });
    connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        const int index = row(item);
        if (index < 0 || static_cast<std::size_t>(index) >= entries_.size()) return;
        // A copy: entering a folder replaces the entries.
        const ListedEntry entry = entries_[static_cast<std::size_t>(index)];
        if (entry.isGame())
            emit gameChosen(entry);
        else
            enterFolder(shownPath(entry.target));
    });
}

bool GameFilesList::enterFolder(const QString& folder) {
    const QString absolute = QDir::cleanPath(QDir(folder).absolutePath());
    const auto listing = courtlog::stats::readFolderEntries(systemPath(absolute));
    if (!listing || !QDir::setCurrent(absolute)) return false;
    folder_ = absolute;
    entries_ = courtlog::stats::listGameFolder(systemPath(folder_), *listing, systemPath(QDir::homePath()));
    blockSignals(true);
    clear();
    for (const ListedEntry& entry : entries_) addItem(shownPath(entry.text));
    setCurrentRow(entries_.empty() ? -1 : 0);
    blockSignals(false);
    emit highlightChanged();
    return true;
}

void GameFilesList::enterStartFolder() {
    if (const QString games = rememberedFolder(FileFolder::Games); !games.isEmpty() && enterFolder(games)) return;
    if (!enterFolder(QDir::currentPath())) enterFolder(QDir::homePath());
}

const ListedEntry* GameFilesList::highlightedEntry() const {
    const int row = currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= entries_.size()) return nullptr;
    return &entries_[static_cast<std::size_t>(row)];
}

QString GameFilesList::searchPath() const { return shownPath(courtlog::stats::gameSearchPath(systemPath(folder_))); }

}  // namespace courtlog::gui::ui
