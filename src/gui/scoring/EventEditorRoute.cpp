#include "gui/scoring/EventEditorRoute.h"

#include "core/scoring/GameConsole.h"
#include "gui/scoring/EditEvent.h"

namespace courtlog::gui::scoring {

// The scoring core's rules used here.
using courtlog::scoring::GameConsole;

bool editEvents(QWidget* parent, GameConsole& console, bool home) {
    EditEvent editor(parent, console, home);
    editor.run();
    return editor.changedPlays();
}

}  // namespace courtlog::gui::scoring
