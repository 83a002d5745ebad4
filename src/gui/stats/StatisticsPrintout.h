#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/output/HtmlPage.h"
#include "core/output/StatisticsPrintLayout.h"
#include "core/stats/StatLine.h"
#include "gui/ui/Printing.h"

namespace courtlog::gui::stats {

// The statistics printout, on landscape pages unless the printer setup
// says otherwise: on each page the title line "Statistics for <name>" and
// the footer of the page frame, and between them a tile of the table in
// Times New Roman: the group row ("GENERAL", "SHOOTING", ...), the heading
// row, the grid and the rows of the set, then "Files used in analysis:" with
// the files read. Every column is as wide as its widest text; how the table
// is cut into pages is the core's layout.
//
// The font is one eightieth of the page's width high. Fitted to the page's
// width it is made smaller until the whole table fits across the page, but
// never below 7 points: there the columns close up, and a table that does
// not fit even then is printed in slices, as without fitting.
class StatisticsPrintout : public ui::Printout {
public:
    struct Content {
        QString name;  // "Hawks", "Opponents", "All Teams"
        std::vector<StatLine> lines;
        std::vector<std::string> files;
        bool fitToWidth = false;
        QString footLink;  // from the HTML options
        courtlog::output::ClockReading today = courtlog::output::localTimeNow();
    };

    explicit StatisticsPrintout(Content content);

    // The printed document's name.
    QString title() const override { return QStringLiteral("Brenvik Courtlog Stats"); }
    QPageLayout::Orientation orientation() const override { return QPageLayout::Landscape; }
    int pageCount(QPainter& painter, const QRect& page) override;
    void drawPage(QPainter& painter, const QRect& page, int pageNumber) override;

    // The table's font once pageCount has fitted it.
    const QFont& tableFont() const { return font_; }

private:
    // The texts of one row as printed.
    struct RowTexts {
        QString name;
        QString team;
        std::array<QString, courtlog::stats::kPresentedValueCount> values;
    };

    void fitTo(QPainter& painter, const QRect& page);
    // The layout in the font of pixelSize; tight leaves less air beside
    // the texts.
    courtlog::output::StatisticsPrintLayout layoutAt(QPainter& painter, int pixelSize, bool tight, double pageWidth,
                                                     double pageHeight) const;
    void drawTable(QPainter& painter, const courtlog::output::StatisticsPrintLayout::Page& tile, double left,
                   double top) const;
    void drawRows(QPainter& painter, const courtlog::output::StatisticsPrintLayout::Page& tile, double left,
                  double top) const;

    Content content_;
    std::vector<RowTexts> rows_;
    // Each column's texts once each, the heading first: what is measured.
    std::vector<QString> names_;
    std::vector<QString> teams_;
    std::array<std::vector<QString>, courtlog::stats::kPresentedValueCount> distinctValues_;
    QFont font_;
    QRect fittedPage_;
    int titleHeight_ = 0;
    std::optional<courtlog::output::StatisticsPrintLayout> layout_;
};

}  // namespace courtlog::gui::stats
