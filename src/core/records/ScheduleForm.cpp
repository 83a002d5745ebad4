#include "core/records/ScheduleForm.h"

#include <cstdio>

#include "core/records/CalendarDate.h"
#include "core/records/FieldText.h"
#include "core/records/ScheduledFiles.h"
#include "core/records/TeamSource.h"

namespace courtlog {

namespace {

std::string cutTo(std::string_view text, std::size_t length) { return cut(text, length); }

bool readTeam(const std::string& field, Team& team, std::string* error) {
    const std::string path = pathFromScheduleField(field);
    team.noPersonalInfo = true;
    if (path.empty()) {
        if (error) *error = "Can't load team ! ";
        return false;
    }
    // No game is played with players missing from a damaged file.
    return loadTeamForUse(path, team, error) == TeamLoad::Loaded;
}

}  // namespace

EventDate dateFromField(std::string_view text, EventDate today) {
    return dateFromText(text).value_or(today);
}

TimeOfDay timeFromField(std::string_view text) {
    int values[2] = {-1, -1};
    scanNumbers(text, ':', values, 2);
    TimeOfDay time;
    time.hour = values[0] >= 0 && values[0] <= 24 ? values[0] : 12;
    time.minute = values[1] >= 0 && values[1] <= 59 ? values[1] : 0;
    return time;
}

std::string dateFieldText(const EventDate& date) {
    return std::to_string(date.month) + "/" + std::to_string(date.day) + "/" + std::to_string(date.year);
}

std::string timeFieldText(int hour, int minute) {
    char text[32];
    std::snprintf(text, sizeof text, "%d:%02d", hour, minute);
    return text;
}

std::string gameFieldText(std::string_view homeName, std::string_view visitorName) {
    return std::string(homeName) + " vs. " + std::string(visitorName);
}

ScheduleEntry entryFromForm(const ScheduleFormFields& form, const ScheduleEntry& loaded, EventDate today) {
    ScheduleEntry entry = loaded;
    entry.date = dateFromField(form.date, today);
    const TimeOfDay time = timeFromField(form.time);
    entry.hour = time.hour;
    entry.minute = time.minute;
    entry.homeName = cutTo(form.homeName, ScheduleEntry::kNameLength);
    entry.visitorName = cutTo(form.visitorName, ScheduleEntry::kNameLength);
    entry.court = cutTo(form.court, ScheduleEntry::kNameLength);
    entry.note = cutTo(form.note, ScheduleEntry::kNoteLength);
    entry.kind = form.kindIndex + 1;
    return entry;
}

std::string_view ScheduleChoices::gameCaption() const { return game ? "Edit" : "Start"; }

std::string_view ScheduleChoices::homeCaption() const {
    if (game) return "N/A";
    return homeTeam ? "Edit" : "Create";
}

std::string_view ScheduleChoices::visitorCaption() const {
    if (game) return "N/A";
    return visitorTeam ? "Edit" : "Create";
}

std::optional<Game> gameForScheduledEvent(const ScheduleEntry& entry, const ScheduleFormFields& form,
                                          EventDate today, bool playedInHalves, std::string* error) {
    Game game(playedInHalves);
    if (!readTeam(entry.homeFile, game.home, error) || !readTeam(entry.visitorFile, game.visitor, error))
        return std::nullopt;
    game.home.fileSize = 0;
    game.visitor.fileSize = 0;
    const EventDate date = dateFromField(form.date, today);
    game.year = toInt16(date.year);
    game.day = date.day;
    game.month = date.month;
    const TimeOfDay time = timeFromField(form.time);
    game.hour = static_cast<std::int16_t>(time.hour);
    game.minute = static_cast<std::int16_t>(time.minute);
    game.homeName = cutTo(entry.homeName, Game::kTextWidth - 1);
    game.visitorName = cutTo(entry.visitorName, Game::kTextWidth - 1);
    game.court = cutTo(form.court, Game::kTextWidth - 1);
    // The event's season, not the season of the day it is scored on.
    if (entry.season >= 0 && entry.season <= 9999) game.season = static_cast<std::int16_t>(entry.season);
    game.isNew = 0;
    return game;
}

}  // namespace courtlog
