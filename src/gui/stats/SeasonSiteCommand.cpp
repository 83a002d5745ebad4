#include "gui/stats/SeasonSiteCommand.h"

#include "gui/stats/GameSelectionDialog.h"
#include "gui/stats/SeasonSiteDialog.h"

namespace courtlog::gui::stats {

void seasonSiteCommand(QWidget* owner) {
    GameSelectionDialog selection(owner, SelectionPurpose::WebSite);
    if (selection.run() != 1) return;
    SeasonSiteDialog dialog(owner, selection.choice().files);
    dialog.run();
}

}  // namespace courtlog::gui::stats
