#pragma once

#include <QStringList>
#include <string>

#include "gui/ui/CourtlogDialog.h"
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace courtlog {
class Game;
}

namespace courtlog::gui::scoring {

// "Add Player": adds a bench player to either team of the game in progress.
class AddPlayer : public ui::CourtlogDialog {
    Q_OBJECT
public:
    explicit AddPlayer(Game& game, QWidget* parent = nullptr);

    void reject() override;

private:
    void addToTeam();
    void offerFreeNumber();

    Game& game_;
    QLineEdit* nameEdit_ = nullptr;
    QComboBox* positionList_ = nullptr;
    QComboBox* numberList_ = nullptr;
    QRadioButton* homeButton_ = nullptr;
    QRadioButton* visitorButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    bool numberChosen_ = false;
};

// The uniform choices, "00", "0" .. "99" (uniformChoices).
QStringList uniformNumberEntries();
// The caption of a team's radio button: the name, with '&' kept literal.
QString teamButtonText(const std::string& recordName, const QString& fallback);

}  // namespace courtlog::gui::scoring
