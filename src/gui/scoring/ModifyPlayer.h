#pragma once

#include <vector>

#include "core/records/Player.h"
#include "gui/ui/CourtlogDialog.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace courtlog {
class Game;
}

namespace courtlog::gui::scoring {

// "Edit Player": renames and renumbers players of either team of the game in
// progress. Works on copies of both rosters; on OK each changed player is
// renamed in the game, together with every play already recorded for him.
class ModifyPlayer : public ui::CourtlogDialog {
    Q_OBJECT
public:
    explicit ModifyPlayer(Game& game, QWidget* parent = nullptr);

    void reject() override;

private:
    std::vector<Player>& shownRoster() { return showingHome_ ? homeCopy_ : visitorCopy_; }
    void fillList();
    void showPlayer(int index);
    // Takes the name and number on display into the copy; false (with a
    // message) for an empty name or one another player of the team has.
    bool applyEdits();
    void chooseFromList(int row);
    void switchTeam();
    void commit();

    Game& game_;
    std::vector<Player> homeCopy_;
    std::vector<Player> visitorCopy_;
    bool showingHome_ = true;
    int shown_ = -1;

    QListWidget* rosterList_ = nullptr;
    QLineEdit* nameEdit_ = nullptr;
    QComboBox* numberList_ = nullptr;
    QRadioButton* homeButton_ = nullptr;
    QRadioButton* visitorButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

}  // namespace courtlog::gui::scoring
