#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <optional>

#include "core/output/HtmlPage.h"
#include "core/output/RosterPagination.h"
#include "core/records/Team.h"
#include "gui/ui/Printing.h"

namespace courtlog::gui::people {

// The team's roster on paper: the page frame with the team's name as title,
// the team logo at both top corners, the coach and assistant on the first
// page, and on every page the underlined column heading and the players
// that fit, in Courier New fitted to 86 characters across the page.
class RosterPrintout : public ui::Printout {
public:
    // logo: null for none. footLink: the HTML options' page foot link.
    RosterPrintout(const Team& team, QImage logo, QString footLink,
                   courtlog::output::ClockReading today = courtlog::output::localTimeNow());

    QString title() const override;
    int pageCount(QPainter& painter, const QRect& page) override;
    void drawPage(QPainter& painter, const QRect& page, int pageNumber) override;

    // The body font once the printout has been fitted to a page.
    const QFont& bodyFont() const { return font_; }

private:
    void fitTo(QPainter& painter, const QRect& page);
    // The top of the first line below the title line and the logos.
    int bodyTop(QPainter& painter, const QRect& page) const;

    Team team_;
    QImage logo_;
    QString footLink_;
    courtlog::output::ClockReading today_;
    QFont font_;
    QRect fittedPage_;
    std::optional<courtlog::output::PageStarts> paging_;
};

// The team's logo as the roster printout finds it: under the forms of its
// logo field (as stored, without its drive, its bare name), then beside the
// team file, beside the program and among the pictures the program ships.
// Null when none loads.
QImage rosterLogo(const Team& team);

}  // namespace courtlog::gui::people
