#pragma once

class QWidget;

namespace courtlog::gui::stats {

// Statistics > Season Web Site: the games are chosen in "Select Applicable
// Games To Analyze" (every team is in the site), then "Season Web Site"
// takes the title and the folder and builds the site.
void seasonSiteCommand(QWidget* owner);

}  // namespace courtlog::gui::stats
