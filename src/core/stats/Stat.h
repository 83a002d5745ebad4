#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/stats/StatLine.h"

namespace courtlog {

class Game;
class Team;
struct PlayEvent;
struct PlayRecords;

// Per-player statistics over saved games (or the game in progress) for one
// team, its opponents, or every team. Lines are kept in creation order, with
// the "TEAM TOTALS" line last once finish has run; a hash index beside the
// list finds a line by player and team name without scanning.
class Stat {
public:
    static constexpr std::string_view kTotalsName = "TEAM TOTALS";
    static constexpr std::string_view kAllTeamsName = "All Teams";

    // A game file that did not load, and why.
    struct LoadProblem {
        std::string path;
        std::string reason;
    };

    // Appends a game file to read; any number of files may be added.
    void addFile(const std::string& path);

    // Discards all lines, reads every added file one at a time and ends with
    // finish. With opponents set the players facing the named team are
    // counted instead of its own. In all-teams mode each game counts its home
    // side, then its visiting side.
    void compute(bool opponents);
    // The same over just the game being scored, which is not changed.
    void compute(const Game& gameInProgress, bool opponents);

    // A side of a game by its place, not its name.
    enum class Side { Home, Visitor };
    // Reads one side of a single game, chosen by place, so that two teams
    // of one name each count their own plays (reading by name would take the
    // visiting side twice). The team name becomes that side's name; the game
    // counts as one.
    void computeSide(const Game& game, Side side);

    // Adds the totals line if there is none, moves it last, sets its GP and PP
    // to the given figures, sums the other lines into it and computes the
    // derived values of every line. Running it again gives the same result.
    void finish(long long games, long long periods);

    // Appends a copy of every line of other, leaving out its totals line when
    // skipTotals is set.
    void appendLines(const Stat& other, bool skipTotals);

    // Adds every line of other but its totals line to the line of the same
    // player and team here (made when missing, in other's order), GP and PP
    // included. A season's lines are the sum of its games' lines, so each
    // game can be read once for its box score and its season both; Finish
    // the sum with the games and periods it covers.
    void mergeLines(const Stat& other);

    // Discards all lines and all file names.
    void clear();

    // Exact, case-sensitive look-up by player and team name. hasLine treats an
    // empty player name as present, so nameless plays and roster entries never
    // get a line. findLine gives the first line made for the pair, or null.
    bool hasLine(std::string_view playerName, std::string_view teamName) const;
    StatLine* findLine(std::string_view playerName, std::string_view teamName);
    const StatLine* findLine(std::string_view playerName, std::string_view teamName) const;

    // The team's own and its opponents' lines together, opponents first,
    // finished with the GP and PP of the team's totals line.
    static Stat combined(const Stat& team, const Stat& opponents);

    void setTeamName(std::string name) { teamName_ = std::move(name); }
    const std::string& teamName() const { return teamName_; }
    void setAllTeams(bool allTeams) { allTeams_ = allTeams; }
    bool allTeams() const { return allTeams_; }

    const std::vector<std::string>& files() const { return files_; }
    const std::vector<StatLine>& lines() const { return lines_; }
    std::size_t fileCount() const { return files_.size(); }
    std::size_t lineCount() const { return lines_.size(); }
    // The files the last compute could not load, in reading order. They are
    // left out of every figure, the games counted included.
    const std::vector<LoadProblem>& loadProblems() const { return loadProblems_; }

private:
    struct LineKey {
        std::string player;
        std::string team;
    };
    struct LineKeyView {
        std::string_view player;
        std::string_view team;
    };
    struct LineKeyHash {
        using is_transparent = void;
        std::size_t operator()(const LineKeyView& k) const;
        std::size_t operator()(const LineKey& k) const { return (*this)(LineKeyView{k.player, k.team}); }
    };
    struct LineKeyEqual {
        using is_transparent = void;
        template <class A, class B>
        bool operator()(const A& a, const B& b) const {
            return std::string_view(a.player) == std::string_view(b.player) &&
                   std::string_view(a.team) == std::string_view(b.team);
        }
    };

    void clearLines();
    void rebuildIndex();
    std::size_t appendLine(StatLine line);
    std::size_t lineFor(std::string_view playerName, std::string_view teamName, std::int16_t number);
    // lineFor for the team of the side being read, through the slots below.
    std::size_t sideLine(std::string_view playerName, std::string_view teamName, std::int16_t number);
    // Credits the plays and roster of one side to team name team; returns the
    // periods the side adds (highest period + 1). forEachPlay(lineOf, credit)
    // calls credit(line, play) for each play in order, the line found with
    // lineOf(playerName, playerNumber).
    template <typename ForEachPlay>
    long long creditSide(const ForEachPlay& forEachPlay, const Team& roster, const std::string& team);
    // creditSide over a list of plays, or over a side's records in a file.
    long long readSide(const std::vector<PlayEvent>& plays, const Team& roster, const std::string& team);
    long long readSide(const PlayRecords& plays, bool home, const Team& roster, const std::string& team);
    // Reads one game for the named team (or its opponents); false when the
    // team does not play in it. readSideOf(home) credits a side and returns
    // its periods, which are added to periodSum.
    template <typename ReadSideOf>
    bool readGame(const Game& game, bool opponents, long long& periodSum, const ReadSideOf& readSideOf);

    std::vector<std::string> files_;
    std::string teamName_;
    bool allTeams_ = false;
    std::vector<StatLine> lines_;
    std::unordered_map<LineKey, std::size_t, LineKeyHash, LineKeyEqual> index_;
    std::vector<LoadProblem> loadProblems_;

    // Lines met so far, so that the plays and rosters, which name the same
    // players game after game, mostly skip the hashing: a table addressed by
    // the team and the name's first and last bytes and length, holding names
    // as long as a record's. A slot belongs to the team whose number it
    // carries (0: none). Whenever line numbers change the teams' numbers are
    // forgotten; as no number is given twice, every slot is then stale
    // without the table being cleared (a box score over one game reads two
    // sides and would spend more on clearing than on reading). The table is
    // made at the first side read.
    static constexpr std::size_t kSlotNameBytes = 25;
    struct SideSlot {
        std::uint32_t team = 0;
        std::uint32_t size = 0;
        std::size_t line = 0;
        std::array<char, kSlotNameBytes> name{};
    };
    static constexpr std::size_t kSideSlots = 1024;
    void forgetSlots();
    std::vector<SideSlot> sideSlots_;
    std::unordered_map<std::string, std::uint32_t> teamNumbers_;
    std::uint32_t lastTeamNumber_ = 0;
    std::uint32_t team_ = 0;  // the number of the side being read
};

}  // namespace courtlog
