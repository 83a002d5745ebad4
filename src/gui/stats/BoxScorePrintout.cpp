#include "gui/stats/BoxScorePrintout.h"

#include "core/output/BoxScore.h"
#include "core/records/Game.h"
#include "gui/ui/PageFrame.h"
#include "gui/ui/TeamLogo.h"
#include "gui/ui/TextFields.h"
#include "gui/ui/TextListingPrintout.h"

namespace courtlog::gui::stats {

namespace {

// The font is fitted to the rule line at least; a longer line (a long
// file name, a long attendance with the three officials) shrinks the font
// up to this many characters and is cut there.
constexpr int kShortestFitted = static_cast<int>(output::BoxScore::kRuleWidth);
constexpr int kLongestFitted = 132;

QImage logoOf(const Team& team) { return ui::loadTeamLogo(team).image(); }

}  // namespace

std::unique_ptr<ui::Printout> boxScorePrintout(const output::BoxScore& boxScore) {
    ui::TextListingPrintout::Content content;
    content.title = QStringLiteral("Box Score");
    for (const std::string& line : boxScore.textLines()) content.lines << QString::fromStdString(line);
    content.minimumLength = kShortestFitted;
    content.maximumLength = kLongestFitted;
    content.trailer = QString::fromStdString(boxScore.playedOnLine());
    content.homeLogo = logoOf(boxScore.game().home);
    content.visitorLogo = logoOf(boxScore.game().visitor);
    content.footLink = ui::printedFootLink();
    return std::make_unique<ui::TextListingPrintout>(std::move(content));
}

std::unique_ptr<ui::Printout> boxScorePrintoutOfFile(const std::string& gamePath, std::string& error) {
    Game game;
    std::string reason;
    if (!game.load(gamePath, &reason)) {
        error = "Can't load game ! " + gamePath + (reason.empty() ? "" : ": " + reason);
        return nullptr;
    }
    // The printout keeps the lines, not the game.
    return boxScorePrintout(output::BoxScore(game));
}

}  // namespace courtlog::gui::stats
