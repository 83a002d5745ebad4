#include "gui/output/PrintGameCommand.h"

#include "gui/output/PrintGameDialog.h"
#include "gui/output/ScoreSheetCommands.h"

namespace courtlog::gui::output {

void printGameCommand(QWidget* owner) {
    PrintGameDialog dialog(owner);
    if (dialog.run() != 1) return;
    printGameScoreSheets(owner, dialog.chosenFile(),
                         static_cast<courtlog::output::SheetTeams>(dialog.chosenTeams()));
}

}  // namespace courtlog::gui::output
