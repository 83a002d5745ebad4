#include "core/stats/Stat.h"

#include <algorithm>
#include <cstring>
#include <functional>

#include "core/records/Game.h"
#include "core/records/Team.h"

namespace courtlog {

std::size_t Stat::LineKeyHash::operator()(const LineKeyView& k) const {
    const std::size_t h = std::hash<std::string_view>{}(k.player);
    return h ^ (std::hash<std::string_view>{}(k.team) + 0x9e3779b97f4a7c15ull + (h << 6) + (h >> 2));
}

void Stat::addFile(const std::string& path) { files_.push_back(path); }

namespace {

constexpr std::size_t kNoLine = static_cast<std::size_t>(-1);

// The lines of the player-name fields met so far in one side's records. A
// field is compared whole (its 25 bytes), so it stands for its name: the
// same field is the same name, and two fields of one name (bytes after the
// terminator differ) only take two entries for the same line.
class NameFields {
public:
    bool find(const std::uint8_t* field, std::size_t& line) const {
        const Key key = keyOf(field);
        for (std::size_t i = slotOf(key);; i = (i + 1) % kSlots) {
            if (!used_[i]) return false;
            if (entries_[i].key == key) {
                line = entries_[i].line;
                return true;
            }
        }
    }
    // Past half the table a field is simply looked up by name each time.
    void add(const std::uint8_t* field, std::size_t line) {
        if (count_ >= kSlots / 2) return;
        const Key key = keyOf(field);
        std::size_t i = slotOf(key);
        while (used_[i]) i = (i + 1) % kSlots;
        used_[i] = true;
        entries_[i] = {key, line};
        ++count_;
    }

private:
    // Left uninitialised until filled: the table is made for every side.
    struct Key {
        std::uint64_t a, b, c;
        std::uint8_t last;
        bool operator==(const Key&) const = default;
    };
    static Key keyOf(const std::uint8_t* field) {
        static_assert(Player::kNameWidth == 25);
        Key key;
        std::memcpy(&key.a, field, 8);
        std::memcpy(&key.b, field + 8, 8);
        std::memcpy(&key.c, field + 16, 8);
        key.last = field[24];
        return key;
    }
    static std::size_t slotOf(const Key& key) {
        return static_cast<std::size_t>(((key.a ^ (key.b << 1)) * 0x9e3779b97f4a7c15ull) >> 58);
    }
    static constexpr std::size_t kSlots = 64;
    struct Entry {
        Key key;
        std::size_t line;
    };
    std::array<bool, kSlots> used_{};
    std::array<Entry, kSlots> entries_;
    std::size_t count_ = 0;
};

}  // namespace

void Stat::clearLines() {
    lines_.clear();
    index_.clear();
    forgetSlots();
}

void Stat::forgetSlots() {
    teamNumbers_.clear();
    team_ = 0;
}

void Stat::rebuildIndex() {
    forgetSlots();
    index_.clear();
    for (std::size_t i = 0; i < lines_.size(); ++i)
        index_.try_emplace(LineKey{lines_[i].playerName, lines_[i].teamName}, i);
}

std::size_t Stat::appendLine(StatLine line) {
    const std::size_t i = lines_.size();
    // The first line made for a name pair is the one look-ups find.
    index_.try_emplace(LineKey{line.playerName, line.teamName}, i);
    lines_.push_back(std::move(line));
    return i;
}

std::size_t Stat::lineFor(std::string_view playerName, std::string_view teamName, std::int16_t number) {
    const auto found = index_.find(LineKeyView{playerName, teamName});
    if (found != index_.end()) return found->second;
    StatLine line;
    line.playerName = std::string(playerName);
    line.teamName = std::string(teamName);
    line.number = number;
    return appendLine(std::move(line));
}

std::size_t Stat::sideLine(std::string_view playerName, std::string_view teamName, std::int16_t number) {
    const std::size_t size = playerName.size();
    if (size > kSlotNameBytes) return lineFor(playerName, teamName, number);
    const std::size_t part = std::min<std::size_t>(size, 8);
    std::uint64_t head = 0;
    std::uint64_t tail = 0;
    std::memcpy(&head, playerName.data(), part);
    std::memcpy(&tail, playerName.data() + size - part, part);
    const std::uint64_t mixed = head ^ (tail << 1) ^ size ^ (std::uint64_t{team_} << 40);
    SideSlot& slot = sideSlots_[static_cast<std::size_t>((mixed * 0x9e3779b97f4a7c15ull) >> 54) % kSideSlots];
    if (slot.team == team_ && slot.size == size && std::memcmp(slot.name.data(), playerName.data(), size) == 0)
        return slot.line;
    const std::size_t line = lineFor(playerName, teamName, number);
    slot.team = team_;
    slot.size = static_cast<std::uint32_t>(size);
    slot.line = line;
    std::memcpy(slot.name.data(), playerName.data(), size);
    return line;
}

template <typename ForEachPlay>
long long Stat::creditSide(const ForEachPlay& forEachPlay, const Team& roster, const std::string& team) {
    int highest = 0;
    auto number = teamNumbers_.find(team);
    if (number == teamNumbers_.end()) number = teamNumbers_.emplace(team, ++lastTeamNumber_).first;
    team_ = number->second;
    if (sideSlots_.empty()) sideSlots_.resize(kSideSlots);
    // A play without a player credits no line.
    const auto lineOf = [&](std::string_view name, std::int16_t number) {
        return name.empty() ? kNoLine : sideLine(name, team, number);
    };
    forEachPlay(lineOf, [&](std::size_t line, const PlayEvent& play) {
        highest = std::max<int>(highest, play.period);
        if (line != kNoLine) lines_[line].credit(play);
    });
    for (const Player& player : roster.players) {
        if (player.name.empty()) continue;
        StatLine& line = lines_[sideLine(player.name, team, player.number)];
        const auto periods = std::count_if(player.playedInPeriod.begin(), player.playedInPeriod.end(),
                                           [](std::int16_t played) { return played != 0; });
        addCapped(line.pp, periods);
        if (periods >= 1) addCapped(line.gp, 1);
    }
    return static_cast<long long>(highest) + 1;
}

long long Stat::readSide(const std::vector<PlayEvent>& plays, const Team& roster, const std::string& team) {
    return creditSide(
        [&plays](const auto& lineOf, const auto& credit) {
            for (const PlayEvent& play : plays) credit(lineOf(play.player.name, play.player.number), play);
        },
        roster, team);
}

long long Stat::readSide(const PlayRecords& plays, bool home, const Team& roster, const std::string& team) {
    return creditSide(
        [&plays, home](const auto& lineOf, const auto& credit) {
            NameFields known;
            const std::uint8_t* record = plays.first(home);
            for (std::size_t i = 0; i < plays.count(home); ++i, record += PlayEvent::kRecordSize) {
                const PlayEvent play = playFieldsOf(record);
                std::size_t line = 0;
                if (!known.find(record, line)) {
                    line = lineOf(playerNameOf(record), play.player.number);
                    known.add(record, line);
                }
                credit(line, play);
            }
        },
        roster, team);
}

template <typename ReadSideOf>
bool Stat::readGame(const Game& game, bool opponents, long long& periodSum, const ReadSideOf& readSideOf) {
    std::string_view team = teamName_;
    if (opponents) {
        if (team == game.homeName) {
            team = game.visitorName;
        } else if (team == game.visitorName) {
            team = game.homeName;
        } else {
            return false;
        }
    }
    // A game between two teams of one name reads the visiting side.
    if (team == game.visitorName) {
        periodSum += readSideOf(false);
    } else if (team == game.homeName) {
        periodSum += readSideOf(true);
    } else {
        return false;
    }
    return true;
}

void Stat::compute(bool opponents) {
    clearLines();
    loadProblems_.clear();
    long long gamesRead = 0;
    long long gamesSkipped = 0;
    long long periodSum = 0;
    for (const std::string& path : files_) {
        // One game in memory at a time, each read into a fresh record; its
        // plays are credited straight from the file's records.
        Game game;
        PlayRecords plays;
        std::string reason;
        if (!game.loadLeavingPlays(path, plays, &reason)) {
            // A game that could not be read is left out in every mode: what
            // a damaged file held is not trusted, and counting it as a game
            // without plays would lower every figure per game.
            loadProblems_.push_back({path, reason});
            continue;
        }
        ++gamesRead;
        const auto readSideOf = [&](bool home) {
            return readSide(plays, home, home ? game.home : game.visitor, home ? game.homeName : game.visitorName);
        };
        if (allTeams_ && !opponents) {
            // Both sides by position, home first, so two teams of one name
            // each count their own plays; the periods count once, from the
            // visiting side.
            readSideOf(true);
            periodSum += readSideOf(false);
        } else if (!readGame(game, opponents, periodSum, readSideOf)) {
            ++gamesSkipped;
        }
    }
    finish(gamesRead - gamesSkipped, periodSum);
}

void Stat::compute(const Game& gameInProgress, bool opponents) {
    clearLines();
    loadProblems_.clear();
    long long periodSum = 0;
    readGame(gameInProgress, opponents, periodSum, [&gameInProgress, this](bool home) {
        return home ? readSide(gameInProgress.homeEvents(), gameInProgress.home, gameInProgress.homeName)
                    : readSide(gameInProgress.visitorEvents(), gameInProgress.visitor, gameInProgress.visitorName);
    });
    finish(1, periodSum);
}

void Stat::computeSide(const Game& game, Side side) {
    clearLines();
    loadProblems_.clear();
    const bool home = side == Side::Home;
    teamName_ = home ? game.homeName : game.visitorName;
    const long long periods = home ? readSide(game.homeEvents(), game.home, game.homeName)
                                   : readSide(game.visitorEvents(), game.visitor, game.visitorName);
    finish(1, periods);
}

void Stat::finish(long long games, long long periods) {
    auto totals = std::find_if(lines_.begin(), lines_.end(), [](const StatLine& l) {
        return l.playerName == kTotalsName && l.teamName.empty();
    });
    if (totals == lines_.end()) {
        StatLine line;
        line.playerName = std::string(kTotalsName);
        line.number = -1;
        appendLine(std::move(line));
    } else if (totals != lines_.end() - 1) {
        // Keep the totals line last even when lines were appended after it.
        std::rotate(totals, totals + 1, lines_.end());
        rebuildIndex();
    }
    StatLine& total = lines_.back();
    // Start the sums afresh so finishing twice does not count lines twice.
    const std::string name = total.playerName;
    const std::string team = total.teamName;
    const std::int16_t number = total.number;
    total = StatLine{};
    total.playerName = name;
    total.teamName = team;
    total.number = number;
    addCapped(total.gp, games);
    addCapped(total.pp, periods);
    for (std::size_t i = 0; i + 1 < lines_.size(); ++i) total.addCountsOf(lines_[i]);
    for (StatLine& line : lines_) line.computeDerived();
}

void Stat::appendLines(const Stat& other, bool skipTotals) {
    if (&other == this) {
        const Stat copy = other;
        appendLines(copy, skipTotals);
        return;
    }
    lines_.reserve(lines_.size() + other.lines_.size());
    for (const StatLine& line : other.lines_) {
        if (skipTotals && line.playerName == kTotalsName) continue;
        appendLine(line);
    }
}

void Stat::mergeLines(const Stat& other) {
    if (&other == this) {
        const Stat copy = other;
        mergeLines(copy);
        return;
    }
    for (const StatLine& line : other.lines_) {
        if (line.playerName == kTotalsName && line.teamName.empty()) continue;
        StatLine& into = lines_[lineFor(line.playerName, line.teamName, line.number)];
        into.addCountsOf(line);
        addCapped(into.gp, line.gp);
        addCapped(into.pp, line.pp);
    }
}

void Stat::clear() {
    clearLines();
    files_.clear();
    loadProblems_.clear();
}

bool Stat::hasLine(std::string_view playerName, std::string_view teamName) const {
    return playerName.empty() || findLine(playerName, teamName) != nullptr;
}

const StatLine* Stat::findLine(std::string_view playerName, std::string_view teamName) const {
    const auto found = index_.find(LineKeyView{playerName, teamName});
    return found == index_.end() ? nullptr : &lines_[found->second];
}

StatLine* Stat::findLine(std::string_view playerName, std::string_view teamName) {
    const auto found = index_.find(LineKeyView{playerName, teamName});
    return found == index_.end() ? nullptr : &lines_[found->second];
}

Stat Stat::combined(const Stat& team, const Stat& opponents) {
    Stat both;
    both.teamName_ = team.teamName_;
    both.allTeams_ = team.allTeams_;
    both.appendLines(opponents, true);
    both.appendLines(team, true);
    long long games = 0;
    long long periods = 0;
    if (const StatLine* totals = team.findLine(kTotalsName, "")) {
        games = totals->gp;
        periods = totals->pp;
    }
    both.finish(games, periods);
    return both;
}

}  // namespace courtlog
