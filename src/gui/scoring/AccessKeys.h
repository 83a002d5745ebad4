#pragma once

#include "gui/scoring/ScoringCoreNames.h"

class QKeyEvent;
class QWidget;

namespace courtlog::gui::scoring {

// At the scorer's table a choice is one key away: a plain key that is the
// access key of an enabled, visible button of window clicks that button, as
// Alt with the key does. True when a button took the key.
bool clickButtonForKey(QWidget* window, const QKeyEvent* event);

}  // namespace courtlog::gui::scoring
