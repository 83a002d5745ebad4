#include "gui/app/LeagueOptions.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/records/Codes.h"
#include "gui/ui/CornerBitmap.h"

namespace courtlog::gui::app {

namespace {

constexpr int kLargestCount = 15;

// A list of the counts 1..15, as ordinals ("1st") or plain numbers.
QComboBox* countList(QWidget* parent, const QString& objectName, bool ordinals, int value) {
    auto* list = new QComboBox(parent);
    list->setObjectName(objectName);
    for (int n = 1; n <= kLargestCount; ++n)
        list->addItem(ordinals ? QStringLiteral("%1%2").arg(n).arg(
                                     QString::fromLatin1(ordinalSuffix(n).data(), ordinalSuffix(n).size()))
                               : QString::number(n));
    // A count outside the list (0: never chosen) selects nothing.
    list->setCurrentIndex(value >= 1 && value <= kLargestCount ? value - 1 : -1);
    return list;
}

int countOf(const QComboBox* list) { return list->currentIndex() + 1; }

// A radio button in group with the option value it stands for.
QRadioButton* radio(QButtonGroup* group, const QString& caption, const QString& objectName, int value) {
    auto* button = new QRadioButton(caption);
    button->setObjectName(objectName);
    group->addButton(button, value);
    return button;
}

void checkValue(QButtonGroup* group, int value) {
    if (QAbstractButton* button = group->button(value)) button->setChecked(true);
}

}  // namespace

LeagueOptions::LeagueOptions(QWidget* parent, courtlog::LeagueOptions& options)
    : CourtlogDialog(parent), options_(options) {
    setObjectName(QStringLiteral("leagueOptionsDialog"));
    setWindowTitle(QStringLiteral("Select League Options"));

    // Periods and arc side by side at the top.
    auto* periodsBox = new QGroupBox(QStringLiteral("Periods"), this);
    periodsBox->setObjectName(QStringLiteral("periodsGroup"));
    periods_ = new QButtonGroup(this);
    auto* periodsLayout = new QVBoxLayout(periodsBox);
    periodsLayout->addWidget(radio(periods_, QStringLiteral("Hal&ves"), QStringLiteral("halvesRadio"), 1));
    periodsLayout->addWidget(
        radio(periods_, QStringLiteral("&Quarters"), QStringLiteral("quartersRadio"), 0));
    checkValue(periods_, options.halves ? 1 : 0);

    auto* arcBox = new QGroupBox(QStringLiteral("3-Point Arc"), this);
    arcBox->setObjectName(QStringLiteral("arcGroup"));
    arc_ = new QButtonGroup(this);
    auto* arcLayout = new QVBoxLayout(arcBox);
    arcLayout->addWidget(radio(arc_, QStringLiteral("&None"), QStringLiteral("arcNoneRadio"), 0));
    arcLayout->addWidget(radio(arc_, QStringLiteral("&College"), QStringLiteral("arcCollegeRadio"), 1));
    arcLayout->addWidget(radio(arc_, QStringLiteral("&Pro"), QStringLiteral("arcProRadio"), 2));
    // An arc the file brought from outside 0..2 checks no button.
    checkValue(arc_, options.threePointArc);

    // Fouls: four lists; the bonus lines say whether fouls count per half or
    // per quarter.
    auto* foulsBox = new QGroupBox(QStringLiteral("Fouls"), this);
    foulsBox->setObjectName(QStringLiteral("foulsGroup"));
    auto* fouls = new QGridLayout(foulsBox);
    foulOut_ = countList(foulsBox, QStringLiteral("foulOutList"), true, options.foulOutAfter);
    foulTrouble_ = countList(foulsBox, QStringLiteral("foulTroubleList"), true, options.foulTroubleAfter);
    bonus_ = countList(foulsBox, QStringLiteral("bonusList"), true, options.bonusAfter);
    doubleBonus_ = countList(foulsBox, QStringLiteral("doubleBonusList"), true, options.doubleBonusAfter);
    fouls->addWidget(new QLabel(QStringLiteral("Foul Out After")), 0, 0);
    fouls->addWidget(foulOut_, 0, 1);
    fouls->addWidget(new QLabel(QStringLiteral("Foul")), 0, 2);
    fouls->addWidget(new QLabel(QStringLiteral("Foul Trouble After")), 1, 0);
    fouls->addWidget(foulTrouble_, 1, 1);
    fouls->addWidget(new QLabel(QStringLiteral("Foul")), 1, 2);
    bonusPeriod_ = new QButtonGroup(this);
    fouls->addWidget(new QLabel(QStringLiteral("Bonus After")), 2, 0);
    fouls->addWidget(bonus_, 2, 1);
    fouls->addWidget(new QLabel(QStringLiteral("Foul In")), 2, 2);
    fouls->addWidget(radio(bonusPeriod_, QStringLiteral("&Half"), QStringLiteral("bonusHalfRadio"), 0), 2, 3);
    fouls->addWidget(radio(bonusPeriod_, QStringLiteral("Q&uarter"), QStringLiteral("bonusQuarterRadio"), 1),
                     2, 4);
    checkValue(bonusPeriod_, options.bonusPerQuarter ? 1 : 0);
    doubleBonusPeriod_ = new QButtonGroup(this);
    fouls->addWidget(new QLabel(QStringLiteral("Double Bonus After")), 3, 0);
    fouls->addWidget(doubleBonus_, 3, 1);
    fouls->addWidget(new QLabel(QStringLiteral("Foul In")), 3, 2);
    fouls->addWidget(
        radio(doubleBonusPeriod_, QStringLiteral("H&alf"), QStringLiteral("doubleBonusHalfRadio"), 0), 3, 3);
    fouls->addWidget(
        radio(doubleBonusPeriod_, QStringLiteral("Qua&rter"), QStringLiteral("doubleBonusQuarterRadio"), 1),
        3, 4);
    checkValue(doubleBonusPeriod_, options.doubleBonusPerQuarter ? 1 : 0);

    // Time outs: full and 20-second allowances, per half or per game.
    auto* timeOutsBox = new QGroupBox(QStringLiteral("Time Outs"), this);
    timeOutsBox->setObjectName(QStringLiteral("timeOutsGroup"));
    auto* timeOuts = new QGridLayout(timeOutsBox);
    fullTimeOuts_ = countList(timeOutsBox, QStringLiteral("fullTimeOutsList"), false, options.fullTimeOuts);
    shortTimeOuts_ =
        countList(timeOutsBox, QStringLiteral("shortTimeOutsList"), false, options.shortTimeOuts);
    fullTimeOutsPer_ = new QButtonGroup(this);
    timeOuts->addWidget(new QLabel(QStringLiteral("Full")), 0, 0);
    timeOuts->addWidget(fullTimeOuts_, 0, 1);
    timeOuts->addWidget(new QLabel(QStringLiteral("Per")), 0, 2);
    timeOuts->addWidget(
        radio(fullTimeOutsPer_, QStringLiteral("Ha&lf"), QStringLiteral("fullPerHalfRadio"), 1), 0, 3);
    timeOuts->addWidget(
        radio(fullTimeOutsPer_, QStringLiteral("&Game"), QStringLiteral("fullPerGameRadio"), 0), 0, 4);
    checkValue(fullTimeOutsPer_, options.fullTimeOutsPerHalf ? 1 : 0);
    shortTimeOutsPer_ = new QButtonGroup(this);
    timeOuts->addWidget(new QLabel(QStringLiteral("20 - Second")), 1, 0);
    timeOuts->addWidget(shortTimeOuts_, 1, 1);
    timeOuts->addWidget(new QLabel(QStringLiteral("Per")), 1, 2);
    timeOuts->addWidget(
        radio(shortTimeOutsPer_, QStringLiteral("Hal&f"), QStringLiteral("shortPerHalfRadio"), 1), 1, 3);
    timeOuts->addWidget(
        radio(shortTimeOutsPer_, QStringLiteral("Ga&me"), QStringLiteral("shortPerGameRadio"), 0), 1, 4);
    checkValue(shortTimeOutsPer_, options.shortTimeOutsPerHalf ? 1 : 0);


    // Both grids share their column widths, so the lists and the radio
    // buttons of the two groups line up.
    for (QGridLayout* grid : {fouls, timeOuts}) {
        grid->setColumnMinimumWidth(
            0, QFontMetrics(font()).horizontalAdvance(QStringLiteral("Double Bonus After")) + 8);
        grid->setColumnMinimumWidth(1, foulOut_->sizeHint().width());
        grid->setColumnMinimumWidth(2, QFontMetrics(font()).horizontalAdvance(QStringLiteral("Foul In")) + 8);
        grid->setColumnStretch(5, 1);
    }
    for (QComboBox* list : {fullTimeOuts_, shortTimeOuts_}) list->setFixedWidth(foulOut_->sizeHint().width());

    auto* top = new QHBoxLayout;
    top->addWidget(periodsBox);
    top->addWidget(arcBox);
    auto* buttons = okCancelRow([this] { store(); });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(foulsBox);
    layout->addWidget(timeOutsBox);
    layout->addLayout(buttons);
    // A small fixed dialog: no resizing, no maximise button.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void LeagueOptions::store() {
    options_.halves = periods_->checkedId() == 1;
    // With no arc button checked the arc keeps what it was.
    if (arc_->checkedId() >= 0) options_.threePointArc = static_cast<std::int16_t>(arc_->checkedId());
    options_.foulOutAfter = static_cast<std::int16_t>(countOf(foulOut_));
    options_.foulTroubleAfter = static_cast<std::int16_t>(countOf(foulTrouble_));
    options_.bonusAfter = static_cast<std::int16_t>(countOf(bonus_));
    options_.doubleBonusAfter = static_cast<std::int16_t>(countOf(doubleBonus_));
    options_.bonusPerQuarter = bonusPeriod_->checkedId() == 1;
    options_.doubleBonusPerQuarter = doubleBonusPeriod_->checkedId() == 1;
    options_.fullTimeOuts = static_cast<std::int16_t>(countOf(fullTimeOuts_));
    options_.fullTimeOutsPerHalf = fullTimeOutsPer_->checkedId() == 1;
    options_.shortTimeOuts = static_cast<std::int16_t>(countOf(shortTimeOuts_));
    options_.shortTimeOutsPerHalf = shortTimeOutsPer_->checkedId() == 1;
}

}  // namespace courtlog::gui::app
