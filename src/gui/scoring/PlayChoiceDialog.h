#pragma once

#include <optional>

#include "gui/ui/CourtlogDialog.h"

class QLabel;

namespace courtlog::gui::scoring {

// "Event": which play the clicked player made. Each of the 29 choices closes
// the dialog at once with that choice; Cancel, Escape or the close box
// return none.
class PlayChoiceDialog : public ui::CourtlogDialog {
    Q_OBJECT
public:
    explicit PlayChoiceDialog(QWidget* parent = nullptr);

    // Shows the dialog, with nothing chosen, each time it is called, naming
    // the player it is for (his number, name and team) above the choices;
    // the index into playChoices() of the choice made.
    std::optional<int> choose(const QString& forWhom = {});

    // Object name of the button of choice index ("shotMade2PointerButton").
    static QString choiceObjectName(int index);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    static constexpr int kChoiceResultBase = 100;
    QLabel* forWhom_ = nullptr;
};

}  // namespace courtlog::gui::scoring
