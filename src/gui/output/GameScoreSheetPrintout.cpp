#include "gui/output/GameScoreSheetPrintout.h"

#include <QPainter>

#include "gui/output/ScoreSheetPainter.h"
#include "gui/ui/TextFields.h"

namespace courtlog::gui::output {

GameScoreSheetPrintout::GameScoreSheetPrintout(const Game& game, Options options)
    : content_(courtlog::output::scoreSheetContent(game)), halves_(game.halves != 0), options_(std::move(options)) {}

void GameScoreSheetPrintout::paginate(QPainter& painter, const QRect& page) {
    const ScoreSheetPainter sheet(painter, page, halves_, static_cast<int>(content_.blockTitles.size()));
    pages_ = courtlog::output::scoreSheetPages(options_.teams, static_cast<int>(content_.home.rows.size()),
                                               static_cast<int>(content_.visitor.rows.size()),
                                               sheet.layout().rowsPerPage());
    paginatedFor_ = page;
}

int GameScoreSheetPrintout::pageCount(QPainter& painter, const QRect& page) {
    paginate(painter, page);
    return static_cast<int>(pages_.size());
}

void GameScoreSheetPrintout::drawPage(QPainter& painter, const QRect& page, int pageNumber) {
    if (pages_.empty() || paginatedFor_ != page) paginate(painter, page);
    if (pageNumber < 1 || pageNumber > static_cast<int>(pages_.size())) return;
    const courtlog::output::ScoreSheetPage& sheetPage = pages_[static_cast<std::size_t>(pageNumber - 1)];
    const courtlog::output::ScoreSheetTeam& team = sheetPage.home ? content_.home : content_.visitor;

    ScoreSheetPainter sheet(painter, page, halves_, static_cast<int>(content_.blockTitles.size()));
    sheet.drawFooter(options_.footLink);
    sheet.drawTopLines(pageNumber, options_.today, ui::fromRecordText(content_.gameLine), false);
    sheet.drawTeamName(ui::fromRecordText(team.name));
    sheet.drawHeadings(content_.blockTitles);
    for (int i = 0; i < sheetPage.rowCount; ++i)
        sheet.drawRow(sheet.layout().rowTop(i), &team.rows[static_cast<std::size_t>(sheetPage.firstRow + i)]);
    sheet.drawTeamTotal(sheet.layout().rowTop(sheetPage.rowCount), team.teamTotal);
    sheet.drawGridAndClosing(sheetPage.rowCount, true, content_.finalScore);
}

}  // namespace courtlog::gui::output
