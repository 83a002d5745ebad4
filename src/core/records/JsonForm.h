#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "core/records/Game.h"
#include "core/records/Schedule.h"
#include "core/records/Settings.h"
#include "core/records/Team.h"

namespace courtlog {

// The JSON form of the record files, used by the command-line tool to show and
// edit teams, games, settings and schedules. Every stored field appears under its own
// name, texts as UTF-8 (the records hold Windows-1252). Reading back takes
// missing fields from the defaults of a new record and ignores unknown ones;
// a field of the wrong type or out of range gives false with the reason in
// error (naming the field, e.g. "players[2].number: ...") and leaves the
// target unchanged. No exception leaves these functions.

// A stand-alone team carries "personalInfo" parallel to "players"; a team
// with noPersonalInfo set (one held in a game) does not.
nlohmann::ordered_json teamToJson(const Team& team);
// Reads into team; its noPersonalInfo flag says whether "personalInfo" is taken.
bool teamFromJson(const nlohmann::ordered_json& json, Team& team, std::string* error = nullptr);

// The information block, halves, currentPeriod, both teams and event lists,
// and the derived homeScore / visitorScore (not read back).
nlohmann::ordered_json gameToJson(const Game& game);
bool gameFromJson(const nlohmann::ordered_json& json, Game& game, std::string* error = nullptr);

// Every setting of crtlog.ini. Values the settings file could not carry
// unchanged (a line break in a name, a name too long for its line, a stat
// column width above 500, ...) are refused, so JSON -> file -> JSON is lossless.
nlohmann::ordered_json settingsToJson(const Settings& settings);
bool settingsFromJson(const nlohmann::ordered_json& json, Settings& settings, std::string* error = nullptr);

// The two header values and every entry with all its stored fields; texts
// are refused when longer than their field holds with its terminator.
nlohmann::ordered_json scheduleToJson(const Schedule& schedule);
bool scheduleFromJson(const nlohmann::ordered_json& json, Schedule& schedule, std::string* error = nullptr);

// The "kind" member ("team", "game", "settings", "schedule"), or empty when absent.
std::string jsonKind(const nlohmann::ordered_json& json);

}  // namespace courtlog
