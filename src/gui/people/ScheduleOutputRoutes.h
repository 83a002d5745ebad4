#pragma once

class QWidget;

namespace courtlog {
class Schedule;
}

namespace courtlog::gui::people {

// The schedule editor's output: the comma-delimited or HTML export to a file
// the user names, and the printout.
void exportScheduleFile(QWidget* owner, const Schedule& schedule);
void printScheduleList(QWidget* owner, const Schedule& schedule);

}  // namespace courtlog::gui::people
