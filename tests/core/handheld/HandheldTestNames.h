#pragma once

// Readable names for the handheld tests' table rows: each row's "what"
// becomes its test name ("one partner" -> "OnePartner").

#include <cctype>
#include <string>

namespace courtlog::testing {

inline std::string caseName(const std::string& what) {
    std::string name;
    bool upper = true;
    for (unsigned char c : what) {
        if (!std::isalnum(c)) {
            upper = true;
            continue;
        }
        name += static_cast<char>(upper ? std::toupper(c) : c);
        upper = false;
    }
    return name.empty() ? std::string("Unnamed") : name;
}

// The name generator for INSTANTIATE_TEST_SUITE_P over rows with a "what".
struct CaseNamer {
    template <typename Info>
    std::string operator()(const Info& info) const {
        return caseName(info.param.what);
    }
};

}  // namespace courtlog::testing
