#include "gui/app/UnbuiltCommands.h"

#include "gui/ui/NotYetAvailable.h"

namespace courtlog::gui::app::unbuilt {

namespace {

void tellNotYetAvailable(QWidget* owner, const QString& feature) { ui::showNotYetAvailable(owner, feature); }

}  // namespace

void shotAnalysisCommand(QWidget* owner) { tellNotYetAvailable(owner, QStringLiteral("The shot analysis")); }

}  // namespace courtlog::gui::app::unbuilt
