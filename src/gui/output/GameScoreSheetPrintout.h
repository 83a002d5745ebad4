#pragma once

#include <QString>
#include <vector>

#include "core/output/HtmlPage.h"
#include "core/output/ScoreSheetContent.h"
#include "core/output/ScoreSheetLayout.h"
#include "gui/ui/Printing.h"

namespace courtlog::gui::output {

// The score sheets of a saved game: a page per team (more when the roster
// runs over), a row per roster player with his fouls crossed in the colour
// of their period and his shooting per block, the team total and the final
// score. With both teams the home pages come first and the visitors start
// on a page of their own.
class GameScoreSheetPrintout : public ui::Printout {
public:
    struct Options {
        courtlog::output::SheetTeams teams = courtlog::output::SheetTeams::Both;
        QString title;     // the document's name: the game file's
        QString footLink;  // from the HTML options
        courtlog::output::ClockReading today = courtlog::output::localTimeNow();
    };

    // game's scores as recomputed from its plays.
    GameScoreSheetPrintout(const Game& game, Options options);

    QString title() const override { return options_.title; }
    int pageCount(QPainter& painter, const QRect& page) override;
    void drawPage(QPainter& painter, const QRect& page, int pageNumber) override;

private:
    void paginate(QPainter& painter, const QRect& page);

    courtlog::output::ScoreSheetContent content_;
    bool halves_;
    Options options_;
    QRect paginatedFor_;
    std::vector<courtlog::output::ScoreSheetPage> pages_;
};

}  // namespace courtlog::gui::output
