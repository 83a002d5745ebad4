#pragma once

#include <QStringList>

#include "core/output/BoxScore.h"
#include "core/stats/GameStatTally.h"
#include "gui/ui/CourtlogDialog.h"
#include "gui/ui/GameViewer.h"


namespace courtlog {
class Game;
}

namespace courtlog::gui::stats {

// The "Box Score" dialog: the box score text of one game in a list, with
// OK, Print, Setup Printer and Export below it. Beside the console it
// follows the game in progress (a game viewer, rebuilt after every change of
// the game); over a game loaded from a file it runs modally. While it exists
// the Statistics > Box Score command is greyed.
class BoxScoreDialog : public ui::CourtlogDialog, public ui::GameViewer {
    Q_OBJECT
public:
    // game must outlive the dialog.
    BoxScoreDialog(QWidget* parent, const Game& game);
    ~BoxScoreDialog() override;

    // Shows the dialog without blocking beside the console, following the
    // game until it is closed (it then deletes itself).
    void showBesideConsole(QWidget* console);

    // Both teams' statistics again, and the list made to match.
    void refreshFromGame() override;
    // Beside the console: the plays that changed, counted into the kept
    // statistics, and the list made to match.
    void gameChanged(const courtlog::scoring::PlaysChange& change) override;

    // The lines the list shows.
    QStringList lines() const;

private:
    void fillList();
    void printBoxScore();
    void exportBoxScore();

    // Running counts of the game in progress, kept beside the console.
    courtlog::stats::GameStatTally kept_;
    output::BoxScore boxScore_;
    class LineList* list_;
};

}  // namespace courtlog::gui::stats
