#include "core/scoring/PlayTally.h"

#include "core/records/Codes.h"

namespace courtlog::scoring {

namespace {

// The periods of a player's first `kept` fouls (or technicals) in recorded
// order: a play taken back is always the newest, so it is the last one kept
// unless more than that many came before it.
void followPeriods(std::vector<int>& periods, int& count, std::size_t kept, int period, int by) {
    if (by > 0) {
        if (periods.size() < kept) periods.push_back(period);
    } else if (static_cast<std::size_t>(count) <= kept && !periods.empty()) {
        periods.pop_back();
    }
    count += by;
}

}  // namespace

void PlayTally::recount(const std::vector<PlayEvent>& list) {
    byPeriod_.clear();
    players_.clear();
    size_ = 0;
    for (const PlayEvent& play : list) add(play);
}

void PlayTally::add(const PlayEvent& play) { change(play, 1); }

void PlayTally::removeLast(const PlayEvent& play) { change(play, -1); }

void PlayTally::change(const PlayEvent& play, int by) {
    size_ += static_cast<std::size_t>(by);
    const auto found = players_.try_emplace(play.player.name).first;
    PlayerCounts& counts = found->second;
    counts.plays += by;
    if (play.kind == Foul || play.kind == TechnicalFoul) counts.fouls += by;
    countShot(counts.game, play.shotResult, by);
    countShot(counts.byPeriod[play.period], play.shotResult, by);
    if (play.kind == Foul) followPeriods(counts.foulPeriods, counts.sheetFouls, 6, play.period, by);
    if (play.kind == TechnicalFoul && play.technicalKind == PlayerTechnical)
        followPeriods(counts.technicalPeriods, counts.playerTechnicals, 2, play.period, by);
    if (counts.plays <= 0) players_.erase(found);

    Counted kind = kCountedKinds;
    if (play.kind == Foul) kind = kFoul;
    if (play.kind == TimeOut) kind = kTimeOut;
    if (play.kind == ShortTimeOut) kind = kShortTimeOut;
    if (kind == kCountedKinds) return;
    byPeriod_[play.period][kind] += by;
}

int PlayTally::personalFouls(const std::string& name) const {
    const PlayerCounts* counts = player(name);
    return counts ? counts->fouls : 0;
}

const PlayTally::PlayerCounts* PlayTally::player(const std::string& name) const {
    const auto found = players_.find(name);
    return found == players_.end() ? nullptr : &found->second;
}

int PlayTally::countIn(Counted kind, PeriodWindow window) const {
    int count = 0;
    for (auto it = byPeriod_.lower_bound(window.low); it != byPeriod_.end() && it->first <= window.high; ++it)
        count += it->second[kind];
    return count;
}

}  // namespace courtlog::scoring
