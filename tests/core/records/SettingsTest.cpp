#include "core/records/Settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "RecordBuilders.h"

using namespace courtlog;

namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines, std::size_t count) {
    std::string out;
    for (std::size_t i = 0; i < count; ++i) out += lines[i] + "\n";
    return out;
}

Settings changedSettings() {
    Settings s;
    s.windowRect = {12, 34, 700, 560};
    s.wallpaperLayout = 2;
    s.wallpaperFile = "C:\\My Pictures\\gym floor.bmp";
    s.league.threePointArc = 2;
    s.league.foulOutAfter = 6;
    s.league.foulTroubleAfter = 4;
    s.league.bonusAfter = 7;
    s.league.doubleBonusAfter = 12;
    s.league.bonusPerQuarter = false;
    s.league.doubleBonusPerQuarter = true;
    s.league.fullTimeOuts = 5;
    s.league.fullTimeOutsPerHalf = true;
    s.league.shortTimeOuts = 1;
    s.league.shortTimeOutsPerHalf = true;
    s.league.halves = true;
    s.soundOn = false;
    s.promptForShot = false;
    s.htmlColors = {1u, 0xFFFFFFFFu, 3u, 4u, 0x00123456u};
    s.htmlFontFace = "Courier New";
    s.htmlBodyFontSize = 2;
    s.htmlHeaderFontSize = 5;
    s.htmlFootLink = "https://example.org/eagles?season=2024&page=1";
    s.scheduleColumnWidths[7] = 250;
    s.personalInfoColumnWidths[0] = 1;
    s.statColumnWidths[44] = 499;
    return s;
}

}  // namespace

TEST(Settings, DefaultsWriteTheExactFileAndReadBack) {
    Settings s;
    s.setDefaults();
    const std::string text = s.format();
    const auto lines = linesOf(text);
    ASSERT_EQ(lines.size(), 29u);
    EXPECT_EQ(lines[0], "Top, Left       : 0,0");
    EXPECT_EQ(lines[1], "Bottom, Right   : 480,640");
    EXPECT_EQ(lines[3], "Wallpaper BMP   : logo.bmp");
    EXPECT_EQ(lines[8], "Dbl Bonus After : 10");
    EXPECT_EQ(lines[17], "20-Sec Per Half : 0");
    EXPECT_EQ(lines[18], "HTML Header Color:                14088953");
    EXPECT_EQ(lines[23], "HTML Font Face Name:              Fixed Width");
    EXPECT_EQ(lines[26], "Schedule Col Widths:              75,60,90,90,90,90,50,200");
    EXPECT_EQ(lines[27], "Personal Info Col Widths:         130,75,75,150,100,75,60,100,100");
    EXPECT_EQ(lines[28].substr(0, 42), "Stat Col Widths:                  130,30,3");
    // The last line carries no newline; the file ends on the last width.
    EXPECT_EQ(text.substr(text.size() - 4), ",130");

    Settings back;
    back.scheduleColumnWidths.fill(1);
    back.league.halves = true;
    back.parse(text);
    EXPECT_EQ(back, s);
}

TEST(Settings, EveryValueSurvivesTheFileIncludingCrLfLineEnds) {
    const Settings s = changedSettings();
    Settings back;
    back.parse(s.format());
    EXPECT_EQ(back, s);
    EXPECT_EQ(back.wallpaperFile, "C:\\My Pictures\\gym floor.bmp");

    std::string crlf;
    for (const auto& line : linesOf(s.format())) crlf += line + "\r\n";
    Settings fromCrLf;
    fromCrLf.parse(crlf);
    EXPECT_EQ(fromCrLf, s);
}

