#pragma once

#include "gui/ui/CourtlogDialog.h"

class QRadioButton;

namespace courtlog {
class Game;
}

namespace courtlog::gui::ui {

// "Current Game Stats": which team of the game being scored an analysis is
// for. run() returns 1002 for the home team, 1003 for the visiting team and
// 2 when cancelled.
class PickTeam : public ui::CourtlogDialog {
    Q_OBJECT
public:
    static constexpr int HomeTeam = 1002;
    static constexpr int VisitingTeam = 1003;

    PickTeam(QWidget* parent, const Game& game);

private:
    QRadioButton* home_ = nullptr;
    QRadioButton* visitor_ = nullptr;
};

}  // namespace courtlog::gui::ui
