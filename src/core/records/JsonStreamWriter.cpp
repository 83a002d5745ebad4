#include "core/records/JsonStreamWriter.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <string>

#include <nlohmann/json.hpp>

#include "core/records/Cp1252.h"

namespace courtlog {

namespace {

// The escape of each byte below 0x80 that JSON cannot carry as it is; an
// empty entry means the byte is copied.
struct EscapeTable {
    char text[128][7]{};
    constexpr EscapeTable() {
        constexpr char hex[] = "0123456789abcdef";
        for (int c = 0; c < 0x20; ++c) {
            char* e = text[c];
            e[0] = '\\';
            e[1] = 'u';
            e[2] = '0';
            e[3] = '0';
            e[4] = hex[c >> 4];
            e[5] = hex[c & 15];
        }
        auto shortForm = [this](int c, char letter) {
            text[c][0] = '\\';
            text[c][1] = letter;
            text[c][2] = '\0';
        };
        shortForm('\b', 'b');
        shortForm('\t', 't');
        shortForm('\n', 'n');
        shortForm('\f', 'f');
        shortForm('\r', 'r');
        shortForm('"', '"');
        shortForm('\\', '\\');
    }
};
constexpr EscapeTable kEscapes;

bool ascii(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

}  // namespace

JsonStreamWriter::JsonStreamWriter(Sink sink, std::size_t bufferBytes)
    : sink_(std::move(sink)),
      buffer_(new char[std::max(bufferBytes, 4 * kMaxRoom)]),
      capacity_(std::max(bufferBytes, 4 * kMaxRoom)) {}

void JsonStreamWriter::append(std::string_view text) {
    while (!text.empty()) {
        if (used_ == capacity_) flush();
        const std::size_t n = std::min(text.size(), capacity_ - used_);
        std::memcpy(buffer_.get() + used_, text.data(), n);
        used_ += n;
        text.remove_prefix(n);
    }
}

void JsonStreamWriter::flush() {
    if (used_ > 0 && !failed_ && !sink_(std::string_view(buffer_.get(), used_))) failed_ = true;
    used_ = 0;
}

void JsonStreamWriter::deepLineBreak(bool comma, std::size_t depth) {
    append(comma ? ",\n" : "\n");
    for (std::size_t spaces = 2 * depth; spaces > 0;) {
        const std::size_t n = std::min(spaces, kQuickIndent);
        append(std::string_view(kSpaces, n));
        spaces -= n;
    }
}

void JsonStreamWriter::open(char bracket) {
    beforeValue();
    *room(1) = bracket;
    ++used_;
    open_.push_back(0);
}

void JsonStreamWriter::close(char bracket) {
    if (open_.empty()) return;
    const bool hadMembers = open_.back() != 0;
    open_.pop_back();
    if (hadMembers) lineBreak(false, open_.size());
    *room(1) = bracket;
    ++used_;
}

std::size_t JsonStreamWriter::printNumber(char* to, long long value) {
    const auto result = std::to_chars(to, to + kNumberRoom, value);
    return static_cast<std::size_t>(result.ptr - to);
}

void JsonStreamWriter::member(JsonName name, long long value) {
    const std::string_view text = name.text();
    if (afterKey_ || open_.empty() || 2 * open_.size() > kQuickIndent || text.size() > kQuickText) {
        key(name);
        number(value);
        return;
    }
    // The most frequent step of all, in one piece: line break, indent, name
    // and number.
    char* const start = room(2 + kQuickIndent + kQuickText + 4 + kNumberRoom);
    char* p = start;
    if (open_.back()) *p++ = ',';
    open_.back() = 1;
    *p++ = '\n';
    std::memcpy(p, kSpaces, kQuickIndent);
    p += 2 * open_.size();
    *p++ = '"';
    std::memcpy(p, text.data(), text.size());
    p += text.size();
    *p++ = '"';
    *p++ = ':';
    *p++ = ' ';
    if (value >= 0 && value < 10) {
        *p++ = static_cast<char>('0' + value);
    } else {
        p += printNumber(p, value);
    }
    used_ += static_cast<std::size_t>(p - start);
}

void JsonStreamWriter::cp1252Member(JsonName name, std::string_view raw) {
    key(name);
    cp1252String(raw);
}

void JsonStreamWriter::boolean(bool value) {
    beforeValue();
    append(value ? "true" : "false");
}

void JsonStreamWriter::null() {
    beforeValue();
    append("null");
}

void JsonStreamWriter::rawValue(std::string_view json) {
    beforeValue();
    append(json);
}

void JsonStreamWriter::quotedCp1252(std::string_view raw) {
    if (ascii(raw)) {
        quotedSlow(raw);
    } else {
        quotedSlow(cp1252ToUtf8(raw));
    }
}

void JsonStreamWriter::quotedSlow(std::string_view text) {
    if (!ascii(text) && !isValidUtf8(text)) {
        // Broken UTF-8 is rare enough to take the library's replacement
        // rules as they are, so the text matches what a tree would print.
        append(nlohmann::ordered_json(std::string(text))
                   .dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace));
        return;
    }
    escaped(text);
}

// Well-formed UTF-8 in quotes: control characters, quotes and backslashes
// escaped, every other byte copied (nothing beyond ASCII is escaped).
void JsonStreamWriter::escaped(std::string_view utf8) {
    append("\"");
    std::size_t start = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        if (b >= 0x80 || !kEscapes.text[b][0]) continue;
        append(utf8.substr(start, i - start));
        append(kEscapes.text[b]);
        start = i + 1;
    }
    append(utf8.substr(start));
    append("\"");
}

bool JsonStreamWriter::finishDocument() {
    append("\n");
    flush();
    return !failed_;
}

}  // namespace courtlog
