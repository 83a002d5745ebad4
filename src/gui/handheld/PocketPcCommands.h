#pragma once

class QWidget;

// The Pocket PC commands of the "&PDA Utilities" menu: desktop team and
// game files copied into and out of the folder a device keeps in step with
// (its partner folder, set under Options > Handheld Folders).
namespace courtlog::gui::handheld {

void teamToPocketPcCommand(QWidget* owner);
void gameToPocketPcCommand(QWidget* owner);
// Not while a game is being scored.
void gameFromPocketPcCommand(QWidget* owner);
void teamFromPocketPcCommand(QWidget* owner);

}  // namespace courtlog::gui::handheld
