#include "gui/people/PersonalInfoRoute.h"

#include "gui/ui/NotYetAvailable.h"
#include "core/records/Team.h"
#include "gui/ui/MessageBox.h"

namespace courtlog::gui::people {

bool editPersonalInfo(QWidget* owner, Team&) {
    ui::showMessage(
        owner, ui::notYetAvailableText(QStringLiteral("Editing players' personal information")), {},
        ui::MessageButtons::Ok, ui::MessageIcon::Information);
    return false;
}

}  // namespace courtlog::gui::people
