#include "core/output/RosterPrintText.h"

#include <cctype>
#include <cstdio>

#include "core/records/Codes.h"

namespace courtlog::output {

namespace {

std::string columns(const std::string& number, const std::string& name, std::string_view position,
                    std::string_view starter) {
    const std::string positionText(position), starterText(starter);
    char line[256];
    std::snprintf(line, sizeof line, "%-2s %-25s %-20s %-20s", number.c_str(), name.c_str(),
                  positionText.c_str(), starterText.c_str());
    return line;
}

}  // namespace

std::string_view starterText(int courtSlot) {
    switch (courtSlot) {
        case 1:
        case 2:
            return "Guard";
        case 3:
            return "Center";
        case 4:
        case 5:
            return "Forward";
        default:
            return "-";
    }
}

std::string rosterPrintHeading() { return columns("#", "Name", "Position", "Starter"); }

std::string rosterPrintLine(const Player& player) {
    return "#" + columns(uniformText(player.number), player.name, positionText(player.position),
                         starterText(player.courtSlot));
}

std::vector<std::string> rosterLogoForms(std::string_view logoFile) {
    std::vector<std::string> forms;
    auto add = [&forms](std::string_view form) {
        if (form.empty()) return;
        for (const std::string& known : forms)
            if (known == form) return;
        forms.emplace_back(form);
    };
    add(logoFile);
    const bool drive =
        logoFile.size() >= 2 && logoFile[1] == ':' && std::isalpha(static_cast<unsigned char>(logoFile[0]));
    if (drive) add(logoFile.substr(2));
    const std::size_t slash = logoFile.find_last_of("/\\");
    add(slash == std::string_view::npos ? logoFile : logoFile.substr(slash + 1));
    return forms;
}

std::string assistantText(const std::string& assistant) { return " " + assistant; }

}  // namespace courtlog::output
