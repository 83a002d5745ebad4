#include "core/records/FuzzEntryPoints.h"

#include <array>

#include "core/records/ByteIo.h"
#include "core/records/Game.h"
#include "core/records/GameFileJson.h"
#include "core/records/JsonForm.h"
#include "core/records/JsonStreamWriter.h"
#include "core/records/Schedule.h"
#include "core/records/Settings.h"
#include "core/records/Team.h"

namespace courtlog::fuzz {

namespace {

std::string_view asText(std::span<const std::uint8_t> data) {
    return {reinterpret_cast<const char*>(data.data()), data.size()};
}

// Every stored field of a team (fileName and fileSize are not stored).
bool sameTeam(const Team& a, const Team& b) {
    return a.name == b.name && a.coach == b.coach && a.assistant == b.assistant && a.spareText == b.spareText &&
           a.logoFile == b.logoFile && a.logoLayout == b.logoLayout && a.logoFade == b.logoFade &&
           a.players == b.players && (a.noPersonalInfo || a.personalInfo == b.personalInfo);
}

bool sameGame(const Game& a, const Game& b) {
    return a.court == b.court && a.attendance == b.attendance && a.referee1 == b.referee1 &&
           a.referee2 == b.referee2 && a.referee3 == b.referee3 && a.homeName == b.homeName &&
           a.visitorName == b.visitorName && a.reserved1 == b.reserved1 && a.reserved2 == b.reserved2 &&
           a.year == b.year && a.day == b.day && a.month == b.month && a.minute == b.minute && a.hour == b.hour &&
           a.reserved3 == b.reserved3 && a.reserved4 == b.reserved4 && a.season == b.season &&
           a.halves == b.halves && a.currentPeriod == b.currentPeriod && sameTeam(a.home, b.home) &&
           sameTeam(a.visitor, b.visitor) && a.homeEvents() == b.homeEvents() && a.visitorEvents() == b.visitorEvents();
}

// A team must come back unchanged through its JSON form and through its own
// file image.
std::string checkTeamSurvives(const Team& team, const char* what) {
    Team fromJson;
    fromJson.noPersonalInfo = team.noPersonalInfo;
    std::string error;
    if (!teamFromJson(teamToJson(team), fromJson, &error)) return std::string(what) + ": JSON form refused: " + error;
    if (!sameTeam(fromJson, team)) return std::string(what) + ": JSON form changed the team";

    const auto bytes = team.toBytes();
    const std::size_t perPlayer = Player::kRecordSize + (team.noPersonalInfo ? 0 : PersonalInfo::kRecordSize);
    if (bytes.size() != Team::kHeaderSize + team.players.size() * perPlayer)
        return std::string(what) + ": team file has the wrong size";
    Team reread;
    reread.noPersonalInfo = team.noPersonalInfo;
    ByteReader in(bytes);
    if (!reread.readFrom(in)) return std::string(what) + ": own team file image not read back";
    if (!sameTeam(reread, team)) return std::string(what) + ": team changed through its own file";
    return {};
}

std::string checkTeamImport(std::span<const std::uint8_t> data, bool plainText) {
    Team team;
    const auto result = plainText ? team.importPlainText(asText(data)) : team.importCommaDelimited(asText(data));
    if (team.personalInfo.size() != team.players.size()) return "import: personal information not parallel";
    // An import may refuse a file (a bad plain-text player line, a character
    // no team file can hold), but only with a message naming the line; what
    // it read before must still be a sound team.
    if (!result.ok && (result.error.empty() || result.badLine < 1))
        return "import refused the file without saying where";
    // The count is stored in 16 bits; a larger import cannot survive its own
    // file, which is a limit of the format, not a fault.
    if (team.players.size() > 65535) return {};
    return checkTeamSurvives(team, plainText ? "plain-text import" : "comma-delimited import");
}

}  // namespace

std::string checkTeamFile(std::span<const std::uint8_t> data) {
    Team team;
    ByteReader in(data);
    team.readFrom(in);
    if (team.personalInfo.size() != team.players.size()) return "team file: personal information not parallel";
    return checkTeamSurvives(team, "team file");
}

std::string checkGameFileRead(std::span<const std::uint8_t> data) {
    Game game;
    ByteReader in(data);
    if (!game.readFrom(in)) return {};  // refused files need only be refused safely
    // Every play and roster entry read must come from a record of the file:
    // counts the data cannot hold are refused, never made up.
    const std::size_t records = (game.homeEvents().size() + game.visitorEvents().size()) * PlayEvent::kRecordSize +
                                (game.home.players.size() + game.visitor.players.size()) * Player::kRecordSize;
    if (records > in.position()) return "game file: more records read than the file holds";
    return {};
}

std::string checkGameFileRoundTrip(std::span<const std::uint8_t> data) {
    Game game;
    ByteReader in(data);
    const bool reads = game.readFrom(in);
    // The form printed while the image is read must be the form of the game
    // read whole, and refused by the same files.
    std::string streamed;
    JsonStreamWriter out([&streamed](std::string_view piece) {
        streamed += piece;
        return true;
    });
    const bool streams = writeGameImageJson(data, out) && out.finishDocument();
    if (streams != reads) return "game file: the streamed form and the reader disagree on the file";
    if (!reads) return {};  // refused files need only be refused safely
    // One tree serves both comparisons: building it is most of the work.
    const nlohmann::ordered_json tree = gameToJson(game);
    if (streamed != tree.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n")
        return "game file: the streamed form differs from the form of the game read whole";
    Game fromJson;
    std::string error;
    if (!gameFromJson(tree, fromJson, &error)) return "game file: JSON form refused: " + error;
    if (!sameGame(fromJson, game)) return "game file: JSON form changed the game";

    const auto bytes = game.toBytes();
    Game reread;
    ByteReader again(bytes);
    if (!reread.readFrom(again)) return "game file: own game file image not read back";
    if (!again.atEnd()) return "game file: own game file image not read to its end";
    if (!sameGame(reread, game)) return "game file: game changed through its own file";
    return {};
}

std::string checkSettingsFile(std::span<const std::uint8_t> data) {
    Settings settings;
    settings.setDefaults();
    settings.parse(asText(data));
    // Whatever was read must be written as the 29 lines, the last one open.
    const std::string text = settings.format();
    std::size_t lines = 1;
    for (char c : text) lines += c == '\n' ? 1 : 0;
    if (text.empty() || text.back() == '\n') return "settings: file text ends with a newline";
    Settings fromJson;
    std::string error;
    // The JSON form may refuse a value the file cannot carry unchanged
    // (a width past the 199th character, say); when it accepts, it must be exact.
    if (settingsFromJson(settingsToJson(settings), fromJson, &error) && !(fromJson == settings))
        return "settings: JSON form changed the settings";
    if (lines < 29) return "settings: file text has fewer than 29 lines";
    return {};
}

std::string checkScheduleFile(std::span<const std::uint8_t> data) {
    Schedule schedule;
    std::string error;
    const bool read = schedule.readFrom(data, &error);
    // Refused exactly when the header is short or the count impossible.
    ByteReader header(data);
    header.skip(8);
    const std::int32_t count = header.i32();
    const bool holdsCount = !header.failed() && count >= 0 &&
                            static_cast<std::size_t>(count) <= Schedule::kMaxEntries &&
                            static_cast<std::size_t>(count) <= header.remaining() / ScheduleEntry::kRecordSize;
    if (read != holdsCount) return read ? "schedule file: impossible count accepted" : "schedule file: refused: " + error;
    if (!read) return error.empty() ? "schedule file: refused without a reason" : std::string();

    Schedule fromJson;
    if (!scheduleFromJson(scheduleToJson(schedule), fromJson, &error)) return "schedule file: JSON form refused: " + error;
    if (fromJson.entries != schedule.entries || fromJson.headerA != schedule.headerA ||
        fromJson.headerB != schedule.headerB)
        return "schedule file: JSON form changed the schedule";

    const auto bytes = schedule.toBytes();
    if (bytes.size() != Schedule::kHeaderSize + schedule.entries.size() * ScheduleEntry::kRecordSize)
        return "schedule file: own file image has the wrong size";
    Schedule reread;
    if (!reread.readFrom(bytes)) return "schedule file: own file image not read back";
    if (reread.entries != schedule.entries) return "schedule file: entries changed through their own file";
    return {};
}

std::string checkCommaDelimitedImport(std::span<const std::uint8_t> data) { return checkTeamImport(data, false); }

std::string checkPlainTextImport(std::span<const std::uint8_t> data) { return checkTeamImport(data, true); }

std::string checkJsonForm(std::span<const std::uint8_t> data) {
    const auto json = nlohmann::ordered_json::parse(asText(data), nullptr, /*allow_exceptions=*/false);
    if (json.is_discarded()) return {};
    std::string error;
    Team team;
    if (teamFromJson(json, team, &error)) {
        if (team.personalInfo.size() != team.players.size()) return "JSON team: personal information not parallel";
        if (std::string problem = checkTeamSurvives(team, "JSON team"); !problem.empty()) return problem;
    } else if (error.empty()) {
        return "JSON team refused without a reason";
    }
    Game game;
    if (gameFromJson(json, game, &error)) {
        Game again;
        if (!gameFromJson(gameToJson(game), again, &error)) return "JSON game: own JSON form refused: " + error;
        if (!sameGame(again, game)) return "JSON game: changed through its JSON form";
        const auto bytes = game.toBytes();
        Game reread;
        ByteReader in(bytes);
        if (!reread.readFrom(in) || !sameGame(reread, game)) return "JSON game: changed through its own file";
    }
    Schedule schedule;
    if (scheduleFromJson(json, schedule, &error)) {
        Schedule again;
        if (!again.readFrom(schedule.toBytes()) || again.entries != schedule.entries)
            return "JSON schedule: changed through its own file";
    }
    Settings settings;
    if (settingsFromJson(json, settings, &error)) {
        Settings reread;
        reread.parse(settings.format());
        if (!(reread == settings)) return "JSON settings: changed through the settings file";
    }
    return {};
}

std::span<const FuzzTarget> fuzzTargets() {
    static constexpr std::array<FuzzTarget, 8> kTargets{{
        {"team_fuzzer", checkTeamFile},
        {"game_fuzzer", checkGameFileRead},
        {"game_roundtrip_fuzzer", checkGameFileRoundTrip},
        {"settings_fuzzer", checkSettingsFile},
        {"schedule_fuzzer", checkScheduleFile},
        {"csv_import_fuzzer", checkCommaDelimitedImport},
        {"text_import_fuzzer", checkPlainTextImport},
        {"json_fuzzer", checkJsonForm},
    }};
    return kTargets;
}

const FuzzTarget* findFuzzTarget(std::string_view name) {
    for (const FuzzTarget& t : fuzzTargets())
        if (name == t.name) return &t;
    return nullptr;
}

}  // namespace courtlog::fuzz
