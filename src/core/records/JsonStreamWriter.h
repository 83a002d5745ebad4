#pragma once

#include <cstddef>
#include <cstring>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "core/records/JsonName.h"

namespace courtlog {

// Writes a JSON document as it is described, member by member, without
// building a tree first: the text is laid out exactly as the command-line
// tool has always printed its JSON (two spaces per level, one member or
// element per line, "[]" and "{}" for empty lists and objects, texts in
// UTF-8 with only quotes, backslashes and control characters escaped). The
// text goes to the sink in pieces of about the buffer's size, so a game of
// any length is written in the same small amount of memory.
//
// JsonTreeBuilder has the same members and builds a tree instead; the JSON
// forms are written once, against either. The common steps are inline: a
// long game is a million and more of them.
class JsonStreamWriter {
public:
    // Takes the next piece of text; false when it could not be written,
    // after which the writer drops what follows.
    using Sink = std::function<bool(std::string_view text)>;

    explicit JsonStreamWriter(Sink sink, std::size_t bufferBytes = 64 * 1024);
    JsonStreamWriter(const JsonStreamWriter&) = delete;
    JsonStreamWriter& operator=(const JsonStreamWriter&) = delete;

    void beginObject() { open('{'); }
    void endObject() { close('}'); }
    void beginArray() { open('['); }
    void endArray() { close(']'); }

    // The name of the next member of the object being written, made at run
    // time: escaped where it needs.
    void checkedKey(std::string_view name) {
        beforeValue();
        if (!quotedPlain(name)) quotedSlow(name);
        char* p = room(2);
        p[0] = ':';
        p[1] = ' ';
        used_ += 2;
        afterKey_ = true;
    }
    // The name of the next member, from the source: known to need no escape.
    void key(JsonName name) {
        beforeValue();
        const std::string_view text = name.text();
        if (text.size() > kQuickText) {
            afterKey_ = true;  // the line break is written
            checkedKey(text);
            return;
        }
        char* p = room(kQuickText + 4);
        p[0] = '"';
        std::memcpy(p + 1, text.data(), text.size());
        p += text.size() + 1;
        p[0] = '"';
        p[1] = ':';
        p[2] = ' ';
        used_ += text.size() + 4;
        afterKey_ = true;
    }

    void number(long long value) {
        beforeValue();
        char* p = room(kNumberRoom);
        if (value >= 0 && value < 10) {
            *p = static_cast<char>('0' + value);
            ++used_;
            return;
        }
        used_ += printNumber(p, value);
    }

    void boolean(bool value);
    void null();

    // A UTF-8 text (anything that is not UTF-8 is replaced by U+FFFD).
    void string(std::string_view utf8) {
        beforeValue();
        if (!quotedPlain(utf8)) quotedSlow(utf8);
    }
    // A text as the records hold it (Windows-1252), written as UTF-8.
    void cp1252String(std::string_view raw) {
        beforeValue();
        if (!quotedPlain(raw)) quotedCp1252(raw);
    }
    // A member with its value in one step: key(name) then number(value) or
    // cp1252String(raw).
    void member(JsonName name, long long value);
    void cp1252Member(JsonName name, std::string_view raw);
    // A value already in JSON form (a number printed by the caller).
    void rawValue(std::string_view json);

    // Ends the document with a line break and hands everything to the sink;
    // false when the sink refused any of it.
    bool finishDocument();
    bool failed() const { return failed_; }

private:
    static constexpr std::size_t kMaxRoom = 1024;
    static constexpr std::size_t kNumberRoom = 24;
    // Indents up to this many spaces are written in one step.
    static constexpr std::size_t kQuickIndent = 64;
    static constexpr std::size_t kQuickText = 64;

    // Every value and every key starts here: a member or element after the
    // first gets a comma, each one a line of its own.
    void beforeValue() {
        if (afterKey_) {
            afterKey_ = false;
            return;
        }
        if (open_.empty()) return;
        const bool first = open_.back() == 0;
        open_.back() = 1;
        lineBreak(!first, open_.size());
    }

    void lineBreak(bool comma, std::size_t depth) {
        const std::size_t spaces = 2 * depth;
        if (spaces > kQuickIndent) {
            deepLineBreak(comma, depth);
            return;
        }
        char* p = room(2 + kQuickIndent);
        *p = ',';
        p += comma ? 1 : 0;
        *p++ = '\n';
        std::memcpy(p, kSpaces, kQuickIndent);  // the ones past the indent are overwritten later
        used_ += (comma ? 2 : 1) + spaces;
    }

    // Short texts of printable ASCII other than quote and backslash, quoted
    // and copied in one pass; false (and nothing written) for any other.
    bool quotedPlain(std::string_view text) {
        if (text.size() > kQuickText) return false;
        char* p = room(kQuickText + 2);
        p[0] = '"';
        // No early exit: the loop stays a plain copy with a check on the side.
        bool special = false;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const auto b = static_cast<unsigned char>(text[i]);
            special |= (b < 0x20) | (b >= 0x7f) | (b == '"') | (b == '\\');
            p[i + 1] = static_cast<char>(b);
        }
        if (special) return false;
        p[text.size() + 1] = '"';
        used_ += text.size() + 2;
        return true;
    }

    void open(char bracket);
    void close(char bracket);
    void deepLineBreak(bool comma, std::size_t depth);
    static std::size_t printNumber(char* to, long long value);
    void quotedSlow(std::string_view utf8);
    void quotedCp1252(std::string_view raw);
    void escaped(std::string_view utf8);

    // Room for n bytes at the end of the buffer (n no larger than kMaxRoom).
    char* room(std::size_t n) {
        if (capacity_ - used_ < n) flush();
        return buffer_.get() + used_;
    }
    void append(std::string_view text);
    void flush();

    static constexpr char kSpaces[kQuickIndent + 1] =
        "                                                                ";

    Sink sink_;
    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_;
    std::size_t used_ = 0;
    // For each open object or list: 1 once it has a member.
    std::vector<unsigned char> open_;
    bool afterKey_ = false;
    bool failed_ = false;
};

}  // namespace courtlog
