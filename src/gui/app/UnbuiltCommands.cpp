#include "gui/app/UnbuiltCommands.h"

#include "gui/ui/NotYetAvailable.h"

namespace courtlog::gui::app::unbuilt {

namespace {

void tellNotYetAvailable(QWidget* owner, const QString& feature) { ui::showNotYetAvailable(owner, feature); }

}  // namespace

void printGameCommand(QWidget* owner) {
    tellNotYetAvailable(owner, QStringLiteral("Printing a game's score sheet"));
}

void printBlankScoreSheets(QWidget* owner, int pages, bool halves) {
    Q_UNUSED(pages);
    Q_UNUSED(halves);
    tellNotYetAvailable(owner, QStringLiteral("Printing blank score sheets"));
}

void boxScoreCommand(QWidget* owner) { tellNotYetAvailable(owner, QStringLiteral("The box score")); }

}  // namespace courtlog::gui::app::unbuilt
