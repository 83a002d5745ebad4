#pragma once

#include <string>
#include <vector>

#include "core/records/Schedule.h"
#include "core/site/SitePage.h"

namespace courtlog::site {

class Season;
struct Standing;

// The entries of a schedule still to come on today's date or later, by
// start; an entry whose date or time does not exist is left out, with a
// warning naming it in warnings.
std::vector<ScheduleEntry> upcomingEntries(const Schedule& schedule, const output::ClockReading& today,
                                           std::vector<std::string>& warnings);

// The site's front page: the title, the standings (Team, GP, W, L, Pct, PF,
// PA), the results newest first (date, visitor and score, home and score,
// each result linking to its game's page), the leaders (the best ten by
// points, rebounds, assists, steals and blocked shots per game) and, when
// a schedule was given (upcoming not null), the entries still to come.
std::string indexPage(const SiteFrame& frame, const Season& season, const std::vector<Standing>& standings,
                      const std::vector<ScheduleEntry>* upcoming);

}  // namespace courtlog::site
