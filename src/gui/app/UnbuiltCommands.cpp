#include "gui/app/UnbuiltCommands.h"

#include "gui/ui/NotYetAvailable.h"

namespace courtlog::gui::app::unbuilt {

namespace {

void tellNotYetAvailable(QWidget* owner, const QString& feature) { ui::showNotYetAvailable(owner, feature); }

}  // namespace

void scheduleNewCommand(QWidget* owner) { tellNotYetAvailable(owner, QStringLiteral("The schedule")); }
void scheduleEditCommand(QWidget* owner) { tellNotYetAvailable(owner, QStringLiteral("The schedule")); }

void printGameCommand(QWidget* owner) {
    tellNotYetAvailable(owner, QStringLiteral("Printing a game's score sheet"));
}

void printBlankScoreSheets(QWidget* owner, int pages, bool halves) {
    Q_UNUSED(pages);
    Q_UNUSED(halves);
    tellNotYetAvailable(owner, QStringLiteral("Printing blank score sheets"));
}

void statisticsCommand(QWidget* owner) {
    tellNotYetAvailable(owner, QStringLiteral("Player and team statistics"));
}
void shotAnalysisCommand(QWidget* owner) { tellNotYetAvailable(owner, QStringLiteral("The shot analysis")); }

void htmlOptionsCommand(QWidget* owner) { tellNotYetAvailable(owner, QStringLiteral("The HTML options")); }

void palmInstallCompanionCommand(QWidget* owner) {
    tellNotYetAvailable(owner, QStringLiteral("Palm install"));
}
void palmInstallOtherCommand(QWidget* owner) { tellNotYetAvailable(owner, QStringLiteral("Palm install")); }
void gameToPalmCommand(QWidget* owner) { tellNotYetAvailable(owner, QStringLiteral("Palm export")); }
void teamToPalmCommand(QWidget* owner) { tellNotYetAvailable(owner, QStringLiteral("Palm export")); }
void gameFromPalmCommand(QWidget* owner) { tellNotYetAvailable(owner, QStringLiteral("Palm import")); }
void teamFromPalmCommand(QWidget* owner) { tellNotYetAvailable(owner, QStringLiteral("Palm import")); }
void gameToPocketPcCommand(QWidget* owner) { tellNotYetAvailable(owner, QStringLiteral("Pocket PC export")); }
void teamToPocketPcCommand(QWidget* owner) { tellNotYetAvailable(owner, QStringLiteral("Pocket PC export")); }
void gameFromPocketPcCommand(QWidget* owner) {
    tellNotYetAvailable(owner, QStringLiteral("Pocket PC import"));
}
void teamFromPocketPcCommand(QWidget* owner) {
    tellNotYetAvailable(owner, QStringLiteral("Pocket PC import"));
}

}  // namespace courtlog::gui::app::unbuilt
