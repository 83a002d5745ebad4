#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/records/Game.h"
#include "core/records/ScheduleEntry.h"

namespace courtlog {

// The schedule editor's form as typed: texts in the record's single-byte
// form, and the index in the event-kind list (0 is "Practice").
struct ScheduleFormFields {
    std::string date;  // month/day/year
    std::string time;  // hour:minute
    std::string court;
    std::string homeName;
    std::string visitorName;
    std::string note;
    int kindIndex = GameEvent - 1;
};

struct TimeOfDay {
    int hour = 12;
    int minute = 0;
};

// The form's date field read as month/day/year; today when it holds no
// month 1..12, day 1..31 and year of 0 or more.
EventDate dateFromField(std::string_view text, EventDate today);
// The form's time field read as hour:minute. An hour outside 0..24 (or none)
// becomes 12, a minute outside 0..59 (or none) becomes 0.
TimeOfDay timeFromField(std::string_view text);

// "%d/%d/%d" month/day/year, as the date field and the list show a date.
std::string dateFieldText(const EventDate& date);
// "%d:%02d", as the time field and the list show a time.
std::string timeFieldText(int hour, int minute);
// "%s vs. %s": the game field for a chosen game.
std::string gameFieldText(std::string_view homeName, std::string_view visitorName);

// The entry the form describes: date, time, kind, court, names and note from
// the form; the team files, game file, season and reserved values from the
// entry last loaded into the form.
ScheduleEntry entryFromForm(const ScheduleFormFields& form, const ScheduleEntry& loaded, EventDate today);

// What the form has chosen, and the captions of its three side buttons.
struct ScheduleChoices {
    bool homeTeam = false;
    bool visitorTeam = false;
    bool game = false;

    // The game's button: "Edit" once a game is chosen, else "Start".
    std::string_view gameCaption() const;
    // A team's button: "N/A" with a game chosen, else "Edit" for a chosen
    // team and "Create" for none.
    std::string_view homeCaption() const;
    std::string_view visitorCaption() const;
};

// A game to score from a scheduled event: both teams read from the entry's
// team files (roster without personal information), the names from the
// entry, date and time from the form under the form's rules, the court from
// the form's place field, the season from the entry. nullopt with the reason when a team file cannot
// be read.
std::optional<Game> gameForScheduledEvent(const ScheduleEntry& entry, const ScheduleFormFields& form,
                                          EventDate today, bool playedInHalves, std::string* error = nullptr);

}  // namespace courtlog