TEST(Settings, EighteenLineFileSetsLeagueOptionsOnly) {
    const Settings changed = changedSettings();
    Settings s;
    s.parse(joinLines(linesOf(changed.format()), 18));
    EXPECT_EQ(s.league, changed.league);
    EXPECT_EQ(s.windowRect, changed.windowRect);
    EXPECT_EQ(s.wallpaperFile, changed.wallpaperFile);
    EXPECT_FALSE(s.soundOn);
    const Settings defaults;
    EXPECT_EQ(s.htmlColors, defaults.htmlColors);
    EXPECT_EQ(s.htmlFontFace, defaults.htmlFontFace);
    EXPECT_EQ(s.htmlHeaderFontSize, defaults.htmlHeaderFontSize);
    EXPECT_EQ(s.scheduleColumnWidths, defaults.scheduleColumnWidths);
    EXPECT_EQ(s.statColumnWidths, defaults.statColumnWidths);
}

TEST(Settings, StatWidthAbove500ReadsAs100ButScheduleWidthIsKept) {
    auto lines = linesOf(Settings{}.format());
    lines[26] = "Schedule Col Widths:              600,60,90,90,90,90,50,200";
    lines[28] = "Stat Col Widths:                  600,501,500";
    std::string text = joinLines(lines, 29);
    Settings s;
    s.parse(text);
    EXPECT_EQ(s.scheduleColumnWidths[0], 600);
    EXPECT_EQ(s.statColumnWidths[0], 100);
    EXPECT_EQ(s.statColumnWidths[1], 100);
    EXPECT_EQ(s.statColumnWidths[2], 500);
    // Widths not on the line keep their value.
    EXPECT_EQ(s.statColumnWidths[3], Settings{}.statColumnWidths[3]);
}

TEST(Settings, WidthsStopAtAnEmptyFieldAndBeyond199Characters) {
    auto lines = linesOf(Settings{}.format());
    lines[26] = "Schedule Col Widths:              1,2,,4,5";
    std::string longLine = "Personal Info Col Widths:         7";
    for (int i = 0; i < 6; ++i) longLine += ",8";
    longLine += ",8" + std::string(160, ' ') + ",9";  // the last width lies beyond the 199th character
    lines[27] = longLine;
    Settings s;
    s.parse(joinLines(lines, 29));
    EXPECT_EQ(s.scheduleColumnWidths[0], 1);
    EXPECT_EQ(s.scheduleColumnWidths[1], 2);
    EXPECT_EQ(s.scheduleColumnWidths[2], 90);
    EXPECT_EQ(s.scheduleColumnWidths[3], 90);
    EXPECT_EQ(s.personalInfoColumnWidths[0], 7);
    EXPECT_EQ(s.personalInfoColumnWidths[7], 8);
    EXPECT_EQ(s.personalInfoColumnWidths[8], 100);  // never reached, default stays
}

TEST(Settings, NonMatchingLabelKeepsTheValueAndFlagsBecomeOne) {
    auto lines = linesOf(Settings{}.format());
    lines[5] = "Fouls Out After : 9";  // label mismatch: value kept
    lines[6] = "Foul Trouble    : 4";
    lines[13] = "Uses Halves     : 7";  // any nonzero value is 1
    lines[18] = "HTML Header Colour:               5";
    lines[24] = "HTML Body Font Size:              x";
    Settings s;
    s.parse(joinLines(lines, 29));
    EXPECT_EQ(s.league.foulOutAfter, 5);
    EXPECT_EQ(s.league.foulTroubleAfter, 4);
    EXPECT_TRUE(s.league.halves);
    EXPECT_EQ(s.htmlColors[0], Settings::kDefaultHtmlColors[0]);
    EXPECT_EQ(s.htmlBodyFontSize, 3);
}

