#pragma once

#include <QString>

class QWidget;

namespace courtlog {
class Schedule;
}

// File > Schedule: the editor on a new or an existing schedule file, and
// what it returns: a new game started from an entry, or the entry's game
// continued.
namespace courtlog::gui::scoring {

void newScheduleCommand(QWidget* owner);
void editScheduleCommand(QWidget* owner);

// Writes schedule to path (when given); after a failure ("Can't save <file> !")
// and when there is no path, asks for a file until the schedule is written
// or the user cancels, so nothing edited is lost to one unwritable folder.
bool saveScheduleAsking(QWidget* owner, Schedule& schedule, QString path);

}  // namespace courtlog::gui::scoring
