#pragma once

#include <QString>
#include <memory>
#include <string>

#include "core/output/ScoreSheetContent.h"
#include "gui/output/GameScoreSheetPrintout.h"

class QWidget;

namespace courtlog::gui::output {

// The score sheets of the game file at path, for the teams chosen: the game
// is loaded afresh and its scores recomputed. A file that does not load
// gives no printout and the reason in error ("Can't load game ! PATH: why").
std::unique_ptr<GameScoreSheetPrintout> gameScoreSheets(const QString& path, courtlog::output::SheetTeams teams,
                                                        std::string* error = nullptr);

// Prints those sheets through the print preview. A file that does not load
// prints nothing: "Can't load game !" with the caption "File corrupt ?".
void printGameScoreSheets(QWidget* owner, const QString& path, courtlog::output::SheetTeams teams);

// Prints pages (1 to 9) blank score sheets for a game in halves or
// quarters through the print preview.
void printBlankScoreSheets(QWidget* owner, int pages, bool halves);

}  // namespace courtlog::gui::output
