#pragma once

#include <QString>

class QWidget;

namespace courtlog {
class Team;
}

namespace courtlog::gui::people {

// What the team editor's three fields hold at the moment, so that output
// shows the names as typed even before the editor's OK.
struct TeamEditorTexts {
    QString name;
    QString coach;
    QString assistant;
};

// The roster output reached from the team editor ("S&ave As" and "&Print").
// Saving as a team file works here; the comma-delimited and HTML writers and
// the roster printout plug in at these two functions.
void saveRosterAs(QWidget* owner, Team& team, const TeamEditorTexts& typed);
void printRoster(QWidget* owner, Team& team, const TeamEditorTexts& typed);

// Copies the typed texts into the team (24 characters each).
void applyTypedTexts(Team& team, const TeamEditorTexts& typed);

}  // namespace courtlog::gui::people
