#pragma once

#include <array>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/scoring/PlaysChange.h"
#include "core/stats/Stat.h"
#include "core/stats/StatLine.h"

namespace courtlog::stats {

// Running statistics of both sides of the game being scored, for the
// viewers beside the console: per player name the line his plays credit,
// the periods the plays reach and the points of each period. Told what each
// change did to the play lists, a play costs one line's update; the side's
// statistics are then put together from these lines and the roster, as
// Stat::computeSide would count them from every play.
class GameStatTally {
public:
    // One side's plays, counted.
    class Side {
    public:
        void recount(const std::vector<PlayEvent>& list);
        // play was appended to the side's list.
        void add(const PlayEvent& play);
        // play, the last of the list, was taken from it.
        void removeLast(const PlayEvent& play);

        // Lines in the order their players first played.
        const std::vector<StatLine>& lines() const { return lines_; }
        // The highest period a play was made in, plus one (1 without plays).
        long long periods() const;
        long long points(int period) const;
        // Whether the counts were kept in step: a play taken back that was
        // never counted puts them out of step until they are counted afresh.
        bool inStep() const { return inStep_; }
        std::size_t size() const { return size_; }

    private:
        std::vector<StatLine> lines_;
        std::vector<int> playsOfLine_;
        std::unordered_map<std::string, std::size_t> lineOf_;
        std::map<int, int> playsInPeriod_;
        std::map<int, long long> pointsInPeriod_;
        bool inStep_ = true;
        std::size_t size_ = 0;
    };

    // Counts both sides of game afresh.
    void recount(const Game& game);
    // Brings the counts up to what change did to game's lists.
    void follow(const Game& game, const scoring::PlaysChange& change);

    const Side& side(bool home) const { return sides_[home ? 0 : 1]; }
    // The statistics of one side, as stat.computeSide(game, side) counts them.
    void computeSide(Stat& stat, const Game& game, Stat::Side side) const;
    // A side's points in one period, as the game counts them.
    int points(bool home, int period) const;

private:
    std::array<Side, 2> sides_;
};

}  // namespace courtlog::stats
