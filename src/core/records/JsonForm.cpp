#include "core/records/JsonForm.h"

#include <limits>
#include <optional>
#include <stdexcept>
#include <type_traits>
#include <utility>

#include "core/records/Cp1252.h"
#include "core/records/RecordFields.h"

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
std::string integerRange() {
    return "expected an integer from " + std::to_string(std::numeric_limits<T>::min()) + " to " +
           std::to_string(std::numeric_limits<T>::max());
}

// The integer j holds when it fits T. The readers name the member only when
// it does not: a game's plays are thousands of members, and the name would
// be a text built for each of them.
template <typename T>
std::optional<T> integerIn(const json& j) {
    constexpr long long lo = std::numeric_limits<T>::min();
    constexpr unsigned long long hi = std::numeric_limits<T>::max();
    if (j.is_number_unsigned()) {
        auto v = j.get<unsigned long long>();
        if (v > hi) return std::nullopt;
        return static_cast<T>(v);
    }
    if (j.is_number_integer()) {
        auto v = j.get<long long>();
        if (v < lo || (v >= 0 && static_cast<unsigned long long>(v) > hi)) return std::nullopt;
        return static_cast<T>(v);
    }
    return std::nullopt;
}

template <typename T>
void readInt(const json& obj, const char* key, T& out, const std::string& path) {
    const json* j = find(obj, key);
    if (!j) return;
    const std::optional<T> value = integerIn<T>(*j);
    if (!value) fail(member(path, key), integerRange<T>());
    out = *value;
}

// A value that a team file keeps only within low..high (its reader brings
// anything else into range, so the JSON form refuses it instead).
template <typename T>
void readIntWithin(const json& obj, const char* key, T& out, long long low, long long high, const std::string& path) {
    const json* j = find(obj, key);
    if (!j) return;
    const std::optional<T> value = integerIn<T>(*j);
    if (!value) fail(member(path, key), integerRange<T>());
    if (*value < low || *value > high)
        fail(member(path, key), "expected an integer from " + std::to_string(low) + " to " + std::to_string(high));
    out = *value;
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
    if (!j->is_string()) fail(member(path, key), "expected a text");
    std::string raw = utf8ToCp1252(j->get<std::string>());
    if (raw.find('\0') != std::string::npos) fail(member(path, key), "a text cannot hold a NUL character");
    if (raw.size() > width)
        fail(member(path, key), "text longer than " + std::to_string(width) + " characters");
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
    for (std::size_t i = 0; i < j->size(); ++i) {
        if ((*j)[i].is_null()) continue;
        const std::optional<T> value = integerIn<T>((*j)[i]);
        if (!value) fail(element(member(path, key), i), integerRange<T>());
        out[i] = *value;
    }
}

// ---- described records ----

template <class Record>
void readFields(const json& j, Record& record, const std::string& path, bool holdRanges);

// A record read over fresh (a new record), its members where the JSON has
// them. holdRanges: numbers the team readers keep in range are refused
// outside it.
template <class Record>
Record recordFromJson(const json& j, const std::string& path, bool holdRanges, Record fresh = Record{}) {
    requireObject(j, path);
    readFields(j, fresh, path, holdRanges);
    return fresh;
}

template <class Record>
void readFields(const json& j, Record& record, const std::string& path, bool holdRanges) {
    forEachField<Record>([&](const auto& field) {
        using Value = typename std::decay_t<decltype(field)>::ValueType;
        // Member names come from string literals, so the text ends in a NUL.
        const char* key = field.name.text().data();
        Value& value = field.of(record);
        if constexpr (DescribedRecord<Value>) {
            // A record held inside another keeps whatever it held: the copy
            // of a player in a play is no roster entry.
            if (const json* inner = find(j, key)) value = recordFromJson<Value>(*inner, member(path, key), false);
        } else if constexpr (std::is_same_v<Value, std::string>) {
            readText(j, key, value, field.width, path);
        } else if constexpr (std::is_same_v<Value, BirthDate>) {
            if (const json* date = find(j, key)) {
                const std::string where = member(path, key);
                requireObject(*date, where);
                readInt(*date, "year", value.year, where);
                readInt(*date, "month", value.month, where);
                readInt(*date, "day", value.day, where);
            }
        } else if constexpr (IsNumberList<Value>::value) {
            readIntArray(j, key, value, path);
        } else if (holdRanges && field.onRead == OnRead::HeldInRange) {
            readIntWithin(j, key, value, field.valid.lowest, field.valid.highest, path);
        } else {
            readInt(j, key, value, path);
        }
    });
}

// Counts are stored in 16 bits: players read back unsigned, events signed.
constexpr std::size_t kMaxPlayers = 65535;
constexpr std::size_t kMaxEvents = 32767;

