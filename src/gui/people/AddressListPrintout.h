#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <optional>

#include "core/output/AddressListPagination.h"
#include "core/output/HtmlPage.h"
#include "core/records/Team.h"
#include "gui/ui/Printing.h"

namespace courtlog::gui::people {

// The players' address list on paper: the page frame's title line with the
// team's name, then one entry per player (his number, name and position,
// then his address, city, phone, birthday, e-mail and note, as far as he
// has them), three character widths in. An entry that would not fit whole
// starts the next page.
class AddressListPrintout : public ui::Printout {
public:
    explicit AddressListPrintout(const Team& team,
                                 courtlog::output::ClockReading today = courtlog::output::localTimeNow());

    QString title() const override;
    int pageCount(QPainter& painter, const QRect& page) override;
    void drawPage(QPainter& painter, const QRect& page, int pageNumber) override;

private:
    void fitTo(QPainter& painter, const QRect& page);
    int firstTop(QPainter& painter, const QRect& page) const;

    Team team_;
    courtlog::output::ClockReading today_;
    QFont font_;
    QRect fittedPage_;
    std::optional<courtlog::output::PageStarts> paging_;
};

}  // namespace courtlog::gui::people
