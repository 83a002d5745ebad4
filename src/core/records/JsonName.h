#pragma once

#include <string_view>

namespace courtlog {

// A member name written in the program's source, checked while compiling to
// need no escaping in JSON (printable ASCII without quote or backslash), so
// a writer can copy it as it is.
class JsonName {
public:
    template <std::size_t N>
    consteval JsonName(const char (&name)[N]) : text_(name, N - 1) {
        for (char c : text_) {
            const auto b = static_cast<unsigned char>(c);
            if (b < 0x20 || b >= 0x7f || b == '"' || b == '\\') throw "a JSON member name that needs escaping";
        }
    }
    constexpr std::string_view text() const { return text_; }
    constexpr operator std::string_view() const { return text_; }

private:
    std::string_view text_;
};

}  // namespace courtlog