// Reads the team fields over a fresh team that keeps target's noPersonalInfo.
Team teamFrom(const json& j, bool noPersonalInfo, const std::string& path) {
    requireObject(j, path);
    Team team;
    team.noPersonalInfo = noPersonalInfo;
    readFields(j, team, path, true);
    std::vector<Player> players;
    if (const json* list = readArray(j, "players", kMaxPlayers, path)) {
        for (std::size_t i = 0; i < list->size(); ++i)
            players.push_back(recordFromJson<Player>((*list)[i], element(member(path, "players"), i), true));
    }
    std::vector<PersonalInfo> infos;
    if (!noPersonalInfo) {
        if (const json* list = readArray(j, "personalInfo", players.size(), path)) {
            for (std::size_t i = 0; i < list->size(); ++i)
                infos.push_back(recordFromJson((*list)[i], element(member(path, "personalInfo"), i), true,
                                               PersonalInfo::blank()));
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

std::vector<PlayEvent> eventsFrom(const json& j, const char* key) {
    std::vector<PlayEvent> events;
    if (const json* list = readArray(j, key, kMaxEvents, "")) {
        for (std::size_t i = 0; i < list->size(); ++i) events.push_back(recordFromJson<PlayEvent>((*list)[i], element(key, i), true));
    }
    return events;
}

// ---- schedules ----

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
    note(back.scoreboardFeedOn != s.scoreboardFeedOn, "scoreboardFeedOn");
    note(back.scoreboardFeedFolder != s.scoreboardFeedFolder, "scoreboardFeedFolder");
    note(back.lastFolders != s.lastFolders, "lastFolders");
    note(back.swappedConsoleGames != s.swappedConsoleGames, "swappedConsoleGames");
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

bool teamFromJson(const json& j, Team& team, std::string* error) {
    return guarded(error, [&] {
        checkKind(j, "team");
        Team read = teamFrom(j, team.noPersonalInfo, "");
        read.fileName = team.fileName;
        team = std::move(read);
    });
}

bool gameFromJson(const json& j, Game& game, std::string* error) {
    return guarded(error, [&] {
        checkKind(j, "game");
        Game g(false);
        readFields(j, g, "", true);
        if (const json* t = find(j, "home")) g.home = teamFrom(*t, true, "home");
        if (const json* t = find(j, "visitor")) g.visitor = teamFrom(*t, true, "visitor");
        std::vector<PlayEvent> homePlays = eventsFrom(j, "homeEvents");
        std::vector<PlayEvent> visitorPlays = eventsFrom(j, "visitorEvents");
        g.swapEvents(true, homePlays);
        g.swapEvents(false, visitorPlays);
        g.isNew = 0;  // a described game, like one loaded from its file
        g.fileName = game.fileName;
        game = std::move(g);
    });
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
        readBool(j, "scoreboardFeedOn", s.scoreboardFeedOn, "");
        readText(j, "scoreboardFeedFolder", s.scoreboardFeedFolder, Settings::kMaxFolderLength, "");
        std::vector<std::pair<std::string, std::string*>> lines{{"wallpaperFile", &s.wallpaperFile},
                                                                {"htmlFontFace", &s.htmlFontFace},
                                                                {"htmlFootLink", &s.htmlFootLink},
                                                                {"scoreboardFeedFolder", &s.scoreboardFeedFolder}};
        if (const json* folders = find(j, "lastFolders")) {
            if (!folders->is_object()) fail("lastFolders", "expected an object");
            for (std::size_t kind = 0; kind < kFileFolderCount; ++kind) {
                // The names are literals, so their texts end in a NUL.
                const char* name = kFileFolderNames[kind].text().data();
                readText(*folders, name, s.lastFolders[kind], Settings::kMaxFolderLength, "lastFolders");
                lines.emplace_back(member("lastFolders", name), &s.lastFolders[kind]);
            }
        }
        if (const json* games = readArray(j, "swappedConsoleGames", Settings::kMaxSwappedConsoleGames, "")) {
            for (std::size_t i = 0; i < games->size(); ++i) {
                const json& game = (*games)[i];
                const std::string path = element("swappedConsoleGames", i);
                if (!game.is_string()) fail(path, "expected a text");
                std::string raw = utf8ToCp1252(game.get<std::string>());
                if (raw.empty() || raw.size() > Settings::kMaxFolderLength || raw.find('\0') != std::string::npos)
                    fail(path, "expected a game file's name");
                s.swappedConsoleGames.push_back(std::move(raw));
            }
            for (std::size_t i = 0; i < s.swappedConsoleGames.size(); ++i)
                lines.emplace_back(element("swappedConsoleGames", i), &s.swappedConsoleGames[i]);
        }
        for (const auto& [key, name] : lines)
            if (name->find_first_of("\r\n") != std::string::npos)
                throw FormError(key + ": a line break cannot be stored in the settings file");
        for (std::int32_t w : s.statColumnWidths)
            if (w > 500) throw FormError("statColumnWidths: widths above 500 are read back as 100");
        std::string lost = settingsThatDoNotSurvive(s);
        if (!lost.empty()) throw FormError("the settings file cannot hold these values unchanged: " + lost);
        settings = s;
    });
}

}  // namespace courtlog
