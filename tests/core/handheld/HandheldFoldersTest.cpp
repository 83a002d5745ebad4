#include "core/handheld/HandheldFolders.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>

#include "CaseNames.h"
#include "RecordBuilders.h"

using namespace courtlog::handheld;
using courtlog::testing::ScratchFolder;

namespace {

TEST(HandheldFolders, WrittenFileReadsBackTheSame) {
    ScratchFolder scratch;
    HandheldFolders folders;
    folders.palmDesktopFolder = "/home/coach/Palm Desktop";
    folders.partners = {{"Office Pocket PC", "/home/coach/Sync A"}, {"Bench  device ", "/srv/sync:b"}};
    const std::string path = scratch.file(HandheldFolders::kFileName);
    ASSERT_TRUE(folders.write(path));

    HandheldFolders back;
    ASSERT_TRUE(back.read(path));
    EXPECT_EQ(back, folders);
    EXPECT_FALSE(back.read(scratch.file("missing.ini")));
    EXPECT_EQ(back, folders) << "a missing file changes nothing";
}

TEST(HandheldFolders, ReadsWhatItCanOfAnyText) {
    HandheldFolders folders;
    using namespace std::string_literals;
    folders.parse("garbage\0\xff\r\nDevice Folder: /orphan\r\nDevice Name: A\r\nDevice Name: B\n"
                  "Device Folder: /b\r\nPalm Desktop Folder: /p\nDevice Name: C"s);
    EXPECT_EQ(folders.palmDesktopFolder, "/p");
    EXPECT_EQ(folders.partners, (std::vector<DevicePartner>{{"B", "/b"}}));

    std::string many;
    for (int i = 0; i < 150; ++i) many += "Device Name: d" + std::to_string(i) + "\nDevice Folder: /f\n";
    folders.parse(many);
    EXPECT_EQ(folders.partners.size(), HandheldFolders::kMaxPartners);
}

struct PartnerEditCase {
    const char* what;
    std::function<std::string(HandheldFolders&, const std::string& existingFolder)> edit;
    std::string problemStart;               // "" when the edit is made
    std::vector<std::string> namesAfter;
};

void PrintTo(const PartnerEditCase& c, std::ostream* os) { *os << c.what; }

class PartnerEditing : public ::testing::TestWithParam<PartnerEditCase> {};

TEST_P(PartnerEditing, ChangesTheListOrSaysWhyNot) {
    const PartnerEditCase& c = GetParam();
    ScratchFolder scratch;
    HandheldFolders folders;
    folders.partners = {{"Office", scratch.path()}, {"Bench", scratch.path()}};
    const std::string problem = c.edit(folders, scratch.path());
    EXPECT_EQ(problem.substr(0, c.problemStart.size()), c.problemStart);
    EXPECT_EQ(problem.empty(), c.problemStart.empty()) << problem;
    std::vector<std::string> names;
    for (const DevicePartner& p : folders.partners) names.push_back(p.name);
    EXPECT_EQ(names, c.namesAfter);
}

using F = HandheldFolders;
INSTANTIATE_TEST_SUITE_P(
    Table, PartnerEditing,
    ::testing::Values(
        PartnerEditCase{"add", [](F& f, const std::string& d) { return f.addPartner("  Car  ", d); }, "",
                        {"Office", "Bench", "Car"}},
        PartnerEditCase{"add without name", [](F& f, const std::string& d) { return f.addPartner(" ", d); },
                        "Type the name of the device.", {"Office", "Bench"}},
        PartnerEditCase{"add same name other case",
                        [](F& f, const std::string& d) { return f.addPartner("office", d); },
                        "A device named Office is already in the list.", {"Office", "Bench"}},
        PartnerEditCase{"add without folder", [](F& f, const std::string&) { return f.addPartner("Car", ""); },
                        "Choose the folder", {"Office", "Bench"}},
        PartnerEditCase{"add with a folder that is gone",
                        [](F& f, const std::string& d) { return f.addPartner("Car", d + "/gone"); },
                        "The folder ", {"Office", "Bench"}},
        PartnerEditCase{"rename", [](F& f, const std::string&) { return f.renamePartner(1, "Gym"); }, "",
                        {"Office", "Gym"}},
        PartnerEditCase{"rename to another's name",
                        [](F& f, const std::string&) { return f.renamePartner(1, "Office"); },
                        "A device named Office", {"Office", "Bench"}},
        PartnerEditCase{"remove", [](F& f, const std::string&) { return f.removePartner(0); }, "", {"Bench"}},
        PartnerEditCase{"remove none chosen", [](F& f, const std::string&) { return f.removePartner(-1); },
                        "Choose a device", {"Office", "Bench"}}),
    courtlog::testing::NameFromWhat{});

}  // namespace
