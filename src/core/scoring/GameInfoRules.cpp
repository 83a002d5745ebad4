#include "core/scoring/GameInfoRules.h"

#include <cstdio>

#include "core/records/FieldText.h"

namespace courtlog::scoring {

namespace {

bool validMonth(int month) { return month >= 1 && month <= 12; }
bool validDay(int day) { return day >= 1 && day <= 31; }
bool storableYear(int year) { return year >= 0 && year <= 9999; }

}  // namespace

std::string gameDateText(GameDate date) {
    return std::to_string(date.month) + "/" + std::to_string(date.day) + "/" + std::to_string(date.year);
}

std::string gameTimeText(int hour, int minute) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d", hour, minute);
    return text;
}

GameInfoTexts openingGameInfo(const Game& game, GameDate today) {
    if (game.isNew) return {gameDateText(today), gameTimeText(12, 0), std::to_string(today.year)};
    return {gameDateText({game.month, game.day, game.year}), gameTimeText(game.hour, game.minute),
            std::to_string(game.season)};
}

void readBackGameInfo(Game& game, const GameInfoTexts& typed, int thisYear) {
    int date[3] = {0, 0, -1};
    scanNumbers(typed.date, '/', date, 3);
    game.month = static_cast<std::int8_t>(validMonth(date[0]) ? date[0] : 1);
    game.day = static_cast<std::int8_t>(validDay(date[1]) ? date[1] : 1);
    game.year = static_cast<std::int16_t>(storableYear(date[2]) ? date[2] : thisYear);

    int time[2] = {0, 0};
    scanNumbers(typed.time, ':', time, 2);
    game.hour = toInt16(time[0]);
    game.minute = toInt16(time[1]);

    int season = -1;
    scanNumbers(typed.season, ' ', &season, 1);
    game.season = static_cast<std::int16_t>(storableYear(season) ? season : thisYear);
}

GameDate pickerStartDate(std::string_view typedDate, GameDate today) {
    int values[3] = {0, 0, -1};
    scanNumbers(typedDate, '/', values, 3);
    if (!validMonth(values[0]) || !validDay(values[1]) || values[2] < 0) return today;
    return {values[0], values[1], values[2]};
}

int seasonUp(int season) {
    if (season < 0) return 0;
    if (season < 9999) return season + 1;
    return 0;
}

int seasonDown(int season) {
    if (season >= 1 && season <= 9999) return season - 1;
    return 9999;
}

std::string steppedSeasonText(std::string_view typedSeason, bool up) {
    int season = 0;
    scanNumbers(typedSeason, ' ', &season, 1);
    char text[16];
    std::snprintf(text, sizeof text, "%6d", up ? seasonUp(season) : seasonDown(season));
    return text;
}

}  // namespace courtlog::scoring
