// "courtlog pdf": the usage, unknown kinds, and the page frame written to a
// PDF through a kind of this test, read back with pdftotext.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "GuiTestSupport.h"
#include "core/output/PrintedPage.h"
#include "gui/app/PdfCommand.h"
#include "gui/ui/PageFrame.h"
#include "gui/ui/ProgramSettings.h"

namespace courtlog {
namespace {

using gui::app::PdfKind;
using gui::app::PdfRequest;
using gui::app::runPdfCommand;

// A page with the whole frame: title line, both logos, footer.
class FramePrintout : public gui::ui::Printout {
public:
    FramePrintout(QString title, QString link) : title_(std::move(title)), link_(std::move(link)) {}
    QString title() const override { return title_; }
    int pageCount(QPainter&, const QRect&) override { return 2; }
    void drawPage(QPainter& painter, const QRect& page, int pageNumber) override {
        QImage logo(40, 20, QImage::Format_RGB32);
        logo.fill(Qt::darkBlue);
        gui::ui::drawPageTitleLine(painter, page, pageNumber, title_, output::localTimeNow());
        logoBottom = gui::ui::drawTeamLogos(painter, page, logo, logo);
        gui::ui::drawPageFooter(painter, page, link_);
        pageWidth = page.width();
    }
    int logoBottom = 0;
    int pageWidth = 0;

private:
    QString title_;
    QString link_;
};

// "frame TITLE [LINK] OUT.pdf"; "broken" fails as a game that does not load.
PdfRequest prepareFrame(const std::vector<std::string>& args) {
    if (args.empty() || args.size() > 2) return PdfRequest::wrongArguments("frame needs a title");
    if (args[0] == "broken") return PdfRequest::failed("Can't load game ! broken.gam");
    return PdfRequest::ready(std::make_unique<FramePrintout>(
        QString::fromStdString(args[0]), args.size() > 1 ? QString::fromStdString(args[1]) : QString()));
}

const std::vector<PdfKind> kTestKinds{{"frame", "TITLE [LINK]", "the page frame alone", prepareFrame}};

struct PdfRun {
    int status;
    std::string err;
};

PdfRun run(const std::vector<std::string>& args, const std::vector<PdfKind>& kinds = kTestKinds) {
    ::testing::internal::CaptureStderr();
    const int status = runPdfCommand(args, kinds);
    return {status, ::testing::internal::GetCapturedStderr()};
}

TEST(PdfCommand, WritesThePageFrameOfEveryPage) {
    QTemporaryDir dir;
    const std::string out = dir.filePath("frame.pdf").toStdString();
    ASSERT_EQ(run({"frame", "Season Opener", "https://example.org/club", out}).status, 0);
    const QString text = testsupport::pdfText(QString::fromStdString(out));
    const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 2);
    const QString today = QString::fromStdString(output::pageDateText(output::localTimeNow()));
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(pages[i].contains(QStringLiteral("Page %1").arg(i + 1))) << pages[i].toStdString();
        EXPECT_TRUE(pages[i].contains(QStringLiteral("Season Opener")));
        EXPECT_TRUE(pages[i].contains(today));
        EXPECT_TRUE(pages[i].contains(
            QStringLiteral("This page was created using Basketball Courtlog, https://example.org/club")));
    }

    // Without a link the footer names the program alone.
    ASSERT_EQ(run({"frame", "Season Opener", out}).status, 0);
    const QString plain = testsupport::pdfText(QString::fromStdString(out));
    EXPECT_TRUE(plain.contains(QStringLiteral("This page was created using Basketball Courtlog\n")))
        << plain.toStdString();
    EXPECT_FALSE(plain.contains(QStringLiteral("Courtlog,")));
}

