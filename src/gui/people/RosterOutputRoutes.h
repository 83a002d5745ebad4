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

// The roster output reached from the team editor.
//
// "S&ave As": the team as a team file, comma-delimited text or a web page,
// by the name and filter chosen. A team file takes the typed names into the
// team and saves it there (asking before it replaces a file); the two text
// forms show the typed names without changing the team, ask whether to
// append to or replace an existing file and whether to include the players'
// personal information.
void saveRosterAs(QWidget* owner, Team& team, const TeamEditorTexts& typed);
// "&Print": the roster with the typed names, through the print preview.
void printRoster(QWidget* owner, Team& team, const TeamEditorTexts& typed);

// Copies the typed texts into the team (24 characters each).
void applyTypedTexts(Team& team, const TeamEditorTexts& typed);

}  // namespace courtlog::gui::people
