#pragma once

#include <string>

#include "core/ProgramInfo.h"
#include "core/records/Game.h"
#include "core/records/Settings.h"
#include "core/scoring/ConsoleFigures.h"
#include "core/scoring/ConsoleUndo.h"
#include "core/scoring/PlayChoice.h"
#include "core/scoring/ShotSpot.h"

namespace courtlog::scoring {

// What a click on a court button does, tested in the console's fixed order.
enum class PlayerClick {
    Substitution,  // a bench player of the same team was chosen first
    StolenFrom,    // answers the steal prompt
    Assist,        // answers the assist prompt
    Rebound,       // answers the rebound prompt
    EventDialog,   // no prompt applies: ask which play it was
    Nothing,       // an empty slot
};

// The follow-up questions and substitutions waiting for the next click.
struct PendingPrompts {
    bool homeSubstitution = false;
    bool visitorSubstitution = false;
    int homeBenchChoice = -1;  // roster index behind the chosen bench line
    int visitorBenchChoice = -1;
    bool steal = false;
    bool assist = false;
    bool rebound = false;
    bool stealByHome = false;
    bool lastPlayByHome = false;
    bool operator==(const PendingPrompts&) const = default;
};

// The game console's model: the game being scored, the pending prompts and
// the layout flag, and every action a scorekeeper takes on it. The window
// only shows figures() and forwards clicks here.
class GameConsole {
public:
    static constexpr const char* kIdleTitle = kProgramTitle;

    // Recomputes the scores; nothing pending, sides as in the table.
    GameConsole(Game& game, const LeagueOptions& league);

    Game& game() { return game_; }
    const Game& game() const { return game_; }
    const LeagueOptions& league() const { return league_; }
    const PendingPrompts& pending() const { return pending_; }
    // The prompt line, shown in the console's title bar.
    const std::string& title() const { return title_; }
    bool sidesSwapped() const { return sidesSwapped_; }

    TeamConsoleFigures teamFigures(bool home) const { return teamConsoleFigures(game_, home, league_); }
    PeriodGroup periodGroup() const;

    // A bench line was chosen: the next click on that team's court button
    // brings rosterIndex in.
    void chooseBenchPlayer(bool home, int rosterIndex);

    // Which action a click on the button of slot 1..5 would take now.
    PlayerClick clickAction(bool home, int slot) const;
    // Carries out a click: a substitution or a prompt answer happens here;
    // EventDialog tells the caller to ask for the play and then call
    // recordPlay. Returns the action taken.
    PlayerClick clickPlayer(bool home, int slot);

    // Records the play chosen in the event dialog for the player in slot:
    // the one place where a play of the dialog enters the game. spot is the
    // upright shot spot of a field-goal attempt (ignored for other plays). False
    // when the slot is empty or the play could not be stored.
    bool recordPlay(bool home, int slot, const PlayChoice& choice, CourtPoint spot);

    // A full (or 20-second) time out; false when none remains.
    bool takeTimeOut(bool home, bool shortTimeOut);

    void periodUp();
    void periodDown();
    void swapSides();
    // Clears every substitution and prompt; nothing is recorded.
    void cancelAction();
    // Ctrl+Z: takes back the most recent play recorded here, on either team;
    // redoPlay puts the plays back in order until a new one is recorded.
    // Both clear the pending prompts. False when there was nothing to do.
    bool undoPlay();
    bool redoPlay();
    // A player was added or renamed beside the console: the bench choices
    // point into a roster that changed.
    void rosterChanged();

private:
    // The one place where the console adds a play to a team's list (dialog
    // plays, prompt answers, time outs). Plays by a player first mark the
    // team's players on court as having played in the current period.
    bool appendPlay(bool home, const PlayEvent& play, bool markPlayers);
    PlayEvent playFor(const Player& player) const;
    void markPlayed(bool home);
    bool substitute(bool home, int slot);
    bool answerPrompt(bool home, int slot, PlayerClick prompt);
    const Player* playerInSlot(bool home, int slot) const;

    Game& game_;
    const LeagueOptions& league_;
    PendingPrompts pending_;
    std::string title_ = kIdleTitle;
    bool sidesSwapped_ = false;
    ConsoleUndo undo_{game_};
};

}  // namespace courtlog::scoring
