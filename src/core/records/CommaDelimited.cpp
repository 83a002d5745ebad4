#include "core/records/CommaDelimited.h"

#include <utility>

namespace courtlog {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A plain decimal number: an optional sign, digits, and an optional
// fraction ("-5", "+3", "12.5", "-.5").
bool isPlainNumber(std::string_view text) {
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
    std::size_t digits = 0;
    std::size_t i = 0;
    while (i < text.size() && isDigit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) ++i, ++digits;
    }
    return digits > 0 && i == text.size();
}

}  // namespace

bool needsCsvQuotes(std::string_view field) { return field.find_first_of(",\"\r\n") != std::string_view::npos; }

bool needsFormulaGuard(std::string_view field) {
    const std::size_t start = field.find_first_not_of('\'');
    if (start == std::string_view::npos) return false;
    const std::string_view text = field.substr(start);
    return std::string_view("=+-@").find(text.front()) != std::string_view::npos && !isPlainNumber(text);
}

std::string withoutFormulaGuard(std::string_view field) {
    if (!field.empty() && field.front() == '\'' && needsFormulaGuard(field.substr(1))) field.remove_prefix(1);
    return std::string(field);
}

std::string csvField(std::string_view field) {
    const bool guarded = needsFormulaGuard(field);
    if (!guarded && !needsCsvQuotes(field)) return std::string(field);
    std::string text = guarded ? "'" + std::string(field) : std::string(field);
    if (!needsCsvQuotes(text)) return text;
    std::string out;
    out.reserve(text.size() + 4);
    out += '"';
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
    return out;
}

std::string csvLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i) line += ',';
        line += csvField(fields[i]);
    }
    return line;
}

std::vector<std::string_view> splitCsvRecords(std::string_view text) {
    std::vector<std::string_view> records;
    std::size_t start = 0;
    bool inQuotes = false;
    bool fieldStart = true;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inQuotes) {
            // A doubled quote stays inside; a lone one closes the field.
            if (c == '"') {
                if (i + 1 < text.size() && text[i + 1] == '"')
                    ++i;
                else
                    inQuotes = false;
            }
            continue;
        }
        if (c == '"' && fieldStart) {
            inQuotes = true;
            fieldStart = false;
            continue;
        }
        fieldStart = c == ',';
        if (c == '\n') {
            std::string_view record = text.substr(start, i - start);
            if (!record.empty() && record.back() == '\r') record.remove_suffix(1);
            records.push_back(record);
            start = i + 1;
            fieldStart = true;
        }
    }
    if (start < text.size()) {
        std::string_view record = text.substr(start);
        if (!inQuotes && !record.empty() && record.back() == '\r') record.remove_suffix(1);
        records.push_back(record);
    }
    return records;
}

CsvFieldCursor::CsvFieldCursor(std::string_view record, std::size_t budget) : rest_(record), budget_(budget) {
    if (budget_ == 0) rest_ = {};
}

bool CsvFieldCursor::take(std::string& out, char c) {
    if (budget_ == 0) {
        rest_ = {};
        return false;
    }
    out += c;
    if (--budget_ == 0) rest_ = {};
    return true;
}

void CsvFieldCursor::passComma() {
    passedComma_ = !rest_.empty() && rest_.front() == ',';
    if (!passedComma_) return;
    rest_.remove_prefix(1);
    if (--budget_ == 0) rest_ = {};
}

std::string CsvFieldCursor::quotedField() {
    std::string out;
    rest_.remove_prefix(1);  // the opening quote, which is no text
    while (!rest_.empty()) {
        const char c = rest_.front();
        rest_.remove_prefix(1);
        if (c == '"') {
            if (rest_.empty() || rest_.front() != '"') break;
            rest_.remove_prefix(1);
        }
        if (!take(out, c)) return out;
    }
    // Text after the closing quote, up to the comma, belongs to the field.
    return finishField(std::move(out));
}

std::string CsvFieldCursor::finishField(std::string out) {
    while (!rest_.empty() && rest_.front() != ',') {
        const char c = rest_.front();
        rest_.remove_prefix(1);
        if (!take(out, c)) return out;
    }
    passComma();
    return out;
}

std::string CsvFieldCursor::next(bool stripLeadingBlanks) {
    passedComma_ = false;
    if (rest_.empty()) return {};
    if (rest_.front() == '"') return quotedField();
    std::string out;
    // Leading blanks count against the budget as the characters they are.
    if (stripLeadingBlanks) {
        while (!rest_.empty() && (rest_.front() == ' ' || rest_.front() == '\t')) {
            rest_.remove_prefix(1);
            std::string dropped;
            if (!take(dropped, ' ')) return out;
        }
    }
    return finishField(std::move(out));
}

bool CsvFieldCursor::skipField() {
    next();
    return passedComma_;
}

std::string CsvFieldCursor::restAsOneField() {
    std::string out;
    while (!rest_.empty() && (rest_.front() == ' ' || rest_.front() == '\t')) {
        rest_.remove_prefix(1);
        std::string dropped;
        if (!take(dropped, ' ')) return out;
    }
    if (!rest_.empty() && rest_.front() == '"') return quotedField();
    while (!rest_.empty()) {
        const char c = rest_.front();
        rest_.remove_prefix(1);
        if (!take(out, c)) return out;
    }
    return out;
}

}  // namespace courtlog
