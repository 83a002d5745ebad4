#pragma once

#include <vector>

#include "core/scoring/CourtGeometry.h"
#include "core/stats/ShotAnalysis.h"
#include "core/stats/ShotChartFigures.h"
#include "gui/stats/ShotChartDrawing.h"
#include "gui/ui/CourtlogDialog.h"
#include "gui/ui/GameViewer.h"

class QButtonGroup;
class QComboBox;
class QGridLayout;
class QLabel;
class QListWidget;

namespace courtlog::gui::stats {

class ShotChartCanvas;

// The "Shot Analysis" dialog: the court of the league's arc, growing with
// the dialog, with the marks of the shots collected, the player list
// ("Whole Team", "Opposing Team(s)" or one player), the period list, "2s",
// "3s" and "All", the counts of the marks shown and their zone figures.
// Beside the console it follows the game in progress; over game files it
// runs modally. While it exists Statistics > Shot Analysis is greyed.
class ShotChartDialog : public ui::CourtlogDialog, public ui::GameViewer {
    Q_OBJECT
public:
    ShotChartDialog(QWidget* parent, courtlog::stats::ShotAnalysis analysis);
    ~ShotChartDialog() override;

    // Shows the dialog without blocking beside the console, following the
    // game until it is closed (it then deletes itself).
    void showBesideConsole(QWidget* console);

    // Collects the shots of the chosen entry again and repaints.
    void refreshFromGame() override;

    const courtlog::stats::ShotChartFigures& shownFigures() const { return figures_; }
    ShotChartPageTexts pageTexts() const;

private:
    void chooseEntry(int row);
    void showFigures();
    void print();

    courtlog::stats::ShotAnalysis analysis_;
    std::vector<courtlog::stats::PlayerListEntry> entries_;
    courtlog::scoring::ThreePointArc arc_;
    courtlog::stats::ShotChartFigures figures_;
    ShotChartCanvas* canvas_;
    QListWidget* players_;
    QComboBox* periods_;
    QButtonGroup* kinds_;
    QLabel* made_;
    QLabel* missed_;
    std::vector<std::vector<QLabel*>> zoneRows_;
};

}  // namespace courtlog::gui::stats
