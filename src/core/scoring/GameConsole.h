#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/ProgramInfo.h"
#include "core/records/Game.h"
#include "core/records/GameFileImage.h"
#include "core/records/Settings.h"
#include "core/scoring/ConsoleCommand.h"
#include "core/scoring/ConsoleFigures.h"
#include "core/scoring/ConsoleHistory.h"
#include "core/scoring/ConsoleState.h"
#include "core/scoring/PlayChoice.h"
#include "core/scoring/PlayTally.h"
#include "core/scoring/PlaysChange.h"
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

// What became of a change asked for at the console. Only a change that
// happened is shown to the team sheets, saved and kept for undo.
struct ChangeOutcome {
    bool changed = false;
    // Why nothing changed, when the scorekeeper is to be told; empty otherwise.
    std::string message;
    std::string caption;
    explicit operator bool() const { return changed; }
};

struct ClickOutcome : ChangeOutcome {
    PlayerClick action = PlayerClick::Nothing;
};

// The game console's model: the game being scored, the pending prompts and
// the layout flag, every action a scorekeeper takes on them, and the undo
// stack those actions go on. The window only shows figures() and forwards
// clicks here.
class GameConsole {
public:
    static constexpr const char* kIdleTitle = kProgramTitle;

    // Recomputes the scores; nothing pending, sides as in the table, no history.
    GameConsole(Game& game, const LeagueOptions& league);

    Game& game() { return game_; }
    const Game& game() const { return game_; }
    const LeagueOptions& league() const { return league_; }
    const ConsoleState& state() const { return state_; }
    const PendingPrompts& pending() const { return state_.pending; }
    // The prompt line, shown in the console's title bar.
    const std::string& title() const { return state_.title; }
    bool sidesSwapped() const { return state_.sidesSwapped; }
    // The questions the court shows, and on whose half.
    std::vector<CourtPrompt> courtPrompts() const { return scoring::courtPrompts(state_.pending); }

    // From the running counts of both play lists, which every change made
    // here keeps in step (a full recount gives the same).
    TeamConsoleFigures teamFigures(bool home) const {
        return teamConsoleFigures(game_, home, league_, tally(home), tally(!home));
    }
    const PlayTally& tally(bool home) const { return home ? homeTally_ : visitorTally_; }
    // The bench list of a team, from the same counts.
    std::vector<BenchEntry> bench(bool home) const { return benchEntries(game_, home, league_, tally(home)); }
    // A team's sheet, from the same counts.
    TeamSheetFigures sheetFigures(bool home) const { return teamSheetFigures(game_, home, tally(home)); }
    PeriodGroup periodGroup() const;

    // What the last action asked of the console did to the play lists
    // (nothing after one that left them alone or was refused), for the
    // counts that follow them beside the console.
    const PlaysChange& lastChange() const { return lastChange_; }
    // The game's file image as it stands now, for a save or the scoreboard
    // feed; kept in step with every change made here.
    GameFileImage::Snapshot fileImage() { return image_.snapshot(game_); }

    // A bench line was chosen: the next click on that team's court button
    // brings rosterIndex in.
    void chooseBenchPlayer(bool home, int rosterIndex);

    // Which action a click on the button of slot 1..5 would take now.
    PlayerClick clickAction(bool home, int slot) const;
    // Carries out a click: a substitution or a prompt answer happens here;
    // EventDialog tells the caller to ask for the play and then call
    // recordPlay. A refused substitution still ends the question.
    ClickOutcome clickPlayer(bool home, int slot);

    // Records the play chosen in the event dialog for the player in slot:
    // the one place where a play of the dialog enters the game. spot is the
    // upright shot spot of a field-goal attempt (ignored for other plays).
    // Refused, with nothing changed, when the slot is empty or the team's
    // list is full.
    ChangeOutcome recordPlay(bool home, int slot, const PlayChoice& choice, CourtPoint spot);
    // Why recordPlay would refuse a play of the player in slot now (its
    // message and caption); nothing when it would take it. The console asks
    // before it plays the play's sound.
    std::optional<ChangeOutcome> playRefusal(bool home, int slot) const;

    // A full (or 20-second) time out; refused when none remains.
    ChangeOutcome takeTimeOut(bool home, bool shortTimeOut);

    // Unchanged (and nothing kept) at the first period or the last one.
    ChangeOutcome periodUp();
    ChangeOutcome periodDown();
    ChangeOutcome swapSides();
    // The way round the console opens, before any change: a game opened
    // again shows its sides as they were left. Nothing to undo.
    void openWithSidesSwapped(bool swapped) { state_.sidesSwapped = swapped; }
    // A change made beside the console on its game (the closed event
    // editor): applied and kept like the console's own. Unchanged without one.
    ChangeOutcome perform(std::unique_ptr<ConsoleCommand> command);

    // Add Player: player joins a team on its bench, at the end of its
    // roster; Ctrl+Z takes him away again.
    ChangeOutcome addPlayer(bool home, const Player& player);
    // Modify Player: each team's roster as edited (entry by entry; none:
    // unchanged) renames its players and their plays. Unchanged when no
    // name or number differs.
    ChangeOutcome editPlayers(std::optional<std::vector<Player>> homeEdited,
                              std::optional<std::vector<Player>> visitorEdited);

    // Clears every substitution and prompt; nothing is recorded.
    void cancelAction();

    // Ctrl+Z takes back the newest change, the game and the console state
    // (prompts, bench choices, title, sides) as they stood before it;
    // Ctrl+Y makes it again, as they stood before the undo. False when there
    // was nothing to do.
    bool undo();
    bool redo();
    // The change undo (redo) would act on next: "2 pointer made, #3 Marsh";
    // empty when there is none.
    std::string undoDescription() const;
    std::string redoDescription() const;
    // What the last undo or redo did: "Undone: 2 pointer made, #3 Marsh",
    // "Redone: ..."; empty before the first and after a new change.
    const std::string& lastStep() const { return lastStep_; }

    // Whom a play from a court slot is for, as the event dialog names him:
    // "#7 Ann Lee, Eagles"; the team alone for an empty slot.
    std::string slotPlayerWords(bool home, int slot) const;

    // The roster or plays were changed beside the console, not through it:
    // the bench choices point into a roster that changed, and changes kept
    // for undo would put back the roster and plays as they were, so they
    // are forgotten; everything is counted afresh.
    void rosterChanged();
    // The league options were changed: a game scored in quarters that is
    // now played in halves moves to the half of its quarter, a change kept
    // like any other. Unchanged when the period stays.
    ChangeOutcome leagueOptionsChanged();

private:
    ChangeOutcome keep(std::unique_ptr<ConsoleCommand> command, ChangeOutcome refused = {});
    // Brings the running counts and the file image up to what change did.
    void follow(PlaysChange change);
    // Starts every action: forgets the last change, and counts afresh when
    // plays were added or taken away beside the console.
    void catchUp();
    void recountAll();
    PlayEvent playFor(const Player& player) const;
    ClickOutcome substitute(bool home, int slot);
    ClickOutcome answerPrompt(bool home, int slot, PlayerClick prompt);
    const Player* playerInSlot(bool home, int slot) const;
    std::string teamName(bool home) const;

    Game& game_;
    const LeagueOptions& league_;
    ConsoleState state_;
    ConsoleHistory history_;
    PlayTally homeTally_;
    PlayTally visitorTally_;
    GameFileImage image_;
    PlaysChange lastChange_;
    std::string lastStep_;
};

}  // namespace courtlog::scoring
