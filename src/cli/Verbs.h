#pragma once

#include <string>
#include <string_view>
#include <vector>

// Verbs of the command-line tool that live in files of their own. Each gets
// the arguments after the verb, writes its result to standard output and its
// messages to standard error, and returns the exit status (ExitStatus.h).
namespace courtlog::cli {

// Hands text to standard output; false when it could not be written. The
// verbs print their JSON through it.
bool writeToStandardOutput(std::string_view text);

// summary GAME [--settings FILE]: what the console and the team sheets show.
int runSummaryVerb(const std::vector<std::string>& args);

// stats (--team NAME [--opponents|--combined] | --all) GAME...: statistics
// as JSON, or with --csv, --html or --benchboss OUT written as that export.
int runStatsVerb(const std::vector<std::string>& args);

// shots (--team NAME [--opponents] | --all) [--player NAME] [--period P]
// [--kind 2s|3s|all] [--settings FILE] GAME...: the marks a shot chart shows
// and their zones, as JSON.
int runShotsVerb(const std::vector<std::string>& args);

// schedule FILE (--csv OUT | --html OUT | --ics OUT) [--settings FILE]: the
// schedule's comma-delimited, HTML or calendar export.
int runScheduleVerb(const std::vector<std::string>& args);
// boxscore GAME [--html OUT] [--settings FILE]: the box score text, one list
// line per output line, or its HTML page written to OUT in the settings' style.
int runBoxScoreVerb(const std::vector<std::string>& args);
// roster TEAM (--csv OUT | --html OUT) [--personal] [--settings FILE]: the
// team's roster as the team editor's "Save As" writes it.
int runRosterVerb(const std::vector<std::string>& args);

// addresses TEAM (--csv OUT | --html OUT) [--settings FILE]: the players'
// address list as the personal-information dialog exports it.
int runAddressesVerb(const std::vector<std::string>& args);

// site --out DIR [--title TEXT] [--schedule FILE] [--settings FILE] GAME...:
// the league's web site over the games, built beside DIR and put in its place.
int runSiteVerb(const std::vector<std::string>& args);

}  // namespace courtlog::cli
