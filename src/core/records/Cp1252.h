#pragma once

#include <string>
#include <string_view>

namespace courtlog {

// Record texts are single-byte Windows-1252. These convert at the edges
// (JSON, the window layer). Characters that Windows-1252 cannot hold become
// '?'; the five bytes it leaves undefined map to the C1 control code points.
std::string cp1252ToUtf8(std::string_view bytes);
std::string utf8ToCp1252(std::string_view utf8);

// Whether Windows-1252 has a byte for the code point.
bool cp1252Holds(char32_t codePoint);

// Whether bytes are well-formed UTF-8 (no overlong forms, surrogates or
// truncated sequences).
bool isValidUtf8(std::string_view bytes);

// Converts well-formed UTF-8 to Windows-1252 without replacing anything: a
// character Windows-1252 cannot hold stops the conversion and is reported
// with its byte offset in the input.
struct StrictCp1252 {
    bool ok = false;
    std::string text;             // the converted text when ok
    std::size_t badOffset = 0;    // where the character that cannot be held starts
    char32_t badCharacter = 0;
};
StrictCp1252 utf8ToCp1252Strict(std::string_view utf8);

}  // namespace courtlog
