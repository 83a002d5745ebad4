#pragma once

#include <utility>

#include "core/handheld/HandheldMessage.h"

namespace courtlog::handheld {

// How one step of a handheld command ended, with the message to show (a
// success message, the reason it failed, or nothing when the text is empty).
struct HandheldOutcome {
    bool ok = false;
    HandheldMessage message;

    explicit operator bool() const { return ok; }

    static HandheldOutcome success(HandheldMessage message = {}) { return {true, std::move(message)}; }
    static HandheldOutcome failure(HandheldMessage message) { return {false, std::move(message)}; }
};

}  // namespace courtlog::handheld
