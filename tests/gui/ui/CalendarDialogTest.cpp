#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "gui/ui/CalendarDialog.h"

using courtlog::gui::ui::CalendarDialog;

namespace {

int visibleCells(const CalendarDialog& dialog) {
    int count = 0;
    for (int i = 0; i < 42; ++i) count += dialog.dayCell(i)->isHidden() ? 0 : 1;
    return count;
}

TEST(CalendarDialogWidget, February2100ShowsTwentyNineDays) {
    CalendarDialog dialog(nullptr, 2100, 10, 2);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Select Date"));
    EXPECT_EQ(visibleCells(dialog), 29);
    // 1 February 2100 is a Monday: cell 0 is hidden, cell 1 shows "1".
    EXPECT_TRUE(dialog.dayCell(0)->isHidden());
    EXPECT_EQ(dialog.dayCell(1)->text(), QStringLiteral("1"));
    EXPECT_EQ(dialog.dayCell(29)->text(), QStringLiteral("29"));
    EXPECT_TRUE(dialog.dayCell(30)->isHidden());
    EXPECT_TRUE(dialog.dayCell(10)->isChecked());  // day 10 is selected
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("captionLine"))->text(),
              QStringLiteral("Wednesday, February 10, 2100"));
}

TEST(CalendarDialogWidget, HeadingsAndControls) {
    CalendarDialog dialog(nullptr, 2024, 1, 1);
    const char* headings[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("weekdayHeading%1").arg(i))->text(),
                  QString::fromLatin1(headings[i]));
    auto* months = dialog.findChild<QComboBox*>(QStringLiteral("monthList"));
    ASSERT_EQ(months->count(), 12);
    EXPECT_EQ(months->itemText(0), QStringLiteral("January"));
    EXPECT_EQ(months->itemText(11), QStringLiteral("December"));
    auto* year = dialog.findChild<QSpinBox*>(QStringLiteral("yearField"));
    EXPECT_EQ(year->minimum(), 0);
    EXPECT_EQ(year->maximum(), 3000);
}

TEST(CalendarDialogWidget, ChoosingADate) {
    CalendarDialog dialog(nullptr, 2024, 31, 1);
    dialog.show();
    // January 31 -> February: the day is clamped to 29 (2024 is a leap year).
    dialog.findChild<QComboBox*>(QStringLiteral("monthList"))->setCurrentIndex(1);
    EXPECT_EQ(dialog.month(), 2);
    EXPECT_EQ(dialog.day(), 29);
    EXPECT_EQ(visibleCells(dialog), 29);
    // One year on, February has 28 days.
    auto* year = dialog.findChild<QSpinBox*>(QStringLiteral("yearField"));
    QTest::keyClick(year, Qt::Key_Up);
    EXPECT_EQ(dialog.year(), 2025);
    EXPECT_EQ(dialog.day(), 28);
    EXPECT_EQ(visibleCells(dialog), 28);
    // 1 February 2025 is a Saturday: day 14 sits in cell 6 + 13.
    QTest::mouseClick(dialog.dayCell(19), Qt::LeftButton);
    EXPECT_EQ(dialog.day(), 14);
    EXPECT_TRUE(dialog.dayCell(19)->isChecked());
    EXPECT_FALSE(dialog.dayCell(33)->isChecked());
    EXPECT_EQ(dialog.captionText(), QStringLiteral("Friday, February 14, 2025"));
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), 1);
}

TEST(CalendarDialogWidget, CancelReturnsTwo) {
    CalendarDialog dialog(nullptr, 2024, 5, 6);
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cancelButton")), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), 2);
}

}  // namespace
