#include "people/PersonalInfoRoute.h"

#include "app/PendingCommands.h"
#include "records/Team.h"
#include "ui/MessageBox.h"

namespace courtlog::people {

bool editPersonalInfo(QWidget* owner, Team&) {
    ui::showMessage(
        owner, app::pending::notYetAvailableText(QStringLiteral("Editing players' personal information")), {},
        ui::MessageButtons::Ok, ui::MessageIcon::Information);
    return false;
}

}  // namespace courtlog::people
