#include "gui/ui/ProgramResources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initCourtlogResources() { Q_INIT_RESOURCE(courtlog); }

namespace courtlog::gui::ui {

void ensureProgramResources() {
    static const bool done = (initCourtlogResources(), true);
    (void)done;
}

}  // namespace courtlog::gui::ui
