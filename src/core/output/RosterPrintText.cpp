#include "core/output/RosterPrintText.h"

#include <cstdio>

#include "core/records/Codes.h"

namespace courtlog::output {

namespace {

std::string columns(const std::string& number, const std::string& name, std::string_view position,
                    std::string_view starter) {
    const std::string positionText(position), starterText(starter);
    char line[256];
    std::snprintf(line, sizeof line, "%-2s %-25s %-20s %-20s", number.c_str(), name.c_str(), positionText.c_str(),
                  starterText.c_str());
    return line;
}

}  // namespace

std::string_view starterText(int courtSlot) {
    switch (courtSlot) {
    case 1:
    case 2: return "Guard";
    case 3: return "Center";
    case 4:
    case 5: return "Forward";
    default: return "-";
    }
}

std::string rosterPrintHeading() { return columns("#", "Name", "Position", "Starter"); }

std::string rosterPrintLine(const Player& player) {
    return "#" + columns(uniformText(player.number), player.name, positionText(player.position),
                         starterText(player.courtSlot));
}

std::string assistantText(const std::string& assistant) { return " " + assistant; }

}  // namespace courtlog::output
