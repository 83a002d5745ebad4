#pragma once

#include <string>

namespace courtlog {

// Outcome of a handheld conversion. On failure message and caption are the
// texts of the message box the window shows; detail says more for a log or
// the command line (a path, the system's reason) and is never part of the box.
struct PalmResult {
    bool ok = true;
    std::string message;
    std::string caption;
    std::string detail;

    explicit operator bool() const { return ok; }

    static PalmResult success() { return {}; }
    static PalmResult failure(std::string message, std::string caption, std::string detail = {}) {
        return {false, std::move(message), std::move(caption), std::move(detail)};
    }

    // "message" or "message: detail", for a one-line report.
    std::string text() const { return detail.empty() ? message : message + ": " + detail; }
};

// Captions of the handheld messages.
inline constexpr const char* kPalmErrorCaption = "Error";
inline constexpr const char* kPalmLoadErrorCaption = "Load Error";

}  // namespace courtlog
