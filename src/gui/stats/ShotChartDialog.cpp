#include "gui/stats/ShotChartDialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/stats/ShotChartFilter.h"
#include "gui/stats/ShotChartPrintout.h"
#include "gui/ui/AppState.h"
#include "gui/ui/CourtPainting.h"
#include "gui/ui/Printing.h"
#include "gui/ui/ProgramSettings.h"
#include "gui/ui/TextFields.h"
#include "gui/ui/ViewerPlacement.h"

namespace courtlog::gui::stats {

using courtlog::stats::ShotKindChoice;

namespace {

QString viewText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

// The court and its marks, drawn by the same function as the printout's
// marks, as large as the dialog leaves room for: twice the court's own size
// when there is room, never smaller than the court's own size.
class ShotChartCanvas : public QWidget {
public:
    ShotChartCanvas(QWidget* parent, int threePointArc, const courtlog::stats::ShotChartFigures& figures)
        : QWidget(parent), threePointArc_(threePointArc), figures_(figures) {
        setObjectName(QStringLiteral("shotChart"));
        setMinimumSize(scoring::kUprightCourt.width, scoring::kUprightCourt.height);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    QSize sizeHint() const override { return 2 * minimumSize(); }

    // Where the court is drawn: the largest upright court the canvas holds.
    QRectF courtArea() const { return ui::courtAreaIn(QRectF(rect()), 0); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        drawShotChart(painter, courtArea(), threePointArc_, figures_);
    }

private:
    int threePointArc_;
    const courtlog::stats::ShotChartFigures& figures_;
};

ShotChartDialog::ShotChartDialog(QWidget* parent, courtlog::stats::ShotAnalysis analysis)
    : CourtlogDialog(parent),
      analysis_(std::move(analysis)),
      arc_(scoring::pictureArc(ui::programSettings().league.threePointArc)) {
    setObjectName(QStringLiteral("shotAnalysisDialog"));
    setWindowTitle(QStringLiteral("Shot Analysis"));
    setHelpTopic(QStringLiteral("shot-analysis.html"));
    ui::appState().shotViewerOpen = true;
    ui::notifyGameStateChanged();

    canvas_ = new ShotChartCanvas(this, static_cast<int>(arc_), figures_);

    auto* group = new QGroupBox(QStringLiteral("Select Player(s)"), this);
    players_ = new QListWidget(group);
    players_->setObjectName(QStringLiteral("playerList"));
    entries_ = analysis_.playerList();
    for (const auto& entry : entries_) players_->addItem(ui::fromRecordText(entry.text));

    periods_ = new QComboBox(group);
    periods_->setObjectName(QStringLiteral("periodList"));
    for (const auto& period : courtlog::stats::periodChoices()) periods_->addItem(viewText(period.name));

    kinds_ = new QButtonGroup(this);
    auto* kindRow = new QHBoxLayout;
    for (ShotKindChoice kind : {ShotKindChoice::Twos, ShotKindChoice::Threes, ShotKindChoice::All}) {
        const QString caption = viewText(courtlog::stats::shotKindButtonText(kind));
        auto* button = new QRadioButton(caption, group);
        button->setObjectName(QStringLiteral("kind") + caption);
        kinds_->addButton(button, static_cast<int>(kind));
        kindRow->addWidget(button);
    }
    kinds_->button(static_cast<int>(ShotKindChoice::All))->setChecked(true);
    made_ = new QLabel(group);
    made_->setObjectName(QStringLiteral("madeCount"));
    missed_ = new QLabel(group);
    missed_->setObjectName(QStringLiteral("missedCount"));

    // Made/attempted and the percentage per zone of the marks shown.
    auto* zones = new QGridLayout;
    for (const auto zone : courtlog::stats::zonesOf(arc_)) {
        const int row = static_cast<int>(zoneRows_.size());
        std::vector<QLabel*> labels{new QLabel(viewText(courtlog::stats::shotZoneName(zone)), group),
                                    new QLabel(group), new QLabel(group)};
        labels[1]->setObjectName(QStringLiteral("zoneShots%1").arg(row));
        labels[2]->setObjectName(QStringLiteral("zonePercent%1").arg(row));
        for (int column = 0; column < 3; ++column) {
            if (column > 0) labels[column]->setAlignment(Qt::AlignRight);
            zones->addWidget(labels[column], row, column);
        }
        zoneRows_.push_back(labels);
    }

    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(players_, 1);
    groupLayout->addWidget(new QLabel(QStringLiteral("Period"), group));
    groupLayout->addWidget(periods_);
    groupLayout->addLayout(kindRow);
    groupLayout->addWidget(made_);
    groupLayout->addWidget(missed_);
    groupLayout->addLayout(zones);

    QPushButton* print = addClickButton(QStringLiteral("&Print"), QStringLiteral("printButton"), [this] { this->print(); });
    QPushButton* setup = addClickButton(QStringLiteral("&Setup Printer"), QStringLiteral("setupPrinterButton"),
                                        [this] { ui::printerSetup(this); });
    QPushButton* ok = addClickButton(QStringLiteral("&OK"), QStringLiteral("okButton"), [this] { closeWith(1); });
    ok->setDefault(true);

    auto* top = new QHBoxLayout;
    // The court at the left of the dialog's inside, growing with it.
    top->addWidget(canvas_, 1);
    top->addWidget(group, 0);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttonRow({print, setup, ok}));

