#include <gtest/gtest.h>

#include "CaseNames.h"
#include "core/records/TypedFileName.h"

using namespace courtlog;

namespace {

// The team editor's Save As: team file, comma-delimited, web page.
const OfferedKinds kRosterKinds{{"tem"}, {"csv"}, {"htm"}};
// The statistics export: comma-separated, web page, coaching program text.
const OfferedKinds kStatisticsKinds{{"csv"}, {"htm"}, {"txt"}};

struct TypedCase {
    const char* what;
    const OfferedKinds* kinds;
    std::string typed;
    std::size_t selected;
    bool saving;
    std::string expectedPath;
    std::size_t expectedKind;
};

class TypedFileNames : public ::testing::TestWithParam<TypedCase> {};

TEST_P(TypedFileNames, MakeTheFileAndItsKind) {
    const TypedCase& c = GetParam();
    const std::string selectedExtension = (*c.kinds)[c.selected - 1].front();
    const TypedFileName made = typedFileName(c.typed, *c.kinds, c.selected, selectedExtension, c.saving);
    EXPECT_EQ(made.path, c.expectedPath);
    EXPECT_EQ(made.kind, c.expectedKind);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, TypedFileNames,
    ::testing::Values(
        TypedCase{"csv typed with team file selected", &kRosterKinds, "/t/t2.csv", 1, true, "/t/t2.csv", 2},
        TypedCase{"txt typed with csv selected", &kStatisticsKinds, "/s/opp-bench.txt", 1, true,
                  "/s/opp-bench.txt", 3},
        TypedCase{"html asks for the htm kind", &kRosterKinds, "/t/roster.html", 1, true, "/t/roster.html",
                  3},
        TypedCase{"no extension takes the selected one", &kRosterKinds, "/t/roster", 2, true, "/t/roster.csv",
                  2},
        TypedCase{"an unoffered extension gets the selected one added", &kRosterKinds, "/t/roster.v2", 3,
                  true, "/t/roster.v2.htm", 3},
        TypedCase{"a dot in a name is no extension", &kStatisticsKinds, "/s/Hawks v. Eagles", 2, true,
                  "/s/Hawks v. Eagles.htm", 2},
        TypedCase{"a trailing dot is not doubled", &kRosterKinds, "/t/roster.", 2, true, "/t/roster.csv", 2},
        TypedCase{"a dot in a folder name does not count", &kRosterKinds, "/home/coach.v2/lions", 1, true,
                  "/home/coach.v2/lions.tem", 1},
        TypedCase{"a hidden name has no extension", &kRosterKinds, "/t/.csv", 1, true, "/t/.csv.tem", 1},
        TypedCase{"open keeps an existing name with another extension", &kRosterKinds, "/t/lions.old", 1,
                  false, "/t/lions.old", 1},
        TypedCase{"open adds the extension to a bare name", &kRosterKinds, "/t/lions", 2, false,
                  "/t/lions.csv", 2},
        TypedCase{"open chooses the kind the extension names", &kRosterKinds, "/t/lions.csv", 1, false,
                  "/t/lions.csv", 2}),
    courtlog::testing::NameFromWhat{});

TEST(TypedFileName, AnyExtensionFilterTakesEveryName) {
    const OfferedKinds kinds{{"bmp"}, {"*"}};
    EXPECT_EQ(kindNamedBy("/p/logo.png", kinds), 2u);
    EXPECT_EQ(typedFileName("/p/logo.png", kinds, 1, "bmp", true).path, "/p/logo.png");
}

}  // namespace
