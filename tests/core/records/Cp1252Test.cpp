#include <gtest/gtest.h>

#include "core/records/Cp1252.h"

namespace courtlog {
namespace {

TEST(Cp1252Test, HighControlRangeMapsToItsCharacters) {
    const struct {
        unsigned char byte;
        const char* utf8;
    } cases[] = {
        {0x80, "\u20AC"},
        {0x82, "\u201A"},
        {0x83, "\u0192"},
        {0x84, "\u201E"},
        {0x85, "\u2026"},
        {0x86, "\u2020"},
        {0x87, "\u2021"},
        {0x88, "\u02C6"},
        {0x89, "\u2030"},
        {0x8A, "\u0160"},
        {0x8B, "\u2039"},
        {0x8C, "\u0152"},
        {0x8E, "\u017D"},
        {0x91, "\u2018"},
        {0x92, "\u2019"},
        {0x93, "\u201C"},
        {0x94, "\u201D"},
        {0x95, "\u2022"},
        {0x96, "\u2013"},
        {0x97, "\u2014"},
        {0x98, "\u02DC"},
        {0x99, "\u2122"},
        {0x9A, "\u0161"},
        {0x9B, "\u203A"},
        {0x9C, "\u0153"},
        {0x9E, "\u017E"},
        {0x9F, "\u0178"},
        // The five undefined bytes keep their C1 code points.
        {0x81, "\xC2\x81"},
        {0x8D, "\xC2\x8D"},
        {0x8F, "\xC2\x8F"},
        {0x90, "\xC2\x90"},
        {0x9D, "\xC2\x9D"},
        // Latin-1 range and ASCII pass through.
        {0xA0, "\u00A0"},
        {0xE9, "\u00E9"},
        {0xFF, "\u00FF"},
        {'A', "A"},
    };
    for (const auto& c : cases) {
        const std::string byte(1, static_cast<char>(c.byte));
        EXPECT_EQ(cp1252ToUtf8(byte), c.utf8) << std::hex << int(c.byte);
        EXPECT_EQ(utf8ToCp1252(c.utf8), byte) << std::hex << int(c.byte);
    }
}

TEST(Cp1252Test, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    all += '\0';
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
}

TEST(Cp1252Test, UnmappableCharactersBecomeQuestionMarks) {
    EXPECT_EQ(utf8ToCp1252("Caf\u00E9 \u4E2D \U0001F3C0!"), "Caf\xE9 ? ?!");
    EXPECT_EQ(utf8ToCp1252("\u0100"), "?");  // just past Latin-1, not in the table
}

TEST(Cp1252Test, InvalidUtf8BecomesQuestionMarks) {
    EXPECT_EQ(utf8ToCp1252("a\xFF"
                           "b"),
              "a?b");  // never valid
    EXPECT_EQ(utf8ToCp1252("a\x80"
                           "b"),
              "a?b");                            // stray continuation
    EXPECT_EQ(utf8ToCp1252("a\xE2\x82"), "a?");  // cut short at the end
    EXPECT_EQ(utf8ToCp1252("a\xE2\x82"
                           "b"),
              "a?b");                                     // cut short before a character
    EXPECT_EQ(utf8ToCp1252("\xC0\xAF"), "??");            // overlong '/'
    EXPECT_EQ(utf8ToCp1252("\xF4\x90\x80\x80"), "????");  // beyond U+10FFFF
    const std::string surrogate = utf8ToCp1252("x\xED\xA0\x80y");
    EXPECT_EQ(surrogate.front(), 'x');
    EXPECT_EQ(surrogate.back(), 'y');
    EXPECT_EQ(surrogate.find_first_not_of('?', 1), surrogate.size() - 1);
}

TEST(Cp1252Test, StrictConversionStopsAtTheFirstCharacterItCannotHold) {
    const StrictCp1252 accented = utf8ToCp1252Strict("Jos\xC3\xA9 \xE2\x82\xAC");
    ASSERT_TRUE(accented.ok);
    EXPECT_EQ(accented.text, "Jos\xE9 \x80");
    const StrictCp1252 chinese = utf8ToCp1252Strict("Zhang \xE5\xBC\xA0");
    EXPECT_FALSE(chinese.ok);
    EXPECT_EQ(chinese.badOffset, 6u);
    EXPECT_EQ(chinese.badCharacter, U'\u5F20');
    EXPECT_TRUE(cp1252Holds(U'\u00DF'));
    EXPECT_TRUE(cp1252Holds(U'?'));
    EXPECT_FALSE(cp1252Holds(U'\u5F20'));
    EXPECT_TRUE(isValidUtf8("Jos\xC3\xA9"));
    EXPECT_FALSE(isValidUtf8("Jos\xE9"));         // Windows-1252 é
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));        // overlong
}

}  // namespace
}  // namespace courtlog
