#pragma once

#include <QRect>
#include <QSize>
#include <functional>
#include <vector>

#include "gui/ui/ScreenPlacement.h"

class QWidget;

namespace courtlog::gui::ui {

// Where a viewer of the game in progress (box score, statistics, shot
// analysis) opens, from rectangles alone, in screen coordinates.
struct ViewerSurroundings {
    QRect screen;   // the screen's available area
    QRect console;  // the console's frame; empty when there is none
    // What the game shows besides the console: the main window's menu bar,
    // every sheet row's name and figures (one group a row, each row worth
    // kHiddenRowWeight) and the forms around them.
    std::vector<CoveredArea> sheets;
    std::vector<QRect> viewers;  // the frames of the viewers already shown
};

struct ViewerPlace {
    QRect frame;
    // No place of any size between the smallest and the preferred one
    // leaves every row in view (a laptop screen): the viewer covers rows,
    // and the scorekeeper brings the sheets back with a key.
    bool hidesFigures = false;
};

// The viewer never covers the console, and never a viewer already shown
// where it can help it; it hides no sheet row when some size from
// preferred down to smallest fits beside them (the largest that does), and
// otherwise the fewest rows at the largest size that covers neither the
// console nor a viewer. Among equal places, the one nearest above the
// console wins, then the one nearest beside it.
ViewerPlace viewerPlace(const ViewerSurroundings& around, QSize preferred, QSize smallest);

// While a game is scored, the one who knows the sheets tells what they
// show (an empty function when no game is scored).
void setGameScreenAreas(std::function<std::vector<CoveredArea>()> areas);

// Puts a viewer of the game in progress by viewerPlace, at most its
// preferred size, at least narrowest wide and as tall as its minimum size
// hint; then shows it.
void showBesideConsole(QWidget* viewer, QWidget* console, QSize preferred, int narrowest);

// The viewers of the game in progress step aside, so the console and both
// sheets are in view again, or come back where they were (the F6 key while
// a game is scored). True when they stepped aside.
bool toggleViewersAside();

}  // namespace courtlog::gui::ui
