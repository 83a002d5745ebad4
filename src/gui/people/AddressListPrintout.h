#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <array>
#include <vector>

#include "core/output/AddressListTable.h"
#include "core/output/HtmlPage.h"
#include "core/records/Team.h"
#include "gui/ui/Printing.h"

namespace courtlog::gui::people {

// The players' address list on paper, on landscape pages unless the printer
// setup says otherwise: the page frame's title line with the team's name,
// then a table of the nine columns (name, phone, birthday, address, city,
// state, zip, e-mail, note) across the page in Arial of 10 points, its
// heading row repeated on every page, one row per player with its cells
// wrapped where a column is too narrow. A row is never split across pages;
// a page takes as many as fit.
class AddressListPrintout : public ui::Printout {
public:
    explicit AddressListPrintout(const Team& team,
                                 courtlog::output::ClockReading today = courtlog::output::localTimeNow());

    QString title() const override;
    QPageLayout::Orientation orientation() const override { return QPageLayout::Landscape; }
    int pageCount(QPainter& painter, const QRect& page) override;
    void drawPage(QPainter& painter, const QRect& page, int pageNumber) override;

private:
    using Cells = std::array<QString, kAddressColumnCount>;
    void fitTo(QPainter& painter, const QRect& page);
    void drawRow(QPainter& painter, const Cells& cells, const QFont& font, double top, double height) const;

    Team team_;
    courtlog::output::ClockReading today_;
    std::vector<Cells> rows_;
    Cells headings_;
    QFont font_;
    QFont headingFont_;
    QRect fittedPage_;
    // Once fitted to a page: the columns' left edges (and the table's right
    // edge last), the air inside a cell, the rows' heights and the pages.
    std::array<double, kAddressColumnCount + 1> edges_{};
    double air_ = 0;
    double tableTop_ = 0;
    double headingHeight_ = 0;
    std::vector<double> rowHeights_;
    std::vector<std::size_t> pageStarts_{0};
};

}  // namespace courtlog::gui::people
