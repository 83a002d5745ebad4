#include "gui/app/TeamPdfKinds.h"

#include <QString>
#include <memory>
#include <optional>

#include "core/records/Team.h"
#include "core/records/TeamSource.h"
#include "gui/people/AddressListPrintout.h"
#include "gui/people/RosterPrintout.h"
#include "gui/ui/PageFrame.h"

namespace courtlog::gui::app {

namespace {

// The one TEAM argument read into team; a request that failed otherwise.
std::optional<PdfRequest> readTeamArgument(const std::vector<std::string>& args, Team& team) {
    if (args.size() != 1 || args[0].empty()) return PdfRequest::wrongArguments("Give one team file.");
    std::string message;
    if (!readTeamOrRoster(args[0], team, &message)) return PdfRequest::failed(message);
    return std::nullopt;
}

}  // namespace

PdfRequest prepareRosterPdf(const std::vector<std::string>& args) {
    Team team;
    if (auto failed = readTeamArgument(args, team)) return std::move(*failed);
    QImage logo = people::rosterLogo(team);
    return PdfRequest::ready(std::make_unique<people::RosterPrintout>(
        team, std::move(logo), ui::printedFootLink()));
}

PdfRequest prepareAddressListPdf(const std::vector<std::string>& args) {
    Team team;
    if (auto failed = readTeamArgument(args, team)) return std::move(*failed);
    return PdfRequest::ready(std::make_unique<people::AddressListPrintout>(team));
}

}  // namespace courtlog::gui::app
