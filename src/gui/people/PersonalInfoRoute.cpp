#include "gui/people/PersonalInfoRoute.h"

#include "core/records/Team.h"
#include "gui/people/PersonalInfoDialog.h"

namespace courtlog::gui::people {

bool editPersonalInfo(QWidget* owner, Team& team) {
    PersonalInfoDialog dialog(team, owner);
    return dialog.run() == 1;
}

}  // namespace courtlog::gui::people