// The foot link is a 30th line, written only when set: a file without one
// is the 29-line file of older versions, and a file with one starts with
// exactly those 29 lines, which is all an older version reads.
TEST(Settings, FootLinkIsAThirtiethLineThatOlderFilesAndReadersDoWithout) {
    Settings withLink = changedSettings();
    Settings without = withLink;
    without.htmlFootLink.clear();
    const std::string oldForm = without.format();
    const std::string newForm = withLink.format();
    EXPECT_EQ(linesOf(oldForm).size(), 29u);
    ASSERT_EQ(linesOf(newForm).size(), 30u);
    EXPECT_EQ(newForm.substr(0, oldForm.size() + 1), oldForm + "\n");
    EXPECT_EQ(linesOf(newForm)[29], "HTML Page Foot Link:              https://example.org/eagles?season=2024&page=1");

    Settings fromOld;
    fromOld.parse(oldForm);
    EXPECT_EQ(fromOld, without);
    // Line 29 read by an older version ends in a newline now; its widths
    // are the same.
    Settings lastLineOnly;
    lastLineOnly.parse(joinLines(linesOf(newForm), 29));
    EXPECT_EQ(lastLineOnly.statColumnWidths, withLink.statColumnWidths);

    // A line break cannot split the line.
    withLink.htmlFootLink = "https://example.org/a\nStat Col Widths:                  1";
    Settings back;
    back.parse(withLink.format());
    EXPECT_EQ(back.htmlFootLink, "https://example.org/a Stat Col Widths:                  1");
    EXPECT_EQ(back.statColumnWidths, withLink.statColumnWidths);
}

// The scoreboard feed takes lines 31 and 32, after an empty foot link when
// none is set, and reads back; without the feed the file stays as it was.
TEST(Settings, ScoreboardFeedIsKeptOnLines31And32) {
    Settings feed = changedSettings();
    feed.htmlFootLink.clear();
    feed.scoreboardFeedOn = true;
    feed.scoreboardFeedFolder = "/srv/stream feed";
    const auto lines = linesOf(feed.format());
    ASSERT_EQ(lines.size(), 32u);
    EXPECT_EQ(lines[29], "HTML Page Foot Link:              ");
    EXPECT_EQ(lines[30], "Scoreboard Feed is:               1");
    EXPECT_EQ(lines[31], "Scoreboard Feed Folder:           /srv/stream feed");
    Settings back;
    back.parse(feed.format());
    EXPECT_EQ(back, feed);
}

// Games left with their consoles swapped follow on lines 33 and on, one a
// line, after lines 30 to 32 as they stand; a file of 32 lines or fewer
// reads as none. Lines of another label are skipped.
TEST(Settings, SwappedConsoleGamesFollowTheFeedLines) {
    Settings swapped;
    swapped.swappedConsoleGames = {"/games/final.gam", "/games/semi final.gam"};
    auto lines = linesOf(swapped.format());
    ASSERT_EQ(lines.size(), 34u);
    EXPECT_EQ(lines[29], "HTML Page Foot Link:              ");
    EXPECT_EQ(lines[30], "Scoreboard Feed is:               0");
    EXPECT_EQ(lines[32], "Swapped Console Game:             /games/final.gam");
    EXPECT_EQ(lines[33], "Swapped Console Game:             /games/semi final.gam");
    Settings back;
    back.parse(swapped.format());
    EXPECT_EQ(back, swapped);

    lines.insert(lines.begin() + 33, "Something else:                   /games/other.gam");
    Settings skipping;
    skipping.parse(joinLines(lines, lines.size()));
    EXPECT_EQ(skipping.swappedConsoleGames, swapped.swappedConsoleGames);

    Settings kept;
    kept.swappedConsoleGames = {"/games/kept.gam"};
    kept.parse(joinLines(lines, 32));
    EXPECT_EQ(kept.swappedConsoleGames, std::vector<std::string>{"/games/kept.gam"});

    // No more than the most recent are written or read.
    Settings many;
    for (int i = 0; i < 30; ++i) many.swappedConsoleGames.push_back("/g/" + std::to_string(i) + ".gam");
    EXPECT_EQ(linesOf(many.format()).size(), 32u + Settings::kMaxSwappedConsoleGames);
    Settings manyBack;
    manyBack.parse(many.format());
    ASSERT_EQ(manyBack.swappedConsoleGames.size(), Settings::kMaxSwappedConsoleGames);
    EXPECT_EQ(manyBack.swappedConsoleGames.back(), "/g/29.gam");
}

