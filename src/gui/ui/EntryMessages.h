#pragma once

#include <QString>
#include <string>

#include "core/records/PlayerEntry.h"

namespace courtlog::gui::ui {

// Why a player's name was refused; name and team are record texts. An
// empty team name reads "This team".
QString playerNameProblemText(PlayerNameProblem problem, const std::string& name, const std::string& team);

// Why a typed uniform number was refused.
QString uniformNumberProblemText(const QString& typed);

}  // namespace courtlog::gui::ui
