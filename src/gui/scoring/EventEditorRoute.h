#pragma once

#include "gui/scoring/ScoringCoreNames.h"

class QWidget;

namespace courtlog {
class Game;
}

namespace courtlog::gui::scoring {

// "Edit &Home Events" / "Edit &Visitor Events" at the console: opens the
// event editor on one side's plays. True when plays may have changed, so
// the console recomputes, redraws and saves.
bool editEvents(QWidget* parent, Game& game, bool home);

}  // namespace courtlog::gui::scoring
