#include "core/handheld/PalmPayload.h"

#include <utility>

#include "core/handheld/PalmByteIo.h"

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

// ---- players and rosters ----

void writePalmPlayer(PalmWriter& out, const Player& p) {
    // The handheld keeps names of 24 characters: the 25th byte is always NUL.
    out.text(std::string_view(p.name).substr(0, PalmPayload::kTextWidth - 1), PalmPayload::kTextWidth);
    out.byte(p.number);
    for (std::int16_t played : p.playedInPeriod) out.byte(played != 0 ? 1 : 0);
    out.byte(p.position);
    out.byte(p.courtSlot);
}

Player readPalmPlayer(PalmReader& in) {
    Player p;
    p.name = in.text(PalmPayload::kTextWidth - 1);
    in.skip(1);  // the forced NUL, whatever a foreign writer put there
    p.number = in.signedByte();
    for (std::int16_t& played : p.playedInPeriod) played = in.signedByte();
    p.position = in.signedByte();
    p.courtSlot = in.byte();
    return p;
}

void writeTeamPart(PalmWriter& out, const Team& team) {
    out.text(team.name, PalmPayload::kTextWidth);
    out.text(team.coach, PalmPayload::kTextWidth);
    out.text(team.assistant, PalmPayload::kTextWidth);
    out.byte(team.playerCount());
    for (const Player& p : team.players) writePalmPlayer(out, p);
}

// Names, then the roster; the roster read replaces the team's, with blank
// personal information. False when the payload ends inside it.
bool readTeamPart(PalmReader& in, Team& team) {
    team.name = in.text(PalmPayload::kTextWidth);
    team.coach = in.text(PalmPayload::kTextWidth);
    team.assistant = in.text(PalmPayload::kTextWidth);
    // A signed count: a byte above 127 reads as no players.
    const int count = in.signedByte();
    if (in.failed()) return false;
    const std::size_t n = count > 0 ? static_cast<std::size_t>(count) : 0;
    if (in.remaining() < n * PalmPayload::kPlayerSize) {
        in.skip(in.remaining() + 1);  // mark the reader short
        return false;
    }
    team.clear();
    for (std::size_t i = 0; i < n; ++i) team.addPlayer(readPalmPlayer(in), PersonalInfo{});
    return !in.failed();
}

// ---- events ----

void writePalmEvent(PalmWriter& out, const PlayEvent& e) {
    writePalmPlayer(out, e.player);
    for (std::int16_t v : {e.kind, e.shotResult, e.shotX, e.shotY, e.foulKind, e.reserved1, e.technicalKind,
                           e.reserved2, e.reboundKind, e.goalTendKind, e.turnoverKind, e.period})
        out.byte(v);
}

PlayEvent readPalmEvent(PalmReader& in) {
    PlayEvent e;  // blank, then filled in
    e.player = readPalmPlayer(in);
    for (std::int16_t* field : {&e.kind, &e.shotResult, &e.shotX, &e.shotY, &e.foulKind, &e.reserved1,
                                &e.technicalKind, &e.reserved2, &e.reboundKind, &e.goalTendKind, &e.turnoverKind,
                                &e.period})
        *field = in.signedByte();
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
    for (const std::string* text : {&game.court, &game.attendance, &game.referee1, &game.referee2, &game.referee3})
        out.text(*text, kTextWidth);
    out.byte(game.reserved1);
    out.byte(game.reserved2);
    out.word(game.year);
    out.byte(game.day);
    out.byte(game.month);
    out.byte(game.minute);
    out.byte(game.hour);
    out.byte(seasonToPalm(game.season));
    out.byte(game.halves != 0 ? 1 : 0);
    out.byte(game.currentPeriod);
    writeTeamPart(out, game.home);
    writeTeamPart(out, game.visitor);
    out.word(game.visitorEventCount());
    out.word(game.homeEventCount());
    for (const PlayEvent& e : game.visitorEvents) writePalmEvent(out, e);
    for (const PlayEvent& e : game.homeEvents) writePalmEvent(out, e);
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
    for (std::string* text : {&read.court, &read.attendance, &read.referee1, &read.referee2, &read.referee3})
        *text = in.text(kTextWidth);
    read.reserved1 = in.byte();
    read.reserved2 = in.byte();
    read.year = static_cast<std::int16_t>(in.word());
    read.day = in.signedByte();
    read.month = in.signedByte();
    read.minute = in.byte();
    read.hour = in.byte();
    read.season = static_cast<std::int16_t>(seasonFromPalm(in.signedByte(), read.year));
    read.halves = in.byte();
    read.currentPeriod = in.byte();
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
