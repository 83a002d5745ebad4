#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace courtlog {

// The comma-delimited text every writer of the program produces and the
// roster import reads. A field holding a comma, a double quote or a line
// break is written in double quotes with each inner quote doubled, the way
// spreadsheets write them; every other field is written as it is, so a file
// without such characters is the same as a plain comma-joined one.

//
// A field a spreadsheet would run as a formula (one that starts with '=',
// '+', '-' or '@' and is not a number) is written behind an apostrophe,
// which spreadsheets show as text; the roster import takes it off again.

// True when field must be quoted to come back as one field.
bool needsCsvQuotes(std::string_view field);
// True when field goes behind an apostrophe. Apostrophes already in front
// of such a text count as part of it ("'=1" gets a second one), so taking
// one off on reading always gives back what was written.
bool needsFormulaGuard(std::string_view field);
// A field as read, with the apostrophe the writer put in front taken off.
std::string withoutFormulaGuard(std::string_view field);
// The field as it goes into a line: behind an apostrophe when a spreadsheet
// would run it, then quoted when it must be, else unchanged.
std::string csvField(std::string_view field);
// Fields joined by commas, each through csvField (no line end).
std::string csvLine(const std::vector<std::string>& fields);

// Splits text into records at line ends ('\n', or "\r\n") that are not
// inside a quoted field. A quoted field opens with a double quote as the
// first character of a field and closes with a lone double quote; one left
// open runs to the end of the text. An empty last line gives no record.
std::vector<std::string_view> splitCsvRecords(std::string_view text);

// Walks the fields of one record. A field whose first character is a
// double quote is quoted: it runs to the closing quote, "" in it stands for
// one quote, and commas and line breaks inside it are text; anything between
// the closing quote and the next comma is kept as text too. Other fields run
// to the next comma.
//
// A budget limits how much of the record is read, as the fixed line buffers
// of the roster format do: at most budget characters of field text and
// separating commas are taken, the rest of the record is dropped. For a
// record without quotes this is the same as cutting the line to budget
// characters.
class CsvFieldCursor {
public:
    static constexpr std::size_t kUnlimited = static_cast<std::size_t>(-1);

    explicit CsvFieldCursor(std::string_view record, std::size_t budget = kUnlimited);

    // The next field's text; empty once the record is used up. With
    // stripLeadingBlanks, blanks and tabs before an unquoted field's text
    // are dropped.
    std::string next(bool stripLeadingBlanks = false);
    // Moves past the first field; false when no comma follows it (the
    // record has a single field).
    bool skipField();
    // The rest of the record as one text, leading blanks dropped: a quoted
    // field when the rest starts with a quote, otherwise everything that is
    // left, commas included.
    std::string restAsOneField();
    // True when no text of the record is left to read (a comma at the end
    // of a record leaves none either).
    bool atEnd() const { return rest_.empty(); }

private:
    // Appends c to out while the budget lasts; false once it is spent.
    bool take(std::string& out, char c);
    std::string quotedField();
    // out and the characters up to the next comma, while the budget lasts;
    // then past the comma.
    std::string finishField(std::string out);
    void passComma();

    std::string_view rest_;
    std::size_t budget_;
    bool passedComma_ = false;  // the last field read ended at a comma
};

}  // namespace courtlog
