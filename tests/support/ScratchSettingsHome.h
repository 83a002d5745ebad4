#pragma once

// Every test runs with a configuration folder of its own: XDG_CONFIG_HOME
// names a fresh scratch folder from the start of each test to its end, so
// the program under test never reads or writes the settings of the user
// running the tests, and no test sees what another one left there. Included
// by RecordBuilders.h, so every test program installs it once.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

namespace courtlog::testing {

class ScratchSettingsHome : public ::testing::EmptyTestEventListener {
public:
    // The folder of the test that runs now.
    static std::string& current() {
        static std::string folder;
        return folder;
    }

private:
    void OnTestStart(const ::testing::TestInfo&) override {
        std::string pattern = (std::filesystem::temp_directory_path() / "courtlog-config-XXXXXX").string();
        current() = mkdtemp(pattern.data()) ? pattern : std::string();
        if (const char* before = std::getenv("XDG_CONFIG_HOME"))
            saved_ = before;
        else
            saved_.reset();
        setenv("XDG_CONFIG_HOME", current().c_str(), 1);
    }
    void OnTestEnd(const ::testing::TestInfo&) override {
        std::error_code ec;
        if (!current().empty()) std::filesystem::remove_all(current(), ec);
        current().clear();
        if (saved_)
            setenv("XDG_CONFIG_HOME", saved_->c_str(), 1);
        else
            unsetenv("XDG_CONFIG_HOME");
    }

    std::optional<std::string> saved_;
};

inline const bool kScratchSettingsHomeInstalled = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new ScratchSettingsHome);
    return true;
}();

// The settings folder the program finds with no settings file in its start
// folder: "courtlog" in the test's configuration folder.
inline std::string scratchSettingsFolder() { return ScratchSettingsHome::current() + "/courtlog"; }

}  // namespace courtlog::testing
