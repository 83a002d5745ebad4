#pragma once

// Test names for the handheld tests' table rows: "one partner" -> "OnePartner".

#include <cctype>
#include <string>

namespace courtlog::testing {

struct CaseNamer {
    template <typename Info>
    std::string operator()(const Info& info) const {
        std::string name;
        bool upper = true;
        for (unsigned char c : std::string(info.param.what)) {
            if (std::isalnum(c)) name += static_cast<char>(upper ? std::toupper(c) : c);
            upper = !std::isalnum(c);
        }
        return name;
    }
};

}  // namespace courtlog::testing
