#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

#include "core/scoring/SheetFigures.h"
#include "gui/ui/Picture.h"

class QPainter;

namespace courtlog::gui::scoring {

// The picture drawn behind a team sheet, already faded.
struct SheetLogo {
    QImage image;
    ui::PictureLayout layout = ui::PictureLayout::Tile;
};

// The team sheet is a form laid out in pixels from its top-left corner, like
// the paper sheet it copies: the columns sit at fixed x positions, the rows
// are 30 pixels high. These functions give its geometry to the window (for
// scrolling and placing the console) and to tests.
namespace sheet {

constexpr int kTextMargin = 3;
constexpr int kNameLeft = 35;
constexpr int kNumberLeft = 190;
constexpr int kFoulLeft = 215;
constexpr int kPeriodBlockLeft = 308;
constexpr int kGameBlockLeft = 428;
constexpr int kBlockWidth = 120;
constexpr int kWidth = 546;
constexpr int kRowHeight = 30;
constexpr int kFirstRowBelowHeadings = 45;
constexpr int kSecondFoulLine = 14;
constexpr int kFigureColumns = 5;

// The two fonts: Liberation Sans with the cell heights 16 (semi-bold) and 14.
QFont mainFont();
QFont smallFont();

// Height of the header boxes (Team, Coach, Date) together.
int headerHeight();
// y of the rule under the column headings.
int headingsLine();
// Top of roster row `row` (0-based).
int rowTop(int row);
// Whole sheet for rowCount players: kWidth wide, down to the last row's rule.
QSize size(int rowCount);

// Foul box `box` of a row: 0..5 are P1..P6, 6 and 7 are T1 and T2.
QRect foulCell(int row, int box);
// Figure column `column` (0 two-pointers, 1 three-pointers, 2 free throws
// attempted, 3 free throws made, 4 points) of a row, in the current period's
// block or the game block.
QRect figureCell(int row, bool gameBlock, int column);
// Where the current period's title and "Game Totals" are centred.
QRect periodTitleRect();
QRect gameTotalsRect();
// The whole figures area (both blocks) of the rows, for keeping it visible.
QRect figuresArea(int rowCount);

// Pen colour of a personal-foul cross for the foul's period.
QColor foulColor(int period);
// Pen colour of a technical-foul cross.
QColor technicalColor();

// Form rectangle of roster row `row` with its rules, and of the header boxes
// down to the rule under the first row's top: what changes when a row's or
// the header's figures change.
QRect rowArea(int row);
QRect headingsArea();

}  // namespace sheet

// Draws a team sheet into area: the logo laid out over the whole area, then
// the form with its top-left corner at area's top-left minus scroll. Only
// area is painted. A non-empty exposed (in the painter's coordinates, like
// area) limits the drawing to the parts of the form that touch it: a window
// redraws only what changed.
void paintTeamSheet(QPainter& painter, const QRect& area, const courtlog::scoring::TeamSheetFigures& figures,
                    const SheetLogo& logo = {}, QPoint scroll = {}, const QRect& exposed = {});

}  // namespace courtlog::gui::scoring
