#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/records/JsonName.h"

namespace courtlog {

struct LeagueOptions {
    std::int16_t threePointArc = 1;  // 0 none, 1 college, 2 pro
    std::int16_t foulOutAfter = 5;
    std::int16_t foulTroubleAfter = 3;
    std::int16_t bonusAfter = 5;
    std::int16_t doubleBonusAfter = 10;
    bool bonusPerQuarter = true;
    bool doubleBonusPerQuarter = false;
    std::int16_t fullTimeOuts = 4;
    bool fullTimeOutsPerHalf = false;
    std::int16_t shortTimeOuts = 2;
    bool shortTimeOutsPerHalf = false;
    bool halves = false;

    bool operator==(const LeagueOptions&) const = default;
};

struct WindowRect {
    std::int32_t left = 0, top = 0, right = 640, bottom = 480;
    bool operator==(const WindowRect&) const = default;
};

// The kinds of file whose dialogs open in the folder where the last file of
// that kind was chosen.
enum class FileFolder : std::size_t { Teams, Games, Schedules, Exports, Printouts, Pictures, Handheld };
inline constexpr std::size_t kFileFolderCount = 7;
// Their names in the JSON form of the settings, in FileFolder order.
inline constexpr JsonName kFileFolderNames[kFileFolderCount] = {"teams",     "games",    "schedules", "exports",
                                                                   "printouts", "pictures", "handheld"};

// Every persisted preference, kept in crtlog.ini.
struct Settings {
    static constexpr const char* kFileName = "crtlog.ini";
    // A settings file is about 1.5 KB; anything far larger is not one.
    static constexpr std::size_t kMaxFileSize = 1 << 20;

    // Colours are 0x00BBGGRR values, as stored in the file.
    enum HtmlColor { HeaderColor, PrimaryRowColor, AlternateRowColor, FontColor, HeaderFontColor };
    static constexpr std::array<std::uint32_t, 5> kDefaultHtmlColors{0x00D6FAF9u, 0x00FFFFFFu, 0x00EEEEEEu,
                                                                     0u, 0u};

    LeagueOptions league;
    WindowRect windowRect;
    std::int32_t wallpaperLayout = 0;  // 0 fit, 1 tile, 2 centre
    std::string wallpaperFile = "logo.bmp";
    bool soundOn = true;
    bool promptForShot = true;
    std::array<std::uint32_t, 5> htmlColors = kDefaultHtmlColors;
    std::string htmlFontFace = "Fixed Width";
    std::int32_t htmlBodyFontSize = 3;
    std::int32_t htmlHeaderFontSize = 3;
    // The address the foot of every HTML page links to; empty: no link.
    // Kept on a 30th line that is written only when a link is set, so a
    // file without one is the 29-line file older versions write and read,
    // and older versions reading a file with one stop after line 29.
    std::string htmlFootLink;
    static constexpr std::size_t kMaxFootLinkLength = 255;
    // The live scoreboard feed: on or off, and the folder it is written to
    // (empty: beside the game file). Kept on lines 31 and 32, written only
    // when the feed is on or has a folder; line 30 is then written too, with
    // an empty link when none is set.
    bool scoreboardFeedOn = false;
    std::string scoreboardFeedFolder;
    static constexpr std::size_t kMaxFolderLength = 4096;
    // The game files whose console was last left with its sides swapped,
    // the most recent last (see SwappedConsoles.h). One line each after
    // the folder lines, written only when there is one; lines 30 to 32 are
    // then written too, with their values as they are.
    std::vector<std::string> swappedConsoleGames;
    static constexpr std::size_t kMaxSwappedConsoleGames = 20;
    // The folder last used for each kind of file (empty: none yet). Kept on
    // lines after 32, one "label: folder" line for each folder known, in
    // any order; lines 30 to 32 are then written too. Older versions read
    // no further than line 32 (the first ones no further than 29), so they
    // read such a file as before and write it back without the folders.
    std::array<std::string, kFileFolderCount> lastFolders;
    std::string& lastFolder(FileFolder kind) { return lastFolders[static_cast<std::size_t>(kind)]; }
    const std::string& lastFolder(FileFolder kind) const {
        return lastFolders[static_cast<std::size_t>(kind)];
    }
    std::array<std::int32_t, 8> scheduleColumnWidths{75, 60, 90, 90, 90, 90, 50, 200};
    std::array<std::int32_t, 9> personalInfoColumnWidths{130, 75, 75, 150, 100, 75, 60, 100, 100};
    std::array<std::int32_t, 45> statColumnWidths{130, 30, 30, 53, 65, 60, 47, 40, 60, 47, 40, 65, 49, 40, 65,
                                                  49,  40, 55, 86, 60, 60, 67, 67, 70, 70, 71, 53, 70, 66, 66,
                                                  90,  30, 67, 66, 66, 66, 66, 66, 66, 66, 66, 66, 66, 66, 130};

    bool operator==(const Settings&) const = default;

    // Every value back to its built-in default (window rectangle 0,0,640,480;
    // the shell centres it on the desktop).
    void setDefaults();

    // Applies the lines of a settings file over the current values; lines
    // that do not match their label leave their value alone.
    void parse(std::string_view text);
    // The 29-line file text (30 with a foot link, 32 with the scoreboard
    // feed, more with remembered folders and swapped consoles), without a
    // newline after the last
    // line.
    std::string format() const;

    // Absent, unreadable or oversized file: nothing changes, false, and
    // error says why ("Can't read settings ! <path>: <reason>").
    bool readSettings(const std::string& path, std::string* error = nullptr);
    // Safe-saves the file; false with a reason on failure.
    bool writeSettings(const std::string& path, std::string* error = nullptr) const;
};

}  // namespace courtlog
