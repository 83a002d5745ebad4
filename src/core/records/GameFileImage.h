#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/records/Game.h"

namespace courtlog {

// The file image of a game being scored, kept in step with it so that a save
// after a play costs that play's record and the head, not the whole game:
// the plays are held encoded in blocks that saves share, and a block is
// copied only when a shared one changes. The head (information block,
// teams and counts) is encoded afresh for every snapshot.
class GameFileImage {
public:
    using Part = std::shared_ptr<const std::vector<std::uint8_t>>;

    // The image at one moment, as parts in file order. Parts are shared and
    // never change, so a snapshot may be written on another thread while the
    // game goes on.
    struct Snapshot {
        std::vector<Part> parts;
        std::size_t size() const;
        // The whole file.
        std::vector<std::uint8_t> bytes() const;
    };

    // One side's plays, encoded: follows the side's list as plays are
    // appended, taken from its end, or the list is replaced.
    class Plays {
    public:
        static constexpr std::size_t kBlockPlays = 256;

        void recount(const std::vector<PlayEvent>& list);
        void add(const PlayEvent& play);
        void removeLast(const PlayEvent& play);
        std::size_t count() const { return count_; }
        // Whether this holds as many plays as list, the last one as the list
        // holds it: a cheap check that nothing changed past it.
        bool matches(const std::vector<PlayEvent>& list) const;
        void appendTo(std::vector<Part>& parts) const;

    private:
        std::vector<std::uint8_t>& writableLastBlock();
        std::vector<std::shared_ptr<std::vector<std::uint8_t>>> blocks_;
        std::size_t count_ = 0;
    };

    // Encodes every play of game afresh.
    void encode(const Game& game);
    Plays& plays(bool home) { return plays_[home ? 0 : 1]; }
    const Plays& plays(bool home) const { return plays_[home ? 0 : 1]; }
    // The image of game now: its head encoded now, its plays as kept. A
    // side whose kept plays no longer match its list is encoded afresh first.
    Snapshot snapshot(const Game& game);

private:
    std::array<Plays, 2> plays_;
};

}  // namespace courtlog
