#include "gui/output/ScoreSheetCommands.h"

#include <QFile>
#include <QFileInfo>

#include "gui/output/BlankScoreSheetPrintout.h"
#include "gui/ui/MessageBox.h"
#include "gui/ui/PageFrame.h"
#include "gui/ui/ProgramSettings.h"
#include "gui/ui/RecordPaths.h"
#include "gui/ui/SaveFailure.h"

namespace courtlog::gui::output {

namespace {

QString footLink() { return ui::printedFootLink(); }

std::unique_ptr<GameScoreSheetPrintout> loadScoreSheets(const QString& path, courtlog::output::SheetTeams teams,
                                                        std::string* reason) {
    Game game(ui::programSettings().league.halves);
    if (!game.load(ui::toRecordPath(path), reason)) return nullptr;
    GameScoreSheetPrintout::Options options;
    options.teams = teams;
    options.title = QFileInfo(path).fileName();
    options.footLink = footLink();
    return std::make_unique<GameScoreSheetPrintout>(game, std::move(options));
}

}  // namespace

std::unique_ptr<GameScoreSheetPrintout> gameScoreSheets(const QString& path, courtlog::output::SheetTeams teams,
                                                        std::string* error) {
    std::string reason;
    std::unique_ptr<GameScoreSheetPrintout> sheets = loadScoreSheets(path, teams, &reason);
    if (!sheets && error)
        *error = "Can't load game ! " + ui::toRecordPath(path) + (reason.empty() ? "" : ": " + reason);
    return sheets;
}

void printGameScoreSheets(QWidget* owner, const QString& path, courtlog::output::SheetTeams teams) {
    std::string reason;
    const std::unique_ptr<GameScoreSheetPrintout> sheets = loadScoreSheets(path, teams, &reason);
    if (!sheets) {
        ui::showGameLoadFailure(owner, reason);
        return;
    }
    ui::printWithPreview(owner, *sheets);
}

void printBlankScoreSheets(QWidget* owner, int pages, bool halves) {
    BlankScoreSheetPrintout sheets(pages, halves, footLink());
    ui::printWithPreview(owner, sheets);
}

}  // namespace courtlog::gui::output
