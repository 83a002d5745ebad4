#pragma once

#include "gui/ui/CourtlogDialog.h"

namespace courtlog::app {

// The About box: version, and the way to the manual built into the program.
class TMyAboutDialog : public ui::CourtlogDialog {
    Q_OBJECT
public:
    explicit TMyAboutDialog(QWidget* parent = nullptr);

};

}  // namespace courtlog::app
