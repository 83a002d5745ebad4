#include "gui/output/PrintGameDialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/records/GameFileHeader.h"
#include "gui/ui/GameFilesList.h"
#include "gui/ui/Printing.h"
#include "gui/ui/TextFields.h"

namespace courtlog::gui::output {

namespace {

const QString kVisitingTeam = QStringLiteral("Visiting Team");
const QString kHomeTeam = QStringLiteral("Home Team");

// A team name as a button caption: its '&' shown, not taken as an access key.
QString caption(const std::string& name) { return ui::fromRecordText(name).replace(QLatin1Char('&'), QStringLiteral("&&")); }

}  // namespace

PrintGameDialog::PrintGameDialog(QWidget* parent) : CourtlogDialog(parent) {
    setObjectName(QStringLiteral("printGameDialog"));
    setWindowTitle(QStringLiteral("Print Game"));
    setHelpTopic(QStringLiteral("score-sheets.html"));

    fileName_ = new QLabel(this);
    fileName_->setObjectName(QStringLiteral("fileNameText"));
    fileName_->setFrameShape(QFrame::StyledPanel);
    fileName_->setMinimumWidth(220);
    files_ = new ui::GameFilesList(this);
    auto* listLabel = new QLabel(QStringLiteral("Select File Name:"), this);
    listLabel->setBuddy(files_);

    auto* options = new QGroupBox(QStringLiteral("Print Options"), this);
    options->setObjectName(QStringLiteral("printOptionsGroup"));
    visitor_ = new QRadioButton(kVisitingTeam, options);
    visitor_->setObjectName(QStringLiteral("visitorRadio"));
    home_ = new QRadioButton(kHomeTeam, options);
    home_->setObjectName(QStringLiteral("homeRadio"));
    both_ = new QRadioButton(QStringLiteral("&Both"), options);
    both_->setObjectName(QStringLiteral("bothRadio"));
    both_->setChecked(true);
    auto* optionsLayout = new QVBoxLayout(options);
    for (QRadioButton* choice : {visitor_, home_, both_}) optionsLayout->addWidget(choice);

    QPushButton* print =
        addClickButton(QStringLiteral("&Print"), QStringLiteral("printButton"), [this] { printOrEnter(); });
    print->setDefault(true);
    QPushButton* setup = addClickButton(QStringLiteral("&Setup Printer"), QStringLiteral("setupPrinterButton"),
                                        [this] { ui::printerSetup(this); });
    QPushButton* cancel =
        addClickButton(QStringLiteral("&Cancel"), QStringLiteral("cancelButton"), [this] { closeWith(2); });

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(QStringLiteral("File Name :"), this));
    nameRow->addWidget(fileName_, 1);
    auto* left = new QVBoxLayout;
    left->addLayout(nameRow);
    left->addWidget(listLabel);
    left->addWidget(files_, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(options);
    right->addStretch(1);
    auto* body = new QHBoxLayout;
    body->addLayout(left, 1);
    body->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(buttonRow({print, setup, cancel}));
    resize(520, 360);

    connect(files_, &ui::GameFilesList::highlightChanged, this, [this] { showHighlighted(); });
    // A double-click on a game file prints it, as "&Print" would.
    connect(files_, &ui::GameFilesList::gameChosen, this, [this] { printOrEnter(); });
    files_->enterStartFolder();
}

void PrintGameDialog::showHighlighted() {
    const courtlog::stats::ListedEntry* entry = files_->highlightedEntry();
    fileName_->setText(entry ? ui::shownPath(entry->text) : QString());
    // The team names of a game that can be read; otherwise the plain choices.
    const auto teams = entry && entry->isGame() ? readGameFileTeams(entry->target) : std::nullopt;
    visitor_->setText(teams ? caption(teams->visitorName) : kVisitingTeam);
    home_->setText(teams ? caption(teams->homeName) : kHomeTeam);
}

void PrintGameDialog::printOrEnter() {
    const courtlog::stats::ListedEntry* entry = files_->highlightedEntry();
    if (!entry) return;
    if (!entry->isGame()) {
        files_->enterFolder(ui::shownPath(entry->target));
        return;
    }
    chosenFile_ = ui::shownPath(entry->target);
    chosenTeams_ = visitor_->isChecked() ? VisitingTeam : home_->isChecked() ? HomeTeam : BothTeams;
    closeWith(1);
}

}  // namespace courtlog::gui::output
