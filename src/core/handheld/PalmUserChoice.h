#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/handheld/HandheldMessage.h"
#include "core/handheld/HandheldTexts.h"
#include "core/handheld/PalmDesktop.h"

namespace courtlog::handheld {

// The first step of every Palm command: which Palm user the files are for.
struct PalmUserChoice {
    enum class Step {
        NoDesktop,  // no Palm desktop folder: show message, the command ends
        NoUsers,    // the folder has no users: show message, no user is chosen
        OnlyUser,   // the one user is taken without asking
        AskUser,    // "Select Palm User" lists users in this order
    };

    Step step = Step::NoDesktop;
    std::optional<PalmDesktop> desktop;  // set unless NoDesktop
    std::vector<std::string> users;
    HandheldMessage message;             // NoDesktop and NoUsers

    // configured: the Palm desktop folder set under Handheld Folders (empty
    // for the default); home: the user's home folder.
    static PalmUserChoice start(const std::string& configured, const std::string& home, PalmUserPurpose purpose);

    // The user taken without asking, or the one at selected (-1: none) in
    // the list the dialog showed; nullopt when none is chosen.
    std::optional<std::string> chosen(int selected = -1) const;
};

}  // namespace courtlog::handheld
