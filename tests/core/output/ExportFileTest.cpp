// Choosing how an export goes into its file, and writing it through the
// safe save in each mode.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "RecordBuilders.h"
#include "core/output/ExportFile.h"

namespace courtlog::output {
namespace {

using courtlog::testing::readFile;
using courtlog::testing::ScratchFolder;
using courtlog::testing::writeFile;

const char* modeName(ExportMode mode) {
    switch (mode) {
    case ExportMode::NewFile: return "new file";
    case ExportMode::Append: return "append";
    case ExportMode::Overwrite: return "overwrite";
    case ExportMode::Cancelled: return "cancelled";
    }
    return "?";
}

struct DecisionCase {
    const char* name;
    bool exists;
    std::optional<bool> appendAnswer;     // nullopt: must not be asked
    std::optional<bool> overwriteAnswer;  // nullopt: must not be asked
    ExportMode mode;
};
void PrintTo(const DecisionCase& c, std::ostream* os) { *os << c.name; }

class ExportDecision : public ::testing::TestWithParam<DecisionCase> {};

TEST_P(ExportDecision, AsksOnlyWhatItMustAndChoosesTheMode) {
    const DecisionCase& c = GetParam();
    std::vector<std::string> asked;
    ExportQuestions ask;
    ask.appendToIt = [&] {
        asked.push_back("append");
        return c.appendAnswer.value_or(false);
    };
    ask.overwriteIt = [&] {
        asked.push_back("overwrite");
        return c.overwriteAnswer.value_or(false);
    };
    EXPECT_EQ(modeName(chooseExportMode(c.exists, ask)), std::string(modeName(c.mode)));
    std::vector<std::string> expected;
    if (c.appendAnswer) expected.push_back("append");
    if (c.overwriteAnswer) expected.push_back("overwrite");
    EXPECT_EQ(asked, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ExportDecision,
    ::testing::Values(DecisionCase{"NoFileAsksNothing", false, std::nullopt, std::nullopt, ExportMode::NewFile},
                      DecisionCase{"YesToAppend", true, true, std::nullopt, ExportMode::Append},
                      DecisionCase{"NoThenYesOverwrites", true, false, true, ExportMode::Overwrite},
                      DecisionCase{"NoThenNoCancels", true, false, false, ExportMode::Cancelled}),
    [](const auto& info) { return std::string(info.param.name); });

struct WriteCase {
    const char* name;
    const char* before;  // nullptr: no file
    ExportMode mode;
    const char* after;   // nullptr: no file
};
void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.name; }

class ExportWriting : public ::testing::TestWithParam<WriteCase> {};

TEST_P(ExportWriting, LeavesExactlyTheExpectedFile) {
    const WriteCase& c = GetParam();
    ScratchFolder folder;
    const std::string path = folder.file("stats.htm");
    if (c.before) writeFile(path, c.before);
    EXPECT_EQ(exportFileExists(path), c.before != nullptr);
    std::string error;
    ASSERT_TRUE(writeExportFile(path, c.mode, "<new page>", &error)) << error;
    if (c.after)
        EXPECT_EQ(readFile(path), c.after);
    else
        EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(folder.names().size(), c.after ? 1u : 0u) << "no temporary file is left";
}

INSTANTIATE_TEST_SUITE_P(
    Table, ExportWriting,
    ::testing::Values(WriteCase{"NewFile", nullptr, ExportMode::NewFile, "<new page>"},
                      WriteCase{"AppendAddsNewlineAndPart", "<old page>", ExportMode::Append, "<old page>\n<new page>"},
                      WriteCase{"OverwriteReplaces", "<old page>", ExportMode::Overwrite, "<new page>"},
                      WriteCase{"CancelledKeepsTheFile", "<old page>", ExportMode::Cancelled, "<old page>"},
                      WriteCase{"CancelledCreatesNothing", nullptr, ExportMode::Cancelled, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ExportFile, HeadOnlyForANewOrReplacedPage) {
    EXPECT_TRUE(writesPageHead(ExportMode::NewFile));
    EXPECT_TRUE(writesPageHead(ExportMode::Overwrite));
    EXPECT_FALSE(writesPageHead(ExportMode::Append));
}

// A file size limit makes every write fail, for root as well.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

TEST(ExportFile, AFailureSaysWhyAndLeavesTheOldFile) {
    ScratchFolder folder;
    const std::string path = folder.file("stats.htm");
    writeFile(path, "<old page>");
    for (ExportMode mode : {ExportMode::Append, ExportMode::Overwrite}) {
        std::string error;
        bool written = false;
        {
            FileSizeLimit limit(4);
            written = writeExportFile(path, mode, "<a page far longer than four bytes>", &error);
        }
        EXPECT_FALSE(written) << modeName(mode);
        EXPECT_FALSE(error.empty()) << modeName(mode);
        EXPECT_EQ(readFile(path), "<old page>") << modeName(mode);
        EXPECT_EQ(folder.names().size(), 1u) << "no temporary file is left";
    }
}

TEST(ExportFile, AppendingToAFileThatCannotBeReadFailsWithoutTouchingIt) {
    ScratchFolder folder;
    const std::string path = folder.file("gone.htm");
    std::string error;
    EXPECT_FALSE(writeExportFile(path, ExportMode::Append, "<new page>", &error));
    EXPECT_NE(error.find("gone.htm"), std::string::npos) << error;
    EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace courtlog::output
