#include "gui/ui/PageFrame.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <algorithm>

#include "gui/ui/PrintFonts.h"
#include "gui/ui/ProgramSettings.h"
#include "gui/ui/TextFields.h"

namespace courtlog::gui::ui {

namespace {

QFont titleFont(const QRect& page) { return printFont(PrintFace::Arial, page.width() / 50); }

QFont footerFont(const QRect& page) {
    QFont font = printFont(PrintFace::Arial, page.width() / 70);
    font.setItalic(true);
    return font;
}

QString fromStd(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

int pageTitleLineHeight(QPainter& painter, const QRect& page) {
    return QFontMetrics(titleFont(page), painter.device()).height();
}

int pageFooterHeight(QPainter& painter, const QRect& page) {
    return QFontMetrics(footerFont(page), painter.device()).height();
}

int drawPageTitleLine(QPainter& painter, const QRect& page, int pageNumber, const QString& title,
                      const courtlog::output::ClockReading& today) {
    painter.save();
    const QFont font = titleFont(page);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetrics metrics(font, painter.device());
    const int characterWidth = metrics.averageCharWidth();
    const QRect line(page.left() + 3 * characterWidth, page.top(), page.width() - 6 * characterWidth,
                     metrics.height());
    painter.drawText(line, Qt::AlignLeft | Qt::AlignTop, fromStd(courtlog::output::pageNumberText(pageNumber)));
    painter.drawText(QRect(page.left(), page.top(), page.width(), metrics.height()), Qt::AlignHCenter | Qt::AlignTop,
                     title);
    painter.drawText(line, Qt::AlignRight | Qt::AlignTop, fromStd(courtlog::output::pageDateText(today)));
    painter.restore();
    return metrics.height();
}

QString printedFootLink() { return fromRecordText(programSettings().htmlFootLink); }

void drawPageFooter(QPainter& painter, const QRect& page, const QString& footLink) {
    painter.save();
    const QFont font = footerFont(page);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const int height = QFontMetrics(font, painter.device()).height();
    const QRect line(page.left(), page.bottom() + 1 - 2 * height, page.width(), height);
    painter.drawText(line, Qt::AlignHCenter | Qt::AlignTop, fromStd(courtlog::output::pageFooterText(footLink.toStdString())));
    painter.restore();
}

int drawTeamLogos(QPainter& painter, const QRect& page, const QImage& homeLogo, const QImage& visitorLogo) {
    const int width = page.width() / 12;
    // Below the title line, half a line apart from it.
    const int top = page.top() + pageTitleLineHeight(painter, page) * 3 / 2;
    int bottom = page.top();
    auto draw = [&](const QImage& logo, int left) {
        if (logo.isNull() || logo.width() <= 0 || width <= 0) return;
        const int height = static_cast<int>(static_cast<long long>(width) * logo.height() / logo.width());
        painter.drawImage(QRect(left, top, width, height), logo);
        bottom = std::max(bottom, top + height);
    };
    draw(homeLogo, page.left());
    draw(visitorLogo, page.right() + 1 - width);
    return bottom;
}

}  // namespace courtlog::gui::ui
