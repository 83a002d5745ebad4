// The text listing printout (the box score's printout): fonts fitted to the
// page, lines cut to the maximum, pages, the trailer; and the faces the
// printouts ask for resolve to their Liberation twins.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include "GuiTestSupport.h"
#include "gui/ui/PrintFonts.h"
#include "gui/ui/TextListingPrintout.h"

namespace courtlog {
namespace {

using gui::ui::PrintFace;
using gui::ui::TextListingPrintout;

TEST(PrintFonts, FacesResolveToTheirMetricTwins) {
    const struct {
        PrintFace face;
        const char* asked;
        const char* twin;
    } faces[] = {{PrintFace::Arial, "Arial", "Liberation Sans"},
                 {PrintFace::TimesNewRoman, "Times New Roman", "Liberation Serif"},
                 {PrintFace::CourierNew, "Courier New", "Liberation Mono"}};
    for (const auto& f : faces) {
        const QString family = QFontInfo(gui::ui::printFont(f.face, 40)).family();
        EXPECT_TRUE(family == QLatin1String(f.asked) || family == QLatin1String(f.twin))
            << f.asked << " came out as " << family.toStdString();
    }
}

TextListingPrintout::Content listing(int lineCount) {
    TextListingPrintout::Content content;
    content.title = QStringLiteral("Box Score");
    for (int i = 1; i <= lineCount; ++i) content.lines << QStringLiteral("Line %1:").arg(i) + QString(60, u'.');
    content.lines[1] = QString(100, u'W') + QStringLiteral("CUTAWAY");
    content.maximumLength = 100;
    content.trailer = QStringLiteral("Visitors VS Home played on 3/14/2024 at Town Hall");
    content.footLink = QStringLiteral("https://example.org/club");
    return content;
}

TEST(TextListingPrintout, LinesGoOverPagesWithTheFrameAndTheTrailerAfterTheLast) {
    QTemporaryDir dir;
    const QString path = dir.filePath("listing.pdf");
    TextListingPrintout printout(listing(150));
    ASSERT_TRUE(gui::ui::printToPdf(printout, path));
    const QStringList pages = testsupport::pdfText(path).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_GE(pages.size(), 2);
    QString all;
    for (int i = 0; i < pages.size(); ++i) {
        EXPECT_TRUE(pages[i].contains(QStringLiteral("Page %1").arg(i + 1)));
        EXPECT_TRUE(pages[i].contains(QStringLiteral("Box Score")));
        EXPECT_TRUE(pages[i].contains(QStringLiteral("Basketball Courtlog, https://example.org/club")));
        EXPECT_EQ(pages[i].contains(QStringLiteral("Visitors VS Home")), i == pages.size() - 1) << "page " << i + 1;
        all += pages[i];
    }
    // Every line once, in order, whole up to the maximum length.
    qsizetype from = 0;
    for (int i = 1; i <= 150; ++i) {
        if (i == 2) continue;
        const qsizetype at = all.indexOf(QStringLiteral("Line %1:").arg(i), from);
        ASSERT_GE(at, from) << "line " << i;
        from = at;
    }
    EXPECT_TRUE(all.contains(QString(100, u'W')));
    EXPECT_FALSE(all.contains(QStringLiteral("CUT")));
}

TEST(TextListingPrintout, FontFitsTheLongestLineAndAMarginOfEightCharacters) {
    for (int maximum : {60, 100}) {
        TextListingPrintout::Content content = listing(3);
        content.maximumLength = maximum;
        TextListingPrintout printout(content);
        QTemporaryDir dir;
        QPdfWriter device(dir.filePath("fit.pdf"));
        device.setResolution(600);
        QPainter painter(&device);
        const QRect page = painter.viewport();
        printout.pageCount(painter, page);
        const QFontMetrics metrics(printout.listingFont(), painter.device());
        const int character = metrics.horizontalAdvance(QLatin1Char('M'));
        const int used = metrics.horizontalAdvance(QString(maximum, u'W')) + 8 * character;
        EXPECT_LE(used, page.width()) << "maximum " << maximum;
        // ...and not much less: the font is made smaller only as far as needed.
        EXPECT_GT(used, page.width() * 9 / 10) << "maximum " << maximum;
        painter.end();
    }
}

}  // namespace
}  // namespace courtlog
