
#include "gui/scoring/ScoringCoreNames.h"
#include "gui/scoring/EventEditorRoute.h"

#include "core/scoring/GameConsole.h"
#include "gui/scoring/EditEvent.h"

namespace courtlog::gui::scoring {

bool editEvents(QWidget* parent, GameConsole& console, bool home) {
    EditEvent editor(parent, console, home);
    editor.run();
    return editor.changedPlays();
}

}  // namespace courtlog::gui::scoring
