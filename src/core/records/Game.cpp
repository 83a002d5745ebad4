#include "core/records/Game.h"
#include "core/records/Clock.h"

#include <algorithm>
#include <climits>
#include <ctime>
#include <cstring>
#include <string_view>

#include "core/records/BackgroundSave.h"
#include "core/records/Codes.h"
#include "core/records/FieldBytes.h"
#include "core/records/FieldText.h"
#include "core/records/RecordSave.h"
#include "core/records/SafeSave.h"

namespace courtlog {

namespace {

long long pointsOf(const std::vector<PlayEvent>& events) {
    long long sum = 0;
    for (const PlayEvent& e : events) sum += shotPoints(e.shotResult);
    return sum;
}

long long pointsOf(const std::vector<PlayEvent>& events, int period) {
    long long sum = 0;
    for (const PlayEvent& e : events) {
        if (e.period == period) sum += shotPoints(e.shotResult);
    }
    return sum;
}

bool appendEvent(std::vector<PlayEvent>& events, const PlayEvent& event) {
    if (events.size() >= Game::kMaxEvents) return false;
    events.push_back(event);
    return true;
}

bool purge(std::vector<PlayEvent>& events) {
    const auto deleted = std::erase_if(events, [](const PlayEvent& e) { return e.kind == NoEvent; });
    return deleted > 0;
}

void rename(Team& team, std::vector<PlayEvent>& events, const Player& oldPlayer, const Player& newPlayer) {
    // Copy the old name first: oldPlayer may be one of the entries we change.
    const std::string oldName = oldPlayer.name;
    const std::string newName = newPlayer.name;
    const std::int16_t newNumber = newPlayer.number;
    for (Player& p : team.players) {
        if (p.name == oldName) {
            p.name = newName;
            p.number = newNumber;
        }
    }
    for (PlayEvent& e : events) {
        if (e.player.name == oldName) {
            e.player.name = newName;
            e.player.number = newNumber;
        }
    }
}

bool readEvents(ByteReader& in, std::vector<PlayEvent>& events, std::size_t count) {
    events.clear();
    events.reserve(count);
    for (std::size_t i = 0; i < count; ++i) events.push_back(readRecord<PlayEvent>(in));
    return !in.failed();
}

}  // namespace

static_assert(kStoredSize<PlayEvent> == PlayEvent::kRecordSize);
static_assert(kStoredSize<Game> == Game::kInfoBlockSize + 4, "the information block, halves and the period");

std::string_view playerNameOf(const std::uint8_t* record) {
    const char* name = reinterpret_cast<const char*>(record);
    return {name, strnlen(name, Player::kNameWidth)};
}

PlayEvent playFieldsOf(const std::uint8_t* record) {
    PlayEvent e;
    fieldbytes::decodeValue(record + storedOffsetOf(&PlayEvent::player) + storedOffsetOf(&Player::number),
                           e.player.number, 0);
    // Every field of the play but its player.
    const std::uint8_t* b = record;
    forEachField<PlayEvent>([&](const auto& field) {
        using Value = fieldbytes::ValueOf<decltype(field)>;
        if constexpr (!std::is_same_v<Value, Player>) fieldbytes::decodeValue(b, field.of(e), field.width);
        b += fieldbytes::valueSize<Value>(field.width);
    });
    return e;
}

Game::Game(bool playedInHalves) : halves(playedInHalves ? 1 : 0) {
    setToday();
    home.noPersonalInfo = true;
    visitor.noPersonalInfo = true;
}

void Game::setToday() {
    const std::tm local = localClockNow();
    year = static_cast<std::int16_t>(local.tm_year + 1900);
    day = static_cast<std::int8_t>(local.tm_mday);
    month = static_cast<std::int8_t>(local.tm_mon + 1);
    season = year;
}

bool Game::save(const std::string& path, std::string* error) {
    // A save still under way in the background must not land after this one.
    backgroundSaver().waitUntilIdle();
    return saveRecordAs(fileName, path, toBytes(), error);
}

bool Game::load(const std::string& path, std::string* error) {
    // Read the game as last saved, not as it was before a save under way.
    backgroundSaver().waitUntilIdle();
    auto bytes = readWholeFile(path, kMaxFileSize, error);
    if (!bytes) return false;
    ByteReader in(*bytes);
    if (!readFrom(in)) {
        if (error) *error = damagedFileMessage(path);
        return false;
    }
    // Only a game read whole is the game of that file, to be saved back over it.
    fileName = path;
    return true;
}

bool Game::loadLeavingPlays(const std::string& path, PlayRecords& plays, std::string* error) {
    backgroundSaver().waitUntilIdle();
    auto bytes = readWholeFile(path, kMaxFileSize, error);
    if (!bytes) return false;
    ByteReader in(*bytes);
    std::size_t visitorCount = 0;
    std::size_t homeCount = 0;
    // The checks of readFrom: a whole head, and every play it counts there.
    if (!readHeadFrom(in, visitorCount, homeCount) ||
        (visitorCount + homeCount) * PlayEvent::kRecordSize > in.remaining()) {
        if (error) *error = damagedFileMessage(path);
        return false;
    }
    visitorEvents_.clear();
    homeEvents_.clear();
    plays.visitorAt = in.position();
    plays.visitorCount = visitorCount;
    plays.homeAt = plays.visitorAt + visitorCount * PlayEvent::kRecordSize;
    plays.homeCount = homeCount;
    plays.bytes = std::move(*bytes);
    // The scores from the records' shot results, as readFrom counts them.
    for (const bool home : {true, false}) {
        long long points = 0;
        const std::uint8_t* record = plays.first(home);
        for (std::size_t i = 0; i < plays.count(home); ++i, record += PlayEvent::kRecordSize)
            points += shotPoints(playFieldsOf(record).shotResult);
        (home ? homePoints_ : visitorPoints_) = points;
    }
    isNew = 0;
    fileName = path;
    return true;
}

std::string Game::damagedFileMessage(const std::string& path) {
    return "The game file is damaged or incomplete: " + path;
}

bool Game::readFrom(ByteReader& in) {
    std::size_t visitorCount = 0;
    std::size_t homeCount = 0;
    if (!readHeadFrom(in, visitorCount, homeCount)) return false;
    // Refuse counts the data cannot hold before allocating anything.
    const std::size_t needed = (visitorCount + homeCount) * PlayEvent::kRecordSize;
    if (needed > in.remaining()) return false;
    if (!readEvents(in, visitorEvents_, visitorCount)) return false;
    if (!readEvents(in, homeEvents_, homeCount)) return false;
    recountScores();
    isNew = 0;
    return true;
}

bool Game::readHeadFrom(ByteReader& in, std::size_t& visitorCount, std::size_t& homeCount) {
    const std::uint8_t* information = in.takeBlock(kStoredSize<Game>);
    if (!information) {
        in.skip(in.remaining() + 1);
        return false;
    }
    decodeRecord(information, *this);

    home.noPersonalInfo = true;
    visitor.noPersonalInfo = true;
    const bool homeComplete = home.readFrom(in);
    home.fileSize = 0;
    if (!homeComplete) return false;
    const bool visitorComplete = visitor.readFrom(in);
    visitor.fileSize = 0;
    if (!visitorComplete) return false;

    const std::int16_t visitors = in.i16();
    const std::int16_t homes = in.i16();
    if (in.failed() || visitors < 0 || homes < 0) return false;
    visitorCount = static_cast<std::size_t>(visitors);
    homeCount = static_cast<std::size_t>(homes);
    return true;
}

std::vector<std::uint8_t> Game::toBytes() const {
    // Counts and events go visitor first; the lists never exceed the 16-bit
    // count (appending refuses beyond it), but cut defensively all the same.
    const std::size_t visitorCount = std::min<std::size_t>(visitorEvents_.size(), INT16_MAX);
    const std::size_t homeCount = std::min<std::size_t>(homeEvents_.size(), INT16_MAX);
    // Teams inside a game never carry personal information, even when a
    // stand-alone team was copied in whole.
    const std::size_t eventsStart = kStoredSize<Game> + home.byteSize(false) + visitor.byteSize(false) + 4;

    // The whole file is built in one buffer of its final size, record by
    // record: auto save rewrites it after every play.
    ByteWriter out;
    out.reserve(eventsStart + (visitorCount + homeCount) * PlayEvent::kRecordSize);
    encodeRecord(out.extend(kStoredSize<Game>), *this);
    home.write(out, false);
    visitor.write(out, false);
    std::uint8_t* p = out.extend(4 + (visitorCount + homeCount) * PlayEvent::kRecordSize);
    p = putLe16(p, static_cast<std::int16_t>(visitorCount));
    p = putLe16(p, static_cast<std::int16_t>(homeCount));
    for (std::size_t i = 0; i < visitorCount; ++i) p = encodeRecord(p, visitorEvents_[i]);
    for (std::size_t i = 0; i < homeCount; ++i) p = encodeRecord(p, homeEvents_[i]);
    return out.take();
}

bool Game::addHomeEvent(const PlayEvent& event) {
    if (!appendEvent(homeEvents_, event)) return false;
    homePoints_ += shotPoints(event.shotResult);
    return true;
}

bool Game::addVisitorEvent(const PlayEvent& event) {
    if (!appendEvent(visitorEvents_, event)) return false;
    visitorPoints_ += shotPoints(event.shotResult);
    return true;
}

bool Game::removeLastEvent(bool home) {
    std::vector<PlayEvent>& list = home ? homeEvents_ : visitorEvents_;
    if (list.empty()) return false;
    (home ? homePoints_ : visitorPoints_) -= shotPoints(list.back().shotResult);
    list.pop_back();
    return true;
}

void Game::swapEvents(bool home, std::vector<PlayEvent>& plays) {
    std::vector<PlayEvent>& list = home ? homeEvents_ : visitorEvents_;
    std::swap(list, plays);
    (home ? homePoints_ : visitorPoints_) = pointsOf(list);
}

// A deleted play (kind 0) still counts until it is purged, as the score
// counts shot results whatever the kind.
bool Game::purgeHomeEvents() {
    const bool purged = purge(homeEvents_);
    if (purged) homePoints_ = pointsOf(homeEvents_);
    return purged;
}

bool Game::purgeVisitorEvents() {
    const bool purged = purge(visitorEvents_);
    if (purged) visitorPoints_ = pointsOf(visitorEvents_);
    return purged;
}

void Game::recountScores() {
    homePoints_ = pointsOf(homeEvents_);
    visitorPoints_ = pointsOf(visitorEvents_);
}

int Game::heldScore(long long points) { return toInt16(points); }

int Game::homePointsInPeriod(int period) const { return heldScore(pointsOf(homeEvents_, period)); }
int Game::visitorPointsInPeriod(int period) const { return heldScore(pointsOf(visitorEvents_, period)); }

void Game::renamePlayer(const Player& oldPlayer, const Player& newPlayer, bool isHome) {
    if (isHome) {
        rename(home, homeEvents_, oldPlayer, newPlayer);
    } else {
        rename(visitor, visitorEvents_, oldPlayer, newPlayer);
    }
}

}  // namespace courtlog
