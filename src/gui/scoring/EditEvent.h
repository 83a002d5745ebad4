#pragma once

#include "gui/scoring/ScoringCoreNames.h"

#include "gui/ui/CourtlogDialog.h"

class QComboBox;

namespace courtlog {
class Game;
class Team;
struct PlayEvent;
}  // namespace courtlog

namespace courtlog::gui::scoring {

// "Edit Events": corrects one team's recorded plays in place: player, kind,
// sub-kind and period of a play, its shot spot, or deletes it. Every change
// goes straight into the game; closing in any way removes the deleted plays
// of both teams.
class EditEvent : public ui::CourtlogDialog {
    Q_OBJECT
public:
    EditEvent(QWidget* parent, Game& game, bool home);

    // True once a play was updated or deleted.
    bool changedPlays() const { return changed_; }

    void done(int result) override;

private:
    std::vector<PlayEvent>& events();
    Team& team();
    void fillEventList();
    void fillSubTypes(int kind);
    void clearSelections();
    void showSelectedEvent();
    // "&Update Event"; false when the choice was refused.
    bool updateSelectedEvent();
    void deleteSelectedEvent();
    void pressOk();
    void pressCancel();

    Game& game_;
    const bool home_;
    bool changed_ = false;
    bool filling_ = false;
    QComboBox* eventList_ = nullptr;
    QComboBox* playerList_ = nullptr;
    QComboBox* kindList_ = nullptr;
    QComboBox* subKindList_ = nullptr;
    QComboBox* periodList_ = nullptr;
};

}  // namespace courtlog::gui::scoring
