#pragma once

#include "core/records/Settings.h"
#include "gui/ui/CourtlogDialog.h"

class QButtonGroup;
class QComboBox;

namespace courtlog {
class Game;
}

namespace courtlog::gui::app {

// "League Options": the league's periods, three-point arc, foul limits and
// time-out allowances. OK stores every control into the options; Cancel
// changes nothing.
class LeagueOptions : public ui::CourtlogDialog {
    Q_OBJECT
public:
    // gameBeingScored, when given, has its current period folded onto halves
    // when halves are chosen.
    LeagueOptions(QWidget* parent, courtlog::LeagueOptions& options, Game* gameBeingScored = nullptr);

private:
    void store();

    courtlog::LeagueOptions& options_;
    Game* game_;
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
