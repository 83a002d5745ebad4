// Reading a team from the two text formats: the comma-delimited roster our
// roster export writes, and a plain list with one player per line.
#include <algorithm>
#include <cctype>
#include <climits>
#include <string>
#include <cstdio>
#include <optional>
#include <vector>

#include "core/records/Codes.h"
#include "core/records/CommaDelimited.h"
#include "core/records/Cp1252.h"
#include "core/records/FieldText.h"
#include "core/records/FileKind.h"
#include "core/records/RecordFields.h"
#include "core/records/UniformNumber.h"
#include "core/records/SafeSave.h"
#include "core/records/Team.h"

namespace courtlog {

namespace {

constexpr std::size_t kMaxImportFileSize = 16u * 1024u * 1024u;

// Line limits of the two formats, counted like a C buffer: a limit of 100
// keeps at most 99 characters of a line.
constexpr std::size_t kHeaderLineLimit = 100;
constexpr std::size_t kPlayerLineLimit = 500;
constexpr std::size_t kTextHeaderLineLimit = 25;
constexpr std::size_t kWideField = 60;

// Splits text into lines at '\n', dropping a '\r' before it (files written on
// Windows). An over-long line is cut to its limit by the caller; its rest is
// dropped rather than read as a line of its own.
std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const bool last = end == std::string_view::npos;
        if (last) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

std::string_view limitLine(std::string_view line, std::size_t limit) {
    return line.substr(0, std::min(line.size(), limit - 1));
}

std::string_view stripLeading(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    return s;
}

bool isBlank(std::string_view s) { return stripLeading(s).empty(); }

// A field holds at most width - 1 characters so it stays NUL-terminated in
// its record field; a NUL byte in the file ends the text there, as it would
// in the record.
std::string fieldText(std::string_view s, std::size_t width) {
    const std::size_t nul = s.find('\0');
    if (nul != std::string_view::npos) s = s.substr(0, nul);
    return cut(s, width - 1);
}

// Walks the comma-separated fields of one plain-text line (that format
// knows no quoting).
class FieldCursor {
public:
    explicit FieldCursor(std::string_view line) : rest_(line) {}

    // The text up to the next comma (or the end of the line); the rest of an
    // over-long field is dropped.
    std::string next(std::size_t width) {
        const std::size_t comma = rest_.find(',');
        std::string_view field = rest_.substr(0, comma);
        rest_ = comma == std::string_view::npos ? std::string_view{} : rest_.substr(comma + 1);
        return fieldText(field, width);
    }
    std::string nextStripped(std::size_t width) {
        const std::size_t comma = rest_.find(',');
        std::string_view field = stripLeading(rest_.substr(0, comma));
        rest_ = comma == std::string_view::npos ? std::string_view{} : rest_.substr(comma + 1);
        return fieldText(field, width);
    }

private:
    std::string_view rest_;
};

long parseNumber(std::string_view s) {
    return static_cast<long>(std::clamp<long long>(leadingNumber(s), INT_MIN, INT_MAX));
}

// The uniform number of an imported player, under the roster editor's rule
// ("00" or 0 to 99), with "-1" also read as "00" because that is how the
// uniform 00 is stored. nullopt for anything a team could not give back as
// it was read (empty, "-5", "150", "7b").
std::optional<int> importedUniform(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t");
    const std::size_t end = text.find_last_not_of(" \t");
    if (start != std::string_view::npos && text.substr(start, end - start + 1) == "-1") return kUniformDoubleZero;
    return parseUniform(text);
}

// Both imports refuse a line the same way: where it is, then why.
Team::ImportResult invalidLine(int line, const std::string& reason) {
    Team::ImportResult result;
    result.badLine = line;
    char message[64];
    std::snprintf(message, sizeof message, "Invalid Import Format, line number %d", line);
    result.error = message;
    if (!reason.empty()) result.error += "\n" + reason;
    return result;
}

std::string uniformProblem(const std::string& typed) {
    return "\u201C" + typed + "\u201D is not a uniform number. " + kUniformRule;
}

// Rosters come in Windows-1252, as this program writes them, or in UTF-8,
// as current spreadsheets save them (often behind a byte-order mark). A file
// that is valid UTF-8 and holds non-ASCII text is read as UTF-8 and
// converted; anything else is taken as Windows-1252. On a character that
// Windows-1252 cannot hold, result says which and on what line, and false
// comes back.
bool toWindows1252(std::string_view& text, std::string& converted, Team::ImportResult& result) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    const bool ascii = std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; });
    if (ascii || !isValidUtf8(text)) return true;
    StrictCp1252 strict = utf8ToCp1252Strict(text);
    if (!strict.ok) {
        const std::string_view before = text.substr(0, strict.badOffset);
        result.badLine = 1 + static_cast<int>(std::count(before.begin(), before.end(), '\n'));
        std::size_t length = 1;
        while (strict.badOffset + length < text.size() &&
               (static_cast<unsigned char>(text[strict.badOffset + length]) & 0xC0) == 0x80)
            ++length;
        result.error = "Line " + std::to_string(result.badLine) + " holds \u201C" +
                       std::string(text.substr(strict.badOffset, length)) +
                       "\u201D, a character a team file cannot hold (team files keep Western European "
                       "characters only). Change it in the roster and import again.";
        return false;
    }
    converted = std::move(strict.text);
    text = converted;
    return true;
}

