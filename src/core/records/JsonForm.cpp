#include "core/records/JsonForm.h"

#include <limits>
#include <stdexcept>
#include <utility>

#include "core/records/Cp1252.h"

namespace courtlog {

using json = nlohmann::ordered_json;

namespace {

// Raised inside this file only; every public function turns it into false.
struct FormError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string member(const std::string& path, const char* key) { return path.empty() ? key : path + "." + key; }
std::string element(const std::string& path, std::size_t i) { return path + "[" + std::to_string(i) + "]"; }

[[noreturn]] void fail(const std::string& path, const std::string& what) { throw FormError(path + ": " + what); }

// The member, or nullptr when it is absent or null (it then keeps its default).
const json* find(const json& obj, const char* key) {
    auto it = obj.find(key);
    if (it == obj.end() || it->is_null()) return nullptr;
    return &*it;
}

void requireObject(const json& j, const std::string& path) {
    if (!j.is_object()) fail(path.empty() ? "top level" : path, "expected an object");
}

template <typename T>
T integerValue(const json& j, const std::string& path) {
    constexpr long long lo = std::numeric_limits<T>::min();
    constexpr unsigned long long hi = std::numeric_limits<T>::max();
    auto range = [&] {
        return "expected an integer from " + std::to_string(lo) + " to " + std::to_string(hi);
    };
    if (j.is_number_unsigned()) {
        auto v = j.get<unsigned long long>();
        if (v > hi) fail(path, range());
        return static_cast<T>(v);
    }
    if (j.is_number_integer()) {
        auto v = j.get<long long>();
        if (v < lo || (v >= 0 && static_cast<unsigned long long>(v) > hi)) fail(path, range());
        return static_cast<T>(v);
    }
    fail(path, range());
}

template <typename T>
void readInt(const json& obj, const char* key, T& out, const std::string& path) {
    if (const json* j = find(obj, key)) out = integerValue<T>(*j, member(path, key));
}

// A value that a team file keeps only within low..high (its reader brings
// anything else into range, so the JSON form refuses it instead).
template <typename T>
void readIntWithin(const json& obj, const char* key, T& out, int low, int high, const std::string& path) {
    const json* j = find(obj, key);
    if (!j) return;
    const T value = integerValue<T>(*j, member(path, key));
    if (value < low || value > high)
        fail(member(path, key), "expected an integer from " + std::to_string(low) + " to " + std::to_string(high));
    out = value;
}

void readBool(const json& obj, const char* key, bool& out, const std::string& path) {
    const json* j = find(obj, key);
    if (!j) return;
    if (j->is_boolean()) {
        out = j->get<bool>();
    } else if (j->is_number_integer()) {
        out = j->get<long long>() != 0;
    } else {
        fail(member(path, key), "expected true or false");
    }
}

// A UTF-8 text into a Windows-1252 field of width bytes.
void readText(const json& obj, const char* key, std::string& out, std::size_t width, const std::string& path) {
    const json* j = find(obj, key);
    if (!j) return;
    const std::string where = member(path, key);
    if (!j->is_string()) fail(where, "expected a text");
    std::string raw = utf8ToCp1252(j->get<std::string>());
    if (raw.find('\0') != std::string::npos) fail(where, "a text cannot hold a NUL character");
    if (raw.size() > width)
        fail(where, "text longer than " + std::to_string(width) + " characters");
    out = std::move(raw);
}

const json* readArray(const json& obj, const char* key, std::size_t maxSize, const std::string& path) {
    const json* j = find(obj, key);
    if (!j) return nullptr;
    if (!j->is_array()) fail(member(path, key), "expected a list");
    if (j->size() > maxSize)
        fail(member(path, key), "more than " + std::to_string(maxSize) + " entries");
    return j;
}

// A list of at most N integers; entries not given keep their value.
template <typename T, std::size_t N>
void readIntArray(const json& obj, const char* key, std::array<T, N>& out, const std::string& path) {
    const json* j = readArray(obj, key, N, path);
    if (!j) return;
    for (std::size_t i = 0; i < j->size(); ++i)
        if (!(*j)[i].is_null()) out[i] = integerValue<T>((*j)[i], element(member(path, key), i));
}

std::string text(const std::string& raw) { return cp1252ToUtf8(raw); }

// ---- players and teams ----

json playerToJson(const Player& p) {
    return json{{"name", text(p.name)},
                {"number", p.number},
                {"playedInPeriod", p.playedInPeriod},
                {"position", p.position},
                {"courtSlot", p.courtSlot}};
}

// A roster entry keeps position and slot in their ranges; the copy of a
// player inside a play keeps whatever it held.
Player playerFromJson(const json& j, const std::string& path, bool inRoster = false) {
    requireObject(j, path);
    Player p;
    readText(j, "name", p.name, Player::kNameWidth, path);
    readInt(j, "number", p.number, path);
    readIntArray(j, "playedInPeriod", p.playedInPeriod, path);
    if (inRoster) {
        readIntWithin(j, "position", p.position, 0, 3, path);
        readIntWithin(j, "courtSlot", p.courtSlot, 0, 5, path);
    } else {
        readInt(j, "position", p.position, path);
        readInt(j, "courtSlot", p.courtSlot, path);
    }
    return p;
}

json personalInfoToJson(const PersonalInfo& info) {
    return json{{"phone", text(info.phone)},
                {"address", text(info.address)},
                {"city", text(info.city)},
                {"state", text(info.state)},
                {"zip", text(info.zip)},
                {"birthday", {{"year", info.birthday.year}, {"month", info.birthday.month}, {"day", info.birthday.day}}},
                {"email", text(info.email)},
                {"note", text(info.note)}};
}

PersonalInfo personalInfoFromJson(const json& j, const std::string& path) {
    requireObject(j, path);
    PersonalInfo info = PersonalInfo::blank();
    readText(j, "phone", info.phone, PersonalInfo::kPhoneWidth, path);
    readText(j, "address", info.address, PersonalInfo::kAddressWidth, path);
    readText(j, "city", info.city, PersonalInfo::kCityWidth, path);
    readText(j, "state", info.state, PersonalInfo::kStateWidth, path);
    readText(j, "zip", info.zip, PersonalInfo::kZipWidth, path);
    if (const json* b = find(j, "birthday")) {
        const std::string where = member(path, "birthday");
        requireObject(*b, where);
        readInt(*b, "year", info.birthday.year, where);
        readInt(*b, "month", info.birthday.month, where);
        readInt(*b, "day", info.birthday.day, where);
    }
    readText(j, "email", info.email, PersonalInfo::kEmailWidth, path);
    readText(j, "note", info.note, PersonalInfo::kNoteWidth, path);
    return info;
}

// Counts are stored in 16 bits: players read back unsigned, events signed.
constexpr std::size_t kMaxPlayers = 65535;
constexpr std::size_t kMaxEvents = 32767;

json teamBody(const Team& team, bool withPersonalInfo) {
    json j = json::object();
    j["name"] = text(team.name);
    j["coach"] = text(team.coach);
    j["assistant"] = text(team.assistant);
    j["spareText"] = text(team.spareText);
    j["logoFile"] = text(team.logoFile);
    j["logoLayout"] = team.logoLayout;
    j["logoFade"] = team.logoFade;
    json players = json::array();
    for (const Player& p : team.players) players.push_back(playerToJson(p));
    j["players"] = std::move(players);
    if (withPersonalInfo) {
        json infos = json::array();
        for (std::size_t i = 0; i < team.players.size(); ++i)
            infos.push_back(personalInfoToJson(i < team.personalInfo.size() ? team.personalInfo[i]
                                                                            : PersonalInfo::blank()));
        j["personalInfo"] = std::move(infos);
    }
    return j;
}

// Reads the team fields over a fresh team that keeps target's noPersonalInfo.
Team teamFrom(const json& j, bool noPersonalInfo, const std::string& path) {
    requireObject(j, path);
    Team team;
    team.noPersonalInfo = noPersonalInfo;
    readText(j, "name", team.name, Team::kNameWidth, path);
    readText(j, "coach", team.coach, Team::kNameWidth, path);
    readText(j, "assistant", team.assistant, Team::kNameWidth, path);
    readText(j, "spareText", team.spareText, Team::kNameWidth, path);
    readText(j, "logoFile", team.logoFile, Team::kLogoFileWidth, path);
    readIntWithin(j, "logoLayout", team.logoLayout, 0, 2, path);
    readIntWithin(j, "logoFade", team.logoFade, 0, 100, path);
    std::vector<Player> players;
    if (const json* list = readArray(j, "players", kMaxPlayers, path)) {
        for (std::size_t i = 0; i < list->size(); ++i)
            players.push_back(playerFromJson((*list)[i], element(member(path, "players"), i), true));
    }
    std::vector<PersonalInfo> infos;
    if (!noPersonalInfo) {
        if (const json* list = readArray(j, "personalInfo", players.size(), path)) {
            for (std::size_t i = 0; i < list->size(); ++i)
                infos.push_back(personalInfoFromJson((*list)[i], element(member(path, "personalInfo"), i)));
        }
    }
    // Players without an entry of their own get a blank one, as a new player does.
    while (infos.size() < players.size()) infos.push_back(PersonalInfo::blank());
    team.players = std::move(players);
    team.personalInfo = std::move(infos);
    return team;
}

void checkKind(const json& j, const char* expected) {
    requireObject(j, "");
    if (const json* k = find(j, "kind")) {
        if (!k->is_string()) fail("kind", "expected a text");
        if (k->get<std::string>() != expected)
            throw FormError("this is a \"" + k->get<std::string>() + "\" file, not a \"" + expected + "\" file");
    }
}

// ---- games ----

json eventToJson(const PlayEvent& e) {
    return json{{"player", playerToJson(e.player)},
                {"kind", e.kind},
                {"shotResult", e.shotResult},
                {"shotX", e.shotX},
                {"shotY", e.shotY},
                {"foulKind", e.foulKind},
                {"reserved1", e.reserved1},
                {"technicalKind", e.technicalKind},
                {"reserved2", e.reserved2},
                {"reboundKind", e.reboundKind},
                {"goalTendKind", e.goalTendKind},
                {"turnoverKind", e.turnoverKind},
                {"period", e.period}};
}

PlayEvent eventFromJson(const json& j, const std::string& path) {
    requireObject(j, path);
    PlayEvent e;
    if (const json* p = find(j, "player")) e.player = playerFromJson(*p, member(path, "player"));
    readInt(j, "kind", e.kind, path);
    readInt(j, "shotResult", e.shotResult, path);
    readInt(j, "shotX", e.shotX, path);
    readInt(j, "shotY", e.shotY, path);
    readInt(j, "foulKind", e.foulKind, path);
    readInt(j, "reserved1", e.reserved1, path);
    readInt(j, "technicalKind", e.technicalKind, path);
    readInt(j, "reserved2", e.reserved2, path);
    readInt(j, "reboundKind", e.reboundKind, path);
    readInt(j, "goalTendKind", e.goalTendKind, path);
    readInt(j, "turnoverKind", e.turnoverKind, path);
    readInt(j, "period", e.period, path);
    return e;
}

std::vector<PlayEvent> eventsFrom(const json& j, const char* key) {
    std::vector<PlayEvent> events;
    if (const json* list = readArray(j, key, kMaxEvents, "")) {
        for (std::size_t i = 0; i < list->size(); ++i) events.push_back(eventFromJson((*list)[i], element(key, i)));
    }
    return events;
}

// ---- schedules ----

json scheduleEntryToJson(const ScheduleEntry& e) {
    return json{{"kind", e.kind},
                {"court", text(e.court)},
                {"homeName", text(e.homeName)},
                {"homeFile", text(e.homeFile)},
                {"visitorName", text(e.visitorName)},
                {"visitorFile", text(e.visitorFile)},
                {"gameFile", text(e.gameFile)},
                {"year", e.date.year},
                {"month", e.date.month},
                {"day", e.date.day},
                {"hour", e.hour},
                {"minute", e.minute},
                {"reserved1", e.reserved1},
                {"reserved2", e.reserved2},
                {"season", e.season},
                {"note", text(e.note)}};
}

ScheduleEntry scheduleEntryFromJson(const json& j, const std::string& path) {
    requireObject(j, path);
    ScheduleEntry e = ScheduleEntry::blank();
    readInt(j, "kind", e.kind, path);
    readText(j, "court", e.court, ScheduleEntry::kNameLength, path);
    readText(j, "homeName", e.homeName, ScheduleEntry::kNameLength, path);
    readText(j, "homeFile", e.homeFile, ScheduleEntry::kPathLength, path);
    readText(j, "visitorName", e.visitorName, ScheduleEntry::kNameLength, path);
    readText(j, "visitorFile", e.visitorFile, ScheduleEntry::kPathLength, path);
    readText(j, "gameFile", e.gameFile, ScheduleEntry::kPathLength, path);
    readInt(j, "year", e.date.year, path);
    readInt(j, "month", e.date.month, path);
    readInt(j, "day", e.date.day, path);
    readInt(j, "hour", e.hour, path);
    readInt(j, "minute", e.minute, path);
    readInt(j, "reserved1", e.reserved1, path);
    readInt(j, "reserved2", e.reserved2, path);
    readInt(j, "season", e.season, path);
    readText(j, "note", e.note, ScheduleEntry::kNoteLength, path);
    return e;
}

// ---- settings ----

// Names the settings a settings file would not give back unchanged.
std::string settingsThatDoNotSurvive(const Settings& s) {
    Settings back;
    back.parse(s.format());
    if (back == s) return {};
    std::string names;
    auto note = [&](bool differs, const char* name) {
        if (!differs) return;
        if (!names.empty()) names += ", ";
        names += name;
    };
    note(back.league != s.league, "league options");
    note(back.windowRect != s.windowRect, "windowRect");
    note(back.wallpaperLayout != s.wallpaperLayout, "wallpaperLayout");
    note(back.wallpaperFile != s.wallpaperFile, "wallpaperFile");
    note(back.soundOn != s.soundOn, "soundOn");
    note(back.promptForShot != s.promptForShot, "promptForShot");
    note(back.htmlColors != s.htmlColors, "htmlColors");
    note(back.htmlFontFace != s.htmlFontFace, "htmlFontFace");
    note(back.htmlBodyFontSize != s.htmlBodyFontSize, "htmlBodyFontSize");
    note(back.htmlHeaderFontSize != s.htmlHeaderFontSize, "htmlHeaderFontSize");
    note(back.htmlFootLink != s.htmlFootLink, "htmlFootLink");
    note(back.scheduleColumnWidths != s.scheduleColumnWidths, "scheduleColumnWidths");
    note(back.personalInfoColumnWidths != s.personalInfoColumnWidths, "personalInfoColumnWidths");
    note(back.statColumnWidths != s.statColumnWidths, "statColumnWidths");
    return names;
}

template <typename F>
bool guarded(std::string* error, F&& body) {
    try {
        body();
        return true;
    } catch (const std::exception& e) {
        if (error) *error = e.what();
    } catch (...) {
        if (error) *error = "unexpected error";
    }
    return false;
}

}  // namespace

std::string jsonKind(const json& j) {
    if (!j.is_object()) return {};
    auto it = j.find("kind");
    if (it == j.end() || !it->is_string()) return {};
    return it->get<std::string>();
}

json teamToJson(const Team& team) {
    json j = json::object();
    j["kind"] = "team";
    j.update(teamBody(team, !team.noPersonalInfo));
    return j;
}

bool teamFromJson(const json& j, Team& team, std::string* error) {
    return guarded(error, [&] {
        checkKind(j, "team");
        Team read = teamFrom(j, team.noPersonalInfo, "");
        read.fileName = team.fileName;
        team = std::move(read);
    });
}

json gameToJson(const Game& game) {
    Game scored = game;
    scored.recomputeScores();
    json j = json::object();
    j["kind"] = "game";
    j["court"] = text(game.court);
    j["attendance"] = text(game.attendance);
    j["referee1"] = text(game.referee1);
    j["referee2"] = text(game.referee2);
    j["referee3"] = text(game.referee3);
    j["homeName"] = text(game.homeName);
    j["visitorName"] = text(game.visitorName);
    j["reserved1"] = game.reserved1;
    j["reserved2"] = game.reserved2;
    j["year"] = game.year;
    j["day"] = game.day;
    j["month"] = game.month;
    j["minute"] = game.minute;
    j["hour"] = game.hour;
    j["reserved3"] = game.reserved3;
    j["reserved4"] = game.reserved4;
    j["season"] = game.season;
    j["halves"] = game.halves;
    j["currentPeriod"] = game.currentPeriod;
    j["home"] = teamBody(game.home, false);
    j["visitor"] = teamBody(game.visitor, false);
    json home = json::array(), visitor = json::array();
    for (const PlayEvent& e : game.homeEvents) home.push_back(eventToJson(e));
    for (const PlayEvent& e : game.visitorEvents) visitor.push_back(eventToJson(e));
    j["homeEvents"] = std::move(home);
    j["visitorEvents"] = std::move(visitor);
    j["homeScore"] = scored.homeScore;
    j["visitorScore"] = scored.visitorScore;
    return j;
}

bool gameFromJson(const json& j, Game& game, std::string* error) {
    return guarded(error, [&] {
        checkKind(j, "game");
        Game g(false);
        readText(j, "court", g.court, Game::kTextWidth, "");
        readText(j, "attendance", g.attendance, Game::kTextWidth, "");
        readText(j, "referee1", g.referee1, Game::kTextWidth, "");
        readText(j, "referee2", g.referee2, Game::kTextWidth, "");
        readText(j, "referee3", g.referee3, Game::kTextWidth, "");
        readText(j, "homeName", g.homeName, Game::kTextWidth, "");
        readText(j, "visitorName", g.visitorName, Game::kTextWidth, "");
        readInt(j, "reserved1", g.reserved1, "");
        readInt(j, "reserved2", g.reserved2, "");
        readInt(j, "year", g.year, "");
        readInt(j, "day", g.day, "");
        readInt(j, "month", g.month, "");
        readInt(j, "minute", g.minute, "");
        readInt(j, "hour", g.hour, "");
        readInt(j, "reserved3", g.reserved3, "");
        readInt(j, "reserved4", g.reserved4, "");
        readInt(j, "season", g.season, "");
        readInt(j, "halves", g.halves, "");
        readInt(j, "currentPeriod", g.currentPeriod, "");
        if (const json* t = find(j, "home")) g.home = teamFrom(*t, true, "home");
        if (const json* t = find(j, "visitor")) g.visitor = teamFrom(*t, true, "visitor");
        g.homeEvents = eventsFrom(j, "homeEvents");
        g.visitorEvents = eventsFrom(j, "visitorEvents");
        g.isNew = 0;  // a described game, like one loaded from its file
        g.fileName = game.fileName;
        g.recomputeScores();
        game = std::move(g);
    });
}

json scheduleToJson(const Schedule& schedule) {
    json j = json::object();
    j["kind"] = "schedule";
    j["headerA"] = schedule.headerA;
    j["headerB"] = schedule.headerB;
    json entries = json::array();
    for (const ScheduleEntry& e : schedule.entries) entries.push_back(scheduleEntryToJson(e));
    j["entries"] = std::move(entries);
    return j;
}

bool scheduleFromJson(const json& j, Schedule& schedule, std::string* error) {
    return guarded(error, [&] {
        checkKind(j, "schedule");
        Schedule read;
        readInt(j, "headerA", read.headerA, "");
        readInt(j, "headerB", read.headerB, "");
        if (const json* list = readArray(j, "entries", Schedule::kMaxEntries, "")) {
            for (std::size_t i = 0; i < list->size(); ++i)
                read.entries.push_back(scheduleEntryFromJson((*list)[i], element("entries", i)));
        }
        read.fileName = schedule.fileName;
        schedule = std::move(read);
    });
}

json settingsToJson(const Settings& s) {
    const LeagueOptions& l = s.league;
    json j = json::object();
    j["kind"] = "settings";
    j["threePointArc"] = l.threePointArc;
    j["foulOutAfter"] = l.foulOutAfter;
    j["foulTroubleAfter"] = l.foulTroubleAfter;
    j["bonusAfter"] = l.bonusAfter;
    j["bonusPerQuarter"] = l.bonusPerQuarter;
    j["doubleBonusAfter"] = l.doubleBonusAfter;
    j["doubleBonusPerQuarter"] = l.doubleBonusPerQuarter;
    j["fullTimeOuts"] = l.fullTimeOuts;
    j["fullTimeOutsPerHalf"] = l.fullTimeOutsPerHalf;
    j["shortTimeOuts"] = l.shortTimeOuts;
    j["shortTimeOutsPerHalf"] = l.shortTimeOutsPerHalf;
    j["halves"] = l.halves;
    j["soundOn"] = s.soundOn;
    j["promptForShot"] = s.promptForShot;
    j["windowRect"] = {s.windowRect.left, s.windowRect.top, s.windowRect.right, s.windowRect.bottom};
    j["wallpaperLayout"] = s.wallpaperLayout;
    j["wallpaperFile"] = text(s.wallpaperFile);
    j["htmlColors"] = s.htmlColors;
    j["htmlFontFace"] = text(s.htmlFontFace);
    j["htmlBodyFontSize"] = s.htmlBodyFontSize;
    j["htmlHeaderFontSize"] = s.htmlHeaderFontSize;
    j["htmlFootLink"] = text(s.htmlFootLink);
    j["scheduleColumnWidths"] = s.scheduleColumnWidths;
    j["personalInfoColumnWidths"] = s.personalInfoColumnWidths;
    j["statColumnWidths"] = s.statColumnWidths;
    return j;
}

bool settingsFromJson(const json& j, Settings& settings, std::string* error) {
    return guarded(error, [&] {
        checkKind(j, "settings");
        Settings s;
        LeagueOptions& l = s.league;
        readInt(j, "threePointArc", l.threePointArc, "");
        readInt(j, "foulOutAfter", l.foulOutAfter, "");
        readInt(j, "foulTroubleAfter", l.foulTroubleAfter, "");
        readInt(j, "bonusAfter", l.bonusAfter, "");
        readBool(j, "bonusPerQuarter", l.bonusPerQuarter, "");
        readInt(j, "doubleBonusAfter", l.doubleBonusAfter, "");
        readBool(j, "doubleBonusPerQuarter", l.doubleBonusPerQuarter, "");
        readInt(j, "fullTimeOuts", l.fullTimeOuts, "");
        readBool(j, "fullTimeOutsPerHalf", l.fullTimeOutsPerHalf, "");
        readInt(j, "shortTimeOuts", l.shortTimeOuts, "");
        readBool(j, "shortTimeOutsPerHalf", l.shortTimeOutsPerHalf, "");
        readBool(j, "halves", l.halves, "");
        readBool(j, "soundOn", s.soundOn, "");
        readBool(j, "promptForShot", s.promptForShot, "");
        std::array<std::int32_t, 4> rect{s.windowRect.left, s.windowRect.top, s.windowRect.right,
                                         s.windowRect.bottom};
        readIntArray(j, "windowRect", rect, "");
        s.windowRect = WindowRect{rect[0], rect[1], rect[2], rect[3]};
        readInt(j, "wallpaperLayout", s.wallpaperLayout, "");
        // Each name must fit on its line of the settings file.
        readText(j, "wallpaperFile", s.wallpaperFile, 199 - 18, "");
        readIntArray(j, "htmlColors", s.htmlColors, "");
        readText(j, "htmlFontFace", s.htmlFontFace, 79 - 34, "");
        readInt(j, "htmlBodyFontSize", s.htmlBodyFontSize, "");
        readInt(j, "htmlHeaderFontSize", s.htmlHeaderFontSize, "");
        readText(j, "htmlFootLink", s.htmlFootLink, Settings::kMaxFootLinkLength, "");
        readIntArray(j, "scheduleColumnWidths", s.scheduleColumnWidths, "");
        readIntArray(j, "personalInfoColumnWidths", s.personalInfoColumnWidths, "");
        readIntArray(j, "statColumnWidths", s.statColumnWidths, "");
        for (const auto& [key, name] : {std::pair{"wallpaperFile", &s.wallpaperFile},
                                        std::pair{"htmlFontFace", &s.htmlFontFace},
                                        std::pair{"htmlFootLink", &s.htmlFootLink}})
            if (name->find_first_of("\r\n") != std::string::npos)
                throw FormError(key + std::string(": a line break cannot be stored in the settings file"));
        for (std::int32_t w : s.statColumnWidths)
            if (w > 500) throw FormError("statColumnWidths: widths above 500 are read back as 100");
        std::string lost = settingsThatDoNotSurvive(s);
        if (!lost.empty()) throw FormError("the settings file cannot hold these values unchanged: " + lost);
        settings = s;
    });
}

}  // namespace courtlog
