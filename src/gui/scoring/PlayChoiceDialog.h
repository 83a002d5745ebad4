#pragma once

#include <optional>

#include "gui/ui/CourtlogDialog.h"

namespace courtlog::gui::scoring {

// "Event": which play the clicked player made. Each of the 29 choices closes
// the dialog at once with that choice; Cancel, Escape or the close box
// return none.
class PlayChoiceDialog : public ui::CourtlogDialog {
    Q_OBJECT
public:
    explicit PlayChoiceDialog(QWidget* parent = nullptr);

    // Shows the dialog, with nothing chosen, each time it is called; the
    // index into playChoices() of the choice made.
    std::optional<int> choose();

    // Object name of the button of choice index ("shotMade2PointerButton").
    static QString choiceObjectName(int index);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    static constexpr int kChoiceResultBase = 100;
};

}  // namespace courtlog::gui::scoring
