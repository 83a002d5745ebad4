#include "gui/scoring/ModifyPlayer.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <string>
#include <utility>

#include "core/records/Game.h"
#include "core/scoring/GameSetupRules.h"
#include "gui/scoring/AddPlayer.h"
#include "core/records/PlayerEntry.h"
#include "core/records/RosterEditorRules.h"
#include "core/records/UniformNumber.h"
#include "gui/ui/EntryMessages.h"
#include "gui/ui/MessageBox.h"
#include "gui/ui/TextFields.h"

namespace courtlog::gui::scoring {

// The scoring core's rules used here.
using courtlog::scoring::renameEditedPlayers;

ModifyPlayer::ModifyPlayer(Game& game, QWidget* parent)
    : ui::CourtlogDialog(parent),
      game_(game),
      homeCopy_(game.home.players),
      visitorCopy_(game.visitor.players) {
    setObjectName(QStringLiteral("modifyPlayer"));
    setWindowTitle(QStringLiteral("Edit Player"));
    setHelpTopic(QStringLiteral("players-during-game.html#modify"));

    auto* rosterGroup = new QGroupBox(QStringLiteral("Current Roster"), this);
    rosterList_ = new QListWidget(rosterGroup);
    rosterList_->setObjectName(QStringLiteral("rosterList"));
    rosterList_->setSelectionMode(QAbstractItemView::SingleSelection);
    nameEdit_ = new QLineEdit(this);
    nameEdit_->setObjectName(QStringLiteral("nameEdit"));
    nameEdit_->setMaxLength(static_cast<int>(kUpdatedNameChars));
    ui::acceptRecordTextOnly(nameEdit_);
    numberList_ = new QComboBox(this);
    numberList_->setObjectName(QStringLiteral("numberList"));
    numberList_->addItems(uniformNumberEntries());
    homeButton_ = new QRadioButton(teamButtonText(game_.homeName, QStringLiteral("Home Team")), this);
    homeButton_->setObjectName(QStringLiteral("homeButton"));
    visitorButton_ =
        new QRadioButton(teamButtonText(game_.visitorName, QStringLiteral("Visiting Team")), this);
    visitorButton_->setObjectName(QStringLiteral("visitorButton"));
    homeButton_->setChecked(true);

    auto* okButton = addClickButton(QStringLiteral("&OK"), QStringLiteral("okButton"), [this] { commit(); });
    okButton->setDefault(true);
    cancelButton_ =
        addClickButton(QStringLiteral("&Cancel"), QStringLiteral("cancelButton"), [this] { closeWith(2); });

    connect(rosterList_, &QListWidget::currentRowChanged, this, &ModifyPlayer::chooseFromList);
    connect(homeButton_, &QRadioButton::toggled, this, [this](bool) { switchTeam(); });

    auto* rosterBox = new QVBoxLayout(rosterGroup);
    rosterBox->addWidget(rosterList_);
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Name:"), nameEdit_);
    fields->addRow(QStringLiteral("Uniform #:"), numberList_);
    auto* right = new QVBoxLayout;
    right->addLayout(fields);
    right->addWidget(homeButton_);
    right->addWidget(visitorButton_);
    right->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(rosterGroup, 1);
    top->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton_);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);

    fillList();
    showPlayer(shownRoster().empty() ? -1 : 0);
}

void ModifyPlayer::reject() { cancelButton_->click(); }

void ModifyPlayer::fillList() {
    const QSignalBlocker block(rosterList_);
    rosterList_->clear();
    for (const Player& player : shownRoster()) rosterList_->addItem(ui::fromRecordText(player.name));
}

void ModifyPlayer::showPlayer(int index) {
    shown_ = index;
    const QSignalBlocker block(rosterList_);
    rosterList_->setCurrentRow(index);
    if (index < 0) {
        nameEdit_->clear();
        numberList_->setCurrentIndex(-1);
        return;
    }
    const Player& player = shownRoster()[static_cast<std::size_t>(index)];
    nameEdit_->setText(ui::fromRecordText(player.name));
    // A number the list does not hold shows no entry.
    numberList_->setCurrentIndex(uniformChoiceOf(player.number));
}

bool ModifyPlayer::applyEdits() {
    std::vector<Player>& roster = shownRoster();
    if (shown_ < 0 || shown_ >= static_cast<int>(roster.size())) return true;
    Player& player = roster[static_cast<std::size_t>(shown_)];
    const std::string name = trimmedName(ui::toRecordText(nameEdit_->text(), std::string::npos), kUpdatedNameChars);
    // With no entry chosen, or the entry the number shows, the number stays
    // as it was.
    const int entry = numberList_->currentIndex();
    const int number = entry >= 0 && entry != uniformChoiceOf(player.number) ? uniformOfChoice(entry) : player.number;
    if (name == player.name && number == player.number) return true;
    // An empty name would hide the player. A name another player has is
    // allowed for now (two names may be swapped in steps) and checked on OK.
    const PlayerNameProblem problem = checkPlayerName(roster, name, shown_);
    if (problem == PlayerNameProblem::Empty) {
        ui::showWarning(this,
                        ui::playerNameProblemText(problem, name, showingHome_ ? game_.homeName : game_.visitorName),
                        QStringLiteral("Edit Player"));
        nameEdit_->setFocus();
        nameEdit_->selectAll();
        return false;
    }
    if (!ui::confirmUniformNumber(this, roster, shown_, number, QStringLiteral("Edit Player"))) {
        numberList_->setFocus();
        return false;
    }
    player.name = name;
    player.number = static_cast<std::int16_t>(number);
    fillList();
    return true;
}

void ModifyPlayer::chooseFromList(int row) {
    if (!applyEdits()) {
        // The refused entry stays on display, and so does its row.
        const QSignalBlocker block(rosterList_);
        rosterList_->setCurrentRow(shown_);
        return;
    }
    showPlayer(row);
}

void ModifyPlayer::switchTeam() {
    const bool home = homeButton_->isChecked();
    if (home == showingHome_) return;
    if (!applyEdits()) {
        const QSignalBlocker blockHome(homeButton_);
        const QSignalBlocker blockVisitor(visitorButton_);
        (showingHome_ ? homeButton_ : visitorButton_)->setChecked(true);
        return;
    }
    showingHome_ = home;
    fillList();
    showPlayer(shownRoster().empty() ? -1 : 0);
}

void ModifyPlayer::commit() {
    if (!applyEdits()) return;
    // Plays follow names: a renamed player whose new name another player of
    // his team has would merge the two players' plays.
    for (const bool home : {true, false}) {
        const std::vector<Player>& copy = home ? homeCopy_ : visitorCopy_;
        const std::optional<std::size_t> clash =
            renamedOntoTakenName(home ? game_.home.players : game_.visitor.players, copy);
        if (!clash) continue;
        ui::showWarning(this,
                        ui::playerNameProblemText(PlayerNameProblem::Taken, copy[*clash].name,
                                                  home ? game_.homeName : game_.visitorName),
                        QStringLiteral("Edit Player"));
        return;
    }
    renameEditedPlayers(game_, true, homeCopy_);
    renameEditedPlayers(game_, false, visitorCopy_);
    closeWith(1);
}

}  // namespace courtlog::gui::scoring
