#include "gui/people/RosterPrintout.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "core/output/RosterPrintText.h"
#include "gui/ui/PageFrame.h"
#include "gui/ui/PrintFonts.h"
#include "gui/ui/TeamLogo.h"
#include "gui/ui/TextFields.h"

namespace courtlog::gui::people {

namespace {

using namespace courtlog::output;

QString shown(const std::string& recordText) { return ui::fromRecordText(recordText); }

// Courier New whose characters are width wide and twice as high.
QFont courierOfWidth(QPainter& painter, int width) {
    QFont font = ui::printFont(ui::PrintFace::CourierNew, 2 * width);
    const int natural = QFontMetrics(font, painter.device()).horizontalAdvance(QLatin1Char('W'));
    if (natural > 0) font.setStretch(std::clamp(100 * width / natural, 1, 4000));
    return font;
}

}  // namespace

RosterPrintout::RosterPrintout(const Team& team, QImage logo, QString footLink, ClockReading today)
    : team_(team), logo_(std::move(logo)), footLink_(std::move(footLink)), today_(today) {}

QString RosterPrintout::title() const {
    return team_.name.empty() ? QStringLiteral("Roster") : shown(team_.name);
}

void RosterPrintout::fitTo(QPainter& painter, const QRect& page) {
    // From a character width of one eightieth of the page down, until 86
    // characters fit across it.
    int width = std::max(page.width() / 80 - 1, 1);
    font_ = courierOfWidth(painter, width);
    while (width > 1 &&
           kRosterPrintColumns * QFontMetrics(font_, painter.device()).horizontalAdvance(QLatin1Char('W')) >
               page.width())
        font_ = courierOfWidth(painter, --width);
    fittedPage_ = page;
    const int line = QFontMetrics(font_, painter.device()).height();
    const int top = bodyTop(painter, page) - page.top();
    // Page 1: coach, assistant and heading above the players; later pages
    // the heading alone.
    paging_ = courtlog::output::rosterPages(top + 3 * line, top + line, line, page.height(), team_.players.size());
}

int RosterPrintout::bodyTop(QPainter& painter, const QRect& page) const {
    int top = page.top() + ui::pageTitleLineHeight(painter, page);
    if (!logo_.isNull() && logo_.width() > 0) {
        // Where the page frame puts the logos, one twelfth of the width wide.
        const int logoHeight =
            static_cast<int>(static_cast<long long>(page.width() / 12) * logo_.height() / logo_.width());
        top = std::max(top, page.top() + ui::pageTitleLineHeight(painter, page) * 3 / 2 + logoHeight);
    }
    return top + QFontMetrics(font_, painter.device()).height();
}

int RosterPrintout::pageCount(QPainter& painter, const QRect& page) {
    if (!paging_ || fittedPage_ != page) fitTo(painter, page);
    return paging_->pageCount();
}

void RosterPrintout::drawPage(QPainter& painter, const QRect& page, int pageNumber) {
    if (!paging_ || fittedPage_ != page) fitTo(painter, page);
    ui::drawPageFooter(painter, page, footLink_);
    ui::drawPageTitleLine(painter, page, pageNumber, title(), today_);
    ui::drawTeamLogos(painter, page, logo_, logo_);

    painter.save();
    painter.setPen(Qt::black);
    QFont underlined = font_;
    underlined.setUnderline(true);
    const QFontMetrics metrics(font_, painter.device());
    const int line = metrics.height();
    const int x = page.left() + 3 * metrics.horizontalAdvance(QLatin1Char('W'));
    int y = bodyTop(painter, page);
    auto draw = [&](const QFont& font, int left, const QString& text) {
        painter.setFont(font);
        painter.drawText(left, y + metrics.ascent(), text);
    };
    if (pageNumber == 1) {
        draw(underlined, x, QString::fromLatin1(kCoachLabel.data(), kCoachLabel.size()));
        draw(font_, x + metrics.horizontalAdvance(QStringLiteral("Coach: ")), shown(team_.coach));
        y += line;
        draw(underlined, x, QString::fromLatin1(kAssistantLabel.data(), kAssistantLabel.size()));
        draw(font_, x + metrics.horizontalAdvance(QStringLiteral("Assistant: ")),
             shown(assistantText(team_.assistant)));
        y += line;
    }
    draw(underlined, x, QString::fromStdString(rosterPrintHeading()));
    y += line;
    const std::size_t first = paging_->firstOn(pageNumber);
    const std::size_t count = paging_->countOn(pageNumber);
    for (std::size_t i = first; i < first + count; ++i, y += line)
        draw(font_, x, shown(rosterPrintLine(team_.players[i])));
    painter.restore();
}

QImage rosterLogo(const Team& team) {
    for (const std::string& form : rosterLogoForms(team.logoFile)) {
        QImage image(shown(form));
        if (!image.isNull()) return image;
    }
    return ui::loadTeamLogo(team).image();
}

}  // namespace courtlog::gui::people
