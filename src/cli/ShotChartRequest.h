#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "core/records/Settings.h"
#include "core/records/SettingsLocation.h"
#include "core/scoring/CourtGeometry.h"
#include "core/stats/ShotAnalysis.h"
#include "core/stats/ShotChartFilter.h"
#include "cli/StatsRequest.h"

// The words that choose a shot chart on the command line, shared by "shots"
// and "pdf shots":
//   (--team NAME [--opponents] | --all) [--player NAME] [--period P]
//   [--kind 2s|3s|all] [--settings FILE] GAME...
namespace courtlog::cli {

struct ShotChartRequest {
    std::string team;  // as typed (UTF-8)
    bool haveTeam = false;
    bool allTeams = false;
    bool opponents = false;
    std::string player;  // as typed (UTF-8)
    bool havePlayer = false;
    std::size_t period = 0;  // index into stats::periodChoices()
    stats::ShotKindChoice kind = stats::ShotKindChoice::All;
    std::vector<std::string> games;
    // Without --settings: the current folder's crtlog.ini, else the user's.
    std::string settings = verbSettingsFile();
    bool settingsGiven = false;

    // The files, team and all-teams flag as the chart's dialog gets them.
    stats::ShotAnalysis analysis() const;
    stats::ShotSelection selection() const;
    stats::ShotChartFilter filter() const;
};

// Options may stand anywhere; "--" ends them. False with the reason in
// error on wrong usage.
bool parseShotChartRequest(const std::vector<std::string>& args, ShotChartRequest& request, std::string& error);

// The court the chart is drawn on: the arc of the settings file (the
// defaults when no file was named and the program has none). False with
// the reason when a file named with --settings cannot be read.
bool readCourtArc(const ShotChartRequest& request, scoring::ThreePointArc& arc, std::string& error);

// Collects the shots the request asks for into analysis. Game files are
// answered as reportLoadProblems says (how it went in read), and a player
// whom no roster read names is an error; each goes to err. False when the
// run should end before any output.
bool collectShots(const ShotChartRequest& request, stats::ShotAnalysis& analysis, std::ostream& err,
                  GamesRead& read);

}  // namespace courtlog::cli
