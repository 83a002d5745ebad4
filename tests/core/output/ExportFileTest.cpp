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

#include "CaseNames.h"
#include "RecordBuilders.h"
#include "core/output/ExportFile.h"

namespace courtlog::output {
namespace {

using courtlog::testing::readFile;
using courtlog::testing::ScratchFolder;
using courtlog::testing::writeFile;

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
    std::vector<bool> asked(2, false);
    const ExportQuestions ask{[&] {
                                  asked[0] = true;
                                  return c.appendAnswer.value_or(false);
                              },
                              [&] {
                                  asked[1] = true;
                                  return c.overwriteAnswer.value_or(false);
                              }};
    EXPECT_EQ(chooseExportMode(c.exists, ask), c.mode);
    EXPECT_EQ(asked, (std::vector<bool>{c.appendAnswer.has_value(), c.overwriteAnswer.has_value()}));
}

INSTANTIATE_TEST_SUITE_P(
    Table, ExportDecision,
    ::testing::Values(DecisionCase{"NoFileAsksNothing", false, std::nullopt, std::nullopt,
                                   ExportMode::NewFile},
                      DecisionCase{"YesToAppend", true, true, std::nullopt, ExportMode::Append},
                      DecisionCase{"NoThenYesOverwrites", true, false, true, ExportMode::Overwrite},
                      DecisionCase{"NoThenNoCancels", true, false, false, ExportMode::Cancelled}),
    [](const auto& info) { return std::string(info.param.name); });

struct WriteCase {
    const char* name;
    const char* before;  // nullptr: no file
    ExportMode mode;
    const char* after;  // nullptr: no file
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
    if (c.after) {
        EXPECT_EQ(readFile(path), c.after);
    }
    EXPECT_EQ(folder.names().size(), c.after ? 1u : 0u) << "no temporary file is left";
}

INSTANTIATE_TEST_SUITE_P(
    Table, ExportWriting,
    ::testing::Values(WriteCase{"NewFile", nullptr, ExportMode::NewFile, "<new page>"},
                      WriteCase{"AppendAddsNewlineAndPart", "<old page>", ExportMode::Append,
                                "<old page>\n<new page>"},
                      WriteCase{"OverwriteReplaces", "<old page>", ExportMode::Overwrite, "<new page>"},
                      WriteCase{"CancelledKeepsTheFile", "<old page>", ExportMode::Cancelled, "<old page>"},
                      WriteCase{"CancelledCreatesNothing", nullptr, ExportMode::Cancelled, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

// Record text ("Zo\xEB" in Windows-1252) as it reaches the file: in UTF-8,
// comma-separated values behind a byte-order mark at the start of the file
// only; the coaching program's text as it is; a part appended to a file an
// older version wrote in Windows-1252 in that file's encoding.
struct EncodingCase {
    const char* what;
    ExportEncoding encoding;
    const char* before;  // nullptr: no file
    ExportMode mode;
    std::string after;
};
void PrintTo(const EncodingCase& c, std::ostream* os) { *os << c.what; }

class ExportEncodingCases : public ::testing::TestWithParam<EncodingCase> {};

TEST_P(ExportEncodingCases, WriteTheFileInOneEncoding) {
    const EncodingCase& c = GetParam();
    ScratchFolder folder;
    const std::string path = folder.file("out");
    if (c.before) writeFile(path, c.before);
    std::string error;
    ASSERT_TRUE(writeExportText(path, c.mode, "Zo\xEB,\x80", c.encoding, &error)) << error;
    EXPECT_EQ(readFile(path), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ExportEncodingCases,
    ::testing::Values(EncodingCase{"new csv has the mark", ExportEncoding::Utf8WithBom, nullptr,
                                   ExportMode::NewFile, "\xEF\xBB\xBFZo\xC3\xAB,\xE2\x82\xAC"},
                      EncodingCase{"overwritten old file is utf8", ExportEncoding::Utf8WithBom, "Zo\xEB",
                                   ExportMode::Overwrite, "\xEF\xBB\xBFZo\xC3\xAB,\xE2\x82\xAC"},
                      EncodingCase{"page has no mark", ExportEncoding::Utf8, nullptr, ExportMode::NewFile,
                                   "Zo\xC3\xAB,\xE2\x82\xAC"},
                      EncodingCase{"benchboss stays single byte", ExportEncoding::Windows1252, nullptr,
                                   ExportMode::NewFile, "Zo\xEB,\x80"},
                      EncodingCase{"appended csv gets no second mark", ExportEncoding::Utf8WithBom,
                                   "\xEF\xBB\xBF"
                                   "Al\xC3\xA9",
                                   ExportMode::Append,
                                   "\xEF\xBB\xBF"
                                   "Al\xC3\xA9\nZo\xC3\xAB,\xE2\x82\xAC"},
                      EncodingCase{"appended to ascii is utf8", ExportEncoding::Utf8, "<old>",
                                   ExportMode::Append, "<old>\nZo\xC3\xAB,\xE2\x82\xAC"},
                      EncodingCase{"appended to old windows 1252 file keeps it", ExportEncoding::Utf8WithBom,
                                   "Al\xE9", ExportMode::Append, "Al\xE9\nZo\xEB,\x80"}),
    [](const auto& info) { return courtlog::testing::caseName(info.param.what); });

// A file size limit makes every write fail, for root as well; the old page
// stays whole and the reason is given.
TEST(ExportFile, AFailedWriteSaysWhyAndLeavesTheOldFile) {
    ScratchFolder folder;
    const std::string path = folder.file("stats.htm");
    writeFile(path, "<old page>");
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    for (ExportMode mode : {ExportMode::Append, ExportMode::Overwrite}) {
        rlimit tiny = saved;
        tiny.rlim_cur = 4;
        ::setrlimit(RLIMIT_FSIZE, &tiny);
        std::string error;
        const bool written = writeExportFile(path, mode, "<a page far longer than four bytes>", &error);
        ::setrlimit(RLIMIT_FSIZE, &saved);
        EXPECT_FALSE(written) << static_cast<int>(mode);
        EXPECT_FALSE(error.empty()) << static_cast<int>(mode);
        EXPECT_EQ(readFile(path), "<old page>") << static_cast<int>(mode);
        EXPECT_EQ(folder.names().size(), 1u) << "no temporary file is left";
    }
    std::signal(SIGXFSZ, previous);

    // Appending to a file that went away in the meantime writes nothing.
    std::string error;
    EXPECT_FALSE(writeExportFile(folder.file("gone.htm"), ExportMode::Append, "<new page>", &error));
    EXPECT_NE(error.find("gone.htm"), std::string::npos) << error;
    EXPECT_EQ(folder.names().size(), 1u);
}

}  // namespace
}  // namespace courtlog::output
