#pragma once

#include <vector>

#include "core/output/ScoreSheetContent.h"

namespace courtlog::output {

// Where everything on a score sheet page goes, in device units, from a few
// measures the page drawing takes of its fonts and of the device. A filled
// sheet counts its columns in m, half the width of "00" in the base font,
// and its rows in L, the base font's text height. A blank sheet is for a
// pen: its grid spans the printable width, its rows and foul boxes have
// sizes in millimetres that a hand can write in.

// Font and pen sizes of both sheets, from the printable width: the base
// height is a 65th of it for a game in halves and a 75th for quarters (the
// height of a line of text, not the letters' em); the small font is 0.75 of
// it, the team-name font 1.25; the thin pen a tenth of it, the thick and
// coloured pens a fifth.
struct ScoreSheetSizes {
    int base = 1;
    int small = 1;
    int teamName = 1;
    int thinPen = 1;
    int thickPen = 1;
};
ScoreSheetSizes scoreSheetSizes(int printableWidth, bool halves);
// The same from a base height (a page that needs a smaller one to fit
// its blocks across).
ScoreSheetSizes scoreSheetSizesFromBase(int base);

// What the page drawing measured.
struct ScoreSheetMeasures {
    int pageLeft = 0;
    int pageTop = 0;
    int pageWidth = 0;
    int pageHeight = 0;
    int doubleZeroWidth = 0;  // "00" in the base font
    int lineHeight = 1;       // L
    int smallLineHeight = 1;  // S, of the small font
    int footerHeight = 0;     // the footer's text height; it stands two of them above the bottom
    // For a blank sheet: device units in a millimetre, and the width of a
    // foul box's label ("P6") in the small font.
    double unitsPerMillimetre = 0;
    int foulLabelWidth = 0;
};

enum class ScoreSheetForm { Filled, Blank };

class ScoreSheetLayout {
public:
    // blockCount counts every block, "Game Totals" included.
    ScoreSheetLayout(const ScoreSheetMeasures& measures, int blockCount, ScoreSheetForm form = ScoreSheetForm::Filled);

    ScoreSheetForm form() const { return form_; }

    // Across, on a filled sheet, from the left margin (3 % of the width):
    // "Pos" 4.2 m wide, "Player's Name" to 22 m, "No" 2 m wide (with half an
    // m of air either side), four foul boxes of 2 m at 4, 7, 10 and 13 m
    // after the start of "No", and the blocks from 17 m after it, 17.5 m
    // each in five columns of 3.5 m.
    //
    // On a blank sheet the grid runs from a millimetre inside the left edge
    // to a millimetre inside the right: "Pos" 8 mm, "No" 9 mm, the foul
    // boxes at least 5 mm square, each with its label beside it on the left,
    // "Player's Name" a quarter of what is left (30 mm at least) and the
    // blocks' columns sharing the rest alike.
    double unit() const { return m_; }
    int positionLeft() const { return positionLeft_; }
    int nameLeft() const { return nameLeft_; }
    int numberLeft() const { return numberLeft_; }
    int foulsLeft() const { return foulsLeft_; }  // the line between "No" and the foul boxes
    int foulBoxLeft(int box) const;  // 0..3: P1/P4, P2/P5, P3/P6, T1/T2
    int foulBoxWidth() const { return foulBoxWidth_; }
    // Where a box's label starts: beside the box on a blank sheet, in its
    // corner on a filled one.
    int foulLabelLeft(int box) const;
    int blockLeft(int block) const;  // blockCount: the grid's right edge
    int columnLeft(int block, int column) const;  // column 0..5
    int gridRight() const { return blockLeft(blockCount_); }
    bool fitsAcross() const { return gridRight() <= pageRight_; }

    // Down the page: the date and page number on the first line. A filled
    // sheet has its game line 3 L down and the team name 2 L above the
    // grid, whose top lies 6 L below the top of the page. A blank sheet has
    // room to write on its game line and on its "Team:" line under it, and
    // its grid below them.
    int firstLineTop() const { return top_; }
    int gameLineTop(bool blank) const;
    int teamLineTop() const;
    int teamNameTop() const { return gridTop() - 2 * l_; }
    int gridTop() const;
    // Headings, from the grid's top: column headings and block names L/4
    // down; in the small font "FG" 2 S + S/3, "2's", "3's" and "TP" 4 S, the
    // free-throw letters 2, 3 and 4 S down; the thick line under the
    // headings 4 S + L down; the first row L/4 under that.
    int headingTop() const { return gridTop() + l_ / 4; }
    int blockNameBottom() const { return headingTop() + l_; }
    int fieldGoalTop() const { return gridTop() + 2 * s_ + s_ / 3; }
    int columnHeadingTop() const { return gridTop() + 4 * s_; }
    int freeThrowLetterTop(int letter) const { return gridTop() + (2 + letter) * s_; }  // letter 0..2
    int headingRule() const { return gridTop() + 4 * s_ + l_; }
    int firstRowTop() const { return headingRule() + l_ / 4; }

    // A filled row is 3 L: its text L below its top, the foul-box lines at
    // its top and 1.5 L below, the thin separator 2.8 L below. A blank row
    // is at least 9 mm, holding its two lines of boxes with air around
    // them; its separator is the next row's top.
    int rowHeight() const { return rowHeight_; }
    int rowTop(int row) const { return firstRowTop() + row * rowHeight(); }
    int rowTextTop(int rowTop) const;
    int foulLineTop(int rowTop, int line) const;
    // A box stops short of the next line (and of the separator).
    int foulBoxHeight() const { return foulBoxHeight_; }
    int separator(int rowTop) const;

    // Rows of a page: as many as leave room below them for the "Team
    // Total" row, the thick line and the two final score lines above the
    // footer (at least one, so printing always moves on).
    int rowsPerPage() const;
    // Below rowCount rows: the thick line that closes the grid (under the
    // "Team Total" row, or under the last row without one) and the two
    // final score lines under it.
    int closingRule(int rowCount, bool withTeamTotal) const;
    int finalScoreTop(int rowCount, bool withTeamTotal, int line) const;  // line 0, 1

private:
    int px(double units) const;
    int mm(double millimetres) const;
    bool blank() const { return form_ == ScoreSheetForm::Blank; }
    int closingHeight() const;

    ScoreSheetForm form_;
    int blockCount_;
    int top_;
    int pageRight_;
    int pageBottom_;
    int footerTop_;
    int margin_;
    int l_;
    int s_;
    double m_;
    double mm_;
    int positionLeft_ = 0;
    int nameLeft_ = 0;
    int numberLeft_ = 0;
    int foulsLeft_ = 0;
    int foulPitch_ = 0;  // from one blank foul box to the next
    int foulLabelWidth_ = 0;
    int foulBoxWidth_ = 0;
    int foulBoxHeight_ = 0;
    int blocksLeft_ = 0;
    double blankColumnWidth_ = 0;
    int rowHeight_ = 0;
};

// The rows of one page of a filled sheet.
struct ScoreSheetPage {
    bool home = true;
    int firstRow = 0;
    int rowCount = 0;

    bool operator==(const ScoreSheetPage&) const = default;
};

// The pages of a filled sheet: the chosen team's rows rowsPerPage at a time
// (a team without players still gets a page, for its totals); with both,
// the home team's pages first, the visitors starting on a page of their own.
std::vector<ScoreSheetPage> scoreSheetPages(SheetTeams teams, int homeRows, int visitorRows, int rowsPerPage);

}  // namespace courtlog::output
