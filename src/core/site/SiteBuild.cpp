#include "core/site/SiteBuild.h"

#include <sys/stat.h>

#include <filesystem>
#include <set>

#include "core/output/BoxScore.h"
#include "core/records/Game.h"
#include "core/site/GamePage.h"
#include "core/site/IndexPage.h"
#include "core/site/PageNames.h"
#include "core/site/Season.h"
#include "core/site/SiteFolder.h"
#include "core/site/Standings.h"
#include "core/site/TeamPage.h"

namespace courtlog::site {

namespace fs = std::filesystem;

namespace {

// The files named, each once (a file is known by its device and inode, so
// another spelling of its path is the same file), in the order first named.
std::vector<std::string> distinctFiles(const std::vector<std::string>& files, std::vector<std::string>& warnings) {
    std::set<std::pair<dev_t, ino_t>> seen;
    std::vector<std::string> distinct;
    for (const std::string& file : files) {
        struct stat status {};
        // One that cannot be looked at is read all the same, to say why.
        if (::stat(file.c_str(), &status) != 0 || seen.insert({status.st_dev, status.st_ino}).second) {
            distinct.push_back(file);
        } else {
            warnings.push_back("Named twice, read once: " + file);
        }
    }
    return distinct;
}

SiteOutcome failed(std::string message, std::vector<std::string> warnings) {
    SiteOutcome outcome;
    outcome.result = SiteOutcome::Result::Failed;
    outcome.message = std::move(message);
    outcome.warnings = std::move(warnings);
    return outcome;
}

}  // namespace

SiteOutcome buildSite(const SiteRequest& request, const SiteProgress& progress) {
    std::vector<std::string> warnings;
    const std::vector<std::string> files = distinctFiles(request.games, warnings);
    const std::size_t total = files.size() + 1;
    const auto stopped = [&progress] { return progress.stopRequested && progress.stopRequested(); };

    SiteFolder folder;
    std::string error;
    if (!folder.begin(request.folder, error)) return failed(error, warnings);

    const SiteFrame frame{request.title.empty() ? std::string(SiteRequest::kDefaultTitle) : request.title,
                          request.now};
    Season season;
    PageNames gamePages("game-");
    std::size_t pages = 0;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (stopped()) return {SiteOutcome::Result::Stopped, {}, warnings, 0, {}};
        // Each game is read once, for its own page and for the season both.
        Game game;
        std::string reason;
        if (!game.load(files[i], &reason))
            return failed("Can't load game ! " + files[i] + (reason.empty() ? "" : ": " + reason), warnings);
        const output::BoxScore boxScore(game);
        const std::string page = gamePages.nameFor(fs::path(files[i]).stem().string());
        season.addGame(boxScore, page);
        const GamePageLinks links{season.team(game.homeName)->page, season.team(game.visitorName)->page};
        if (!folder.write(page, gamePage(frame, boxScore, links), error)) return failed(error, warnings);
        ++pages;
        if (progress.step) progress.step(i + 1, total);
    }
    if (stopped()) return {SiteOutcome::Result::Stopped, {}, warnings, 0, {}};
    season.finish();

    const std::vector<Standing> standings = standingsOf(season);
    for (const Standing& standing : standings) {
        const TeamSeason& team = *season.team(standing.team);
        if (!folder.write(team.page, teamPage(frame, season, team, standing), error)) return failed(error, warnings);
        ++pages;
    }
    std::vector<ScheduleEntry> upcoming;
    if (request.schedule) upcoming = upcomingEntries(*request.schedule, request.now, warnings);
    if (!folder.write(kIndexName, indexPage(frame, season, standings, request.schedule ? &upcoming : nullptr),
                      error) ||
        !folder.write(kStylesheetName, siteStylesheet(request.style), error) || !folder.commit(error))
        return failed(error, warnings);
    ++pages;
    if (progress.step) progress.step(total, total);

    SiteOutcome outcome;
    outcome.result = SiteOutcome::Result::Built;
    outcome.warnings = std::move(warnings);
    outcome.pages = pages;
    outcome.index = (folder.target() / std::string(kIndexName)).string();
    return outcome;
}

}  // namespace courtlog::site
