#pragma once

#include <QSpinBox>

#include "gui/ui/CourtlogDialog.h"

class QRadioButton;

namespace courtlog::ui {

// A field for a whole number with its up and down arrows, which keep the
// number within the field's range. Numbers outside the range cannot be
// typed.
class TIntEdit : public QSpinBox {
    Q_OBJECT
public:
    TIntEdit(QWidget* parent, int minimum, int maximum);
};

// "Print Game": how many blank score-sheet pages to print and whether the
// game is played in halves or quarters. "&Print" writes both values back and
// returns 1; "&Cancel" returns 2 and leaves them alone.
class TGetQuantityDialog : public ui::CourtlogDialog {
    Q_OBJECT
public:
    TGetQuantityDialog(QWidget* parent, int& pages, bool& halves);

private:
    int& pages_;
    bool& halves_;
    TIntEdit* count_ = nullptr;
    QRadioButton* halvesButton_ = nullptr;
    QRadioButton* quartersButton_ = nullptr;
};

}  // namespace courtlog::ui
