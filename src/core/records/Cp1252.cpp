#include "core/records/Cp1252.h"

#include <array>
#include <cstdint>

namespace courtlog {

namespace {

// Code points of bytes 0x80..0x9F. The five bytes Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) keep their C1 code points so they
// survive a round trip.
constexpr std::array<char32_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char toCp1252(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == cp) return static_cast<char>(0x80 + i);
    }
    return '?';
}

// Decodes one UTF-8 sequence at s[i]. Returns the number of bytes used and
// sets ok to false for an invalid sequence (overlong forms, surrogates,
// values beyond U+10FFFF, truncated or stray continuation bytes); a sequence
// cut short uses its lead byte and the continuation bytes it has.
std::size_t decode(std::string_view s, std::size_t i, char32_t& cp, bool& ok) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    ok = true;
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    }
    std::size_t len = 0;
    char32_t min = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        len = 2;
        cp = b0 & 0x1F;
        min = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        len = 3;
        cp = b0 & 0x0F;
        min = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        len = 4;
        cp = b0 & 0x07;
        min = 0x10000;
    } else {
        ok = false;
        return 1;
    }
    for (std::size_t k = 1; k < len; ++k) {
        // A sequence cut short counts as one bad character.
        if (i + k >= s.size()) {
            ok = false;
            return k;
        }
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) {
            ok = false;
            return k;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ok = false;
        return 1;
    }
    return len;
}

}  // namespace

std::string cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b <= 0x9F) {
            appendUtf8(out, kHighControls[b - 0x80]);
        } else {
            appendUtf8(out, b);
        }
    }
    return out;
}

std::string utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        char32_t cp = 0;
        bool ok = true;
        i += decode(utf8, i, cp, ok);
        out += ok ? toCp1252(cp) : '?';
    }
    return out;
}

bool cp1252Holds(char32_t codePoint) {
    return codePoint == 0 || toCp1252(codePoint) != '?' || codePoint == U'?';
}

bool isValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        char32_t cp = 0;
        bool ok = true;
        i += decode(bytes, i, cp, ok);
        if (!ok) return false;
    }
    return true;
}

StrictCp1252 utf8ToCp1252Strict(std::string_view utf8) {
    StrictCp1252 result;
    result.text.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        char32_t cp = 0;
        bool ok = true;
        const std::size_t used = decode(utf8, i, cp, ok);
        if (!ok || !cp1252Holds(cp)) {
            result.badOffset = i;
            result.badCharacter = ok ? cp : 0xFFFD;
            result.text.clear();
            return result;
        }
        result.text += toCp1252(cp);
        i += used;
    }
    result.ok = true;
    return result;
}

}  // namespace courtlog
