#pragma once

#include <QString>
#include <vector>

#include "core/stats/GameFolderListing.h"
#include "core/stats/GameSelection.h"
#include "gui/ui/CourtlogDialog.h"

class QComboBox;
class QLabel;
class QListWidget;

namespace courtlog::gui::ui {
class GameFilesList;
}

namespace courtlog::gui::stats {

// What the chosen games are for. Statistics and shot analysis differ only in
// what OK does: for statistics OK clicks and warns with the warning sound,
// for a shot analysis it is silent and asks for "a Team to Analyze". A web
// site covers every team: its selection behaves as the statistics' with
// "All Teams" chosen and the team list out of sight.
enum class SelectionPurpose { Statistics, ShotAnalysis, WebSite };

// "Select Applicable Games To Analyze": browses folders for game files,
// collects any number of them ("&S", "&A", "&R", or a double-click on a
// file) and offers the teams that play in them, "All Teams" first. The
// folder entered becomes the program's current folder, so the next file
// dialog starts there. After OK, choice() holds the games and the team.
class GameSelectionDialog : public ui::CourtlogDialog {
    Q_OBJECT
public:
    GameSelectionDialog(QWidget* parent, SelectionPurpose purpose);

    // The games, the team and the all-teams flag chosen (after OK).
    const courtlog::stats::AnalysisChoice& choice() const { return choice_; }
    // The folder the files list shows.
    const QString& currentFolder() const;

private:
    void showInformation();
    void selectGame();
    void selectAllGames();
    void removeGame();
    void addGame(const courtlog::stats::ListedEntry& entry);
    void showTeams(const QString& chosenBefore, int chosenIndexBefore);
    void finishIfComplete();

    SelectionPurpose purpose_;
    courtlog::stats::GameSelection selection_;
    courtlog::stats::AnalysisChoice choice_;
    QLabel* information_;
    ui::GameFilesList* files_;
    QListWidget* games_;
    QComboBox* teams_;
};

}  // namespace courtlog::gui::stats
