#pragma once

#include <vector>

#include "core/stats/GameStatTally.h"
#include "core/stats/StatisticsColumns.h"
#include "core/stats/StatisticsSets.h"
#include "gui/ui/CourtlogDialog.h"
#include "gui/ui/GameViewer.h"

class QTabBar;
class QTableView;

namespace courtlog {
class Game;
}

namespace courtlog::gui::stats {

class StatisticsTableModel;

// The "Statistics" dialog: a tab strip (the team, "Opponents", "Combined";
// or one "All Teams" tab) over the 45-column list of the tab's statistics
// lines, sorted by a click on a column, with OK, Print, Setup Printer and
// Export below. Beside the console it follows the game in progress (a game
// viewer, recomputed after every change of the game); over game files it
// runs modally. The column widths are kept in the settings when it closes;
// while it exists Statistics > Player and Team Statistics is greyed.
class StatisticsViewer : public ui::CourtlogDialog, public ui::GameViewer {
    Q_OBJECT
public:
    // gameInProgress, when given, is read instead of the selection's files
    // and must outlive the viewer.
    StatisticsViewer(QWidget* parent, courtlog::stats::StatisticsSets sets, const Game* gameInProgress = nullptr);
    ~StatisticsViewer() override;

    // Shows the viewer without blocking beside the console, following the
    // game until it is closed (it then deletes itself).
    void showBesideConsole(QWidget* console);

    // The three sets again from the game, the list made to match.
    void refreshFromGame() override;
    // The plays that changed, counted into the kept statistics; the three
    // sets from them, the list made to match.
    void gameChanged(const courtlog::scoring::PlaysChange& change) override;

    courtlog::stats::StatisticsTab shownTab() const;
    const std::vector<StatLine>& shownLines() const;

private:
    void recompute();
    void showTab(int index);
    void sortByColumn(int column);
    void printShownSet();
    void exportShownSet();
    void storeColumnWidths() const;

    courtlog::stats::StatisticsSets sets_;
    const Game* gameInProgress_;
    // Running counts of the game in progress.
    courtlog::stats::GameStatTally kept_;
    std::vector<courtlog::stats::StatisticsTab> tabs_;
    courtlog::stats::ColumnSortDirections directions_;
    QTabBar* tabBar_;
    QTableView* table_;
    StatisticsTableModel* model_;
};

}  // namespace courtlog::gui::stats
