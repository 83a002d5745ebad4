#pragma once

#include <array>

#include "gui/ui/CourtlogDialog.h"

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace courtlog::gui::ui {

// "Select Date": a month list, a year field and a month page of day cells.
// run() returns 1 with the chosen date, or 2 when cancelled.
class CalendarDialog : public ui::CourtlogDialog {
    Q_OBJECT
public:
    CalendarDialog(QWidget* parent, int year, int day, int month, int minYear = 0, int maxYear = 3000);

    int year() const { return year_; }
    int month() const { return month_; }  // 1..12
    int day() const { return day_; }

    // "Sunday" .. "Saturday", "January" .. "December".
    static QString weekdayName(int weekday);
    static QString monthName(int month);

    // The caption line, "Saturday, January 1, 2000".
    QString captionText() const;
    // The day cell of index 0..41 (the first row starts on Sunday).
    QPushButton* dayCell(int index) const { return cells_[static_cast<std::size_t>(index)]; }

private:
    void refresh();
    void selectCell(int index);

    int year_;
    int month_;
    int day_;
    int firstCell_ = 0;  // index of the cell showing day 1
    QComboBox* monthList_ = nullptr;
    QSpinBox* yearField_ = nullptr;
    QLabel* caption_ = nullptr;
    std::array<QPushButton*, 42> cells_{};
};

}  // namespace courtlog::gui::ui
