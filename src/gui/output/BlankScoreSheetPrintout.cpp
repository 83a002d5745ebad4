#include "gui/output/BlankScoreSheetPrintout.h"

#include <array>
#include <string>

#include "core/output/ScoreSheetContent.h"
#include "gui/output/ScoreSheetPainter.h"

namespace courtlog::gui::output {

BlankScoreSheetPrintout::BlankScoreSheetPrintout(int pages, bool halves, QString footLink,
                                                 courtlog::output::ClockReading today)
    : pages_(courtlog::output::blankSheetPageCount(pages)),
      halves_(halves),
      footLink_(std::move(footLink)),
      today_(today) {}

void BlankScoreSheetPrintout::drawPage(QPainter& painter, const QRect& page, int pageNumber) {
    namespace core = courtlog::output;
    const std::vector<std::string> titles = core::scoreSheetBlockTitles(halves_, false);
    ScoreSheetPainter sheet(painter, page, halves_, static_cast<int>(titles.size()), core::ScoreSheetForm::Blank);
    sheet.drawFooter(footLink_);
    sheet.drawTopLines(pageNumber, today_, QString::fromLatin1(core::kBlankGameLine.data(),
                                                              static_cast<qsizetype>(core::kBlankGameLine.size())),
                       true);
    sheet.drawTeamLine();
    sheet.drawHeadings(titles);
    const int rows = sheet.layout().rowsPerPage();
    for (int i = 0; i < rows; ++i) sheet.drawRow(sheet.layout().rowTop(i), nullptr);
    sheet.drawTeamTotal(sheet.layout().rowTop(rows), {});
    sheet.drawGridAndClosing(rows, true,
                             {std::string(core::kBlankFinalScore[0]), std::string(core::kBlankFinalScore[1])});
}

}  // namespace courtlog::gui::output
