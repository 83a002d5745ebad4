#pragma once

#include "gui/people/RosterOutputRoutes.h"
#include "gui/ui/CourtlogDialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace courtlog {
class Team;
}

namespace courtlog::gui::people {

class LogoPreview;

// "Edit Team": name, coach and assistant (kept only on OK), the logo file,
// layout and fade (kept at once, even on Cancel), and the way to the roster
// editor, the roster output and the printer setup. Edits the team in place.
class TeamEdit : public ui::CourtlogDialog {
    Q_OBJECT
public:
    explicit TeamEdit(Team& team, QWidget* parent = nullptr);

    Team& team() { return team_; }
    TeamEditorTexts typedTexts() const;

    void done(int result) override;
    void reject() override;

private:
    void changeLogo();
    void stepFade(bool up);
    void showFade();
    void editRoster();

    Team& team_;
    QLineEdit* nameEdit_ = nullptr;
    QLineEdit* coachEdit_ = nullptr;
    QLineEdit* assistantEdit_ = nullptr;
    QComboBox* layoutList_ = nullptr;
    QLabel* fadeLabel_ = nullptr;
    LogoPreview* logo_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

}  // namespace courtlog::gui::people
