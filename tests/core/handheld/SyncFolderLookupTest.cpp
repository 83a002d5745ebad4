#include "core/handheld/SyncFolderLookup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "CaseNames.h"
#include "RecordBuilders.h"
#include "core/handheld/HandheldTexts.h"

using namespace courtlog::handheld;
using courtlog::testing::ScratchFolder;

namespace {

struct LookupCase {
    const char* what;
    TransferDirection direction;
    int partners;                   // "Device 1".. with folders "sync1"..
    std::vector<int> goneFolders;   // 1-based partners whose folder is missing
    std::vector<bool> answers;      // Yes/No to the questions in turn
    std::vector<std::string> asked; // the questions' texts
    int taken;                      // 1-based partner whose folder is found, 0 none
};

void PrintTo(const LookupCase& c, std::ostream* os) { *os << c.what; }

class SyncFolderLookup : public ::testing::TestWithParam<LookupCase> {};

TEST_P(SyncFolderLookup, AsksPartnerByPartnerUntilTheFirstYes) {
    const LookupCase& c = GetParam();
    ScratchFolder scratch;
    std::vector<DevicePartner> partners;
    for (int i = 1; i <= c.partners; ++i) {
        const std::string folder = scratch.file("sync" + std::to_string(i));
        if (std::find(c.goneFolders.begin(), c.goneFolders.end(), i) == c.goneFolders.end())
            std::filesystem::create_directories(folder);
        partners.push_back({"Device " + std::to_string(i), folder});
    }

    std::vector<std::string> asked;
    const auto answer = [&](const HandheldMessage& question) {
        EXPECT_EQ(question.caption, "Select Device");
        asked.push_back(question.text);
        return asked.size() <= c.answers.size() && c.answers[asked.size() - 1];
    };
    const std::optional<std::string> folder = findSyncFolder(partners, c.direction, answer);

    EXPECT_EQ(asked, c.asked);
    EXPECT_EQ(folder.value_or(""), c.taken ? scratch.file("sync" + std::to_string(c.taken)) : "");
}

const auto kExport = TransferDirection::Export;
const auto kImport = TransferDirection::Import;

INSTANTIATE_TEST_SUITE_P(
    Table, SyncFolderLookup,
    ::testing::Values(
        LookupCase{"no partners", kExport, 0, {}, {}, {}, 0},
        LookupCase{"one partner taken without a question", kExport, 1, {}, {}, {}, 1},
        LookupCase{"one partner whose folder is gone", kExport, 1, {1}, {}, {}, 0},
        LookupCase{"three partners first Yes", kExport, 3, {}, {true},
                   {"Export file to this device : Device 1 ?\n(1 of 3 found)"}, 1},
        LookupCase{"three partners No to all", kImport, 3, {}, {false, false, false},
                   {"Import file from this device : Device 1 ?\n(1 of 3 found)",
                    "Import file from this device : Device 2 ?\n(2 of 3 found)",
                    "Import file from this device : Device 3 ?\n(3 of 3 found)"},
                   0},
        LookupCase{"a partner whose folder is gone is passed over", kImport, 3, {2}, {false, true},
                   {"Import file from this device : Device 1 ?\n(1 of 3 found)",
                    "Import file from this device : Device 3 ?\n(3 of 3 found)"},
                   3}),
    courtlog::testing::NameFromWhat{});

TEST(SyncFolderLookup, NoFolderMessagePointsToHandheldFolders) {
    const HandheldMessage m = syncFolderMissingMessage();
    EXPECT_EQ(m.caption, "Cannot find path to Synchronize Files");
    EXPECT_NE(m.text.find("Options > Handheld Folders"), std::string::npos) << m.text;
    EXPECT_EQ(m.icon, MessageIcon::Exclamation);
}

}  // namespace
