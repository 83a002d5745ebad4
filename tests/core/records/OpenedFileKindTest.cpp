#include <gtest/gtest.h>

#include "CaseNames.h"
#include "core/records/OpenedFileKind.h"

using namespace courtlog;

namespace {

struct KindCase {
    const char* what;
    const char* path;
    OpenedFileKind kind;
};

class OpenedFileKindByName : public ::testing::TestWithParam<KindCase> {};

TEST_P(OpenedFileKindByName, TakesTheExtensionInAnyCase) {
    EXPECT_EQ(openedFileKind(GetParam().path), GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(
    Files, OpenedFileKindByName,
    ::testing::Values(KindCase{"game", "/games/final.gam", OpenedFileKind::Game},
                      KindCase{"team in capitals", "C:\\TEAMS\\HAWKS.TEM", OpenedFileKind::Team},
                      KindCase{"schedule", "season.sch", OpenedFileKind::Schedule},
                      KindCase{"comma delimited roster", "hawks.csv", OpenedFileKind::Roster},
                      KindCase{"plain text roster", "hawks.Txt", OpenedFileKind::Roster},
                      KindCase{"other file", "notes.doc", OpenedFileKind::Unknown},
                      KindCase{"no extension", "/games/gam", OpenedFileKind::Unknown},
                      KindCase{"dot in the folder only", "/games.gam/final", OpenedFileKind::Unknown},
                      KindCase{"hidden file named like an extension", ".gam", OpenedFileKind::Unknown}),
    courtlog::testing::NameFromWhat{});

}  // namespace
