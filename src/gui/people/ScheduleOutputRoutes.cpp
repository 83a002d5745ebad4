#include "gui/people/ScheduleOutputRoutes.h"

#include <QString>

#include "core/records/Schedule.h"
#include "gui/ui/NotYetAvailable.h"

namespace courtlog::gui::people {

void exportScheduleFile(QWidget* owner, const Schedule&) {
    ui::showNotYetAvailable(owner, QStringLiteral("Exporting the schedule"));
}

void printScheduleList(QWidget* owner, const Schedule&) {
    ui::showNotYetAvailable(owner, QStringLiteral("Printing the schedule"));
}

}  // namespace courtlog::gui::people
