#pragma once

#include <array>

#include "gui/ui/CourtlogDialog.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace courtlog {
class Team;
struct Player;
}  // namespace courtlog

namespace courtlog::people {

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
    // The number at the start of the first maxChars characters of text, as
    // the C library reads it; 0 when there is none.
    static int readNumber(const QString& text, int maxChars);
    // The uniform number in the number field: "00" is the uniform 00 (-1),
    // as the list shows it; anything else is read by readNumber.
    static int readUniform(const QString& text, int maxChars);

    void reject() override;

private:
    void fillLists();
    void showStartingLineup();
    void showEntry(int index, bool anyNegativeAsDoubleZero = false);
    void showPlayer(int index);
    void clearEntry();
    void setSlotsFromLineupLists();
    void selectRosterRow(int row);

    void commitOnOk();
    void addPlayer();
    void selectPlayer();
    void deletePlayer();
    void editPersonalInfo();

    Team& team_;
    int current_ = -1;
    QListWidget* rosterList_ = nullptr;
    std::array<QComboBox*, 5> lineupLists_{};
    QLineEdit* nameEdit_ = nullptr;
    QLineEdit* numberEdit_ = nullptr;
    QComboBox* positionList_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

}  // namespace courtlog::people
