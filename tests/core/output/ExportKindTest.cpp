// Every export's save dialog decides what it writes by one rule: a name that
// asks for a web page, then the chosen filter.
#include <gtest/gtest.h>

#include <span>

#include "core/output/ExportKind.h"

namespace courtlog::output {
namespace {

struct KindCase {
    const char* name;
    std::span<const ExportKind> filterKinds;
    const char* path;
    int filter;
    ExportKind kind;
};
void PrintTo(const KindCase& c, std::ostream* os) { *os << c.name; }

class ExportKindRule : public ::testing::TestWithParam<KindCase> {};

TEST_P(ExportKindRule, FollowsTheNameThenTheFilter) {
    EXPECT_EQ(exportKindChosen(GetParam().path, GetParam().filter, GetParam().filterKinds), GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ExportKindRule,
    ::testing::Values(
        KindCase{"RosterTemWithTeamFilter", kRosterSaveKinds, "/t/roster.tem", 1, ExportKind::TeamFile},
        KindCase{"RosterCsvWithCsvFilter", kRosterSaveKinds, "/t/roster.csv", 2, ExportKind::CommaDelimited},
        KindCase{"RosterHtmWithHtmlFilter", kRosterSaveKinds, "/t/roster.htm", 3, ExportKind::Html},
        KindCase{"RosterHtmlNameWithTeamFilter", kRosterSaveKinds, "/t/roster.html", 1, ExportKind::Html},
        KindCase{"RosterUpperCaseHtm", kRosterSaveKinds, "/t/ROSTER.HTM", 2, ExportKind::Html},
        KindCase{"RosterHtmOnlyInTheFolder", kRosterSaveKinds, "/htm/roster.csv", 2, ExportKind::CommaDelimited},
        KindCase{"RosterShortName", kRosterSaveKinds, "htm", 1, ExportKind::TeamFile},
        KindCase{"StatsCsvFilter", kStatisticsExportKinds, "/tmp/stats.csv", 1, ExportKind::CommaDelimited},
        KindCase{"StatsHtmlFilter", kStatisticsExportKinds, "/tmp/stats.csv", 2, ExportKind::Html},
        KindCase{"StatsBenchbossFilter", kStatisticsExportKinds, "/tmp/coach.txt", 3, ExportKind::Benchboss},
        KindCase{"StatsHtmNameWins", kStatisticsExportKinds, "/tmp/page.htm", 1, ExportKind::Html},
        KindCase{"StatsHtmlNameWinsOverBenchboss", kStatisticsExportKinds, "/tmp/page.HTML", 3, ExportKind::Html},
        KindCase{"StatsHtmEarlierInTheNameDoesNot", kStatisticsExportKinds, "/tmp/htm-stats.csv", 1,
                 ExportKind::CommaDelimited},
        // The address list and the schedule follow the same rule.
        KindCase{"ListHtmlFilter", kTextOrPageKinds, "/t/list.csv", 2, ExportKind::Html},
        KindCase{"ListHtmName", kTextOrPageKinds, "/t/list.htm", 1, ExportKind::Html},
        KindCase{"ListCsvFilter", kTextOrPageKinds, "/t/list.txt", 1, ExportKind::CommaDelimited},
        KindCase{"AFilterTheDialogDoesNotOffer", kTextOrPageKinds, "/t/list", 7, ExportKind::CommaDelimited}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace courtlog::output
