#include "cli/RecordDocument.h"

#include "core/records/JsonForm.h"
#include "core/records/JsonStreamWriter.h"

namespace courtlog::cli {

nlohmann::ordered_json documentToJson(const RecordDocument& document) {
    if (const Team* team = std::get_if<Team>(&document)) return teamToJson(*team);
    if (const Game* game = std::get_if<Game>(&document)) return gameToJson(*game);
    if (const Schedule* schedule = std::get_if<Schedule>(&document)) return scheduleToJson(*schedule);
    return settingsToJson(std::get<Settings>(document));
}

void writeDocumentJson(JsonStreamWriter& out, const RecordDocument& document) {
    if (const Team* team = std::get_if<Team>(&document)) {
        writeTeamJson(out, *team);
    } else if (const Game* game = std::get_if<Game>(&document)) {
        writeGameJson(out, *game);
    } else if (const Schedule* schedule = std::get_if<Schedule>(&document)) {
        writeScheduleJson(out, *schedule);
    } else {
        writeSettingsJson(out, std::get<Settings>(document));
    }
}

}  // namespace courtlog::cli