// Birthday written as month/day/year ("%02d/%02d/%04d"); the date stays as it
// was unless all three parts are there.
void readBirthday(const std::string& text, BirthDate& birthday) {
    int month = 0, day = 0, year = 0;
    if (std::sscanf(text.c_str(), "%2d/%2d/%4d", &month, &day, &year) == 3) {
        birthday.month = static_cast<std::int8_t>(month);
        birthday.day = static_cast<std::int8_t>(day);
        birthday.year = year;
    }
}

}  // namespace

Team::ImportResult Team::importFrom(const std::string& path) {
    fileName = path;
    std::string error;
    auto bytes = readWholeFile(path, kMaxImportFileSize, &error);
    if (!bytes) {
        ImportResult result;
        result.error = error;
        return result;
    }
    const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    return fileKindOf(path) == FileKind::PlainText ? importPlainText(text) : importCommaDelimited(text);
}

Team::ImportResult Team::importCommaDelimited(std::string_view text) {
    std::string converted;
    if (ImportResult refused; !toWindows1252(text, converted, refused)) return refused;
    // Records, not lines: a quoted field may hold a line break.
    const std::vector<std::string_view> records = splitCsvRecords(text);
    // A field loses the apostrophe our writer puts in front of a text a
    // spreadsheet would run as a formula before it is cut to its width.
    auto field = [](CsvFieldCursor& line, std::size_t width, bool stripped = false) {
        return fieldText(withoutFormulaGuard(line.next(stripped)), width);
    };
    auto lineOf = [&text](std::string_view record) {
        const std::string_view before = text.substr(0, static_cast<std::size_t>(record.data() - text.data()));
        return 1 + static_cast<int>(std::count(before.begin(), before.end(), '\n'));
    };

    // Records 1 to 3: team, coaches, logo. A record without a comma carries
    // no value and leaves its fields as they were. The team name and the
    // logo are the whole rest of their record.
    if (records.size() > 0) {
        CsvFieldCursor line(records[0], kHeaderLineLimit - 1);
        if (line.skipField()) name = fieldText(withoutFormulaGuard(line.restAsOneField()), kNameWidth);
    }
    if (records.size() > 1) {
        CsvFieldCursor line(records[1], kHeaderLineLimit - 1);
        if (line.skipField()) {
            coach = field(line, kNameWidth, true);
            line.next();
            assistant = field(line, kNameWidth, true);
        }
    }
    if (records.size() > 2) {
        CsvFieldCursor line(records[2], kHeaderLineLimit - 1);
        if (line.skipField()) logoFile = fieldText(withoutFormulaGuard(line.restAsOneField()), kLogoFileWidth);
    }
    // Record 4 holds the column headings.

    for (std::size_t i = 4; i < records.size(); ++i) {
        if (isBlank(records[i])) continue;  // e.g. an empty last line
        CsvFieldCursor line(records[i], kPlayerLineLimit - 1);
        Player player;
        const std::string numberField = field(line, kWideField, true);
        const std::optional<int> number = importedUniform(numberField);
        // The players read so far stay, as with the plain-text format.
        if (!number) return invalidLine(lineOf(records[i]), uniformProblem(numberField));
        player.number = static_cast<std::int16_t>(*number);
        player.name = field(line, Player::kNameWidth);
        player.position = static_cast<std::int16_t>(positionFromName(field(line, kWideField, true)));
        player.courtSlot = static_cast<std::int16_t>(courtSlotFromName(field(line, kWideField, true)));

        PersonalInfo info = PersonalInfo::blank();
        if (!line.atEnd()) {
            info.phone = field(line, PersonalInfo::kPhoneWidth);
            info.address = field(line, PersonalInfo::kAddressWidth);
            info.city = field(line, PersonalInfo::kCityWidth);
            info.state = field(line, PersonalInfo::kStateWidth);
            info.zip = field(line, PersonalInfo::kZipWidth);
            readBirthday(field(line, kWideField, true), info.birthday);
            info.email = field(line, PersonalInfo::kEmailWidth);
            info.note = field(line, PersonalInfo::kNoteWidth);
        }
        addPlayer(player, info);
    }

    ImportResult result;
    result.ok = true;
    return result;
}

