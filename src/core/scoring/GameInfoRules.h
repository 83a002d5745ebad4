#pragma once

#include <string>
#include <string_view>

#include "core/records/Game.h"

namespace courtlog::scoring {

// The rules of the game information dialog's date, time and season fields.

struct GameDate {
    int month = 1;
    int day = 1;
    int year = 0;
    bool operator==(const GameDate&) const = default;
};

// The three fields as the dialog shows them and as they were typed.
struct GameInfoTexts {
    std::string date;    // month/day/year, "%d/%d/%d"
    std::string time;    // hours and minutes with at least two digits each: "07:05"
    std::string season;  // "%d" on opening, "%6d" after a season button
    bool operator==(const GameInfoTexts&) const = default;
};

std::string gameDateText(GameDate date);
std::string gameTimeText(int hour, int minute);

// What the fields show on opening: a game still being described (isNew)
// opens on today at 12:00 in this year's season; a game read from its file
// shows its own date, time and season.
GameInfoTexts openingGameInfo(const Game& game, GameDate today);

// The fields read back into game: a month outside 1..12 or a day outside
// 1..31 becomes 1, a year or a season outside 0..9999 becomes thisYear; the
// time is taken as typed, held within the 16 bits it is stored in.
void readBackGameInfo(Game& game, const GameInfoTexts& typed, int thisYear);

// The date the picker opens on: the typed date when its month is 1..12, its
// day 1..31 and its year not negative; otherwise today.
GameDate pickerStartDate(std::string_view typedDate, GameDate today);

// The season buttons: up makes a negative season 0, adds 1 below 9999 and
// wraps 9999 (or more) to 0; down subtracts 1 from 1..9999 and makes
// anything else 9999.
int seasonUp(int season);
int seasonDown(int season);
// The typed season (0 when it holds no number) stepped by a button, as the
// field then shows it ("%6d").
std::string steppedSeasonText(std::string_view typedSeason, bool up);

}  // namespace courtlog::scoring
