#include <gtest/gtest.h>

#include <QDate>
#include <QFile>

#include "GuiTestSupport.h"
#include "core/output/ScheduleExport.h"
#include "core/records/Schedule.h"
#include "gui/app/PdfCommand.h"
#include "gui/people/ScheduleEditor.h"
#include "gui/ui/FileDialogs.h"
#include "gui/ui/Printing.h"

using namespace courtlog;
using namespace courtlog::testsupport;
using courtlog::gui::people::ScheduleEditor;
using courtlog::testing::scheduled;

namespace {

// Enough events for a second page.
Schedule season(int events) {
    Schedule s;
    for (int i = 0; i < events; ++i)
        s.addEntry(scheduled(i == 0 ? GameEvent : PracticeEvent, 3, 1 + i % 28, 2024, 19, 30, "Hawks",
                             i == 0 ? "Miners" : "", i == 0 ? "Main Gym" : "", i == 0 ? "Bring water" : ""));
    return s;
}

}  // namespace

TEST(ScheduleOutput, PrintShowsTheTitleLineAndOneLinePerEventOverAsManyPagesAsNeeded) {
    freshHooks();
    courtlog::testing::ScratchFolder folder;
    Schedule schedule = season(200);
    ScheduleEditor editor(schedule);
    editor.show();
    const QString pdf = QString::fromStdString(folder.file("schedule.pdf"));
    gui::ui::testing::printToFileInstead(pdf);
    click(&editor, "printButton");
    gui::ui::testing::printToFileInstead(QString());
    if (const QByteArray keep = qgetenv("COURTLOG_SCHEDULE_PDF"); !keep.isEmpty()) QFile::copy(pdf, QString::fromLocal8Bit(keep));

    const QString text = pdfText(pdf);
    const QDate today = QDate::currentDate();
    EXPECT_TRUE(text.contains(QStringLiteral("Page 1"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Page 2")));
    EXPECT_TRUE(text.contains(QStringLiteral("Schedule")));
    EXPECT_TRUE(text.contains(QStringLiteral("%1/%2/%3").arg(today.month()).arg(today.day()).arg(today.year())));
    EXPECT_TRUE(text.contains(QStringLiteral("03/01/2024 19:30 Game - Hawks vs Miners at Main Gym - Note:Bring water")));
    EXPECT_EQ(text.count(QStringLiteral("Practice - Hawks")), 199);
}

TEST(ScheduleOutput, ExportWritesCommaDelimitedOrAWebPageAndAppendsWhenAsked) {
    freshHooks();
    courtlog::testing::ScratchFolder folder;
    Schedule schedule = season(2);
    ScheduleEditor editor(schedule);
    editor.show();
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{QString::fromStdString(folder.file("season")), 1});
    click(&editor, "exportButton");
    EXPECT_EQ(courtlog::testing::readFile(folder.file("season.csv")),
              "\xEF\xBB\xBF" + output::scheduleCsv(schedule));

    const QString page = QString::fromStdString(folder.file("season.htm"));
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{page, 2});
    click(&editor, "exportButton");
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{page, 2});
    gui::ui::testing::queueMessageAnswer(gui::ui::ResultYes);
    click(&editor, "exportButton");
    // The export's own question only, not the save dialog's as well.
    EXPECT_EQ(messageTexts(),
              std::vector<QString>{QStringLiteral("This file already exists.  Would you like to append to it?")});
    const std::string html = courtlog::testing::readFile(page.toStdString());
    EXPECT_EQ(html.rfind("<HTML><HEAD><meta charset=\"utf-8\"><TITLE>Basketball Courtlog Schedule", 0), 0u);
    EXPECT_EQ(QString::fromStdString(html).count(QStringLiteral("<HTML>")), 1);
    EXPECT_EQ(QString::fromStdString(html).count(QStringLiteral("CELLPADDING=1")), 2);
}

// The typed extension chooses the kind, whatever kind shows; the dialog
// proposes the schedule's own name.
TEST(ScheduleOutput, ExportWritesTheKindTheTypedNameAsksFor) {
    freshHooks();
    courtlog::testing::ScratchFolder folder;
    Schedule schedule = season(2);
    schedule.fileName = folder.file("Spring 2024.sch");
    ScheduleEditor editor(schedule);
    editor.show();
    gui::ui::testing::queueFileAnswer(
        gui::ui::FileChoice{QString::fromStdString(folder.file("week.htm")), 1});
    click(&editor, "exportButton");
    EXPECT_EQ(gui::ui::testing::lastFileDialogOptions().initialName,
              QStringLiteral("Spring 2024 schedule.csv"));
    EXPECT_EQ(courtlog::testing::readFile(folder.file("week.htm")).rfind("<HTML>", 0), 0u);
    gui::ui::testing::queueFileAnswer(
        gui::ui::FileChoice{QString::fromStdString(folder.file("week.CSV")), 2});
    click(&editor, "exportButton");
    EXPECT_EQ(courtlog::testing::readFile(folder.file("week.CSV")),
              "\xEF\xBB\xBF" + output::scheduleCsv(schedule));
}

TEST(ScheduleOutput, PdfCommandWritesTheSchedulePrintout) {
    courtlog::testing::ScratchFolder folder;
    Schedule schedule = season(3);
    ASSERT_TRUE(schedule.save(folder.file("season.sch")));
    const std::string out = folder.file("season.pdf");
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(gui::app::runPdfCommand({"schedule", folder.file("season.sch"), out}), 0);
    EXPECT_EQ(gui::app::runPdfCommand({"schedule", folder.file("none.sch"), folder.file("none.pdf")}), 1);
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("Can't load schedule !"), std::string::npos) << err;
    EXPECT_TRUE(pdfText(QString::fromStdString(out)).contains(QStringLiteral("03/03/2024 19:30 Practice - Hawks")));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(folder.file("none.pdf"))));
}
