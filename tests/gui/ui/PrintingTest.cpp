#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "GuiTestSupport.h"
#include "gui/ui/FileDialogs.h"
#include "gui/ui/Printing.h"

using namespace courtlog::gui::ui;
namespace hooks = courtlog::gui::ui::testing;

namespace {

class ThreePagePrintout : public Printout {
public:
    QString title() const override { return "Roster"; }
    int pageCount(QPainter&, const QRect& page) override {
        countPage = page;
        return 3;
    }
    void drawPage(QPainter& painter, const QRect& page, int pageNumber) override {
        drawn.push_back(pageNumber);
        pages.push_back(page);
        painter.drawRect(page.adjusted(10, 10, -10, -10));
        painter.drawText(page, Qt::AlignCenter, QStringLiteral("Page %1").arg(pageNumber));
    }
    QRect countPage;
    std::vector<int> drawn;
    std::vector<QRect> pages;
};

// The same, asking for landscape pages.
class WidePrintout : public ThreePagePrintout {
public:
    QPageLayout::Orientation orientation() const override { return QPageLayout::Landscape; }
};

int pdfPageCount(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QString text = QString::fromLatin1(file.readAll());
    return static_cast<int>(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"))));
}

}  // namespace

TEST(Printing, PrintoutRendersEveryPageToPdf) {
    QTemporaryDir dir;
    const QString path = dir.filePath("roster.pdf");
    ThreePagePrintout printout;
    ASSERT_TRUE(printToPdf(printout, path));
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(pdfPageCount(path), 3);
    EXPECT_EQ(printout.drawn, (std::vector<int>{1, 2, 3}));
    ASSERT_EQ(printout.pages.size(), 3u);
    EXPECT_FALSE(printout.countPage.isEmpty());
    for (const QRect& page : printout.pages) EXPECT_EQ(page, printout.countPage);
}

TEST(Printing, PrintGoesToTheTestFileInsteadOfThePreview) {
    QTemporaryDir dir;
    const QString path = dir.filePath("printed.pdf");
    hooks::printToFileInstead(path);
    ThreePagePrintout printout;
    printWithPreview(nullptr, printout);
    hooks::printToFileInstead({});
    EXPECT_EQ(pdfPageCount(path), 3);
}

TEST(Printing, UnwritablePdfReportsFailure) {
    ThreePagePrintout printout;
    EXPECT_FALSE(printToPdf(printout, "/no/such/folder/out.pdf"));
}

// Every "&Print" opens a preview of exactly the printout's pages; from it
// the pages can be saved as a PDF file.
TEST(Printing, PreviewShowsThePagesAndSavesThemAsPdf) {
    QTemporaryDir dir;
    const QString path = dir.filePath("saved.pdf");
    int previewPages = 0;
    courtlog::testsupport::whenModal<QPrintPreviewDialog>([&](QPrintPreviewDialog* preview) {
        EXPECT_EQ(preview->objectName(), QStringLiteral("printPreviewDialog"));
        auto* pages = preview->findChild<QPrintPreviewWidget*>();
        ASSERT_NE(pages, nullptr);
        ASSERT_TRUE(courtlog::testsupport::processUntil([&] { return pages->pageCount() > 0; }));
        previewPages = pages->pageCount();
        auto* save = preview->findChild<QAction*>(QStringLiteral("saveAsPdfAction"));
        ASSERT_NE(save, nullptr);
        EXPECT_EQ(save->text(), QStringLiteral("Save as PDF..."));
        courtlog::gui::ui::testing::queueFileAnswer(courtlog::gui::ui::FileChoice{dir.filePath("saved"), 1});
        save->trigger();
        preview->reject();
    });
    ThreePagePrintout printout;
    printWithPreview(nullptr, printout);
    EXPECT_EQ(previewPages, 3);
    EXPECT_EQ(pdfPageCount(path), 3);
}

// Save as PDF asks before it replaces a file; No keeps the old one.
TEST(Printing, SaveAsPdfAsksBeforeReplacingAFile) {
    courtlog::testsupport::freshHooks();
    QTemporaryDir dir;
    const QString path = dir.filePath("saved.pdf");
    courtlog::testing::writeFile(path.toStdString(), "kept");
    courtlog::testsupport::whenModal<QPrintPreviewDialog>([&](QPrintPreviewDialog* preview) {
        hooks::queueFileAnswer(FileChoice{path, 1});
        hooks::queueMessageAnswer(ResultNo);
        preview->findChild<QAction*>(QStringLiteral("saveAsPdfAction"))->trigger();
        preview->reject();
    });
    ThreePagePrintout printout;
    printWithPreview(nullptr, printout);
    EXPECT_EQ(courtlog::testsupport::messageTexts(), std::vector<QString>{"Overwrite Existing File?"});
    EXPECT_EQ(courtlog::testing::readFile(path.toStdString()), "kept");
}

// A printout comes out the way round it asks for, in PDF files and in the
// preview, unless an orientation was chosen in the printer setup; the
// preview leaves the printer as it found it.
TEST(Printing, APrintoutComesOutTheWayRoundItAsksUnlessTheSetupChoseOne) {
    QTemporaryDir dir;
    const QString path = dir.filePath("out.pdf");
    auto landscape = [&](Printout& printout) {
        EXPECT_TRUE(printToPdf(printout, path));
        const QSizeF size = courtlog::testsupport::pdfPageSize(path);
        return size.width() > size.height();
    };
    ThreePagePrintout upright;
    WidePrintout wide;
    EXPECT_FALSE(landscape(upright));
    EXPECT_TRUE(landscape(wide));
    EXPECT_GT(wide.countPage.width(), wide.countPage.height());

    hooks::setChosenOrientation(QPageLayout::Portrait);
    EXPECT_FALSE(landscape(wide));
    hooks::setChosenOrientation(QPageLayout::Landscape);
    EXPECT_TRUE(landscape(upright));
    hooks::setChosenOrientation(std::nullopt);

    QPageLayout::Orientation previewed = QPageLayout::Portrait;
    courtlog::testsupport::whenModal<QPrintPreviewDialog>([&](QPrintPreviewDialog* preview) {
        previewed = preview->printer()->pageLayout().orientation();
        preview->reject();
    });
    printWithPreview(nullptr, wide);
    EXPECT_EQ(previewed, QPageLayout::Landscape);
    EXPECT_EQ(sharedPrinter().pageLayout().orientation(), QPageLayout::Portrait);
}
