#include "gui/output/ScoreSheetCommands.h"

#include <QFile>
#include <QFileInfo>

#include "gui/output/BlankScoreSheetPrintout.h"
#include "gui/ui/MessageBox.h"
#include "gui/ui/PageFrame.h"
#include "gui/ui/ProgramSettings.h"
#include "gui/ui/RecordPaths.h"

namespace courtlog::gui::output {

namespace {

QString footLink() { return ui::printedFootLink(); }

}  // namespace

std::unique_ptr<GameScoreSheetPrintout> gameScoreSheets(const QString& path, courtlog::output::SheetTeams teams,
                                                        std::string* error) {
    Game game(ui::programSettings().league.halves);
    std::string reason;
    if (!game.load(ui::toRecordPath(path), &reason)) {
        if (error) *error = "Can't load game ! " + ui::toRecordPath(path) + (reason.empty() ? "" : ": " + reason);
        return nullptr;
    }
    GameScoreSheetPrintout::Options options;
    options.teams = teams;
    options.title = QFileInfo(path).fileName();
    options.footLink = footLink();
    return std::make_unique<GameScoreSheetPrintout>(game, std::move(options));
}

void printGameScoreSheets(QWidget* owner, const QString& path, courtlog::output::SheetTeams teams) {
    const std::unique_ptr<GameScoreSheetPrintout> sheets = gameScoreSheets(path, teams);
    if (!sheets) {
        ui::showMessage(owner, QStringLiteral("Can't load game !"), QStringLiteral("File corrupt ?"));
        return;
    }
    ui::printWithPreview(owner, *sheets);
}

void printBlankScoreSheets(QWidget* owner, int pages, bool halves) {
    BlankScoreSheetPrintout sheets(pages, halves, footLink());
    ui::printWithPreview(owner, sheets);
}

}  // namespace courtlog::gui::output
