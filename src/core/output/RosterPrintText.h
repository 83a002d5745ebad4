#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/records/Player.h"

namespace courtlog::output {

// The lines of the roster printout, in a fixed-width font.

// Who starts where on paper: "Guard" for the slots Guard 1 and 2, "Center",
// "Forward" for Forward 1 and 2, "-" for a player who does not start.
std::string_view starterText(int courtSlot);

// The underlined column heading: "#", "Name", "Position", "Starter" in
// columns of 2, 25, 20 and 20 characters.
std::string rosterPrintHeading();

// One player: "#7 " and his name, position and starter text in the same
// columns ("#00" for the uniform 00).
std::string rosterPrintLine(const Player& player);

// The two underlined labels above the heading on the first page. The coach
// follows the width of "Coach: " from the left margin, the assistant the
// width of "Assistant: ", with a blank before his name.
inline constexpr std::string_view kCoachLabel = "Coach:";
inline constexpr std::string_view kAssistantLabel = "Assistant:";
std::string assistantText(const std::string& assistant);

// The roster printout's characters: as many as fit the printable width
// this many times.
inline constexpr int kRosterPrintColumns = 86;

// The names under which the roster printout looks for the team's logo, in
// order: the logo field as stored; without its drive (C:\logos\owl.bmp
// gives \logos\owl.bmp); its bare file name. Forms that repeat one before
// them are left out.
std::vector<std::string> rosterLogoForms(std::string_view logoFile);

}  // namespace courtlog::output
