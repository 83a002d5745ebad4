#include "core/records/UniformNumber.h"

#include <algorithm>

#include "core/records/FieldText.h"

namespace courtlog {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

constexpr int kHighestUniform = 99;

}  // namespace

std::string uniformText(int number, UniformPadding padding) {
    if (isDoubleZero(number)) return "00";
    std::string text = std::to_string(number);
    if (padding != UniformPadding::None && text.size() < 2)
        text.insert(0, 1, padding == UniformPadding::Zero ? '0' : ' ');
    return text;
}

std::optional<int> parseUniform(std::string_view text) {
    constexpr std::string_view blanks = " \t\n\r\v\f";
    const std::size_t start = text.find_first_not_of(blanks);
    text = start == std::string_view::npos ? std::string_view{}
                                           : text.substr(start, text.find_last_not_of(blanks) - start + 1);
    if (text == "00") return kUniformDoubleZero;
    if (text.empty() || !std::all_of(text.begin(), text.end(), isDigit)) return std::nullopt;
    // Zeros in front only pad the number: "07" and "007" are 7, "000" is 0.
    while (text.size() > 1 && text.front() == '0') text.remove_prefix(1);
    if (text.size() > 2) return std::nullopt;
    return static_cast<int>(leadingNumber(text));
}

std::vector<std::string> uniformChoices() {
    std::vector<std::string> choices{uniformText(kUniformDoubleZero)};
    for (int number = 0; number <= kHighestUniform; ++number) choices.push_back(uniformText(number));
    return choices;
}

int uniformChoiceOf(int number) {
    if (isDoubleZero(number)) return 0;
    return number <= kHighestUniform ? number + 1 : -1;
}

int uniformOfChoice(int entry) { return entry <= 0 ? kUniformDoubleZero : std::min(entry - 1, kHighestUniform); }

}  // namespace courtlog
