#include "core/handheld/PalmPayload.h"

#include <type_traits>
#include <utility>

#include "core/handheld/PalmByteIo.h"
#include "core/records/RecordFields.h"

namespace courtlog {

namespace {

constexpr std::string_view kTeamTag = "tem";
constexpr std::string_view kGameTag = "gam";

PalmResult loadError(std::string message) { return PalmResult::failure(std::move(message), kPalmLoadErrorCaption); }

PalmResult incomplete(const char* what, const char* why) {
    return loadError(std::string("The Palm ") + what + " is incomplete or damaged: " + why);
}

// The tag and version word in front of every payload.
PalmResult readTagAndVersion(PalmReader& in, std::string_view tag, const char* what) {
    if (!in.expect(tag)) return loadError(std::string("Not a Palm ") + what);
    const std::uint16_t version = in.word();
    if (in.failed()) return incomplete(what, "it ends before its version number");
    if (version != PalmPayload::kVersion) return loadError(std::string("Palm ") + what + " Version Number is Incorrect");
    return PalmResult::success();
}

// ---- the described records ----

template <class Value>
void writeValue(PalmWriter& out, const Value& value, PalmForm form);

// The fields of record the handheld carries, in order, each in its form.
template <class Record>
void writePalmFields(PalmWriter& out, const Record& record) {
    forEachField<Record>([&](const auto& field) { writeValue(out, field.of(record), field.palm); });
}

template <class Value>
void writeValue(PalmWriter& out, const Value& value, PalmForm form) {
    if constexpr (DescribedRecord<Value>) {
        writePalmFields(out, value);
    } else if constexpr (std::is_same_v<Value, std::string>) {
        if (form == PalmForm::Text) out.text(value, PalmPayload::kTextWidth);
        // The handheld keeps names of 24 characters: the 25th byte is always NUL.
        if (form == PalmForm::Name)
            out.text(std::string_view(value).substr(0, PalmPayload::kTextWidth - 1), PalmPayload::kTextWidth);
    } else if constexpr (IsNumberList<Value>::value) {
        for (const auto number : value) writeValue(out, number, form);
    } else if constexpr (std::is_integral_v<Value>) {
        switch (form) {
            case PalmForm::Byte:
            case PalmForm::SignedByte: out.byte(value); break;
            case PalmForm::Word: out.word(value); break;
            case PalmForm::Flag:
            case PalmForm::SignedFlag: out.byte(value != 0 ? 1 : 0); break;
            case PalmForm::Season: out.byte(PalmPayload::seasonToPalm(value)); break;
            case PalmForm::None:
            case PalmForm::Text:
            case PalmForm::Name: break;
        }
    }
}

template <class Value>
void readValue(PalmReader& in, Value& value, PalmForm form);

template <class Record>
void readPalmFields(PalmReader& in, Record& record) {
    forEachField<Record>([&](const auto& field) { readValue(in, field.of(record), field.palm); });
}

// A season is read as its two stored digits; readGame makes the year of them.
template <class Value>
void readValue(PalmReader& in, Value& value, PalmForm form) {
    if constexpr (DescribedRecord<Value>) {
        readPalmFields(in, value);
    } else if constexpr (std::is_same_v<Value, std::string>) {
        if (form == PalmForm::Text) value = in.text(PalmPayload::kTextWidth);
        if (form == PalmForm::Name) {
            value = in.text(PalmPayload::kTextWidth - 1);
            in.skip(1);  // the forced NUL, whatever a foreign writer put there
        }
    } else if constexpr (IsNumberList<Value>::value) {
        for (auto& number : value) readValue(in, number, form);
    } else if constexpr (std::is_integral_v<Value>) {
        switch (form) {
            case PalmForm::Byte:
            case PalmForm::Flag: value = static_cast<Value>(in.byte()); break;
            case PalmForm::SignedByte:
            case PalmForm::SignedFlag:
            case PalmForm::Season: value = static_cast<Value>(in.signedByte()); break;
            case PalmForm::Word: value = static_cast<Value>(in.word()); break;
            case PalmForm::None:
            case PalmForm::Text:
            case PalmForm::Name: break;
        }
    }
}

// ---- rosters ----

void writeTeamPart(PalmWriter& out, const Team& team) {
    writePalmFields(out, team);
    out.byte(team.playerCount());
    for (const Player& p : team.players) writePalmFields(out, p);
}

// Names, then the roster; the roster read replaces the team's, with blank
// personal information. False when the payload ends inside it.
bool readTeamPart(PalmReader& in, Team& team) {
    readPalmFields(in, team);
    // A signed count: a byte above 127 reads as no players.
    const int count = in.signedByte();
    if (in.failed()) return false;
    const std::size_t n = count > 0 ? static_cast<std::size_t>(count) : 0;
    if (in.remaining() < n * PalmPayload::kPlayerSize) {
        in.skip(in.remaining() + 1);  // mark the reader short
        return false;
    }
    team.clear();
    for (std::size_t i = 0; i < n; ++i) {
        Player player;
        readPalmFields(in, player);
        team.addPlayer(player, PersonalInfo{});
    }
    return !in.failed();
}

// A play starts blank and takes what the payload holds.
PlayEvent readPalmEvent(PalmReader& in) {
    PlayEvent e;
    readPalmFields(in, e);
    return e;
}

}  // namespace

int PalmPayload::seasonToPalm(int season) {
    if (season >= 2000) return season - 2000;
    if (season >= 1900) return season - 1900;
    return season;
}

int PalmPayload::seasonFromPalm(std::int8_t stored, int year) {
    if (stored >= 0 && stored <= 94) return 2000 + stored;
    if (stored >= 96) return 1900 + stored;
    return year;
}

std::string PalmPayload::rosterProblem(const Team& team) {
    if (team.playerCount() <= kMaxPlayers) return {};
    const std::string who = team.name.empty() ? std::string("The team") : "The team " + team.name;
    return who + " has " + std::to_string(team.playerCount()) + " players; the handheld takes at most " +
           std::to_string(kMaxPlayers);
}

std::vector<std::uint8_t> PalmPayload::team(const Team& team) {
    PalmWriter out;
    out.chars(kTeamTag);
    out.word(kVersion);
    writeTeamPart(out, team);
    return out.take();
}

std::vector<std::uint8_t> PalmPayload::game(const Game& game) {
    PalmWriter out;
    out.chars(kGameTag);
    out.word(kVersion);
    writePalmFields(out, game);
    writeTeamPart(out, game.home);
    writeTeamPart(out, game.visitor);
    out.word(game.visitorEventCount());
    out.word(game.homeEventCount());
    for (const PlayEvent& e : game.visitorEvents()) writePalmFields(out, e);
    for (const PlayEvent& e : game.homeEvents()) writePalmFields(out, e);
    return out.take();
}

PalmResult PalmPayload::readTeam(std::span<const std::uint8_t> payload, Team& team) {
    PalmReader in(payload);
    if (PalmResult r = readTagAndVersion(in, kTeamTag, "Team"); !r) return r;
    Team read = team;
    if (!readTeamPart(in, read)) return incomplete("Team", "it ends before the players its count announces");
    team = std::move(read);
    return PalmResult::success();
}

PalmResult PalmPayload::readGame(std::span<const std::uint8_t> payload, Game& game) {
    PalmReader in(payload);
    if (PalmResult r = readTagAndVersion(in, kGameTag, "Game"); !r) return r;

    Game read = game;
    readPalmFields(in, read);
    read.season = static_cast<std::int16_t>(seasonFromPalm(static_cast<std::int8_t>(read.season), read.year));
    if (in.failed()) return incomplete("Game", "it ends inside the game information");
    if (!readTeamPart(in, read.home) || !readTeamPart(in, read.visitor))
        return incomplete("Game", "it ends inside a team");
    read.homeName = read.home.name;
    read.visitorName = read.visitor.name;

    const std::size_t visitorCount = in.word();
    const std::size_t homeCount = in.word();
    if (in.failed()) return incomplete("Game", "it ends before the event counts");
    if (in.remaining() < (visitorCount + homeCount) * kEventSize)
        return incomplete("Game", "it ends before the events its counts announce");
    for (const bool home : {true, false}) {
        std::vector<PlayEvent> none;
        read.swapEvents(home, none);
    }
    for (std::size_t i = 0; i < visitorCount; ++i)
        if (!read.addVisitorEvent(readPalmEvent(in))) return incomplete("Game", "it holds too many events");
    for (std::size_t i = 0; i < homeCount; ++i)
        if (!read.addHomeEvent(readPalmEvent(in))) return incomplete("Game", "it holds too many events");
    read.isNew = 0;
    game = std::move(read);
    return PalmResult::success();
}

}  // namespace courtlog
