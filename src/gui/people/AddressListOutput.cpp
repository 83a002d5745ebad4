#include "gui/people/AddressListOutput.h"

#include <QString>

#include "core/records/Team.h"
#include "gui/ui/NotYetAvailable.h"

namespace courtlog::gui::people {

void exportAddressList(QWidget* owner, const Team&) {
    ui::showNotYetAvailable(owner, QStringLiteral("Exporting the address list"));
}

void printAddressList(QWidget* owner, const Team&) {
    ui::showNotYetAvailable(owner, QStringLiteral("Printing the address list"));
}

}  // namespace courtlog::gui::people
