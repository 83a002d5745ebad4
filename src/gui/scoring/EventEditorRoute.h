#pragma once

class QWidget;

namespace courtlog::scoring {
class GameConsole;
}

namespace courtlog::gui::scoring {

// "Edit &Home Events" / "Edit &Visitor Events" at the console: opens the
// event editor on one side's plays. What it changed goes into the game as
// one step on the console's undo stack; true when plays changed, so the
// console redraws and saves.
bool editEvents(QWidget* parent, courtlog::scoring::GameConsole& console, bool home);

}  // namespace courtlog::gui::scoring