TEST(Settings, FontFaceIsTheTextAfterTheLabelWhateverTheLabel) {
    auto lines = linesOf(Settings{}.format());
    lines[23] = "Anything at all, 34 characters ...Arial Black";
    Settings s;
    s.parse(joinLines(lines, 29));
    EXPECT_EQ(s.htmlFontFace, "Arial Black");
}

TEST(Settings, FileIsWrittenAndReadThroughThePath) {
    auto dir = std::filesystem::temp_directory_path() / ("courtlog-settings-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string path = (dir / Settings::kFileName).string();
    const Settings s = changedSettings();
    std::string error;
    ASSERT_TRUE(s.writeSettings(path, &error)) << error;
    std::ifstream in(path, std::ios::binary);
    std::string onDisk((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(onDisk, s.format());
    Settings back;
    EXPECT_TRUE(back.readSettings(path));
    EXPECT_EQ(back, s);

    Settings untouched;
    EXPECT_FALSE(untouched.readSettings((dir / "missing.ini").string()));
    EXPECT_EQ(untouched, Settings{});
    std::filesystem::remove_all(dir);
}

TEST(Settings, AFileThatCannotBeReadSaysWhyAndChangesNothing) {
    courtlog::testing::ScratchFolder dir;
    Settings settings;
    std::string error;
    EXPECT_FALSE(settings.readSettings(dir.file("missing.ini"), &error));
    EXPECT_EQ(error, "Can't read settings ! " + dir.file("missing.ini") + ": Can't open " + dir.file("missing.ini") +
                         ": No such file or directory");
    // Far larger than any settings file: refused before it is read.
    courtlog::testing::writeFile(dir.file("huge.ini"), std::string(Settings::kMaxFileSize + 1, '\n'));
    EXPECT_FALSE(settings.readSettings(dir.file("huge.ini"), &error));
    EXPECT_NE(error.find("File too large"), std::string::npos) << error;
    EXPECT_EQ(settings, Settings{});
}

// Remembered folders follow line 32, one labelled line each; the 32 lines
// before them read as they always did, so an older version that stops at
// line 29 or 32 finds every value it knows, and a reader that meets labels
// it does not know (a later version's) skips them.
TEST(Settings, RememberedFoldersFollowLine32) {
    Settings s = changedSettings();
    s.lastFolder(FileFolder::Teams) = "/home/coach/Teams 2024";
    s.lastFolder(FileFolder::Exports) = "/home/coach/web";
    const std::string text = s.format();
    const auto lines = linesOf(text);
    ASSERT_EQ(lines.size(), 34u);
    EXPECT_EQ(lines[29], "HTML Page Foot Link:              " + s.htmlFootLink);
    EXPECT_EQ(lines[30], "Scoreboard Feed is:               0");
    EXPECT_EQ(lines[31], "Scoreboard Feed Folder:           ");
    EXPECT_EQ(lines[32], "Last Team Folder:                 /home/coach/Teams 2024");
    EXPECT_EQ(lines[33], "Last Export Folder:               /home/coach/web");
    Settings back;
    back.parse(text);
    EXPECT_EQ(back, s);

    Settings older;
    older.parse(joinLines(lines, 32));
    Settings expected = s;
    expected.lastFolders = {};
    EXPECT_EQ(older, expected) << "the first 32 lines carry everything else";

    // In any order, beside a line of a later version.
    Settings mixed;
    mixed.parse(joinLines(lines, 32) + "Some Later Setting:                7\n" + lines[33] + "\n" +
                lines[32]);
    EXPECT_EQ(mixed, s);
}

TEST(Settings, AFolderALineCannotHoldIsNotRemembered) {
    Settings s;
    s.lastFolder(FileFolder::Games) = "/home/coach/two\nlines";
    EXPECT_EQ(linesOf(s.format()).size(), 29u);
    s.lastFolder(FileFolder::Pictures) = "/pictures";
    Settings back;
    back.parse(s.format());
    EXPECT_EQ(back.lastFolder(FileFolder::Games), "");
    EXPECT_EQ(back.lastFolder(FileFolder::Pictures), "/pictures");
}
