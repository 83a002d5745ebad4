#include <gtest/gtest.h>

#include "CaseNames.h"
#include "core/records/FileKind.h"

using namespace courtlog;

namespace {

struct KindCase {
    const char* what;
    const char* path;
    FileKind kind;
};

class FileKindByName : public ::testing::TestWithParam<KindCase> {};

TEST_P(FileKindByName, TakesTheExtensionOfTheNameInAnyCase) {
    EXPECT_EQ(fileKindOf(GetParam().path), GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(
    Files, FileKindByName,
    ::testing::Values(KindCase{"game", "/games/final.gam", FileKind::Game},
                      KindCase{"team in capitals", "C:\\TEAMS\\HAWKS.TEM", FileKind::Team},
                      KindCase{"schedule", "season.sch", FileKind::Schedule},
                      KindCase{"settings", "crtlog.INI", FileKind::Settings},
                      KindCase{"json", "game.json", FileKind::Json},
                      KindCase{"comma delimited roster", "hawks.csv", FileKind::CommaDelimited},
                      KindCase{"plain text roster", "hawks.Txt", FileKind::PlainText},
                      KindCase{"palm database", "hawks.PDB", FileKind::PalmDatabase},
                      KindCase{"printout", "sheet.pdf", FileKind::Pdf},
                      KindCase{"only the last extension counts", "hawks.csv.tem", FileKind::Team},
                      KindCase{"other file", "notes.doc", FileKind::Unknown},
                      KindCase{"extension that only begins like one", "notes.gamx", FileKind::Unknown},
                      KindCase{"no extension", "/games/gam", FileKind::Unknown},
                      KindCase{"dot in the folder only", "/games.gam/final", FileKind::Unknown},
                      KindCase{"hidden file named like an extension", "/games/.gam", FileKind::Unknown}),
    courtlog::testing::NameFromWhat{});

TEST(FileKind, EachKindNamesItsExtensionAndIsKnownByIt) {
    for (FileKind kind : {FileKind::Game, FileKind::Team, FileKind::Schedule, FileKind::Settings, FileKind::Json,
                          FileKind::CommaDelimited, FileKind::PlainText, FileKind::PalmDatabase, FileKind::Pdf})
        EXPECT_EQ(fileKindOf("file" + std::string(extensionOf(kind))), kind) << extensionOf(kind);
    EXPECT_EQ(extensionOf(FileKind::Unknown), "");
}

}  // namespace
