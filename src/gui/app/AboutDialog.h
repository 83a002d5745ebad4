#pragma once

#include "gui/ui/CourtlogDialog.h"

namespace courtlog::gui::app {

// The About box: version, and the way to the manual built into the program.
class AboutDialog : public ui::CourtlogDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);

};

}  // namespace courtlog::gui::app
