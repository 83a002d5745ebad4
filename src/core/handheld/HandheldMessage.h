#pragma once

#include <string>

namespace courtlog::handheld {

// The icon a message box shows beside its text.
enum class MessageIcon { None, Information, Exclamation, Question };

// A message box as the handheld commands show it: the window only draws it.
struct HandheldMessage {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::None;

    bool empty() const { return text.empty(); }
    bool operator==(const HandheldMessage&) const = default;
};

}  // namespace courtlog::handheld
