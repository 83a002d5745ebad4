
#include "gui/scoring/ScoringCoreNames.h"
#include "gui/scoring/EventEditorRoute.h"

#include "core/records/Game.h"
#include "gui/scoring/EditEvent.h"

namespace courtlog::gui::scoring {

bool editEvents(QWidget* parent, Game& game, bool home) {
    EditEvent editor(parent, game, home);
    editor.run();
    if (editor.changedPlays()) game.recomputeScores();
    return editor.changedPlays();
}

}  // namespace courtlog::gui::scoring
