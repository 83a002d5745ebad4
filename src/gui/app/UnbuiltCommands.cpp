#include "gui/app/UnbuiltCommands.h"

#include "gui/ui/NotYetAvailable.h"

namespace courtlog::gui::app::unbuilt {

namespace {

void tellNotYetAvailable(QWidget* owner, const QString& feature) { ui::showNotYetAvailable(owner, feature); }

}  // namespace

void printGameCommand(QWidget* owner) {
    tellNotYetAvailable(owner, QStringLiteral("Printing a game's score sheet"));
}

}  // namespace courtlog::gui::app::unbuilt