Team::ImportResult Team::importPlainText(std::string_view text) {
    std::string converted;
    if (ImportResult refused; !toWindows1252(text, converted, refused)) return refused;
    const std::vector<std::string_view> lines = splitLines(text);
    if (lines.size() > 0) name = fieldText(limitLine(lines[0], kTextHeaderLineLimit), kNameWidth);
    if (lines.size() > 1) coach = fieldText(limitLine(lines[1], kTextHeaderLineLimit), kNameWidth);
    if (lines.size() > 2) assistant = fieldText(limitLine(lines[2], kTextHeaderLineLimit), kNameWidth);

    for (std::size_t i = 3; i < lines.size(); ++i) {
        const std::string_view raw = limitLine(lines[i], kPlayerLineLimit);
        if (isBlank(raw)) continue;
        FieldCursor line(raw);
        const std::string playerName = line.next(Player::kNameWidth);

        const std::string positionField = line.nextStripped(Player::kNameWidth);
        const long position = (!positionField.empty() && positionField[0] >= '0' && positionField[0] <= '3')
                                  ? parseNumber(positionField)
                                  : positionFromName(positionField);
        const std::string slotField = line.nextStripped(Player::kNameWidth);
        const long slot = (!slotField.empty() && slotField[0] >= '0' && slotField[0] <= '5')
                              ? parseNumber(slotField)
                              : courtSlotFromName(slotField);
        const std::string numberField = line.nextStripped(Player::kNameWidth);
        const std::optional<int> number = importedUniform(numberField);

        const int lineNumber = static_cast<int>(i + 1);
        if (!number) return invalidLine(lineNumber, uniformProblem(numberField));
        constexpr ValueRange positions = validRange(&Player::position);
        constexpr ValueRange slots = validRange(&Player::courtSlot);
        if (!positions.holds(position) || !slots.holds(slot)) return invalidLine(lineNumber, "");
        Player player;
        player.name = playerName;
        player.position = static_cast<std::int16_t>(position);
        player.courtSlot = static_cast<std::int16_t>(slot);
        player.number = static_cast<std::int16_t>(*number);
        addPlayer(player, PersonalInfo::blank());
    }

    ImportResult result;
    result.ok = true;
    return result;
}

}  // namespace courtlog
