#include "core/records/GameFileImage.h"

#include "core/records/FieldBytes.h"

#include <algorithm>
#include <cstring>

namespace courtlog {

std::size_t GameFileImage::Snapshot::size() const {
    std::size_t total = 0;
    for (const Part& part : parts) total += part->size();
    return total;
}

std::vector<std::uint8_t> GameFileImage::Snapshot::bytes() const {
    std::vector<std::uint8_t> all;
    all.reserve(size());
    for (const Part& part : parts) all.insert(all.end(), part->begin(), part->end());
    return all;
}

void GameFileImage::Plays::recount(const std::vector<PlayEvent>& list) {
    blocks_.clear();
    count_ = 0;
    for (const PlayEvent& play : list) add(play);
}

std::vector<std::uint8_t>& GameFileImage::Plays::writableLastBlock() {
    std::shared_ptr<std::vector<std::uint8_t>>& last = blocks_.back();
    // A block a snapshot still holds is copied before it changes.
    if (last.use_count() > 1) {
        auto copy = std::make_shared<std::vector<std::uint8_t>>();
        copy->reserve(kBlockPlays * PlayEvent::kRecordSize);
        copy->assign(last->begin(), last->end());
        last = std::move(copy);
    }
    return *last;
}

void GameFileImage::Plays::add(const PlayEvent& play) {
    if (blocks_.empty() || blocks_.back()->size() >= kBlockPlays * PlayEvent::kRecordSize) {
        auto block = std::make_shared<std::vector<std::uint8_t>>();
        block->reserve(kBlockPlays * PlayEvent::kRecordSize);
        blocks_.push_back(std::move(block));
    }
    std::vector<std::uint8_t>& block = writableLastBlock();
    const std::size_t at = block.size();
    block.resize(at + PlayEvent::kRecordSize);
    encodeRecord(block.data() + at, play);
    ++count_;
}

void GameFileImage::Plays::removeLast(const PlayEvent&) {
    if (count_ == 0) return;
    std::vector<std::uint8_t>& block = writableLastBlock();
    block.resize(block.size() - PlayEvent::kRecordSize);
    if (block.empty()) blocks_.pop_back();
    --count_;
}

bool GameFileImage::Plays::matches(const std::vector<PlayEvent>& list) const {
    if (list.size() != count_) return false;
    if (list.empty()) return true;
    std::array<std::uint8_t, PlayEvent::kRecordSize> last{};
    encodeRecord(last.data(), list.back());
    const std::vector<std::uint8_t>& block = *blocks_.back();
    return std::memcmp(block.data() + block.size() - last.size(), last.data(), last.size()) == 0;
}

void GameFileImage::Plays::appendTo(std::vector<Part>& parts) const {
    for (const auto& block : blocks_) parts.push_back(block);
}

void GameFileImage::encode(const Game& game) {
    plays(true).recount(game.homeEvents());
    plays(false).recount(game.visitorEvents());
}

GameFileImage::Snapshot GameFileImage::snapshot(const Game& game) {
    if (!plays(true).matches(game.homeEvents())) plays(true).recount(game.homeEvents());
    if (!plays(false).matches(game.visitorEvents())) plays(false).recount(game.visitorEvents());
    Snapshot image;
    image.parts.push_back(std::make_shared<const std::vector<std::uint8_t>>(
        game.headBytes(plays(false).count(), plays(true).count())));
    // Counts and plays go visitor first.
    plays(false).appendTo(image.parts);
    plays(true).appendTo(image.parts);
    return image;
}

}  // namespace courtlog
