#include <gtest/gtest.h>

#include <QFile>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>

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

TEST(Printing, PrintGoesToTheTestFileInsteadOfTheDialog) {
    QTemporaryDir dir;
    const QString path = dir.filePath("printed.pdf");
    hooks::printToFileInstead(path);
    ThreePagePrintout printout;
    const bool printed = print(nullptr, printout);
    hooks::printToFileInstead({});
    EXPECT_TRUE(printed);
    EXPECT_EQ(pdfPageCount(path), 3);
}

TEST(Printing, UnwritablePdfReportsFailure) {
    ThreePagePrintout printout;
    EXPECT_FALSE(printToPdf(printout, "/no/such/folder/out.pdf"));
}
