#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "core/output/HtmlPage.h"
#include "core/output/HtmlStyle.h"
#include "core/records/Schedule.h"

namespace courtlog::site {

// What a league's web site is built from.
struct SiteRequest {
    static constexpr const char* kDefaultTitle = "Season";

    std::string folder;              // where the site goes (see SiteFolder)
    std::string title;               // UTF-8; empty gives kDefaultTitle
    std::vector<std::string> games;  // game files; one named twice is read once
    const Schedule* schedule = nullptr;  // for the upcoming entries; null: none
    output::HtmlStyle style;
    output::ClockReading now;  // stamps the pages; its date is "today" for the schedule
};

// How a build reports on its way: step(done, total) after each game and at
// the end (total is the games plus one); stopRequested is asked between
// games. Either may be empty. Both are called on the building thread.
struct SiteProgress {
    std::function<void(std::size_t done, std::size_t total)> step;
    std::function<bool()> stopRequested;
};

struct SiteOutcome {
    enum class Result { Built, Failed, Stopped };
    Result result = Result::Failed;
    std::string message;                // why it failed
    std::vector<std::string> warnings;  // what was left out; the site is built all the same
    std::size_t pages = 0;              // pages written, the index included
    std::string index;                  // the index page's path, once built
};

// Builds the site: reads each game once, writes a page per game, a page per
// team, the index and the stylesheet beside the folder, then puts them in
// its place whole. A game that does not load fails the build with
// "Can't load game ! PATH: reason", leaving the folder as it was.
SiteOutcome buildSite(const SiteRequest& request, const SiteProgress& progress = {});

}  // namespace courtlog::site
