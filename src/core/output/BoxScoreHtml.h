#pragma once

#include <string>

#include "core/output/HtmlPage.h"
#include "core/output/HtmlStyle.h"

namespace courtlog::output {

class BoxScore;

// The box score as an HTML page in the given style: the heading, the home
// team's table, the points by period (always in quarter columns: a game in
// halves has its halves under "Qtr1" and "Qtr3"), attendance and officials,
// the visiting team's table and the page foot stamped with now. The page
// head comes first only when withHead is set (not when appending to an
// earlier export). Texts from the game are escaped and written as the game
// file holds them (single-byte); the page's own markup is fixed.
std::string boxScoreHtml(const BoxScore& boxScore, const HtmlStyle& style, bool withHead,
                         const ClockReading& now);

}  // namespace courtlog::output
