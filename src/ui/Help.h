#pragma once

class QWidget;

namespace courtlog::ui {

// Opens the user's manual (crhelp.html beside the program, or in the help
// folder) at its contents page; a missing manual gives a clear message.
void openHelpContents(QWidget* owner);

}  // namespace courtlog::ui
