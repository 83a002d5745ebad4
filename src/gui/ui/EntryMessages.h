#pragma once

#include <QString>
#include <string>

#include "core/records/Player.h"
#include "core/records/PlayerEntry.h"

class QWidget;

namespace courtlog::gui::ui {

// Why a player's name was refused; name and team are record texts. An
// empty team name reads "This team".
QString playerNameProblemText(PlayerNameProblem problem, const std::string& name, const std::string& team);

// Why a typed uniform number was refused.
QString uniformNumberProblemText(const QString& typed);

// Giving the player at index of players (-1: a new player) the uniform
// number: when another player wears it already, asks whether to keep it
// anyway (caption as the dialog's). True when the number may be taken.
bool confirmUniformNumber(QWidget* owner, const std::vector<Player>& players, int index, int number,
                          const QString& caption);

}  // namespace courtlog::gui::ui
