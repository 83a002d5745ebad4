#include "gui/stats/GameSelectionDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/records/GameFileHeader.h"
#include "gui/ui/GameFilesList.h"
#include "gui/ui/MessageBox.h"
#include "gui/ui/ProgramSettings.h"
#include "gui/ui/TextFields.h"

namespace courtlog::gui::stats {

namespace {

using courtlog::stats::ListedEntry;
using courtlog::stats::SelectionProblem;
using ui::shownPath;

}  // namespace

GameSelectionDialog::GameSelectionDialog(QWidget* parent, SelectionPurpose purpose)
    : CourtlogDialog(parent), purpose_(purpose) {
    setObjectName(QStringLiteral("gameSelectionDialog"));
    setWindowTitle(QStringLiteral("Select Applicable Games To Analyze"));
    setHelpTopic(QStringLiteral("statistics.html#choosing-games"));

    information_ = new QLabel(this);
    information_->setObjectName(QStringLiteral("informationArea"));
    // Three lines: "Visitors", "vs", "Home", or the folder's search path.
    information_->setMinimumHeight(information_->fontMetrics().lineSpacing() * 3 + 4);
    information_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    information_->setWordWrap(true);
    information_->setFrameShape(QFrame::StyledPanel);

    files_ = new ui::GameFilesList(this);
    games_ = new QListWidget(this);
    games_->setObjectName(QStringLiteral("gamesList"));
    teams_ = new QComboBox(this);
    teams_->setObjectName(QStringLiteral("teamCombo"));
    teams_->setMinimumContentsLength(24);

    auto* filesLabel = new QLabel(QStringLiteral(" Files"), this);
    filesLabel->setBuddy(files_);
    auto* gamesLabel = new QLabel(QStringLiteral("Games To Analyze"), this);
    gamesLabel->setBuddy(games_);
    auto* teamLabel = new QLabel(QStringLiteral("Team To Analyze"), this);
    teamLabel->setBuddy(teams_);

    // The three list buttons read as their pictures do, their access keys
    // being S, A and R.
    QPushButton* select = addClickButton(QStringLiteral("&Select Game"), QStringLiteral("selectGameButton"),
                                         [this] { selectGame(); });
    QPushButton* selectAll = addClickButton(QStringLiteral("Select &All"), QStringLiteral("selectAllButton"),
                                            [this] { selectAllGames(); });
    QPushButton* remove = addClickButton(QStringLiteral("&Remove Game"), QStringLiteral("removeGameButton"),
                                         [this] { removeGame(); });
    QPushButton* ok = nullptr;
    if (purpose_ != SelectionPurpose::ShotAnalysis) {
        ok = addClickButton(QStringLiteral("&OK"), QStringLiteral("okButton"), [this] { finishIfComplete(); });
    } else {
        ok = addPlainButton(QStringLiteral("&OK"), QStringLiteral("okButton"));
        connect(ok, &QPushButton::clicked, this, [this] { finishIfComplete(); });
    }
    ok->setDefault(true);
    QPushButton* cancel =
        addClickButton(QStringLiteral("&Cancel"), QStringLiteral("cancelButton"), [this] { closeWith(2); });

    auto* listButtons = new QVBoxLayout;
    listButtons->addStretch(1);
    for (QPushButton* button : {select, selectAll, remove}) listButtons->addWidget(button);
    listButtons->addStretch(1);

    auto* grid = new QGridLayout;
    grid->addWidget(information_, 0, 0);
    auto* teamBox = new QVBoxLayout;
    teamBox->addWidget(teamLabel);
    teamBox->addWidget(teams_);
    if (purpose_ == SelectionPurpose::WebSite) {
        auto* everyTeam = new QLabel(QStringLiteral("Every team of the chosen games is in the site."), this);
        everyTeam->setObjectName(QStringLiteral("everyTeamNote"));
        everyTeam->setWordWrap(true);
        teamBox->addWidget(everyTeam);
    }
    teamBox->addStretch(1);
    grid->addLayout(teamBox, 0, 2);
    grid->addWidget(filesLabel, 1, 0);
    grid->addWidget(gamesLabel, 1, 2);
    grid->addWidget(files_, 2, 0);
    grid->addLayout(listButtons, 2, 1);
    grid->addWidget(games_, 2, 2);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(buttonRow({ok, cancel}));
    resize(620, 400);

    connect(files_, &ui::GameFilesList::highlightChanged, this, [this] { showInformation(); });
    connect(files_, &ui::GameFilesList::gameChosen, this, [this](const ListedEntry& entry) { addGame(entry); });

    const bool everyTeam = purpose_ == SelectionPurpose::WebSite;
    teamLabel->setVisible(!everyTeam);
    teams_->setVisible(!everyTeam);
    showTeams({}, everyTeam ? 0 : -1);
    files_->enterStartFolder();
}

const QString& GameSelectionDialog::currentFolder() const { return files_->currentFolder(); }

void GameSelectionDialog::showInformation() {
    const ListedEntry* entry = files_->highlightedEntry();
    if (entry && entry->isGame()) {
        if (const auto teams = readGameFileTeams(entry->target)) {
            information_->setText(ui::fromRecordText(teams->visitorName) + QStringLiteral("\nvs\n") +
                                  ui::fromRecordText(teams->homeName));
            return;
        }
    }
    information_->setText(files_->searchPath());
}

void GameSelectionDialog::addGame(const ListedEntry& entry) {
    // Only a file that can be opened is taken.
    if (!entry.isGame() || !readGameFileTeams(entry.target)) return;
    const QString chosen = teams_->currentText();
    const int chosenIndex = teams_->currentIndex();
    if (!selection_.addGame(entry.target)) return;
    games_->addItem(shownPath(entry.target));
    showTeams(chosen, chosenIndex);
}

void GameSelectionDialog::selectGame() {
    if (const ListedEntry* entry = files_->highlightedEntry()) addGame(*entry);
}

void GameSelectionDialog::selectAllGames() {
    const std::vector<ListedEntry> entries = files_->entries();
    for (const ListedEntry& entry : entries)
        if (entry.isGame()) addGame(entry);
}

void GameSelectionDialog::removeGame() {
    const QList<QListWidgetItem*> highlighted = games_->selectedItems();
    if (highlighted.isEmpty()) return;
    const int row = games_->row(highlighted.front());
    const QString chosen = teams_->currentText();
    const int chosenIndex = teams_->currentIndex();
    if (!selection_.removeGame(static_cast<std::size_t>(row))) return;
    delete games_->takeItem(row);
    showTeams(chosen, chosenIndex);
}

void GameSelectionDialog::showTeams(const QString& chosenBefore, int chosenIndexBefore) {
    const std::vector<std::string>& names = selection_.teamList();
    teams_->blockSignals(true);
    teams_->clear();
    for (const std::string& name : names) teams_->addItem(ui::fromRecordText(name));
    // The entry chosen stays chosen while it is listed; "All Teams" always is.
    int chosen = -1;
    if (chosenIndexBefore == 0) {
        chosen = 0;
    } else if (chosenIndexBefore > 0) {
        for (int i = 1; i < teams_->count() && chosen < 0; ++i)
            if (teams_->itemText(i) == chosenBefore) chosen = i;
    }
    teams_->setCurrentIndex(chosen);
    teams_->blockSignals(false);
}

void GameSelectionDialog::finishIfComplete() {
    const bool statistics = purpose_ != SelectionPurpose::ShotAnalysis;
    const int chosen = teams_->currentIndex();
    switch (selection_.check(chosen)) {
    case SelectionProblem::NoGame:
        ui::showMessage(this, QStringLiteral("Must Select at least one Game to Analyze"),
                        QStringLiteral("No Game Selected"), ui::MessageButtons::Ok, ui::MessageIcon::Exclamation,
                        statistics);
        return;
    case SelectionProblem::NoTeam:
        ui::showMessage(this,
                        statistics ? QStringLiteral("You Must Choose a Team Name or \"All Teams\"")
                                   : QStringLiteral("Must Choose a Team to Analyze"),
                        QStringLiteral("No Team Selected"), ui::MessageButtons::Ok, ui::MessageIcon::Exclamation,
                        statistics);
        return;
    case SelectionProblem::None: break;
    }
    choice_ = selection_.choice(chosen);
    // The next dialog for games opens where these were found.
    ui::rememberFolder(FileFolder::Games, files_->currentFolder(), this);
    closeWith(1);
}

}  // namespace courtlog::gui::stats
