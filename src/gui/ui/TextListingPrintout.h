#pragma once

#include <QFont>
#include <QImage>
#include <QString>
#include <QStringList>
#include <optional>

#include "core/output/HtmlPage.h"
#include "core/output/PrintedPage.h"
#include "gui/ui/Printing.h"

namespace courtlog::gui::ui {

// Prints lines of fixed-width text (the box score's, for one) on pages with
// the page frame: the title line, both team logos and the footer; the lines
// in Courier New from four character widths in; and a trailer line after
// the last one when there is room for it on the last page.
//
// The font is fitted once, to the first page: the longest line (held between
// the minimum and maximum lengths) plus six characters fill the width, and
// the font is then made smaller until the longest line plus eight character
// widths fits. Lines longer than the maximum length are cut to it.
class TextListingPrintout : public Printout {
public:
    struct Content {
        QString title;
        QStringList lines;
        int minimumLength = 0;
        int maximumLength = 0;  // 0: no maximum
        QString trailer;        // empty: none
        QImage homeLogo;        // null: none
        QImage visitorLogo;
        QString footLink;       // from the HTML options
        courtlog::output::ClockReading today = courtlog::output::localTimeNow();
    };

    explicit TextListingPrintout(Content content);

    QString title() const override { return content_.title; }
    int pageCount(QPainter& painter, const QRect& page) override;
    void drawPage(QPainter& painter, const QRect& page, int pageNumber) override;

    // The listing font once pageCount has fitted it.
    const QFont& listingFont() const { return font_; }

private:
    void fitTo(QPainter& painter, const QRect& page);
    int firstLineTop(QPainter& painter, const QRect& page) const;

    Content content_;
    QFont font_;
    QRect fittedPage_;
    std::optional<courtlog::output::ListingPagination> paging_;
};

}  // namespace courtlog::gui::ui
