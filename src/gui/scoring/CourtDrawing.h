#pragma once

#include <QPointF>
#include <QRect>
#include <vector>

#include "core/scoring/ConsoleFigures.h"
#include "core/scoring/GameConsole.h"

class QPainter;

namespace courtlog::gui::scoring {

// Everything the court area of the console shows: the figures of both
// teams, the questions waiting (as the console model places them) and which
// side each team plays on.
struct CourtScene {
    courtlog::scoring::TeamConsoleFigures home;
    courtlog::scoring::TeamConsoleFigures visitor;
    std::vector<courtlog::scoring::CourtPrompt> prompts;
    bool sidesSwapped = false;

    bool operator==(const CourtScene&) const = default;
};

CourtScene courtScene(const courtlog::scoring::GameConsole& console);

// Anchor of a team's court button for slot 1..5, as fractions of the court
// picture measured from its top left: the middle of the button's top edge.
// Swapped sides put each team on the other team's anchors.
QPointF slotAnchor(bool home, int slot, bool sidesSwapped);
// The anchor in pixels of a court area.
QPoint slotAnchorIn(const QRect& area, bool home, int slot, bool sidesSwapped);

// Court buttons: size, and the gap between a button and its label below.
inline constexpr int kPlayerButtonWidth = 96;
inline constexpr int kPlayerButtonHeight = 24;
// The narrowest court the console is drawn on (a laptop screen keeps room
// for both team sheets beside it) and the button width there: the two
// guards' buttons of a row still stand apart.
inline constexpr int kNarrowestCourtWidth = 380;
inline constexpr int kNarrowestPlayerButtonWidth = 70;
// Width of the court buttons on a court width pixels wide.
int playerButtonWidth(int courtWidth);
// How wide a label under a court button may be before it would run into
// the label beside it.
int playerLabelWidth(int courtWidth);

// Draws the court picture stretched over area, the team names, team fouls,
// time outs left, the prompts or bonus indicators and the labels under the
// court buttons: drawCourtBackground, then drawCourtFigures.
void drawCourt(QPainter& painter, const QRect& area, const CourtScene& scene);
// What changes only with the area's size, the team names and the sides:
// the court picture and the team names. The whole area is painted.
void drawCourtBackground(QPainter& painter, const QRect& area, const CourtScene& scene);
// The rest, over the background: team fouls, time outs left, the prompts or
// bonus indicators and the labels under the court buttons.
void drawCourtFigures(QPainter& painter, const QRect& area, const CourtScene& scene);

}  // namespace courtlog::gui::scoring
