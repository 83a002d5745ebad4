#pragma once

#include "RecordBuilders.h"
#include "core/output/HtmlStyle.h"

namespace courtlog::testing {

// The game of the golden page: a "00" player, a roster player without plays,
// every counter of the row, points in four periods and an overtime.
inline Game boxScoreTestGame() {
    Game g = game(team("Hawks", {player("Ann Lee", -1), player("Bo Park", 12), player("Di Ray", 5)}),
                  team("Owls", {player("Cy Moss", 7)}));
    g.home.players[0].playedInPeriod = {1, 1};
    g.fileName = "/tmp/games/final.gam";
    g.court = "Main Gym";
    g.attendance = "350";
    g.referee1 = "R One";
    g.referee2 = "R Two";
    g.referee3 = "R Three";
    for (const PlayEvent& e :
         {play("Ann Lee", Shot, TwoPointMade, 0, -1), play("Ann Lee", Shot, TwoPointMissed, 0, -1),
          play("Ann Lee", Shot, TwoPointMade, 1, -1), play("Bo Park", Shot, ThreePointMade, 2, 12),
          play("Bo Park", Shot, FreeThrowMade, 4, 12), play("Bo Park", Foul, OffensiveFoul, 1, 12),
          play("Ann Lee", Foul, DefensiveFoul, 1, -1), play("Ann Lee", TechnicalFoul, PlayerTechnical, 1, -1),
          play("Bo Park", Rebound, OffensiveRebound, 2, 12), play("Ann Lee", Rebound, DefensiveRebound, 2, -1),
          play("Ann Lee", Assist, 0, 2, -1), play("Bo Park", Steal, 0, 3, 12), play("Ann Lee", BlockedShot, 0, 3, -1),
          play("Bo Park", Turnover, Travel, 3, 12)})
        g.addHomeEvent(e);
    g.addVisitorEvent(play("Cy Moss", Shot, ThreePointMissed, 0, 7));
    g.addVisitorEvent(play("Cy Moss", Shot, FreeThrowMade, 3, 7));
    return g;
}

// Its box score text, as tests/data/output/boxscore-quarters.txt holds it.
inline std::string boxScoreTestText() { return readFile(COURTLOG_TEST_DATA "/output/boxscore-quarters.txt"); }

// The style of the golden page: header cells in red at size 4, body cells
// at size 2, so the page shows which tag each cell takes.
inline output::HtmlStyle boxScoreTestStyle() {
    output::HtmlStyle style;
    style.colours[output::HtmlStyle::HeaderFont] = 0x000000FFu;
    style.headerFontSize = 4;
    style.bodyFontSize = 2;
    return style;
}

// Its HTML page in that style, stamped 3/05/2024 at 9:07:30.
inline std::string boxScoreTestPage() { return readFile(COURTLOG_TEST_DATA "/output/boxscore-quarters.htm"); }

}  // namespace courtlog::testing
