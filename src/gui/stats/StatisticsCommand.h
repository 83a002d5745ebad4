#pragma once

class QWidget;

namespace courtlog::gui::stats {

// Statistics > Player and Team Statistics. With a game in progress: the
// game is saved to its file, "Current Game Stats" asks for the team, and the
// statistics open beside the console, following the game. Otherwise: the
// games and the team are chosen in "Select Applicable Games To Analyze" and
// the statistics over those files open modally.
void statisticsCommand(QWidget* owner);

}  // namespace courtlog::gui::stats
