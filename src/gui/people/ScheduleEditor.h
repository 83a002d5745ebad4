#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "core/records/Game.h"
#include "core/records/Schedule.h"
#include "core/records/ScheduleForm.h"
#include "core/records/ScheduleSortDirections.h"
#include "gui/ui/CourtlogDialog.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace courtlog::gui::people {

// "Schedule": the season's events in a list of eight columns, and a form to
// describe one event, choose its teams or its game, and start or continue
// that game. Works on the schedule in place; the command that opened it
// writes the file. Closes with 1 (OK), 2 (cancel), kStartNewGame or
// kContinueGame.
class ScheduleEditor : public ui::CourtlogDialog {
    Q_OBJECT
public:
    static constexpr int kStartNewGame = 1001;
    static constexpr int kContinueGame = 1005;

    explicit ScheduleEditor(Schedule& schedule, QWidget* parent = nullptr);

    // The entry a start or continue result is about (-1 when no row was
    // selected), and the game "Start" prepared for kStartNewGame.
    int chosenEntry() const { return chosenEntry_; }
    std::optional<Game>& preparedGame() { return prepared_; }
    // The game file the form names (for kContinueGame), as a path.
    std::string formGameFile() const;

    // The form as typed, in the records' single-byte texts.
    ScheduleFormFields formFields() const;

    void done(int result) override;

private:
    void buildForm();
    void refillList();
    void showEntry(const ScheduleEntry& entry);
    void showChoices();
    int selectedRow() const;
    void loadSelectedRow();
    void clearAll();

    void pickDate();
    void chooseTeamFile(bool home);
    void createOrEditTeam(bool home);
    // The side's name and team file from team, saved at path (refused when
    // the schedule file cannot store the path).
    void takeTeam(bool home, const Team& team, const QString& path);
    void selectGame();
    void startOrEditGame();
    void addEvent();
    void updateEvent();
    void deleteEvent();
    void sortByColumn(int column);
    void exportSchedule();
    void printSchedule();

    std::vector<std::string> gameFolders() const;
    // The field text for path, or nullopt after telling the user it cannot be kept.
    std::optional<std::string> storablePath(const QString& path);

    Schedule& schedule_;
    ScheduleEntry scratch_;  // the entry last loaded into the form
    ScheduleChoices choices_;
    ScheduleSortDirections directions_;
    std::optional<Game> prepared_;
    int chosenEntry_ = -1;

    QLineEdit* dateEdit_ = nullptr;
    QLineEdit* timeEdit_ = nullptr;
    QLineEdit* courtEdit_ = nullptr;
    QComboBox* kindList_ = nullptr;
    QLineEdit* noteEdit_ = nullptr;
    QLineEdit* homeNameEdit_ = nullptr;
    QLineEdit* visitorNameEdit_ = nullptr;
    QLineEdit* gameEdit_ = nullptr;
    QPushButton* homeTeamButton_ = nullptr;
    QPushButton* visitorTeamButton_ = nullptr;
    QPushButton* gameButton_ = nullptr;
    QTableWidget* list_ = nullptr;
};

}  // namespace courtlog::gui::people
