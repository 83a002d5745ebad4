#include "gui/ui/CalendarDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/records/Calendar.h"

namespace courtlog::gui::ui {

namespace {

const char* const kWeekdays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                 "Thursday", "Friday", "Saturday"};
const char* const kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                               "July",    "August",   "September", "October", "November", "December"};

}  // namespace

QString CalendarDialog::weekdayName(int weekday) {
    return weekday >= 0 && weekday < 7 ? QString::fromLatin1(kWeekdays[weekday]) : QString();
}

QString CalendarDialog::monthName(int month) {
    return month >= 1 && month <= 12 ? QString::fromLatin1(kMonths[month - 1]) : QString();
}

CalendarDialog::CalendarDialog(QWidget* parent, int year, int day, int month, int minYear, int maxYear)
    : CourtlogDialog(parent), year_(year), month_(month), day_(day) {
    setObjectName(QStringLiteral("calendarDialog"));
    setWindowTitle(QStringLiteral("Select Date"));
    // A date the caller never set (0) starts on the first of January.
    year_ = std::clamp(year_, minYear, maxYear);
    if (month_ < 1 || month_ > 12) month_ = 1;
    day_ = std::max(day_, 1);

    monthList_ = new QComboBox(this);
    monthList_->setObjectName(QStringLiteral("monthList"));
    for (int m = 1; m <= 12; ++m) monthList_->addItem(monthName(m));
    monthList_->setCurrentIndex(month_ - 1);
    yearField_ = new QSpinBox(this);
    yearField_->setObjectName(QStringLiteral("yearField"));
    yearField_->setRange(minYear, maxYear);
    yearField_->setValue(year_);

    caption_ = new QLabel(this);
    caption_->setObjectName(QStringLiteral("captionLine"));
    caption_->setAlignment(Qt::AlignCenter);
    QFont bold = caption_->font();
    bold.setBold(true);
    caption_->setFont(bold);

    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("dayPage"));
    // The selected day stands out in the window's selection colours.
    page->setStyleSheet(
        QStringLiteral("QPushButton { border: 1px solid palette(mid); background: palette(base); }"
                       "QPushButton:checked { background: palette(highlight);"
                       " color: palette(highlighted-text); font-weight: bold; }"));
    auto* grid = new QGridLayout(page);
    grid->setSpacing(2);
    for (int weekday = 0; weekday < 7; ++weekday) {
        auto* heading = new QLabel(weekdayName(weekday).left(3), page);
        heading->setObjectName(QStringLiteral("weekdayHeading%1").arg(weekday));
        heading->setAlignment(Qt::AlignCenter);
        grid->addWidget(heading, 0, weekday);
    }
    for (int index = 0; index < 42; ++index) {
        auto* cell = new QPushButton(page);
        cell->setObjectName(QStringLiteral("dayCell%1").arg(index));
        cell->setCheckable(true);
        cell->setAutoDefault(false);
        cell->setFixedSize(34, 26);
        QSizePolicy policy = cell->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        cell->setSizePolicy(policy);
        connect(cell, &QPushButton::clicked, this, [this, index] { selectCell(index); });
        grid->addWidget(cell, 1 + index / 7, index % 7);
        cells_[static_cast<std::size_t>(index)] = cell;
    }

    connect(monthList_, &QComboBox::currentIndexChanged, this, [this](int index) {
        month_ = index + 1;
        refresh();
    });
    connect(yearField_, &QSpinBox::valueChanged, this, [this](int value) {
        year_ = value;
        refresh();
    });

    QPushButton* ok =
        addClickButton(QStringLiteral("OK"), QStringLiteral("okButton"), [this] { closeWith(1); });
    ok->setDefault(true);
    QPushButton* cancel =
        addClickButton(QStringLiteral("Cancel"), QStringLiteral("cancelButton"), [this] { closeWith(2); });

    auto* top = new QHBoxLayout;
    top->addWidget(monthList_, 1);
    top->addWidget(yearField_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(page, 0, Qt::AlignHCenter);
    layout->addWidget(caption_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    refresh();
}

QString CalendarDialog::captionText() const {
    return QStringLiteral("%1, %2 %3, %4")
        .arg(weekdayName(calendar::weekdayOf(year_, month_, day_)), monthName(month_))
        .arg(day_)
        .arg(year_);
}

void CalendarDialog::refresh() {
    const int days = calendar::daysInMonth(month_, year_);
    day_ = std::clamp(day_, 1, days);
    firstCell_ = calendar::weekdayOf(year_, month_, 1);
    for (int index = 0; index < 42; ++index) {
        QPushButton* cell = dayCell(index);
        const int dayNumber = index - firstCell_ + 1;
        const bool used = dayNumber >= 1 && dayNumber <= days;
        cell->setVisible(used);
        cell->setText(used ? QString::number(dayNumber) : QString());
        cell->setChecked(used && dayNumber == day_);
    }
    caption_->setText(captionText());
}

void CalendarDialog::selectCell(int index) {
    const int dayNumber = index - firstCell_ + 1;
    if (dayNumber >= 1 && dayNumber <= calendar::daysInMonth(month_, year_)) day_ = dayNumber;
    refresh();
}

}  // namespace courtlog::gui::ui
