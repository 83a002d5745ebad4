#include "gui/scoring/EventEditorRoute.h"

#include "gui/ui/NotYetAvailable.h"

namespace courtlog::scoring {

bool editEvents(QWidget* parent, Game&, bool) {
    ui::showNotYetAvailable(parent, QStringLiteral("Editing recorded plays"));
    return false;
}

}  // namespace courtlog::scoring