// The HTML options keep the link as record text; every printout shows it
// read back the same way, so a link with a letter beyond ASCII is printed
// as it was typed.
TEST(PdfCommand, EveryPrintoutShowsTheFootLinkAsTyped) {
    testsupport::freshHooks();
    courtlog::testing::ScratchFolder folder;
    const std::string savedLink = gui::ui::programSettings().htmlFootLink;
    gui::ui::programSettings().htmlFootLink = "https://example.org/l\xE6g";  // "læg" in Windows-1252
    const std::string team = folder.saveTeam(courtlog::testing::team("Hawks"), "hawks.tem");
    const std::string game = folder.saveGame(courtlog::testing::game("Hawks", "Owls"), "g.gam");
    const std::vector<std::vector<std::string>> printouts{
        {"blank", "1"}, {"scoresheet", game}, {"roster", team}, {"boxscore", game}, {"stats", "--all", game}};
    for (std::vector<std::string> args : printouts) {
        const std::string out = folder.file(args[0] + ".pdf");
        args.push_back(out);
        ASSERT_EQ(runPdfCommand(args), 0) << args[0];
        const QString text = testsupport::pdfText(QString::fromStdString(out));
        EXPECT_TRUE(text.contains(QStringLiteral("Basketball Courtlog, https://example.org/l\u00E6g"))) << args[0];
    }
    gui::ui::programSettings().htmlFootLink = savedLink;
}

TEST(PdfCommand, LogosAreOneTwelfthOfTheWidthBelowTheTitleLine) {
    QImage page(1200, 1600, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    FramePrintout printout(QStringLiteral("Logos"), {});
    printout.drawPage(painter, page.rect(), 1);
    painter.end();
    // 40 x 20 logos at 100 pixels wide are 50 high, at both top corners.
    const int logoTop = printout.logoBottom - 50;
    EXPECT_GT(logoTop, 0);
    EXPECT_EQ(page.pixelColor(50, logoTop + 25), QColor(Qt::darkBlue));
    EXPECT_EQ(page.pixelColor(1150, logoTop + 25), QColor(Qt::darkBlue));
    EXPECT_EQ(page.pixelColor(101, logoTop + 25), QColor(Qt::white));
    EXPECT_EQ(page.pixelColor(1098, logoTop + 25), QColor(Qt::white));
}

TEST(PdfCommand, WrongUsageUnknownKindsAndFailures) {
    QTemporaryDir dir;
    const std::string out = dir.filePath("out.pdf").toStdString();
    struct Case {
        const char* name;
        std::vector<std::string> args;
        int status;
        const char* message;
    } cases[] = {
        {"no kind", {}, 2, "Usage: courtlog pdf KIND ARGS... OUT.pdf"},
        {"unknown kind", {"scoreboard", out}, 2, "Unknown printout: scoreboard"},
        {"no pdf named", {"frame", "Title", "frame.png"}, 2, "Usage: courtlog pdf frame TITLE [LINK] OUT.pdf"},
        {"kind refuses its arguments", {"frame", "a", "b", "c", out}, 2, "frame needs a title"},
        {"kind fails", {"frame", "broken", out}, 1, "Can't load game ! broken.gam"},
        {"unwritable", {"frame", "Title", "/no/such/folder/out.pdf"}, 1, "Can't save /no/such/folder/out.pdf !"},
    };
    for (const Case& c : cases) {
        const PdfRun r = run(c.args);
        EXPECT_EQ(r.status, c.status) << c.name;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << c.name << ": " << r.err;
        EXPECT_FALSE(QFile::exists(QString::fromStdString(out))) << c.name;
    }
    // The program's own kinds list themselves in the usage.
    const PdfRun usage = run({}, gui::app::pdfKinds());
    EXPECT_EQ(usage.status, 2);
    EXPECT_NE(usage.err.find("Usage: courtlog pdf KIND ARGS... OUT.pdf"), std::string::npos);
    const PdfRun listed = run({});
    EXPECT_NE(listed.err.find("courtlog pdf frame TITLE [LINK] OUT.pdf"), std::string::npos) << listed.err;
}

}  // namespace
}  // namespace courtlog
