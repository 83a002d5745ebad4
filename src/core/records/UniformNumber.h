#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace courtlog {

// The uniform number "00", in one place: how it is stored, how it is told
// apart from the other numbers, how it is shown, typed and chosen.

// The stored value of the uniform "00".
inline constexpr int kUniformDoubleZero = -1;

// True for the uniform "00": -1, and any other negative number, which only
// a damaged or foreign file can hold and which shows as 00 too rather than
// as a uniform nobody wears.
constexpr bool isDoubleZero(int number) { return number < 0; }

// How a uniform number is laid out: "%d" (7), "%2d" (" 7") or "%02d" ("07").
enum class UniformPadding { None, Blank, Zero };

// A uniform number as every list, label, sheet and export shows it: "00"
// for the uniform 00, otherwise the number laid out as asked.
std::string uniformText(int number, UniformPadding padding = UniformPadding::None);

// A typed uniform number: "00" itself is the uniform 00, otherwise only the
// whole numbers 0 to 99 (blanks around them allowed), zeros in front not
// counting ("07" and "007" are 7). Anything else (empty, letters, "-3",
// "100", "7b") is not a uniform number.
std::optional<int> parseUniform(std::string_view text);

// The message that tells why a typed uniform number was refused.
inline constexpr const char* kUniformRule = "The uniform number must be 00 or a number from 0 to 99.";

// The uniforms a list offers, in order: "00", "0" .. "99".
std::vector<std::string> uniformChoices();
// The entry of uniformChoices() that shows number, or -1 for a number the
// list does not hold (above 99).
int uniformChoiceOf(int number);
// The uniform number of an entry of uniformChoices().
int uniformOfChoice(int entry);

}  // namespace courtlog
