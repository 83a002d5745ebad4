#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "core/output/ScoreboardFeedWriter.h"
#include "core/scoring/GameConsole.h"
#include "gui/ui/GameConsoleLink.h"
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace courtlog {
class Game;
struct LeagueOptions;
}  // namespace courtlog

namespace courtlog::gui::scoring {

class CourtArea;
class PlayChoiceDialog;
class ScoreDisplay;

// The game console: the court with both teams' players on it, the scores,
// the period, both benches and the time outs. Every click becomes a change
// of the game through the console model; the window shows the model and
// saves the game after each change while Auto Save is on.
class GameConsoleWindow : public QDialog, public ui::GameConsoleLink {
    Q_OBJECT
public:
    GameConsoleWindow(QWidget* parent, Game& game, const LeagueOptions& league);
    // Lets the auto saves still under way reach the disk.
    ~GameConsoleWindow() override;

    courtlog::scoring::GameConsole& model() { return model_; }

    // Called after every change the team sheets must show: plays, prompt
    // answers, time outs, substitutions, period changes, event edits.
    void setFiguresChangedCallback(std::function<void()> callback) { figuresChanged_ = std::move(callback); }

    // Add Player and Modify Player, as changes kept for undo.
    void addPlayer(bool home, const Player& player);
    void editPlayers(std::optional<std::vector<Player>> homeEdited, std::optional<std::vector<Player>> visitorEdited);
    // Opens with the sides swapped (a game left so at its last stop).
    void openWithSidesSwapped(bool swapped);

    // ui::GameConsoleLink
    QWidget* consoleWidget() override { return this; }
    void refreshPlayerLists() override;
    void applyLeagueOptions() override;
    void applyScoreboardSettings() override;

public slots:
    // Escape cancels the pending action; it never closes the console.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildTopBand(QGridLayout* grid);
    void buildRows();
    void arrangeSides();

    void clickPlayer(bool home, int slot);
    // Asks for the play of the player in slot and records it.
    void recordThroughDialog(bool home, int slot);
    // The spot of a field-goal attempt, on the upright court: where a two or
    // a three starts from. The one place a play's spot is decided.
    courtlog::scoring::CourtPoint shotSpotFor(bool home, const courtlog::scoring::PlayChoice& choice);
    void chooseBench(bool home, int entry);
    void timeOut(bool home, bool shortTimeOut);
    void changePeriod(bool up);
    void swapSides();
    void cancelAction();
    // Ctrl+Z takes back the last change made here; redo makes it again.
    void undoOrRedo(bool redo);
    void editEvents(bool home);
    void stopGame();

    // A change that happened is shown, given to the sheets and saved; one
    // that was refused says why.
    void showOutcome(const courtlog::scoring::ChangeOutcome& outcome);
    // Shows the model again; figures says the sheets and viewers must
    // follow the model's last change, save that the game is saved when
    // Auto Save is on.
    void changed(bool figures, bool save);
    // Cancel Action's tooltip: the ways out of a question, and what Ctrl+Z
    // and Ctrl+Y would act on now.
    QString cancelActionTip() const;
    void refresh();
    void fillBenches();
    bool saveGame();
    // The auto save after each change: the game's bytes go to the
    // background saver.
    void autoSave(GameFileImage::Snapshot image);
    void showSaveFailure(const std::string& path, const std::string& error);
    // Keeps the scoreboard feed current (image: the game's file image when
    // one was made for this change); a failed write shows in the title until
    // a later change writes it.
    void updateScoreboardFeed(GameFileImage::Snapshot image);
    void showScoreboardWrite(bool written, const std::string& error);
    // The title bar: the console's prompt line, and what became of the feed.
    void showTitle();

    courtlog::scoring::GameConsole model_;
    courtlog::output::ScoreboardFeedWriter scoreboardFeed_;
    QString scoreboardProblem_;
    CourtArea* area_ = nullptr;
    PlayChoiceDialog* playChoiceDialog_ = nullptr;  // made at the first play
    std::array<std::array<QPushButton*, 5>, 2> playerButtons_{};
    std::array<ScoreDisplay*, 2> scores_{};
    std::array<QLabel*, 2> logos_{};
    std::array<QLabel*, 2> teamLabels_{};  // left and right of the top band
    std::array<QPushButton*, 2> timeOutButtons_{};
    std::array<QPushButton*, 2> shortTimeOutButtons_{};
    std::array<QLabel*, 2> benchLabels_{};  // left and right
    std::array<QComboBox*, 2> benches_{};
    std::array<QPushButton*, 2> editButtons_{};
    QPushButton* cancelButton_ = nullptr;
    QLabel* lastStepLabel_ = nullptr;
    QGroupBox* periodBox_ = nullptr;
    std::array<QRadioButton*, 4> periodRadios_{};
    std::array<QLabel*, 4> periodLabels_{};
    QGridLayout* topGrid_ = nullptr;
    QGridLayout* timeOutRow_ = nullptr;
    QGridLayout* benchRow_ = nullptr;
    QGridLayout* bottomRow_ = nullptr;
    bool closeConfirmed_ = false;
    std::function<void()> figuresChanged_;
};

}  // namespace courtlog::gui::scoring
