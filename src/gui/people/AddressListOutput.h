#pragma once

class QWidget;

namespace courtlog {
class Team;
}

namespace courtlog::gui::people {

// The personal-information dialog's "&E": asks for a file (comma-delimited
// or HTML), asks about an existing one (append or overwrite) and writes the
// team's address list into it.
void exportAddressList(QWidget* owner, const Team& team);

// The dialog's "&P": the address list on paper, through the print preview.
void printAddressList(QWidget* owner, const Team& team);

}  // namespace courtlog::gui::people
