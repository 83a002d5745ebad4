#pragma once

#include <string>
#include <vector>

#include "gui/ui/CourtlogDialog.h"

class QListWidget;

namespace courtlog::gui::handheld {

// "Select Palm User": which of the Palm desktop's users the files are for.
// run() returns 1 for OK and 2 for Cancel or the close box; selectedIndex()
// is the chosen row, -1 for none.
class SelectPalmUserDialog : public ui::CourtlogDialog {
    Q_OBJECT
public:
    SelectPalmUserDialog(QWidget* parent, const std::vector<std::string>& users);

    int selectedIndex() const { return selected_; }

private:
    QListWidget* list_ = nullptr;
    int selected_ = -1;
};

}  // namespace courtlog::gui::handheld
