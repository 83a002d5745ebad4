#pragma once

#include "core/records/Settings.h"
#include "gui/ui/CourtlogDialog.h"

class QButtonGroup;
class QComboBox;

namespace courtlog::gui::app {

// "League Options": the league's periods, three-point arc, foul limits and
// time-out allowances. OK stores every control into the options; Cancel
// changes nothing. The game being scored is the console's to follow (a
// game in quarters moves to the half of its quarter when halves are chosen).
class LeagueOptions : public ui::CourtlogDialog {
    Q_OBJECT
public:
    LeagueOptions(QWidget* parent, courtlog::LeagueOptions& options);

private:
    void store();

    courtlog::LeagueOptions& options_;
    QButtonGroup* periods_ = nullptr;
    QButtonGroup* arc_ = nullptr;
    QButtonGroup* bonusPeriod_ = nullptr;
    QButtonGroup* doubleBonusPeriod_ = nullptr;
    QButtonGroup* fullTimeOutsPer_ = nullptr;
    QButtonGroup* shortTimeOutsPer_ = nullptr;
    QComboBox* foulOut_ = nullptr;
    QComboBox* foulTrouble_ = nullptr;
    QComboBox* bonus_ = nullptr;
    QComboBox* doubleBonus_ = nullptr;
    QComboBox* fullTimeOuts_ = nullptr;
    QComboBox* shortTimeOuts_ = nullptr;
};

}  // namespace courtlog::gui::app
