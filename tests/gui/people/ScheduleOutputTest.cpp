#include <gtest/gtest.h>

#include <QDate>
#include <QFile>

#include "GuiTestSupport.h"
#include "core/output/ScheduleExport.h"
#include "core/output/SchedulePrintLines.h"
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

// A season with long notes, read back from the PDF: every event whole, in
// Courier at 10 points at least, across the page and within it.
TEST(ScheduleOutput, PrintIsReadableAndUsesThePageWidth) {
    courtlog::testing::ScratchFolder folder;
    Schedule schedule;
    // As long as a note may be: 130 characters.
    const std::string note = "Bus leaves the school at five sharp; bring both uniforms, water bottles and the "
                             "scorebook, and tell the coach by Friday if away";
    for (int i = 0; i < 40; ++i)
        schedule.addEntry(i % 3 ? scheduled(PracticeEvent, 4, 1 + i % 28, 2024, 18, 0, "Harbor Hawks")
                                : scheduled(GameEvent, 4, 1 + i % 28, 2024, 19, 30, "Harbor Hawks Juniors",
                                            "Valley Miners Reserves", "Brenvik Community Hall", note));
    ASSERT_TRUE(schedule.save(folder.file("season.sch")));
    const QString pdf = QString::fromStdString(folder.file("season.pdf"));
    ASSERT_EQ(gui::app::runPdfCommand({"schedule", folder.file("season.sch"), pdf.toStdString()}), 0);
    if (const QByteArray keep = qgetenv("COURTLOG_SCHEDULE_PDF"); !keep.isEmpty()) QFile::copy(pdf, QString::fromLocal8Bit(keep));

    QString text = pdfText(pdf).simplified();
    for (const ScheduleEntry& entry : schedule.entries) {
        const QString line = QString::fromStdString(output::schedulePrintLine(entry)).simplified();
        const qsizetype at = text.indexOf(line);
        ASSERT_GE(at, 0) << line.toStdString() << "\nnot in\n" << text.toStdString();
        text.remove(at, line.size());
    }
    const double pageWidth = pdfPageSize(pdf).width();
    double right = 0;
    int dates = 0;
    for (const PdfWord& word : pdfWords(pdf)) {
        right = std::max(right, word.right);
        // Courier sets every character 0.6 of an em wide.
        if (word.text.size() == 10 && word.text.count(QLatin1Char('/')) == 2) {
            ++dates;
            EXPECT_GE((word.right - word.left) / (0.6 * 10), 9.95) << word.text.toStdString();
        }
    }
    EXPECT_EQ(dates, 40);
    EXPECT_GT(right, 0.85 * pageWidth);
    EXPECT_LT(right, pageWidth - 10);
}

TEST(ScheduleOutput, CalendarExportWritesTheIcsFileReplacesOnlyWhenAskedAndNamesEntriesLeftOut) {
    freshHooks();
    courtlog::testing::ScratchFolder folder;
    Schedule schedule = season(2);
    schedule.addEntry(scheduled(GameEvent, 2, 30, 2024, 19, 0, "Hawks", "Owls"));
    ScheduleEditor editor(schedule);
    editor.show();
    // The third kind, a name without its extension.
    const QString calendar = QString::fromStdString(folder.file("season.ics"));
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{QString::fromStdString(folder.file("season")), 3});
    click(&editor, "exportButton");
    EXPECT_EQ(gui::ui::testing::lastFileDialogOptions().filters,
              QStringLiteral(
                  "Comma Delimited Format (*.csv)|*.csv|HTML (Web Page) Format (*.htm)|*.htm|Calendar (*.ics)|*.ics|"));
    const std::string written = courtlog::testing::readFile(calendar.toStdString());
    EXPECT_EQ(written.rfind("BEGIN:VCALENDAR\r\n", 0), 0u);
    EXPECT_EQ(QString::fromStdString(written).count(QStringLiteral("BEGIN:VEVENT")), 2);
    ASSERT_FALSE(gui::ui::testing::shownMessages().empty());
    EXPECT_EQ(gui::ui::testing::shownMessages().back().text,
              QStringLiteral("Left out of the calendar: entry 3 (2/30/2024 19:00, Game - Hawks vs Owls): no such date"));

    // A calendar never follows an old one: kept on No, replaced on Yes.
    courtlog::testing::writeFile(calendar.toStdString(), "old");
    gui::ui::testing::clearShownMessages();
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{calendar, 1});
    gui::ui::testing::queueMessageAnswer(gui::ui::ResultNo);
    click(&editor, "exportButton");
    EXPECT_EQ(testsupport::messageTexts().front(), QStringLiteral("Overwrite Existing File?"));
    EXPECT_EQ(courtlog::testing::readFile(calendar.toStdString()), "old");
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{calendar, 1});
    gui::ui::testing::queueMessageAnswer(gui::ui::ResultYes);
    click(&editor, "exportButton");
    EXPECT_EQ(courtlog::testing::readFile(calendar.toStdString()).rfind("BEGIN:VCALENDAR", 0), 0u);
}
