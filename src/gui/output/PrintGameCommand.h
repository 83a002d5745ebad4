#pragma once

class QWidget;

namespace courtlog::gui::output {

// Print > Game...: "Print Game" chooses a game file and its teams, then
// their score sheets open in the print preview.
void printGameCommand(QWidget* owner);

}  // namespace courtlog::gui::output