    connect(players_, &QListWidget::currentRowChanged, this, [this](int row) { chooseEntry(row); });
    connect(periods_, &QComboBox::currentIndexChanged, this, [this] { showFigures(); });
    connect(kinds_, &QButtonGroup::idClicked, this, [this] { showFigures(); });
    periods_->setCurrentIndex(0);
    // "Whole Team" is chosen first; it comes after the players' names.
    players_->setCurrentRow(static_cast<int>(entries_.size() - (analysis_.allTeams() ? 1 : 2)));
}

ShotChartDialog::~ShotChartDialog() {
    ui::unregisterGameViewer(this);
    ui::appState().shotViewerOpen = false;
    ui::notifyGameStateChanged();
}

void ShotChartDialog::showBesideConsole(QWidget* console) {
    ui::registerGameViewer(this);
    setModal(false);
    connect(this, &QDialog::finished, this, &QObject::deleteLater);
    ui::showBesideConsole(this, console, sizeHint(), minimumSizeHint().width());
}

void ShotChartDialog::refreshFromGame() {
    // The list entry chosen stays chosen; its shots are collected anew.
    chooseEntry(players_->currentRow());
}

void ShotChartDialog::chooseEntry(int row) {
    if (row < 0 || row >= static_cast<int>(entries_.size())) return;
    analysis_.collect(entries_[static_cast<std::size_t>(row)].selection);
    showFigures();
}

void ShotChartDialog::showFigures() {
    const int period = std::max(0, periods_->currentIndex());
    const auto kind = static_cast<ShotKindChoice>(std::max(0, kinds_->checkedId()));
    figures_ = courtlog::stats::shotChartFigures(
        analysis_, courtlog::stats::ShotChartFilter::of(courtlog::stats::periodChoices()[static_cast<std::size_t>(period)], kind),
        arc_);
    made_->setText(QString::fromStdString(courtlog::stats::madeCountText(figures_.made.size())));
    missed_->setText(QString::fromStdString(courtlog::stats::missedCountText(figures_.missed.size())));
    for (std::size_t row = 0; row < zoneRows_.size() && row < figures_.zones.size(); ++row) {
        zoneRows_[row][1]->setText(QString::fromStdString(courtlog::stats::zoneShotsText(figures_.zones[row])));
        zoneRows_[row][2]->setText(QString::fromStdString(courtlog::stats::zonePercentText(figures_.zones[row])));
    }
    canvas_->update();
}

ShotChartPageTexts ShotChartDialog::pageTexts() const {
    const auto kind = static_cast<ShotKindChoice>(std::max(0, kinds_->checkedId()));
    return {ui::fromRecordText(courtlog::stats::chartTitle(analysis_.selection(), analysis_.teamName())),
            QString::fromStdString(courtlog::stats::chartSubtitle(kind, periods_->currentText().toStdString()))};
}

void ShotChartDialog::print() {
    ShotChartPrintout printout(pageTexts(), figures_, static_cast<int>(arc_));
    ui::printWithPreview(this, printout);
}

}  // namespace courtlog::gui::stats
