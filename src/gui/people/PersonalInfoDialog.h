#pragma once

#include <string>
#include <vector>

#include "core/records/AddressListOrder.h"
#include "core/records/PersonalInfoEntry.h"
#include "core/records/Team.h"
#include "gui/ui/CourtlogDialog.h"

class QLineEdit;
class QPushButton;
class QTableWidget;

namespace courtlog::gui::people {

// "Players Personal Info": the team as an address list, one row per player,
// with the entry of the selected player in nine fields above it. The user
// edits an entry and stores it with "&Update Info", sorts the list by a
// column heading, writes an e-mail to a player or the whole team, copies the
// team's addresses, exports and prints the list.
//
// Works on a copy of the team; OK hands the copy back (players' names and
// personal information, and the order a sort left them in), Cancel drops it.
class PersonalInfoDialog : public ui::CourtlogDialog {
    Q_OBJECT
public:
    explicit PersonalInfoDialog(Team& team, QWidget* parent = nullptr);

    // The row selected last, -1 when none.
    int current() const { return current_; }
    const Team& workingTeam() const { return working_; }

    void done(int result) override;

private:
    QLineEdit* addEntryEdit(const char* objectName, int maxChars);
    void fillList();
    void selectRow(int row);
    void showEntry();
    PersonalInfoEntry typedEntry() const;
    void updateInfo();
    void clearBoxes();
    void pickBirthday();
    void writeEmail();
    void writeEmailToTeam();
    void copyAddresses();
    // A message to addresses through the desktop's mail program, or a
    // message saying there is none.
    void openMail(const std::vector<std::string>& addresses);
    void sayNoAddresses();
    void sortByColumn(int column);

    Team& team_;
    Team working_;
    int current_ = -1;
    AddressListOrder order_;
    QLineEdit* nameEdit_ = nullptr;
    QLineEdit* birthdayEdit_ = nullptr;
    QLineEdit* phoneEdit_ = nullptr;
    QLineEdit* addressEdit_ = nullptr;
    QLineEdit* cityEdit_ = nullptr;
    QLineEdit* stateEdit_ = nullptr;
    QLineEdit* zipEdit_ = nullptr;
    QLineEdit* emailEdit_ = nullptr;
    QLineEdit* noteEdit_ = nullptr;
    QTableWidget* list_ = nullptr;
    QPushButton* copyButton_ = nullptr;
};

}  // namespace courtlog::gui::people
