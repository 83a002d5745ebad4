#include "gui/ui/TextListingPrintout.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "gui/ui/PageFrame.h"
#include "gui/ui/PrintFonts.h"

namespace courtlog::gui::ui {

TextListingPrintout::TextListingPrintout(Content content) : content_(std::move(content)) {
    if (content_.maximumLength > 0)
        for (QString& line : content_.lines) line.truncate(content_.maximumLength);
}

void TextListingPrintout::fitTo(QPainter& painter, const QRect& page) {
    qsizetype longest = 0;
    QString longestLine;
    for (const QString& line : content_.lines)
        if (line.size() > longest) {
            longest = line.size();
            longestLine = line;
        }
    const int columns = courtlog::output::listingColumns(static_cast<std::size_t>(longest), content_.minimumLength,
                                               content_.maximumLength);
    const int characterWidth = std::max(1, page.width() / columns);
    // A font twice as high as the character width, squeezed to exactly that
    // width, as fixed-width printer fonts are chosen by width and height.
    int height = 2 * characterWidth;
    font_ = printFont(PrintFace::CourierNew, height);
    const int natural = QFontMetrics(font_, painter.device()).horizontalAdvance(QLatin1Char('M'));
    const int stretch = natural > 0 ? std::clamp(100 * characterWidth / natural, 1, 4000) : 100;
    font_.setStretch(stretch);
    // Then one unit smaller at a time until the longest line and a margin of
    // eight characters fit the width.
    auto fits = [&] {
        const QFontMetrics metrics(font_, painter.device());
        const int margin = 2 * courtlog::output::kListingIndent * metrics.horizontalAdvance(QLatin1Char('M'));
        return metrics.horizontalAdvance(longestLine) + margin <= page.width();
    };
    while (height > 1 && !fits()) font_.setPixelSize(--height);
    fittedPage_ = page;
    const int lineHeight = QFontMetrics(font_, painter.device()).height();
    paging_.emplace(firstLineTop(painter, page), lineHeight, page.bottom() + 1,
                    static_cast<std::size_t>(content_.lines.size()));
}

int TextListingPrintout::firstLineTop(QPainter& painter, const QRect& page) const {
    // Below the title line and the logos, one line apart.
    const int titleHeight = pageTitleLineHeight(painter, page);
    int top = page.top() + 2 * titleHeight;
    const int logoWidth = page.width() / 12;
    for (const QImage* logo : {&content_.homeLogo, &content_.visitorLogo})
        if (!logo->isNull() && logo->width() > 0)
            top = std::max(top, page.top() + titleHeight * 3 / 2 +
                                    static_cast<int>(static_cast<long long>(logoWidth) * logo->height() /
                                                     logo->width()));
    return top + QFontMetrics(font_, painter.device()).height();
}

int TextListingPrintout::pageCount(QPainter& painter, const QRect& page) {
    if (!paging_ || fittedPage_ != page) fitTo(painter, page);
    return paging_->pageCount();
}

void TextListingPrintout::drawPage(QPainter& painter, const QRect& page, int pageNumber) {
    if (!paging_ || fittedPage_ != page) fitTo(painter, page);
    drawPageTitleLine(painter, page, pageNumber, content_.title, content_.today);
    drawTeamLogos(painter, page, content_.homeLogo, content_.visitorLogo);

    painter.save();
    painter.setFont(font_);
    painter.setPen(Qt::black);
    const QFontMetrics metrics(font_, painter.device());
    const int left = page.left() + courtlog::output::kListingIndent * metrics.horizontalAdvance(QLatin1Char('M'));
    int top = firstLineTop(painter, page);
    const std::size_t first = paging_->firstLineOf(pageNumber);
    const std::size_t count = paging_->lineCountOn(pageNumber);
    for (std::size_t i = first; i < first + count; ++i, top += metrics.height())
        painter.drawText(left, top + metrics.ascent(), content_.lines[static_cast<qsizetype>(i)]);
    if (pageNumber == paging_->pageCount() && paging_->trailerFits() && !content_.trailer.isEmpty())
        painter.drawText(left, top + metrics.ascent(), content_.trailer);
    painter.restore();

    drawPageFooter(painter, page, content_.footLink);
}

}  // namespace courtlog::gui::ui
