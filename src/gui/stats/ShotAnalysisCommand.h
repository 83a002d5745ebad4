#pragma once

class QWidget;

namespace courtlog::gui::stats {

// Statistics > Shot Analysis. With a game in progress: "Current Game Stats"
// asks for the team and the chart opens beside the console, following the
// game. Otherwise: the games and the team are chosen in "Select Applicable
// Games To Analyze" and the chart over those files opens modally.
void shotAnalysisCommand(QWidget* owner);

}  // namespace courtlog::gui::stats
