#include "gui/stats/StatisticsViewer.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "core/ProgramInfo.h"
#include "core/records/Game.h"
#include "core/output/StatisticsExport.h"
#include "gui/stats/StatisticsPrintout.h"
#include "gui/stats/StatisticsTableModel.h"
#include "gui/ui/AppState.h"
#include "gui/ui/CornerBitmap.h"
#include "gui/ui/ExportToFile.h"
#include "gui/ui/FileDialogs.h"
#include "gui/ui/MessageBox.h"
#include "gui/ui/Printing.h"
#include "gui/ui/PageFrame.h"
#include "gui/ui/ProgramSettings.h"
#include "gui/ui/RecordPaths.h"
#include "gui/ui/TextFields.h"
#include "gui/ui/ViewerPlacement.h"
#include "core/output/ExportFileName.h"

namespace courtlog::gui::stats {

namespace {

using courtlog::stats::kViewerColumnCount;
using courtlog::stats::StatisticsTab;

constexpr int kPreferredWidth = 900;
constexpr int kPreferredHeight = 480;
constexpr int kNarrowest = 420;

// Tabs of one width, room for the longer of the team's name and
// "Opponents" at 8 units a character, and 22 high.
class EqualTabBar : public QTabBar {
public:
    EqualTabBar(QWidget* parent, int characters) : QTabBar(parent), width_(8 * characters) {}

protected:
    QSize tabSizeHint(int index) const override {
        const QSize natural = QTabBar::tabSizeHint(index);
        return {std::max(width_, natural.width()), std::max(22, natural.height())};
    }

private:
    int width_;
};

}  // namespace

StatisticsViewer::StatisticsViewer(QWidget* parent, courtlog::stats::StatisticsSets sets, const Game* gameInProgress)
    : CourtlogDialog(parent), sets_(std::move(sets)), gameInProgress_(gameInProgress), tabs_(sets_.tabs()) {
    setObjectName(QStringLiteral("statisticsViewer"));
    setWindowTitle(QStringLiteral("Statistics"));
    setHelpTopic(QStringLiteral("statistics.html#viewer"));
    setSizeGripEnabled(true);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);

    const int characters =
        static_cast<int>(std::max<std::size_t>(sets_.selection().teamName().size(), std::string_view("Opponents").size()));
    tabBar_ = new EqualTabBar(this, characters);
    tabBar_->setObjectName(QStringLiteral("statisticsTabs"));
    tabBar_->setExpanding(false);
    for (StatisticsTab tab : tabs_) tabBar_->addTab(ui::fromRecordText(sets_.tabCaption(tab)));

    model_ = new StatisticsTableModel(this);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("statisticsList"));
    table_->setModel(model_);
    table_->setShowGrid(true);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    // The widths are those of a small dialog font: the list uses one, and
    // headings longer than their column wrap onto a second line.
    QFont listFont = table_->font();
    listFont.setPointSizeF(std::min<qreal>(listFont.pointSizeF(), 8.0));
    table_->setFont(listFont);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(QFontMetrics(listFont).height() + 6);
    // Sorting is the core's: a click reorders the set, the model shows it.
    table_->setSortingEnabled(false);
    QHeaderView* header = table_->horizontalHeader();
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setMinimumSectionSize(8);
    header->setFont(listFont);
    header->setMinimumHeight(2 * QFontMetrics(listFont).lineSpacing() + 6);
    const auto& widths = ui::programSettings().statColumnWidths;
    for (std::size_t column = 0; column < kViewerColumnCount; ++column)
        header->resizeSection(static_cast<int>(column), std::max(widths[column], 8));
    connect(header, &QHeaderView::sectionClicked, this, [this](int column) { sortByColumn(column); });

    QPushButton* ok =
        addClickButton(QStringLiteral("&OK"), QStringLiteral("okButton"), [this] { closeWith(1); });
    ok->setDefault(true);
    QPushButton* print =
        addClickButton(QStringLiteral("&Print"), QStringLiteral("printButton"), [this] { printShownSet(); });
    QPushButton* setup = addClickButton(QStringLiteral("&Setup Printer"), QStringLiteral("setupPrinterButton"),
                                        [this] { ui::printerSetup(this); });
    QPushButton* exportButton = addClickButton(QStringLiteral("&Export"), QStringLiteral("exportButton"),
                                               [this] { exportShownSet(); });

    // The tab strip and its list fill the window above the button row.
    auto* strip = new QVBoxLayout;
    strip->setSpacing(0);
    strip->addWidget(tabBar_);
    strip->addWidget(table_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(strip, 1);
    layout->addLayout(buttonRow({ok, print, setup, exportButton}));
    resize(kPreferredWidth, kPreferredHeight);

    ui::appState().statsViewerOpen = true;
    ui::notifyGameStateChanged();

    connect(tabBar_, &QTabBar::currentChanged, this, [this](int index) { showTab(index); });
    recompute();
}

