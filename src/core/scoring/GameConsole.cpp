#include "core/scoring/GameConsole.h"

#include <algorithm>
#include <limits>

#include "core/records/Codes.h"
#include "core/scoring/ConsoleRules.h"

namespace courtlog::scoring {

namespace {

constexpr const char* kHomeSubTitle = "Select Home Player to be Subtituted or Select Cancel";
constexpr const char* kVisitorSubTitle = "Select Visiting Player to be Subtituted or Select Cancel";
constexpr const char* kStealTitle = "Stolen From? (or Select Right Click/Cancel)";
constexpr const char* kReboundTitle = "Rebounded By? (or Select Right Click/Cancel)";
constexpr const char* kAssistTitle = "Assist To? (or Select Right Click/Cancel for none)";

}  // namespace

GameConsole::GameConsole(Game& game, const LeagueOptions& league) : game_(game), league_(league) {
    game_.recomputeScores();
}

PeriodGroup GameConsole::periodGroup() const { return scoring::periodGroup(game_.currentPeriod, game_.halves != 0); }

const Player* GameConsole::playerInSlot(bool home, int slot) const {
    const Team& side = team(game_, home);
    const int index = rosterIndexInSlot(side, slot);
    return index < 0 ? nullptr : &side.players[static_cast<std::size_t>(index)];
}

void GameConsole::chooseBenchPlayer(bool home, int rosterIndex) {
    (home ? pending_.homeSubstitution : pending_.visitorSubstitution) = true;
    (home ? pending_.homeBenchChoice : pending_.visitorBenchChoice) = rosterIndex;
    title_ = home ? kHomeSubTitle : kVisitorSubTitle;
}

PlayerClick GameConsole::clickAction(bool home, int slot) const {
    const bool substitution = home ? pending_.homeSubstitution : pending_.visitorSubstitution;
    const int benchChoice = home ? pending_.homeBenchChoice : pending_.visitorBenchChoice;
    if (substitution && benchChoice >= 0) return PlayerClick::Substitution;
    // Only an occupied slot can answer a prompt or make a play.
    if (!playerInSlot(home, slot)) return PlayerClick::Nothing;
    const bool stealAnswer = pending_.steal && pending_.stealByHome != home;
    const bool assistAnswer = pending_.assist && pending_.lastPlayByHome == home;
    // Home tests the steal before the assist, the visitor the other way round.
    if (home) {
        if (stealAnswer) return PlayerClick::StolenFrom;
        if (assistAnswer) return PlayerClick::Assist;
    } else {
        if (assistAnswer) return PlayerClick::Assist;
        if (stealAnswer) return PlayerClick::StolenFrom;
    }
    if (pending_.rebound) return PlayerClick::Rebound;
    return PlayerClick::EventDialog;
}

PlayerClick GameConsole::clickPlayer(bool home, int slot) {
    const PlayerClick action = clickAction(home, slot);
    switch (action) {
        case PlayerClick::Substitution: substitute(home, slot); break;
        case PlayerClick::StolenFrom:
        case PlayerClick::Assist:
        case PlayerClick::Rebound: answerPrompt(home, slot, action); break;
        case PlayerClick::EventDialog:
        case PlayerClick::Nothing: break;
    }
    return action;
}

bool GameConsole::substitute(bool home, int slot) {
    Team& side = team(game_, home);
    int& choice = home ? pending_.homeBenchChoice : pending_.visitorBenchChoice;
    const int incoming = choice;
    (home ? pending_.homeSubstitution : pending_.visitorSubstitution) = false;
    choice = -1;
    title_ = kIdleTitle;
    // The chosen line must still be a bench player of this team who has not
    // fouled out.
    if (incoming < 0 || incoming >= side.playerCount()) return false;
    Player& in = side.players[static_cast<std::size_t>(incoming)];
    if (in.courtSlot != 0) return false;
    if (reaches(personalFouls(game_, home, in.name), league_.foulOutAfter)) return false;
    const int outgoing = rosterIndexInSlot(side, slot);
    if (outgoing >= 0) {
        Player& out = side.players[static_cast<std::size_t>(outgoing)];
        in.position = out.position;
        out.courtSlot = 0;
    }
    in.courtSlot = static_cast<std::int16_t>(slot);
    return true;
}

PlayEvent GameConsole::playFor(const Player& player) const {
    PlayEvent play;
    play.player = player;
    play.period = game_.currentPeriod;
    return play;
}

void GameConsole::markPlayed(bool home) {
    Team& side = team(game_, home);
    const auto index = static_cast<std::size_t>(std::clamp<int>(game_.currentPeriod, 0, Player::kPeriodSlots - 1));
    for (int slot = 1; slot <= 5; ++slot) {
        const int i = rosterIndexInSlot(side, slot);
        if (i >= 0) side.players[static_cast<std::size_t>(i)].playedInPeriod[index] = 1;
    }
}

bool GameConsole::appendPlay(bool home, const PlayEvent& play, bool markPlayers) {
    if (markPlayers) markPlayed(home);
    const bool stored = home ? game_.addHomeEvent(play) : game_.addVisitorEvent(play);
    if (stored) undo_.recorded(game_, home);
    return stored;
}

bool GameConsole::answerPrompt(bool home, int slot, PlayerClick prompt) {
    const Player* player = playerInSlot(home, slot);
    if (!player) return false;
    PlayEvent play = playFor(*player);
    switch (prompt) {
        case PlayerClick::Assist:
            play.kind = Assist;
            pending_.assist = false;
            break;
        case PlayerClick::Rebound:
            play.kind = Rebound;
            play.reboundKind = static_cast<std::int16_t>(home == pending_.lastPlayByHome ? OffensiveRebound
                                                                                       : DefensiveRebound);
            pending_.rebound = false;
            break;
        default:
            play.kind = Turnover;
            play.turnoverKind = LostBall;
            pending_.steal = false;
            break;
    }
    title_ = kIdleTitle;
    return appendPlay(home, play, true);
}

bool GameConsole::recordPlay(bool home, int slot, const PlayChoice& choice, CourtPoint spot) {
    const Player* player = playerInSlot(home, slot);
    if (!player) return false;
    PlayEvent play = playFor(*player);
    applyChoice(choice, play);
    switch (choice.followUp) {
        case FollowUp::Assist: pending_.assist = true; break;
        case FollowUp::Rebound: pending_.rebound = true; break;
        case FollowUp::Steal:
            // The ball was stolen from the other team of this steal, whatever
            // plays follow before the answer.
            pending_.steal = true;
            pending_.stealByHome = home;
            break;
        case FollowUp::None: break;
    }
    if (choice.isFieldGoalAttempt()) storeShotSpot(play, spot);
    const bool stored = appendPlay(home, play, true);
    pending_.lastPlayByHome = home;
    if (pending_.steal) {
        title_ = kStealTitle;
    } else if (pending_.rebound) {
        title_ = kReboundTitle;
    } else if (pending_.assist) {
        title_ = kAssistTitle;
    }
    game_.recomputeScores();
    return stored;
}

bool GameConsole::takeTimeOut(bool home, bool shortTimeOut) {
    const int allowed = shortTimeOut ? league_.shortTimeOuts : league_.fullTimeOuts;
    if (timeOutsUsed(game_, home, shortTimeOut, league_) >= allowed) return false;
    PlayEvent play;
    play.player.name.clear();
    play.player.number = 0;
    play.kind = static_cast<std::int16_t>(shortTimeOut ? ShortTimeOut : TimeOut);
    play.period = game_.currentPeriod;
    return appendPlay(home, play, false);
}

void GameConsole::periodUp() {
    const int next = nextPeriod(game_.currentPeriod, game_.halves != 0);
    game_.currentPeriod = static_cast<std::int16_t>(std::min(next, int{std::numeric_limits<std::int16_t>::max()}));
}

void GameConsole::periodDown() {
    game_.currentPeriod = static_cast<std::int16_t>(previousPeriod(game_.currentPeriod, game_.halves != 0));
}

void GameConsole::swapSides() { sidesSwapped_ = !sidesSwapped_; }

void GameConsole::cancelAction() {
    const bool lastByHome = pending_.lastPlayByHome;
    pending_ = PendingPrompts{};
    pending_.lastPlayByHome = lastByHome;
    title_ = kIdleTitle;
}

bool GameConsole::undoPlay() {
    cancelAction();
    return undo_.undo(game_).done;
}

bool GameConsole::redoPlay() {
    cancelAction();
    return undo_.redo(game_).done;
}

void GameConsole::rosterChanged() {
    pending_.homeSubstitution = pending_.visitorSubstitution = false;
    pending_.homeBenchChoice = pending_.visitorBenchChoice = -1;
    title_ = kIdleTitle;
}

}  // namespace courtlog::scoring
