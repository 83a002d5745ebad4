#pragma once

#include <QListWidget>
#include <QString>
#include <string>
#include <vector>

#include "core/stats/GameFolderListing.h"

namespace courtlog::gui::ui {

// The files list of the dialogs that pick saved games (the game selection
// for analysis, Print Game): the current folder's game files, then its
// sub-folders as "[name]", the parent as "[..]", the home folder as "[-~-]"
// and the root as "[-/-]". A double-click on a folder enters it; one on a
// game file is announced by gameChosen. The folder entered becomes the
// program's current folder, so the next file dialog starts there.
class GameFilesList : public QListWidget {
    Q_OBJECT
public:
    explicit GameFilesList(QWidget* parent);

    // Shows folder's entries, the first highlighted; false (and nothing
    // changes) when it cannot be listed.
    bool enterFolder(const QString& folder);
    // The folder games were last chosen in, else the current folder, else
    // the home folder.
    void enterStartFolder();
    const QString& currentFolder() const { return folder_; }

    // The highlighted entry; nullptr when there is none.
    const courtlog::stats::ListedEntry* highlightedEntry() const;
    const std::vector<courtlog::stats::ListedEntry>& entries() const { return entries_; }
    // "folder/*.gam", what a dialog shows while no game is highlighted.
    QString searchPath() const;

signals:
    // Another entry is highlighted, or another folder shown.
    void highlightChanged();
    // A game file was double-clicked.
    void gameChosen(const courtlog::stats::ListedEntry& entry);

private:
    std::vector<courtlog::stats::ListedEntry> entries_;
    QString folder_;
};

// File names are the system's bytes; the core keeps them as they are.
std::string systemPath(const QString& path);
QString shownPath(const std::string& path);

}  // namespace courtlog::gui::ui
