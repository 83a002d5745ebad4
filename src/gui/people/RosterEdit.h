#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/records/RosterEditorRules.h"
#include "gui/ui/CourtlogDialog.h"

class QComboBox;
class QKeyEvent;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace courtlog {
class Team;
struct Player;
}  // namespace courtlog

namespace courtlog::gui::people {

// "Edit Roster": edits the players of a working team (names, numbers,
// positions and the five-player starting lineup). The caller owns the working
// team and keeps its roster only when the editor ends with OK.
class RosterEdit : public ui::CourtlogDialog {
    Q_OBJECT
public:
    explicit RosterEdit(Team& working, QWidget* parent = nullptr);

    // Index of the player shown in the entry fields, -1 when none.
    int current() const { return current_; }

    // "07 - Jones, G"; "00 - ..." for negative numbers.
    static QString listText(const Player& player);

    void reject() override;

    // True while the entry fields hold a player that is not in the roster
    // yet (no player selected) or differs from the selected one (the rule
    // is the core's entryPending).
    bool entryPending() const;

protected:
    // Enter in the entry fields adds the player typed there, or updates the
    // one shown when his name is still in the name field, and keeps the
    // editor open; with nothing pending it presses OK.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The player shown in the entry fields (null when none) and what the
    // fields hold, the name trimmed.
    const Player* shownPlayer() const;
    TypedEntry typedEntry() const;

    void fillLists();
    void showStartingLineup();
    void showEntry(int index);
    void showPlayer(int index);
    void clearEntry();
    LineupChoices lineupChoices() const;
    void selectRosterRow(int row);

    // The name and number in the entry fields, checked: a name given and
    // not on another player (except is the player being changed, -1 for a
    // new one), cut to nameChars; a uniform 00 or 0..99. A refusal is told
    // in a message and gives nothing.
    struct Entry {
        std::string name;
        std::int16_t number = 0;
    };
    std::optional<Entry> checkedEntry(int except, std::size_t nameChars);

    bool commitOnOk();
    void addPlayer();
    bool selectPlayer();
    void deletePlayer();
    void editPersonalInfo();

    Team& team_;
    int current_ = -1;
    QListWidget* rosterList_ = nullptr;
    std::array<QComboBox*, 5> lineupLists_{};
    QLineEdit* nameEdit_ = nullptr;
    QLineEdit* numberEdit_ = nullptr;
    // Set when the last entry checked was refused.
    bool entryRefused_ = false;
    QComboBox* positionList_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* addButton_ = nullptr;
    QPushButton* updateButton_ = nullptr;
};

}  // namespace courtlog::gui::people
