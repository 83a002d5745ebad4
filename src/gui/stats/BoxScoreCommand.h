#pragma once

class QWidget;

namespace courtlog::gui::stats {

// Statistics > Box Score. With a game in progress the box score opens
// beside the console and follows the game; otherwise the user picks a game
// file, which is loaded (scores recounted) and shown modally; a file that
// does not load says "Can't load game !" and shows nothing.
void boxScoreCommand(QWidget* owner);

}  // namespace courtlog::gui::stats
