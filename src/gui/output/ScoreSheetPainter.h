#pragma once

#include <QFont>
#include <QPen>
#include <QRect>
#include <QString>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/output/HtmlPage.h"
#include "core/output/ScoreSheetContent.h"
#include "core/output/ScoreSheetLayout.h"

class QPainter;

namespace courtlog::gui::output {

// Draws the pieces of a score sheet page, filled or blank, into a page
// rectangle: the fonts and pens come from the page's width, the places
// from the core's layout for the form of sheet.
class ScoreSheetPainter {
public:
    // blockCount counts every block, "Game Totals" included.
    ScoreSheetPainter(QPainter& painter, const QRect& page, bool halves, int blockCount,
                      courtlog::output::ScoreSheetForm form = courtlog::output::ScoreSheetForm::Filled);

    const courtlog::output::ScoreSheetLayout& layout() const { return *layout_; }

    // The date and "Page 3" on the first line, the game line under them.
    void drawTopLines(int pageNumber, const courtlog::output::ClockReading& today, const QString& gameLine,
                      bool blank);
    void drawTeamName(const QString& name);
    // The blank sheet's "Team: ____" line under the game line.
    void drawTeamLine();
    void drawHeadings(const std::vector<std::string>& blockTitles);
    // A player's row, or an empty one (foul boxes and labels only).
    // A blank sheet's boxes have their labels beside them, a filled
    // sheet's in their corner.
    void drawRow(int rowTop, const courtlog::output::ScoreSheetRow* row);
    // "Team Total" and its figures (none on a blank sheet).
    void drawTeamTotal(int rowTop, const std::vector<courtlog::scoring::ShootingFigures>& blocks);
    // The grid's lines down to the closing line, and the two final score
    // lines under it; rowCount rows, with a "Team Total" row after them or not.
    void drawGridAndClosing(int rowCount, bool withTeamTotal, const std::array<std::string, 2>& finalScore);
    void drawFooter(const QString& footLink);

private:
    QPen pen(const QColor& colour, int width) const;
    void drawTextAt(const QFont& font, int left, int top, const QString& text);
    void drawCentred(const QFont& font, int left, int right, int top, const QString& text);
    void drawFigures(int rowTop, const std::vector<courtlog::scoring::ShootingFigures>& blocks);
    void drawCross(const QRect& box, const QColor& colour);

    QPainter& painter_;
    QRect page_;
    int blockCount_;
    courtlog::output::ScoreSheetSizes sizes_;
    QFont baseFont_;
    QFont smallFont_;
    QFont teamFont_;
    std::optional<courtlog::output::ScoreSheetLayout> layout_;
};

}  // namespace courtlog::gui::output