StatisticsViewer::~StatisticsViewer() {
    ui::unregisterGameViewer(this);
    storeColumnWidths();
    ui::appState().statsViewerOpen = false;
    ui::notifyGameStateChanged();
}

void StatisticsViewer::showBesideConsole(QWidget* console) {
    ui::registerGameViewer(this);
    setModal(false);
    // OK, Escape and the close box all end the viewer; it goes with them.
    connect(this, &QDialog::finished, this, &QObject::deleteLater);
    ui::showBesideConsole(this, console, {kPreferredWidth, kPreferredHeight}, kNarrowest);
}

void StatisticsViewer::refreshFromGame() { recompute(); }

void StatisticsViewer::recompute() {
    if (gameInProgress_)
        sets_.compute(*gameInProgress_);
    else
        sets_.compute();
    model_->showLines(&shownLines());
}

StatisticsTab StatisticsViewer::shownTab() const {
    const int index = tabBar_->currentIndex();
    return index >= 0 && static_cast<std::size_t>(index) < tabs_.size() ? tabs_[static_cast<std::size_t>(index)]
                                                                       : StatisticsTab::Team;
}

const std::vector<StatLine>& StatisticsViewer::shownLines() const { return sets_.lines(shownTab()); }

void StatisticsViewer::showTab(int) { model_->showLines(&shownLines()); }

void StatisticsViewer::sortByColumn(int column) {
    if (column < 0) return;
    directions_.sortBy(sets_.lines(shownTab()), static_cast<std::size_t>(column));
    model_->showLines(&shownLines());
}

void StatisticsViewer::storeColumnWidths() const {
    auto& widths = ui::programSettings().statColumnWidths;
    const QHeaderView* header = table_->horizontalHeader();
    for (std::size_t column = 0; column < kViewerColumnCount; ++column)
        widths[column] = header->sectionSize(static_cast<int>(column));
}

void StatisticsViewer::printShownSet() {
    const int fit = ui::showMessage(this, QStringLiteral("Fit Output to Page Width ?"),
                                    QString::fromLatin1(kShortTitle), ui::MessageButtons::YesNo,
                                    ui::MessageIcon::Question);
    StatisticsPrintout::Content content;
    content.name = ui::fromRecordText(sets_.displayName(shownTab()));
    content.lines = shownLines();
    content.files = sets_.selection().files();
    content.fitToWidth = fit == ui::ResultYes;
    content.footLink = ui::printedFootLink();
    StatisticsPrintout printout(std::move(content));
    ui::printWithPreview(this, printout);
}

void StatisticsViewer::exportShownSet() {
    ui::FileDialogOptions options;
    options.title = QStringLiteral("Select file name to save as");
    // exportToFile asks whether to append to a file that exists or replace it.
    options.askBeforeReplacing = false;
    options.filters = QString::fromLatin1(output::kStatisticsExportFilters);
    // A name without '.' takes the chosen filter's extension.
    options.defaultExtension.clear();
    options.folder = FileFolder::Exports;
    options.suggestedNames = {
        QString::fromStdString(output::exportFileName(sets_.fileSubject(shownTab()), "statistics"))};
    const std::optional<ui::FileChoice> choice = ui::getSaveFile(this, options);
    if (!choice || choice->path.isEmpty()) return;
    const output::ExportKind kind = output::exportKindChosen(ui::toRecordPath(choice->path), choice->filterIndex,
                                                             output::kStatisticsExportKinds);
    const std::vector<StatLine> lines = shownLines();
    const std::string title = sets_.htmlTitle(shownTab());
    const output::HtmlStyle style = output::HtmlStyle::fromSettings(ui::programSettings());
    ui::exportToFile(
        this, choice->path, output::statisticsExportEncoding(kind), [&](output::ExportMode mode) {
            return output::statisticsExportText(kind, lines, title, style, mode, output::localTimeNow());
        });
}

}  // namespace courtlog::gui::stats
