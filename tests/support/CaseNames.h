#pragma once

// Readable names for the cases of a parameterized suite. Without them
// GoogleTest names a case by its index and ctest by a dump of its bytes
// (heap addresses included), which changes every build: `ctest -R` and
// `--rerun-failed` could not find a case again.

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <string_view>

namespace courtlog::testing {

// "20-second time out" -> "20SecondTimeOut": the words of a description run
// together, each capitalised; whatever is not a letter or digit separates
// words and is dropped, so the result is always a valid test name.
inline std::string caseName(std::string_view what) {
    std::string name;
    bool wordStart = true;
    for (const char ch : what) {
        const auto c = static_cast<unsigned char>(ch);
        if (!std::isalnum(c)) {
            wordStart = true;
            continue;
        }
        name += static_cast<char>(wordStart ? std::toupper(c) : c);
        wordStart = false;
    }
    return name.empty() ? std::string("Unnamed") : name;
}

// Name generator for INSTANTIATE_TEST_SUITE_P over case structs that
// describe themselves in a `what` field. GoogleTest stops the run at start
// when two cases come out with the same name.
struct NameFromWhat {
    template <class Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
        return caseName(info.param.what);
    }
};

}  // namespace courtlog::testing
