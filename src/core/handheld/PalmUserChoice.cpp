#include "core/handheld/PalmUserChoice.h"

namespace courtlog::handheld {

PalmUserChoice PalmUserChoice::start(const std::string& configured, const std::string& home,
                                     PalmUserPurpose purpose) {
    PalmUserChoice choice;
    choice.desktop = PalmDesktop::find(configured, home);
    if (!choice.desktop) {
        choice.step = Step::NoDesktop;
        choice.message = palmDesktopMissingMessage(configured);
        return choice;
    }
    choice.users = choice.desktop->users();
    if (choice.users.empty()) {
        choice.step = Step::NoUsers;
        choice.message = noPalmUsersMessage(purpose);
    } else {
        choice.step = choice.users.size() == 1 ? Step::OnlyUser : Step::AskUser;
    }
    return choice;
}

std::optional<std::string> PalmUserChoice::chosen(int selected) const {
    if (step == Step::OnlyUser) return users.front();
    if (step == Step::AskUser && selected >= 0 && static_cast<std::size_t>(selected) < users.size())
        return users[static_cast<std::size_t>(selected)];
    return std::nullopt;
}

}  // namespace courtlog::handheld
