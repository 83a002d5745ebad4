#pragma once

#include <QString>

#include "gui/ui/CourtlogDialog.h"

class QLabel;
class QRadioButton;

namespace courtlog::gui::ui {
class GameFilesList;
}

namespace courtlog::gui::output {

// "Print Game": the game file whose score sheets to print and for which
// teams. The files list is the one of the game selection (game files,
// folders, "[..]", "[-~-]", "[-/-]"; a double-click enters a folder).
// "File Name :" shows the highlighted entry; the first two choices of
// "Print Options" carry the highlighted game's visiting and home team names,
// "&Both" is chosen at the start. "&Print" enters a highlighted folder, and
// on a game file ends the dialog with OK (1).
class PrintGameDialog : public ui::CourtlogDialog {
    Q_OBJECT
public:
    // The choices, numbered as the score sheets take them.
    enum Teams { VisitingTeam = 0, HomeTeam = 1, BothTeams = 2 };

    explicit PrintGameDialog(QWidget* parent);

    // After OK: the game file and the teams chosen.
    const QString& chosenFile() const { return chosenFile_; }
    Teams chosenTeams() const { return chosenTeams_; }

private:
    void showHighlighted();
    void printOrEnter();

    ui::GameFilesList* files_;
    QLabel* fileName_;
    QRadioButton* visitor_;
    QRadioButton* home_;
    QRadioButton* both_;
    QString chosenFile_;
    Teams chosenTeams_ = BothTeams;
};

}  // namespace courtlog::gui::output
