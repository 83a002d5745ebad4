// The JSON forms of teams, games, settings and schedules, described once and written
// either as a tree (JsonTreeBuilder) or as streamed text (JsonStreamWriter).
#include <string>
#include <string_view>
#include <type_traits>

#include "core/records/Codes.h"
#include "core/records/JsonForm.h"
#include "core/records/JsonName.h"
#include "core/records/JsonStreamWriter.h"
#include "core/records/JsonTreeBuilder.h"
#include "core/records/RecordFields.h"

namespace courtlog {

namespace {

template <class Out>
void numberField(Out& out, JsonName name, long long value) {
    out.member(name, value);
}

template <class Out>
void flagField(Out& out, JsonName name, bool value) {
    out.key(name);
    out.boolean(value);
}

template <class Out>
void textField(Out& out, JsonName name, const std::string& raw) {
    out.cp1252Member(name, raw);
}

template <class Out, class List>
void numberListField(Out& out, JsonName name, const List& values) {
    out.key(name);
    out.beginArray();
    for (const auto v : values) out.number(static_cast<long long>(v));
    out.endArray();
}

template <class Out, class Record>
void writeRecord(Out& out, const Record& record);

// The members of a described record, in the order of its fields.
template <class Out, class Record>
void writeFields(Out& out, const Record& record) {
    forEachField<Record>([&](const auto& field) {
        using Value = typename std::decay_t<decltype(field)>::ValueType;
        const Value& value = field.of(record);
        if constexpr (DescribedRecord<Value>) {
            out.key(field.name);
            writeRecord(out, value);
        } else if constexpr (std::is_same_v<Value, std::string>) {
            textField(out, field.name, value);
        } else if constexpr (std::is_same_v<Value, BirthDate>) {
            out.key(field.name);
            out.beginObject();
            numberField(out, "year", value.year);
            numberField(out, "month", value.month);
            numberField(out, "day", value.day);
            out.endObject();
        } else if constexpr (IsNumberList<Value>::value) {
            numberListField(out, field.name, value);
        } else {
            numberField(out, field.name, value);
        }
    });
}

// A described record as an object.
template <class Out, class Record>
void writeRecord(Out& out, const Record& record) {
    out.beginObject();
    writeFields(out, record);
    out.endObject();
}

// The members of a team after "kind"; a game's teams carry no personal
// information.
template <class Out>
void writeTeamMembers(Out& out, const Team& team, bool withPersonalInfo) {
    writeFields(out, team);
    out.key("players");
    out.beginArray();
    for (const Player& p : team.players) writeRecord(out, p);
    out.endArray();
    if (withPersonalInfo) {
        out.key("personalInfo");
        out.beginArray();
        for (std::size_t i = 0; i < team.players.size(); ++i)
            writeRecord(out, i < team.personalInfo.size() ? team.personalInfo[i] : PersonalInfo::blank());
        out.endArray();
    }
}

template <class Out>
void writeTeam(Out& out, const Team& team) {
    out.beginObject();
    out.key("kind");
    out.string("team");
    writeTeamMembers(out, team, !team.noPersonalInfo);
    out.endObject();
}

// Writes the plays the feed gives as a list and sums their points, as the
// game's score counts them.
template <class Out>
bool writeEventList(Out& out, JsonName name, const PlayFeed& feed, long long& points) {
    out.key(name);
    out.beginArray();
    points = 0;
    const bool whole = feed([&](const PlayEvent& e) {
        writeRecord(out, e);
        points += shotPoints(e.shotResult);
    });
    out.endArray();
    return whole;
}

template <class Out>
bool writeGame(Out& out, const Game& game, const PlayFeed& homePlays, const PlayFeed& visitorPlays) {
    out.beginObject();
    out.key("kind");
    out.string("game");
    writeFields(out, game);
    for (const auto& [name, team] : {std::pair{JsonName("home"), &game.home}, std::pair{JsonName("visitor"), &game.visitor}}) {
        out.key(name);
        out.beginObject();
        writeTeamMembers(out, *team, false);
        out.endObject();
    }
    long long homePoints = 0;
    long long visitorPoints = 0;
    const bool homeWhole = writeEventList(out, "homeEvents", homePlays, homePoints);
    const bool visitorWhole = writeEventList(out, "visitorEvents", visitorPlays, visitorPoints);
    // The scores are derived, held like the game's own: the plays may be
    // streamed from a file without a game to ask.
    numberField(out, "homeScore", Game::heldScore(homePoints));
    numberField(out, "visitorScore", Game::heldScore(visitorPoints));
    out.endObject();
    return homeWhole && visitorWhole;
}

PlayFeed listFeed(const std::vector<PlayEvent>& events) {
    return [&events](const std::function<void(const PlayEvent&)>& play) {
        for (const PlayEvent& e : events) play(e);
        return true;
    };
}

template <class Out>
void writeSettings(Out& out, const Settings& s) {
    const LeagueOptions& l = s.league;
    out.beginObject();
    out.key("kind");
    out.string("settings");
    numberField(out, "threePointArc", l.threePointArc);
    numberField(out, "foulOutAfter", l.foulOutAfter);
    numberField(out, "foulTroubleAfter", l.foulTroubleAfter);
    numberField(out, "bonusAfter", l.bonusAfter);
    flagField(out, "bonusPerQuarter", l.bonusPerQuarter);
    numberField(out, "doubleBonusAfter", l.doubleBonusAfter);
    flagField(out, "doubleBonusPerQuarter", l.doubleBonusPerQuarter);
    numberField(out, "fullTimeOuts", l.fullTimeOuts);
    flagField(out, "fullTimeOutsPerHalf", l.fullTimeOutsPerHalf);
    numberField(out, "shortTimeOuts", l.shortTimeOuts);
    flagField(out, "shortTimeOutsPerHalf", l.shortTimeOutsPerHalf);
    flagField(out, "halves", l.halves);
    flagField(out, "soundOn", s.soundOn);
    flagField(out, "promptForShot", s.promptForShot);
    const std::int32_t rect[] = {s.windowRect.left, s.windowRect.top, s.windowRect.right, s.windowRect.bottom};
    numberListField(out, "windowRect", rect);
    numberField(out, "wallpaperLayout", s.wallpaperLayout);
    textField(out, "wallpaperFile", s.wallpaperFile);
    numberListField(out, "htmlColors", s.htmlColors);
    textField(out, "htmlFontFace", s.htmlFontFace);
    numberField(out, "htmlBodyFontSize", s.htmlBodyFontSize);
    numberField(out, "htmlHeaderFontSize", s.htmlHeaderFontSize);
    textField(out, "htmlFootLink", s.htmlFootLink);
    numberListField(out, "scheduleColumnWidths", s.scheduleColumnWidths);
    numberListField(out, "personalInfoColumnWidths", s.personalInfoColumnWidths);
    numberListField(out, "statColumnWidths", s.statColumnWidths);
    flagField(out, "scoreboardFeedOn", s.scoreboardFeedOn);
    textField(out, "scoreboardFeedFolder", s.scoreboardFeedFolder);
    out.key("lastFolders");
    out.beginObject();
    for (std::size_t kind = 0; kind < kFileFolderCount; ++kind)
        textField(out, kFileFolderNames[kind], s.lastFolders[kind]);
    out.endObject();
    out.key("swappedConsoleGames");
    out.beginArray();
    for (const std::string& game : s.swappedConsoleGames) out.cp1252String(game);
    out.endArray();
    out.endObject();
}

template <class Out>
void writeScheduleEntry(Out& out, const ScheduleEntry& e) {
    out.beginObject();
    numberField(out, "kind", e.kind);
    textField(out, "court", e.court);
    textField(out, "homeName", e.homeName);
    textField(out, "homeFile", e.homeFile);
    textField(out, "visitorName", e.visitorName);
    textField(out, "visitorFile", e.visitorFile);
    textField(out, "gameFile", e.gameFile);
    numberField(out, "year", e.date.year);
    numberField(out, "month", e.date.month);
    numberField(out, "day", e.date.day);
    numberField(out, "hour", e.hour);
    numberField(out, "minute", e.minute);
    numberField(out, "reserved1", e.reserved1);
    numberField(out, "reserved2", e.reserved2);
    numberField(out, "season", e.season);
    textField(out, "note", e.note);
    out.endObject();
}

template <class Out>
void writeSchedule(Out& out, const Schedule& schedule) {
    out.beginObject();
    out.key("kind");
    out.string("schedule");
    numberField(out, "headerA", schedule.headerA);
    numberField(out, "headerB", schedule.headerB);
    out.key("entries");
    out.beginArray();
    for (const ScheduleEntry& e : schedule.entries) writeScheduleEntry(out, e);
    out.endArray();
    out.endObject();
}

}  // namespace

nlohmann::ordered_json teamToJson(const Team& team) {
    JsonTreeBuilder tree;
    writeTeam(tree, team);
    return tree.take();
}

nlohmann::ordered_json gameToJson(const Game& game) {
    JsonTreeBuilder tree;
    writeGame(tree, game, listFeed(game.homeEvents()), listFeed(game.visitorEvents()));
    return tree.take();
}

nlohmann::ordered_json settingsToJson(const Settings& settings) {
    JsonTreeBuilder tree;
    writeSettings(tree, settings);
    return tree.take();
}

void writeTeamJson(JsonStreamWriter& out, const Team& team) { writeTeam(out, team); }

void writeGameJson(JsonStreamWriter& out, const Game& game) {
    writeGame(out, game, listFeed(game.homeEvents()), listFeed(game.visitorEvents()));
}

bool writeGameJson(JsonStreamWriter& out, const Game& game, const PlayFeed& homePlays,
                   const PlayFeed& visitorPlays) {
    return writeGame(out, game, homePlays, visitorPlays);
}

void writeSettingsJson(JsonStreamWriter& out, const Settings& settings) { writeSettings(out, settings); }

nlohmann::ordered_json scheduleToJson(const Schedule& schedule) {
    JsonTreeBuilder tree;
    writeSchedule(tree, schedule);
    return tree.take();
}

void writeScheduleJson(JsonStreamWriter& out, const Schedule& schedule) { writeSchedule(out, schedule); }

}  // namespace courtlog
