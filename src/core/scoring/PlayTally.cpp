#include "core/scoring/PlayTally.h"

#include "core/records/Codes.h"

namespace courtlog::scoring {

void PlayTally::recount(const std::vector<PlayEvent>& list) {
    byPeriod_.clear();
    personalFouls_.clear();
    for (const PlayEvent& play : list) add(play);
}

void PlayTally::add(const PlayEvent& play) { change(play, 1); }

void PlayTally::remove(const PlayEvent& play) { change(play, -1); }

void PlayTally::change(const PlayEvent& play, int by) {
    if (play.kind == Foul || play.kind == TechnicalFoul) {
        const auto found = personalFouls_.try_emplace(play.player.name, 0).first;
        found->second += by;
        if (found->second == 0) personalFouls_.erase(found);
    }
    Counted kind = kCountedKinds;
    if (play.kind == Foul) kind = kFoul;
    if (play.kind == TimeOut) kind = kTimeOut;
    if (play.kind == ShortTimeOut) kind = kShortTimeOut;
    if (kind == kCountedKinds) return;
    byPeriod_[play.period][kind] += by;
}

int PlayTally::personalFouls(const std::string& name) const {
    const auto found = personalFouls_.find(name);
    return found == personalFouls_.end() ? 0 : found->second;
}

int PlayTally::countIn(Counted kind, PeriodWindow window) const {
    int count = 0;
    for (auto it = byPeriod_.lower_bound(window.low); it != byPeriod_.end() && it->first <= window.high; ++it)
        count += it->second[kind];
    return count;
}

}  // namespace courtlog::scoring
