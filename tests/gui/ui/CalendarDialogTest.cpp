#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "gui/ui/CalendarDialog.h"

using courtlog::ui::CalendarDialog;

namespace {

// Days since 1970-01-01 of a proleptic Gregorian date (the civil-calendar
// algorithm), an independent reckoning to compare the weekdays with.
long long daysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

int civilWeekday(int y, int m, int d) {
    const long long days = daysFromCivil(y, static_cast<unsigned>(m), static_cast<unsigned>(d));
    // 1970-01-01 was a Thursday (4).
    return static_cast<int>(((days % 7) + 7 + 4) % 7);
}

bool gregorianLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int visibleCells(const CalendarDialog& dialog) {
    int count = 0;
    for (int i = 0; i < 42; ++i) count += dialog.dayCell(i)->isHidden() ? 0 : 1;
    return count;
}

TEST(CalendarWeekday, EveryDayFrom1600To2400) {
    int compared = 0;
    for (int year = 1600; year <= 2400; ++year)
        for (int month = 1; month <= 12; ++month) {
            const int days = CalendarDialog::daysInMonth(month, year);
            for (int day = 1; day <= days; ++day) {
                // The calendar's own 29 February of 1700, 1800, ... is no real date.
                if (month == 2 && day == 29 && !gregorianLeap(year)) continue;
                ASSERT_EQ(CalendarDialog::weekdayOf(year, month, day), civilWeekday(year, month, day))
                    << year << "-" << month << "-" << day;
                ++compared;
            }
        }
    EXPECT_EQ(compared, 801 * 365 + 195);  // 195 of the 801 years are leap years
}

TEST(CalendarWeekday, JulianCalendarBeforeOctober1582) {
    // Thursday 4 October 1582 was followed by Friday 15 October.
    EXPECT_EQ(CalendarDialog::weekdayOf(1582, 10, 4), 4);
    EXPECT_EQ(CalendarDialog::weekdayOf(1582, 10, 15), 5);
    EXPECT_DOUBLE_EQ(CalendarDialog::julianDay(2000, 1, 1), 2451544.5);
    EXPECT_DOUBLE_EQ(CalendarDialog::julianDay(1582, 10, 15) - CalendarDialog::julianDay(1582, 10, 4), 1.0);
    // Years 0 and 1 around the negative-year branch: one day apart.
    EXPECT_DOUBLE_EQ(CalendarDialog::julianDay(1, 1, 1) - CalendarDialog::julianDay(0, 12, 31), 1.0);
    EXPECT_DOUBLE_EQ(CalendarDialog::julianDay(0, 3, 1) - CalendarDialog::julianDay(0, 2, 29), 1.0);
}

TEST(CalendarMonthLengths, NoCenturyRule) {
    EXPECT_EQ(CalendarDialog::daysInMonth(2, 2100), 29);
    EXPECT_EQ(CalendarDialog::daysInMonth(2, 2000), 29);
    EXPECT_EQ(CalendarDialog::daysInMonth(2, 2023), 28);
    EXPECT_EQ(CalendarDialog::daysInMonth(4, 2023), 30);
    EXPECT_EQ(CalendarDialog::daysInMonth(12, 2023), 31);
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
