#pragma once

#include "gui/ui/ScreenPlacement.h"

namespace courtlog::gui::scoring {

// The console is placed by the rule every window of a game in progress
// follows.
using ui::CoveredArea;
using ui::coveredWeight;
using ui::leastCoveringPlace;

}  // namespace courtlog::gui::scoring
