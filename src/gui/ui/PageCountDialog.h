#pragma once

#include "gui/ui/CourtlogDialog.h"

class QRadioButton;
class QSpinBox;

namespace courtlog::gui::ui {

// "Print Game": how many blank score-sheet pages to print and whether the
// game is played in halves or quarters. "&Print" writes both values back and
// returns 1; "&Cancel" returns 2 and leaves them alone.
class PageCountDialog : public ui::CourtlogDialog {
    Q_OBJECT
public:
    PageCountDialog(QWidget* parent, int& pages, bool& halves);

private:
    int& pages_;
    bool& halves_;
    QSpinBox* count_ = nullptr;
    QRadioButton* halvesButton_ = nullptr;
    QRadioButton* quartersButton_ = nullptr;
};

}  // namespace courtlog::gui::ui
