#pragma once

class QWidget;

// The Palm commands of the "&PDA Utilities" menu. Files for the handheld
// are queued in the chosen Palm user's Install folder; databases the
// handheld backed up are read from the user's Backup folder.
namespace courtlog::gui::handheld {

// Palm Install > Courtlog Companion: the companion application from the
// folder the program started in, or one the user looks for.
void palmInstallCompanionCommand(QWidget* owner);
// Palm Install > Other ...: any Palm database.
void palmInstallOtherCommand(QWidget* owner);
// Palm Export > Game to Palm ...: a game file, or the game being scored as
// it stands.
void gameToPalmCommand(QWidget* owner);
// Palm Export > Team to Palm ...: X.tem goes as X.pdb beside it.
void teamToPalmCommand(QWidget* owner);
// Palm Import > Game from Palm ... (not while a game is being scored).
void gameFromPalmCommand(QWidget* owner);
// Palm Import > Team from Palm ...
void teamFromPalmCommand(QWidget* owner);

}  // namespace courtlog::gui::handheld
