#include "core/records/ScheduleListing.h"

#include "core/records/ScheduleForm.h"
#include "core/records/ScheduledFiles.h"

namespace courtlog {

ScheduleListRow scheduleListRow(const ScheduleEntry& entry, const Game* game) {
    ScheduleListRow row;
    row[static_cast<std::size_t>(ScheduleColumn::Date)] = dateFieldText(entry.date);
    row[static_cast<std::size_t>(ScheduleColumn::Time)] = timeFieldText(entry.hour, entry.minute);
    row[static_cast<std::size_t>(ScheduleColumn::Event)] = std::string(scheduleEventKindText(entry.kind));
    row[static_cast<std::size_t>(ScheduleColumn::Home)] = game ? game->homeName : entry.homeName;
    row[static_cast<std::size_t>(ScheduleColumn::Visitor)] = game ? game->visitorName : entry.visitorName;
    row[static_cast<std::size_t>(ScheduleColumn::GameFile)] = game ? entry.gameFile : std::string();
    row[static_cast<std::size_t>(ScheduleColumn::Court)] = entry.court;
    row[static_cast<std::size_t>(ScheduleColumn::Note)] = entry.note;
    return row;
}

ScheduleListing listSchedule(Schedule& schedule, const std::vector<std::string>& gameFolders) {
    ScheduleListing listing;
    listing.rows.reserve(schedule.entries.size());
    for (std::size_t i = 0; i < schedule.entries.size(); ++i) {
        ScheduleEntry& entry = schedule.entries[i];
        if (entry.gameFile.empty()) {
            listing.rows.push_back(scheduleListRow(entry, nullptr));
            continue;
        }
        std::optional<ScheduledGame> found = loadScheduledGame(entry.gameFile, gameFolders);
        if (!found) {
            entry.gameFile.clear();
            entry.homeFile.clear();
            entry.visitorFile.clear();
            listing.lostGames.push_back(static_cast<int>(i));
            listing.rows.push_back(scheduleListRow(entry, nullptr));
            continue;
        }
        if (auto field = scheduleFieldForPath(found->path)) entry.gameFile = *field;
        listing.rows.push_back(scheduleListRow(entry, &found->game));
    }
    return listing;
}

}  // namespace courtlog
