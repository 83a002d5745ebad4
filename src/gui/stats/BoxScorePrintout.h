#pragma once

#include <memory>
#include <string>

#include "gui/ui/Printing.h"

namespace courtlog {
class Game;
}
namespace courtlog::output {
class BoxScore;
}

namespace courtlog::gui::stats {

// The box score as the program prints it: its lines in the text listing
// printout titled "Box Score", both teams' logos, and after the last line
// "<visitors> VS <home team> played on <m/d/y> at <court>". The dialog's
// Print previews it, and "courtlog pdf boxscore" writes it.
std::unique_ptr<ui::Printout> boxScorePrintout(const output::BoxScore& boxScore);

// The printout of a saved game (scores recounted), or null with the reason
// ("Can't load game ! ...") when the file does not load.
std::unique_ptr<ui::Printout> boxScorePrintoutOfFile(const std::string& gamePath, std::string& error);

}  // namespace courtlog::gui::stats
