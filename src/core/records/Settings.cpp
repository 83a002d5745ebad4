#include "core/records/Settings.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <optional>
#include <vector>

#include "core/records/SafeSave.h"

namespace courtlog {

namespace {

// Line labels of crtlog.ini, in file order. Lines 19-29 have 34-character labels.
constexpr const char* kTopLeft = "Top, Left       : ";
constexpr const char* kBottomRight = "Bottom, Right   : ";
constexpr const char* kWallpaperOrient = "Wallpaper Orient: ";
constexpr const char* kWallpaperBmp = "Wallpaper BMP   : ";
constexpr const char* kArcType = "3-Point Arc Type: ";
constexpr const char* kFoulOut = "Foul Out After  : ";
constexpr const char* kFoulTrouble = "Foul Trouble    : ";
constexpr const char* kBonus = "Bonus After     : ";
constexpr const char* kDoubleBonus = "Dbl Bonus After : ";
constexpr const char* kTimeOuts = "Time Outs/Period: ";
constexpr const char* kShortTimeOuts = "20-Sec TO/Period: ";
constexpr const char* kSound = "Sound is        : ";
constexpr const char* kPromptForShot = "Prompt for Shot : ";
constexpr const char* kHalves = "Uses Halves     : ";
constexpr const char* kBonusQuarter = "Bonus Period Qtr: ";
constexpr const char* kDoubleBonusQuarter = "DBonus Period Qt: ";
constexpr const char* kTimeOutsHalf = "TO Period Half  : ";
constexpr const char* kShortTimeOutsHalf = "20-Sec Per Half : ";
constexpr const char* kColorLabels[5] = {
    "HTML Header Color:                ", "HTML Primary Row Color:           ",
    "HTML Alternate Row Color:         ", "HTML Font Color:                  ",
    "HTML Header Font Color:           "};
constexpr const char* kFontFace = "HTML Font Face Name:              ";
constexpr const char* kBodyFontSize = "HTML Body Font Size:              ";
constexpr const char* kHeaderFontSize = "HTML Header Font Size:            ";
constexpr const char* kScheduleWidths = "Schedule Col Widths:              ";
constexpr const char* kPersonalInfoWidths = "Personal Info Col Widths:         ";
constexpr const char* kStatWidths = "Stat Col Widths:                  ";
constexpr const char* kFootLink = "HTML Page Foot Link:              ";
constexpr const char* kScoreboardOn = "Scoreboard Feed is:               ";
constexpr const char* kScoreboardFolder = "Scoreboard Feed Folder:           ";
constexpr const char* kSwappedConsoleGame = "Swapped Console Game:             ";
// Lines 33 on, in FileFolder order when written, by label when read.
constexpr const char* kFolderLabels[kFileFolderCount] = {
    "Last Team Folder:                 ", "Last Game Folder:                 ",
    "Last Schedule Folder:             ", "Last Export Folder:               ",
    "Last Printout Folder:             ", "Last Picture Folder:              ",
    "Last Handheld Folder:             "};
constexpr std::size_t kLastPositionalLine = 32;
// Room for every folder line and as many again that a later version adds.
constexpr std::size_t kLastLineRead = kLastPositionalLine + 2 * kFileFolderCount;

constexpr std::size_t kLongLineLimit = 199;   // lines 1-18 and 27-29
constexpr std::size_t kShortLineLimit = 79;   // lines 19-26
constexpr std::size_t kFootLinkLineLimit = 34 + Settings::kMaxFootLinkLength;  // line 30
constexpr std::size_t kLabelWidth = 34;       // labels of lines 19-29
constexpr std::size_t kWidthFieldLimit = 10;  // one comma-separated width
constexpr int kMaxStatWidth = 500;
constexpr int kOversizedStatWidth = 100;

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// Matches a line against a label the way a scanf format literal does: a blank
// in the label matches any run of blanks (including none), every other
// character must be equal. Returns the position after the label.
std::optional<std::size_t> matchLabel(std::string_view line, std::string_view label, std::size_t pos = 0) {
    for (char c : label) {
        if (isBlank(c)) {
            while (pos < line.size() && isBlank(line[pos])) ++pos;
        } else {
            if (pos >= line.size() || line[pos] != c) return std::nullopt;
            ++pos;
        }
    }
    return pos;
}

// A decimal number after optional blanks and sign, as %d / %u read it.
// Out-of-range magnitudes saturate instead of overflowing.
std::optional<long long> scanNumber(std::string_view line, std::size_t& pos) {
    std::size_t p = pos;
    while (p < line.size() && isBlank(line[p])) ++p;
    bool negative = false;
    if (p < line.size() && (line[p] == '+' || line[p] == '-')) negative = line[p++] == '-';
    if (p >= line.size() || !std::isdigit(static_cast<unsigned char>(line[p]))) return std::nullopt;
    long long value = 0;
    constexpr long long kCap = 1LL << 40;
    while (p < line.size() && std::isdigit(static_cast<unsigned char>(line[p]))) {
        if (value < kCap) value = value * 10 + (line[p] - '0');
        ++p;
    }
    pos = p;
    return negative ? -value : value;
}

template <typename T>
T clampTo(long long v) {
    return static_cast<T>(std::clamp<long long>(v, std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
}

// "label %d" lines: the number, or nothing when the line does not match.
std::optional<long long> labelledNumber(std::string_view line, std::string_view label) {
    auto pos = matchLabel(line, label);
    if (!pos) return std::nullopt;
    return scanNumber(line, *pos);
}

template <typename T>
void readNumber(std::string_view line, std::string_view label, T& out) {
    if (auto v = labelledNumber(line, label)) out = clampTo<T>(*v);
}

void readFlag(std::string_view line, std::string_view label, bool& out) {
    if (auto v = labelledNumber(line, label)) out = *v != 0;
}

void readColor(std::string_view line, std::string_view label, std::uint32_t& out) {
    // %u takes a sign too and wraps a negative value, like strtoul.
    if (auto v = labelledNumber(line, label))
        out = static_cast<std::uint32_t>(static_cast<std::uint64_t>(std::clamp<long long>(*v, -0xFFFFFFFFLL,
                                                                                           0xFFFFFFFFLL)));
}

// The first width after the label, then each further comma-separated field
// (at most 10 characters) as a decimal number, until a field is empty or the
// array is full.
template <std::size_t N>
void readWidths(std::string_view line, std::string_view label, std::array<std::int32_t, N>& widths, bool limitLarge) {
    auto fix = [&](long long v) {
        auto w = clampTo<std::int32_t>(v);
        return limitLarge && w > kMaxStatWidth ? kOversizedStatWidth : w;
    };
    auto pos = matchLabel(line, label);
    if (!pos) return;
    std::size_t p = *pos;
    auto first = scanNumber(line, p);
    if (!first) return;
    widths[0] = fix(*first);
    std::size_t comma = line.find(',', p);
    std::size_t index = 1;
    while (comma != std::string_view::npos && index < N) {
        std::size_t start = comma + 1;
        comma = line.find(',', start);
        std::string_view field =
            line.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
        field = field.substr(0, std::min(field.size(), kWidthFieldLimit));
        if (field.empty()) break;
        std::size_t fp = 0;
        auto v = scanNumber(field, fp);
        widths[index++] = fix(v.value_or(0));  // atoi-like: no digits reads as 0
    }
}

template <std::size_t N>
void appendWidths(std::string& out, const char* label, const std::array<std::int32_t, N>& widths) {
    out += label;
    for (std::size_t i = 0; i < N; ++i) {
        if (i) out += ',';
        out += std::to_string(widths[i]);
    }
}

void appendLine(std::string& out, const char* label, long long value) {
    out += label;
    out += std::to_string(value);
    out += '\n';
}

bool holdsLineBreak(const std::string& text) { return text.find_first_of("\r\n") != std::string::npos; }

// A "label: folder" line after line 32: the folder it names, when the label
// is one of ours (other labels are left alone, for versions that add some).
void readFolderLine(std::string_view line, std::array<std::string, kFileFolderCount>& folders) {
    if (line.size() <= kLabelWidth) return;
    for (std::size_t kind = 0; kind < kFileFolderCount; ++kind)
        if (line.substr(0, kLabelWidth) == kFolderLabels[kind])
            folders[kind] = std::string(line.substr(kLabelWidth));
}

// Splits the text into lines without their line ends (LF or CRLF).
std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        std::string_view line =
            text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return lines;
}

}  // namespace

void Settings::setDefaults() { *this = Settings{}; }

void Settings::parse(std::string_view text) {
    const auto lines = splitLines(text);
    for (std::size_t i = 0; i < lines.size() && i < kLastLineRead; ++i) {
        const int lineNo = static_cast<int>(i) + 1;
        const std::size_t limit = (lineNo >= 19 && lineNo <= 26) ? kShortLineLimit
                                  : lineNo >= 32                 ? kLabelWidth + Settings::kMaxFolderLength
                                  : lineNo >= 30                 ? kFootLinkLineLimit
                                                                 : kLongLineLimit;
        std::string_view line = lines[i].substr(0, std::min(lines[i].size(), limit));
        switch (lineNo) {
        case 1:
        case 2: {
            auto pos = matchLabel(line, lineNo == 1 ? kTopLeft : kBottomRight);
            if (!pos) break;
            std::size_t p = *pos;
            auto first = scanNumber(line, p);
            if (!first) break;
            (lineNo == 1 ? windowRect.top : windowRect.bottom) = clampTo<std::int32_t>(*first);
            if (auto after = matchLabel(line, ",", p)) {
                p = *after;
                if (auto second = scanNumber(line, p))
                    (lineNo == 1 ? windowRect.left : windowRect.right) = clampTo<std::int32_t>(*second);
            }
            break;
        }
        case 3: readNumber(line, kWallpaperOrient, wallpaperLayout); break;
        case 4: {
            // The rest of the line after the label is the name, blanks included.
            auto pos = matchLabel(line, "Wallpaper BMP   :");
            if (!pos) break;
            std::size_t p = *pos;
            if (p < line.size() && line[p] == ' ') ++p;
            wallpaperFile = std::string(line.substr(p));
            break;
        }
        case 5: readNumber(line, kArcType, league.threePointArc); break;
        case 6: readNumber(line, kFoulOut, league.foulOutAfter); break;
        case 7: readNumber(line, kFoulTrouble, league.foulTroubleAfter); break;
        case 8: readNumber(line, kBonus, league.bonusAfter); break;
        case 9: readNumber(line, kDoubleBonus, league.doubleBonusAfter); break;
        case 10: readNumber(line, kTimeOuts, league.fullTimeOuts); break;
        case 11: readNumber(line, kShortTimeOuts, league.shortTimeOuts); break;
        case 12: readFlag(line, kSound, soundOn); break;
        case 13: readFlag(line, kPromptForShot, promptForShot); break;
        case 14: readFlag(line, kHalves, league.halves); break;
        case 15: readFlag(line, kBonusQuarter, league.bonusPerQuarter); break;
        case 16: readFlag(line, kDoubleBonusQuarter, league.doubleBonusPerQuarter); break;
        case 17: readFlag(line, kTimeOutsHalf, league.fullTimeOutsPerHalf); break;
        case 18: readFlag(line, kShortTimeOutsHalf, league.shortTimeOutsPerHalf); break;
        case 19:
        case 20:
        case 21:
        case 22:
        case 23: readColor(line, kColorLabels[lineNo - 19], htmlColors[static_cast<std::size_t>(lineNo - 19)]); break;
        case 24:
            // The face is whatever follows the 34-character label.
            if (line.size() >= kLabelWidth) htmlFontFace = std::string(line.substr(kLabelWidth));
            break;
        case 25: readNumber(line, kBodyFontSize, htmlBodyFontSize); break;
        case 26: readNumber(line, kHeaderFontSize, htmlHeaderFontSize); break;
        case 27: readWidths(line, kScheduleWidths, scheduleColumnWidths, false); break;
        case 28: readWidths(line, kPersonalInfoWidths, personalInfoColumnWidths, false); break;
        case 29: readWidths(line, kStatWidths, statColumnWidths, true); break;
        case 30:
            // Like the face: whatever follows the 34-character label.
            if (line.size() >= kLabelWidth && line.substr(0, kLabelWidth) == kFootLink)
                htmlFootLink = std::string(line.substr(kLabelWidth));
            break;
        case 31: readFlag(line, kScoreboardOn, scoreboardFeedOn); break;
        case 32:
            if (line.size() >= kLabelWidth && line.substr(0, kLabelWidth) == kScoreboardFolder)
                scoreboardFeedFolder = std::string(line.substr(kLabelWidth));
            break;
        default:
            readFolderLine(line, lastFolders);
            break;
        }
    }
    // And the swapped consoles' games, one a line after the folders, as
    // many as are kept.
    std::vector<std::string> swapped;
    for (std::size_t i = kLastPositionalLine; i < lines.size() && swapped.size() < kMaxSwappedConsoleGames; ++i) {
        const std::string_view line = lines[i].substr(0, std::min(lines[i].size(), kLabelWidth + kMaxFolderLength));
        if (line.size() > kLabelWidth && line.substr(0, kLabelWidth) == kSwappedConsoleGame)
            swapped.emplace_back(line.substr(kLabelWidth));
    }
    if (!swapped.empty()) swappedConsoleGames = std::move(swapped);
}

std::string Settings::format() const {
    std::string out;
    out.reserve(1600);
    out += kTopLeft + std::to_string(windowRect.top) + "," + std::to_string(windowRect.left) + "\n";
    out += kBottomRight + std::to_string(windowRect.bottom) + "," + std::to_string(windowRect.right) + "\n";
    appendLine(out, kWallpaperOrient, wallpaperLayout);
    out += kWallpaperBmp + wallpaperFile + "\n";
    appendLine(out, kArcType, league.threePointArc);
    appendLine(out, kFoulOut, league.foulOutAfter);
    appendLine(out, kFoulTrouble, league.foulTroubleAfter);
    appendLine(out, kBonus, league.bonusAfter);
    appendLine(out, kDoubleBonus, league.doubleBonusAfter);
    appendLine(out, kTimeOuts, league.fullTimeOuts);
    appendLine(out, kShortTimeOuts, league.shortTimeOuts);
    appendLine(out, kSound, soundOn ? 1 : 0);
    appendLine(out, kPromptForShot, promptForShot ? 1 : 0);
    appendLine(out, kHalves, league.halves ? 1 : 0);
    appendLine(out, kBonusQuarter, league.bonusPerQuarter ? 1 : 0);
    appendLine(out, kDoubleBonusQuarter, league.doubleBonusPerQuarter ? 1 : 0);
    appendLine(out, kTimeOutsHalf, league.fullTimeOutsPerHalf ? 1 : 0);
    appendLine(out, kShortTimeOutsHalf, league.shortTimeOutsPerHalf ? 1 : 0);
    for (std::size_t i = 0; i < htmlColors.size(); ++i) appendLine(out, kColorLabels[i], htmlColors[i]);
    out += kFontFace + htmlFontFace + "\n";
    appendLine(out, kBodyFontSize, htmlBodyFontSize);
    appendLine(out, kHeaderFontSize, htmlHeaderFontSize);
    appendWidths(out, kScheduleWidths, scheduleColumnWidths);
    out += '\n';
    appendWidths(out, kPersonalInfoWidths, personalInfoColumnWidths);
    out += '\n';
    appendWidths(out, kStatWidths, statColumnWidths);  // the last line has no newline
    // A line break would end a line early; the link and the folder are one line each.
    auto oneLine = [](std::string text, std::size_t limit) {
        text = text.substr(0, limit);
        for (char& c : text)
            if (c == '\r' || c == '\n') c = ' ';
        return text;
    };
    // A folder that a line cannot hold whole is not remembered.
    auto storable = [](const std::string& folder) {
        return !folder.empty() && folder.size() <= kMaxFolderLength && !holdsLineBreak(folder);
    };
    const bool foldersSet = std::any_of(lastFolders.begin(), lastFolders.end(), storable);
    const bool swapsKept = !swappedConsoleGames.empty();
    const bool feedSet = scoreboardFeedOn || !scoreboardFeedFolder.empty();
    if (!htmlFootLink.empty() || feedSet || foldersSet || swapsKept) {
        out += '\n';
        out += kFootLink + oneLine(htmlFootLink, kMaxFootLinkLength);
    }
    if (feedSet || foldersSet || swapsKept) {
        out += '\n';
        appendLine(out, kScoreboardOn, scoreboardFeedOn ? 1 : 0);
        out += kScoreboardFolder + oneLine(scoreboardFeedFolder, kMaxFolderLength);
    }
    for (std::size_t kind = 0; kind < kFileFolderCount; ++kind) {
        if (!storable(lastFolders[kind])) continue;
        out += '\n';
        out += kFolderLabels[kind] + lastFolders[kind];
    }
    const std::size_t firstKept =
        swappedConsoleGames.size() > kMaxSwappedConsoleGames ? swappedConsoleGames.size() - kMaxSwappedConsoleGames : 0;
    for (std::size_t i = firstKept; i < swappedConsoleGames.size(); ++i) {
        if (swappedConsoleGames[i].empty()) continue;
        out += '\n';
        out += kSwappedConsoleGame + oneLine(swappedConsoleGames[i], kMaxFolderLength);
    }
    return out;
}

bool Settings::readSettings(const std::string& path, std::string* error) {
    std::string reason;
    auto bytes = readWholeFile(path, kMaxFileSize, &reason);
    if (!bytes) {
        if (error) *error = "Can't read settings ! " + path + (reason.empty() ? "" : ": " + reason);
        return false;
    }
    parse(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
    return true;
}

bool Settings::writeSettings(const std::string& path, std::string* error) const {
    return safeSave(path, std::string_view(format()), error);
}

}  // namespace courtlog
