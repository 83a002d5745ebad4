#pragma once

#include "core/records/Settings.h"
#include "gui/ui/CourtlogDialog.h"

class QCheckBox;
class QLineEdit;

namespace courtlog::gui::output {

// "Live Scoreboard" (Options > Live Scoreboard...): whether the scoreboard
// feed is written while a game is scored, and the folder it goes to (empty:
// beside the game file). It edits a copy; OK stores it into the settings.
class LiveScoreboardDialog : public ui::CourtlogDialog {
    Q_OBJECT
public:
    LiveScoreboardDialog(QWidget* parent, Settings& settings);

private:
    void browse();
    void store();

    Settings& settings_;
    QCheckBox* feedOn_ = nullptr;
    QLineEdit* folder_ = nullptr;
};

// Options > Live Scoreboard...: the dialog over the program's settings.
void liveScoreboardCommand(QWidget* owner);

}  // namespace courtlog::gui::output
