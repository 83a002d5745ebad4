#include "core/scoring/GameConsole.h"

#include <algorithm>
#include <limits>

#include "core/records/Codes.h"
#include "core/scoring/ConsoleCommands.h"
#include "core/scoring/ConsoleRules.h"
#include "core/scoring/GameSetupRules.h"

namespace courtlog::scoring {

namespace {

constexpr const char* kHomeSubTitle = "Select Home Player to be Subtituted or Select Cancel";
constexpr const char* kVisitorSubTitle = "Select Visiting Player to be Subtituted or Select Cancel";
constexpr const char* kStealTitle = "Stolen From? (or Select Right Click/Cancel)";
constexpr const char* kReboundTitle = "Rebounded By? (or Select Right Click/Cancel)";
constexpr const char* kAssistTitle = "Assist To? (or Select Right Click/Cancel for none)";

ChangeOutcome refusal(std::string message, std::string caption) {
    ChangeOutcome outcome;
    outcome.message = std::move(message);
    outcome.caption = std::move(caption);
    return outcome;
}

// A play the team's list has no room for (a game file counts a team's plays in 16 bits).
ChangeOutcome listFull(const std::string& team) {
    return refusal("The play was not recorded: " + (team.empty() ? std::string("the team") : team) +
                       " already has " + std::to_string(std::numeric_limits<std::int16_t>::max()) +
                       " plays, the most a game file can hold.",
                   "Play Not Recorded");
}

ClickOutcome clicked(PlayerClick action, ChangeOutcome outcome) {
    ClickOutcome result;
    static_cast<ChangeOutcome&>(result) = std::move(outcome);
    result.action = action;
    return result;
}

}  // namespace

GameConsole::GameConsole(Game& game, const LeagueOptions& league) : game_(game), league_(league) { recountAll(); }

PeriodGroup GameConsole::periodGroup() const { return scoring::periodGroup(game_.currentPeriod, game_.halves != 0); }

const Player* GameConsole::playerInSlot(bool home, int slot) const {
    const Team& side = team(game_, home);
    const int index = rosterIndexInSlot(side, slot);
    return index < 0 ? nullptr : &side.players[static_cast<std::size_t>(index)];
}

std::string GameConsole::teamName(bool home) const { return team(game_, home).name; }

std::string GameConsole::slotPlayerWords(bool home, int slot) const {
    const Player* player = playerInSlot(home, slot);
    return player ? playerWords(*player) + ", " + teamName(home) : teamName(home);
}

void GameConsole::chooseBenchPlayer(bool home, int rosterIndex) {
    catchUp();
    (home ? state_.pending.homeSubstitution : state_.pending.visitorSubstitution) = true;
    (home ? state_.pending.homeBenchChoice : state_.pending.visitorBenchChoice) = rosterIndex;
    state_.title = home ? kHomeSubTitle : kVisitorSubTitle;
}

PlayerClick GameConsole::clickAction(bool home, int slot) const {
    const PendingPrompts& pending = state_.pending;
    const bool substitution = home ? pending.homeSubstitution : pending.visitorSubstitution;
    const int benchChoice = home ? pending.homeBenchChoice : pending.visitorBenchChoice;
    if (substitution && benchChoice >= 0) return PlayerClick::Substitution;
    // Only an occupied slot can answer a prompt or make a play.
    if (!playerInSlot(home, slot)) return PlayerClick::Nothing;
    const bool stealAnswer = pending.steal && pending.stealByHome != home;
    const bool assistAnswer = pending.assist && pending.lastPlayByHome == home;
    // Home tests the steal before the assist, the visitor the other way round.
    if (home) {
        if (stealAnswer) return PlayerClick::StolenFrom;
        if (assistAnswer) return PlayerClick::Assist;
    } else {
        if (assistAnswer) return PlayerClick::Assist;
        if (stealAnswer) return PlayerClick::StolenFrom;
    }
    if (pending.rebound) return PlayerClick::Rebound;
    return PlayerClick::EventDialog;
}

ClickOutcome GameConsole::clickPlayer(bool home, int slot) {
    catchUp();
    const PlayerClick action = clickAction(home, slot);
    switch (action) {
        case PlayerClick::Substitution: return substitute(home, slot);
        case PlayerClick::StolenFrom:
        case PlayerClick::Assist:
        case PlayerClick::Rebound: return answerPrompt(home, slot, action);
        case PlayerClick::EventDialog:
        case PlayerClick::Nothing: break;
    }
    return clicked(action, {});
}

ClickOutcome GameConsole::substitute(bool home, int slot) {
    // The question is over whatever comes of it.
    ConsoleState after = state_;
    (home ? after.pending.homeSubstitution : after.pending.visitorSubstitution) = false;
    int& choice = home ? after.pending.homeBenchChoice : after.pending.visitorBenchChoice;
    const int incoming = choice;
    choice = -1;
    after.title = kIdleTitle;

    // The chosen line must still be a bench player of this team who has not
    // fouled out.
    const Team& side = team(game_, home);
    ChangeOutcome refused;
    if (incoming < 0 || incoming >= side.playerCount() ||
        side.players[static_cast<std::size_t>(incoming)].courtSlot != 0) {
        refused = refusal("The player chosen from the bench is no longer on the bench.", "Substitution");
    } else if (const Player& in = side.players[static_cast<std::size_t>(incoming)];
               reaches(tally(home).personalFouls(in.name), league_.foulOutAfter)) {
        refused = refusal(playerWords(in) + " has fouled out and cannot come back in.", "Substitution");
    }
    if (!refused.message.empty()) {
        state_ = std::move(after);
        return clicked(PlayerClick::Substitution, std::move(refused));
    }

    std::vector<Player> players = side.players;
    Player& in = players[static_cast<std::size_t>(incoming)];
    std::string description = "Substitution: " + playerWords(in);
    const int outgoing = rosterIndexInSlot(side, slot);
    if (outgoing >= 0) {
        Player& out = players[static_cast<std::size_t>(outgoing)];
        in.position = out.position;
        out.courtSlot = 0;
        description += " for " + playerWords(out);
    }
    in.courtSlot = static_cast<std::int16_t>(slot);
    return clicked(PlayerClick::Substitution,
                   keep(lineupCommand(home, std::move(players), std::move(description), std::move(after))));
}

PlayEvent GameConsole::playFor(const Player& player) const {
    PlayEvent play;
    play.player = player;
    play.period = game_.currentPeriod;
    return play;
}

ClickOutcome GameConsole::answerPrompt(bool home, int slot, PlayerClick prompt) {
    const Player* player = playerInSlot(home, slot);
    if (!player) return clicked(prompt, {});
    PlayEvent play = playFor(*player);
    ConsoleState after = state_;
    switch (prompt) {
        case PlayerClick::Assist:
            play.kind = Assist;
            after.pending.assist = false;
            break;
        case PlayerClick::Rebound:
            play.kind = Rebound;
            play.reboundKind = static_cast<std::int16_t>(home == state_.pending.lastPlayByHome ? OffensiveRebound
                                                                                             : DefensiveRebound);
            after.pending.rebound = false;
            break;
        default:
            play.kind = Turnover;
            play.turnoverKind = LostBall;
            after.pending.steal = false;
            break;
    }
    after.title = kIdleTitle;
    return clicked(prompt, keep(addPlayCommand(home, play, true, playDescription(play, teamName(home)), std::move(after)),
                                listFull(teamName(home))));
}

std::optional<ChangeOutcome> GameConsole::playRefusal(bool home, int slot) const {
    if (!playerInSlot(home, slot)) return refusal("There is no player in that place on the court.", "Play Not Recorded");
    if (game_.isFull(home)) return listFull(teamName(home));
    return std::nullopt;
}

ChangeOutcome GameConsole::recordPlay(bool home, int slot, const PlayChoice& choice, CourtPoint spot) {
    catchUp();
    if (std::optional<ChangeOutcome> refused = playRefusal(home, slot)) return *refused;
    const Player* player = playerInSlot(home, slot);
    PlayEvent play = playFor(*player);
    applyChoice(choice, play);
    if (choice.isFieldGoalAttempt()) storeShotSpot(play, spot);

    // Prompts left by earlier plays stay; this play's team becomes the
    // reference for the assist and the rebound.
    ConsoleState after = state_;
    PendingPrompts& pending = after.pending;
    switch (choice.followUp) {
        case FollowUp::Assist: pending.assist = true; break;
        case FollowUp::Rebound: pending.rebound = true; break;
        case FollowUp::Steal:
            // The ball was stolen from the other team of this steal, whatever
            // plays follow before the answer.
            pending.steal = true;
            pending.stealByHome = home;
            break;
        case FollowUp::None: break;
    }
    pending.lastPlayByHome = home;
    if (pending.steal) {
        after.title = kStealTitle;
    } else if (pending.rebound) {
        after.title = kReboundTitle;
    } else if (pending.assist) {
        after.title = kAssistTitle;
    }
    return keep(addPlayCommand(home, play, true, playDescription(play, teamName(home)), std::move(after)),
                listFull(teamName(home)));
}

ChangeOutcome GameConsole::takeTimeOut(bool home, bool shortTimeOut) {
    catchUp();
    const TeamConsoleFigures figures = teamFigures(home);
    if ((shortTimeOut ? figures.shortTimeOutsLeft : figures.fullTimeOutsLeft) <= 0) {
        if (shortTimeOut) return refusal("No 20 - Second Time Outs Remaining!", "No 20 Second Time Outs");
        return refusal("No Time Outs Remaining!", "No Time Outs");
    }
    PlayEvent play;
    play.player.name.clear();
    play.player.number = 0;
    play.kind = static_cast<std::int16_t>(shortTimeOut ? ShortTimeOut : TimeOut);
    play.period = game_.currentPeriod;
    return keep(addPlayCommand(home, play, false, playDescription(play, teamName(home)), std::nullopt),
                listFull(teamName(home)));
}

ChangeOutcome GameConsole::periodUp() {
    catchUp();
    const int next = std::min(nextPeriod(game_.currentPeriod, game_.halves != 0),
                              int{std::numeric_limits<std::int16_t>::max()});
    if (next == game_.currentPeriod) return {};
    return keep(periodCommand(next, "Next period: " + periodName(next, game_.halves != 0), std::nullopt));
}

ChangeOutcome GameConsole::periodDown() {
    catchUp();
    const int previous = previousPeriod(game_.currentPeriod, game_.halves != 0);
    if (previous == game_.currentPeriod) return {};
    return keep(periodCommand(previous, "Previous period: " + periodName(previous, game_.halves != 0), std::nullopt));
}

ChangeOutcome GameConsole::swapSides() {
    catchUp();
    ConsoleState after = state_;
    after.sidesSwapped = !after.sidesSwapped;
    return keep(consoleStateCommand("Swap sides", std::move(after)));
}

ChangeOutcome GameConsole::perform(std::unique_ptr<ConsoleCommand> command) {
    catchUp();
    return keep(std::move(command));
}

ChangeOutcome GameConsole::addPlayer(bool home, const Player& player) {
    catchUp();
    Roster roster = team(game_, home);
    roster.addPlayer(player, PersonalInfo::blank());
    Player& added = roster.players.back();
    added.courtSlot = 0;
    return keep(rosterCommand(home, std::move(roster), "Add player: " + playerWords(player)));
}

ChangeOutcome GameConsole::editPlayers(std::optional<std::vector<Player>> homeEdited,
                                       std::optional<std::vector<Player>> visitorEdited) {
    catchUp();
    // The first change names the whole edit: "Modify player: #4 Lee is now #5 Leigh".
    std::string description;
    int changes = 0;
    for (const bool home : {true, false}) {
        const std::optional<std::vector<Player>>& edited = home ? homeEdited : visitorEdited;
        if (!edited) continue;
        const std::vector<Player>& roster = team(game_, home).players;
        for (std::size_t i = 0; i < edited->size() && i < roster.size(); ++i) {
            const Player& was = roster[i];
            const Player& is = (*edited)[i];
            if (was.name == is.name && was.number == is.number) continue;
            if (changes++ == 0) description = "Modify player: " + playerWords(was) + " is now " + playerWords(is);
        }
    }
    if (changes == 0) return {};
    if (changes > 1) description += " (and " + std::to_string(changes - 1) + " more)";
    return keep(renamePlayersCommand(std::move(homeEdited), std::move(visitorEdited), std::move(description)));
}

void GameConsole::catchUp() {
    lastChange_ = {};
    if (homeTally_.size() != game_.homeEvents().size() || visitorTally_.size() != game_.visitorEvents().size())
        recountAll();
}

ChangeOutcome GameConsole::keep(std::unique_ptr<ConsoleCommand> command, ChangeOutcome refused) {
    if (!history_.perform(std::move(command), game_, state_)) return refused;
    follow(history_.nextUndo()->playsChange(true));
    lastStep_.clear();
    ChangeOutcome done;
    done.changed = true;
    return done;
}

void GameConsole::follow(PlaysChange change) {
    lastChange_ = std::move(change);
    for (const bool home : {true, false}) {
        lastChange_.applyTo(home ? homeTally_ : visitorTally_, game_, home);
        lastChange_.applyTo(image_.plays(home), game_, home);
    }
}

void GameConsole::cancelAction() {
    catchUp();
    const bool lastByHome = state_.pending.lastPlayByHome;
    state_.pending = PendingPrompts{};
    state_.pending.lastPlayByHome = lastByHome;
    state_.title = kIdleTitle;
}

bool GameConsole::undo() {
    catchUp();
    const ConsoleCommand* undone = history_.undo(game_, state_);
    if (!undone) return false;
    follow(undone->playsChange(false));
    lastStep_ = "Undone: " + undone->describe();
    return true;
}

bool GameConsole::redo() {
    catchUp();
    const ConsoleCommand* redone = history_.redo(game_, state_);
    if (!redone) return false;
    follow(redone->playsChange(true));
    lastStep_ = "Redone: " + redone->describe();
    return true;
}

std::string GameConsole::undoDescription() const {
    const ConsoleCommand* next = history_.nextUndo();
    return next ? next->describe() : std::string();
}

std::string GameConsole::redoDescription() const {
    const ConsoleCommand* next = history_.nextRedo();
    return next ? next->describe() : std::string();
}

void GameConsole::rosterChanged() {
    state_.pending.homeSubstitution = state_.pending.visitorSubstitution = false;
    state_.pending.homeBenchChoice = state_.pending.visitorBenchChoice = -1;
    state_.title = kIdleTitle;
    history_.clear();
    lastStep_.clear();
    recountAll();
}

void GameConsole::recountAll() { follow(PlaysChange::replaced(true, true)); }

ChangeOutcome GameConsole::leagueOptionsChanged() {
    catchUp();
    if (!league_.halves) return {};
    const int period = periodAfterSwitchToHalves(game_.currentPeriod);
    if (period == game_.currentPeriod) return {};
    return keep(periodCommand(period, "Play in halves: " + periodName(period, true), std::nullopt));
}

}  // namespace courtlog::scoring
