#include "core/records/GameFileHeader.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <sys/stat.h>

#include "core/records/ByteIo.h"
#include "core/records/FieldBytes.h"
#include "core/records/Game.h"

namespace courtlog {

namespace {

constexpr std::size_t kHomeNameAt = storedOffsetOf(&Game::homeName);
constexpr std::size_t kVisitorNameAt = storedOffsetOf(&Game::visitorName);

std::string nameAt(const std::array<std::uint8_t, Game::kInfoBlockSize>& block, std::size_t have,
                   std::size_t at) {
    if (have < at + Game::kTextWidth) return {};
    ByteReader in(std::span<const std::uint8_t>(block.data() + at, Game::kTextWidth));
    return in.text(Game::kTextWidth);
}

}  // namespace

std::optional<GameFileTeams> readGameFileTeams(const std::string& path) {
    struct stat info {};
    if (path.empty() || ::stat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return std::nullopt;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return std::nullopt;
    std::array<std::uint8_t, Game::kInfoBlockSize> block{};
    const std::size_t have = std::fread(block.data(), 1, block.size(), file);
    std::fclose(file);
    return GameFileTeams{nameAt(block, have, kHomeNameAt), nameAt(block, have, kVisitorNameAt)};
}

GameFileTeams gameFileTeamsOrBlank(const std::string& path) {
    return readGameFileTeams(path).value_or(GameFileTeams{});
}

}  // namespace courtlog
