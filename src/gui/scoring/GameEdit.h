#pragma once

#include <QString>

#include "gui/ui/CourtlogDialog.h"
class QLabel;
class QLineEdit;

namespace courtlog {
class Game;
class Team;
}  // namespace courtlog

namespace courtlog::gui::scoring {

// "Edit Game Information": date, time, season, court, attendance, referees
// and the two teams of a game. Works directly on the game: texts change on
// OK or St&art Game, teams as soon as they are selected or edited.
class GameEdit : public ui::CourtlogDialog {
    Q_OBJECT
public:
    static constexpr int kStartGame = 1001;

    explicit GameEdit(Game& game, QWidget* parent = nullptr);

    bool homeSelected() const { return homeSelected_; }
    bool visitorSelected() const { return visitorSelected_; }

    // Exactly one player of team in each of the slots 1..5; otherwise the
    // lineup message for that team is shown and false returned.
    static bool checkStartingLineup(QWidget* owner, const Team& team, bool isHome);

private:
    void pickDate();
    void stepSeason(bool up);
    void selectTeam(bool home);
    void editTeam(bool home);
    void pressOk();
    void startGame();
    void collectFields();
    void showSummaries();

    Game& game_;
    bool homeSelected_ = false;
    bool visitorSelected_ = false;
    QString homeName_;
    QString visitorName_;

    QLineEdit* dateEdit_ = nullptr;
    QLineEdit* timeEdit_ = nullptr;
    QLineEdit* seasonEdit_ = nullptr;
    QLineEdit* courtEdit_ = nullptr;
    QLineEdit* attendanceEdit_ = nullptr;
    QLineEdit* refereeEdits_[3] = {};
    QLabel* homeSummary_ = nullptr;
    QLabel* visitorSummary_ = nullptr;
};

}  // namespace courtlog::gui::scoring
