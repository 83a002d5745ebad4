#pragma once

#include "core/scoring/EventEditSession.h"
#include "gui/ui/CourtlogDialog.h"

class QComboBox;

namespace courtlog::scoring {
class GameConsole;
}

namespace courtlog::gui::scoring {

// "Edit Events": corrects one team's recorded plays: player, kind, sub-kind
// and period of a play, its shot spot, or deletes it. The changes are made
// on a copy; closing in any way (Cancel keeps what was already updated or
// deleted) removes the deleted plays of both teams and puts the lists in the
// game through the console, as one step Ctrl+Z takes back.
class EditEvent : public ui::CourtlogDialog {
    Q_OBJECT
public:
    EditEvent(QWidget* parent, courtlog::scoring::GameConsole& console, bool home);

    // True once closing changed the game's plays.
    bool changedPlays() const { return changed_; }

    void done(int result) override;

private:
    const std::vector<PlayEvent>& events() const { return session_.plays(); }
    const Team& team() const { return session_.team(); }
    void fillEventList();
    void fillSubTypes(int kind);
    void clearSelections();
    void showSelectedEvent();
    // "&Update Event"; false when the choice was refused.
    bool updateSelectedEvent();
    void deleteSelectedEvent();
    void pressOk();
    void pressCancel();

    courtlog::scoring::GameConsole& console_;
    courtlog::scoring::EventEditSession session_;
    const bool home_;
    bool closed_ = false;
    bool changed_ = false;
    bool filling_ = false;
    QComboBox* eventList_ = nullptr;
    QComboBox* playerList_ = nullptr;
    QComboBox* kindList_ = nullptr;
    QComboBox* subKindList_ = nullptr;
    QComboBox* periodList_ = nullptr;
};

}  // namespace courtlog::gui::scoring
