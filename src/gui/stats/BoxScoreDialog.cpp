#include "gui/stats/BoxScoreDialog.h"

#include <QFont>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>
#include <optional>

#include "core/output/BoxScoreHtml.h"
#include "core/output/ExportFile.h"
#include "core/output/ExportFileName.h"
#include "core/output/HtmlPage.h"
#include "core/output/HtmlStyle.h"
#include "core/records/Game.h"
#include "gui/stats/BoxScorePrintout.h"
#include "gui/stats/LineList.h"
#include "gui/ui/AppState.h"
#include "gui/ui/CornerBitmap.h"
#include "gui/ui/ExportToFile.h"
#include "gui/ui/FileDialogs.h"
#include "gui/ui/Printing.h"
#include "gui/ui/ProgramSettings.h"
#include "gui/ui/ViewerPlacement.h"

namespace courtlog::gui::stats {

namespace {

// Room for the widest line (the rule) at Courier New 8 point, and for a
// page of lines.
constexpr int kPreferredWidth = 820;
constexpr int kPreferredHeight = 520;
constexpr int kNarrowest = 320;

}  // namespace

BoxScoreDialog::BoxScoreDialog(QWidget* parent, const Game& game) : CourtlogDialog(parent), boxScore_(game) {
    setObjectName(QStringLiteral("boxScoreDialog"));
    setWindowTitle(QStringLiteral("Box Score"));
    setHelpTopic(QStringLiteral("box-score.html"));
    setSizeGripEnabled(true);

    list_ = new LineList(this);
    list_->setObjectName(QStringLiteral("boxScoreList"));
    QFont font(QStringLiteral("Courier New"));
    font.setPointSize(8);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    list_->setFont(font);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);

    QPushButton* ok =
        addClickButton(QStringLiteral("&OK"), QStringLiteral("okButton"), [this] { closeWith(1); });
    ok->setDefault(true);
    QPushButton* print =
        addClickButton(QStringLiteral("&Print"), QStringLiteral("printButton"), [this] { printBoxScore(); });
    QPushButton* setup =
        addClickButton(QStringLiteral("&Setup Printer"), QStringLiteral("setupPrinterButton"),
                       [this] { ui::printerSetup(this); });
    QPushButton* exportButton = addClickButton(QStringLiteral("&Export"), QStringLiteral("exportButton"),
                                               [this] { exportBoxScore(); });

    // The list fills the window above one row: the small picture at the
    // left, then the four buttons.
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(new ui::CornerBitmap(this));
    buttons->addStretch(1);
    for (QPushButton* button : {ok, print, setup, exportButton}) {
        // Narrower than the style's usual width when the room beside the
        // console is small, never narrower than the caption.
        const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        button->setMinimumWidth(
            button->fontMetrics().horizontalAdvance(button->text().remove(QLatin1Char('&'))) + 2 * margin +
            8);
        button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    resize(kPreferredWidth, kPreferredHeight);

    ui::appState().boxScoreViewerOpen = true;
    ui::notifyGameStateChanged();
    fillList();
}

BoxScoreDialog::~BoxScoreDialog() {
    ui::unregisterGameViewer(this);
    ui::appState().boxScoreViewerOpen = false;
    ui::notifyGameStateChanged();
}

void BoxScoreDialog::showBesideConsole(QWidget* console) {
    ui::registerGameViewer(this);
    // Following the game, each play is counted once, as it is made.
    kept_.recount(boxScore_.game());
    boxScore_.countFrom(&kept_);
    setModal(false);
    // OK, Escape and the close box all end the dialog; it goes with them.
    connect(this, &QDialog::finished, this, &QObject::deleteLater);

    ui::showBesideConsole(this, console, {kPreferredWidth, kPreferredHeight}, kNarrowest);
}

void BoxScoreDialog::refreshFromGame() {
    kept_.recount(boxScore_.game());
    boxScore_.recompute();
    fillList();
}

void BoxScoreDialog::gameChanged(const courtlog::scoring::PlaysChange& change) {
    kept_.follow(boxScore_.game(), change);
    boxScore_.recompute();
    fillList();
}

void BoxScoreDialog::fillList() { list_->showLines(boxScore_.textLines()); }

QStringList BoxScoreDialog::lines() const { return list_->lines(); }

void BoxScoreDialog::printBoxScore() {
    const std::unique_ptr<ui::Printout> printout = boxScorePrintout(boxScore_);
    ui::printWithPreview(this, *printout);
}

void BoxScoreDialog::exportBoxScore() {
    ui::FileDialogOptions options;
    options.title = QStringLiteral("Select file name to save as");
    // exportToFile asks whether to append to a file that exists or replace it.
    options.askBeforeReplacing = false;
    options.filters = QStringLiteral("HTML (Web Page) Format (*.htm)|*.htm");
    options.defaultExtension = QStringLiteral("htm");
    options.folder = FileFolder::Exports;
    options.suggestedNames = {QString::fromStdString(output::gameExportName(boxScore_.game(), "box score"))};
    options.mustExist = false;
    const std::optional<ui::FileChoice> choice = ui::getSaveFile(this, options);
    if (!choice || choice->path.isEmpty()) return;
    // The page of an existing file is appended or replaced as the user
    // answers; a new or replaced page starts with the page head.
    const output::HtmlStyle style = output::HtmlStyle::fromSettings(ui::programSettings());
    ui::exportToFile(this, choice->path, output::ExportEncoding::Utf8, [&](output::ExportMode mode) {
        return output::boxScoreHtml(boxScore_, style, output::writesPageHead(mode), output::localTimeNow());
    });
}

}  // namespace courtlog::gui::stats
